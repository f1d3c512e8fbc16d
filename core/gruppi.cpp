#include "core/gruppi.h"

#include "core/paroleliste.h"

#include <array>
#include <functional>

namespace {

bool Vocale(QChar c)
{
    return QStringLiteral("AEIOU").contains(c);
}

// The plain letter under an accented one.
QString Semplice(const QString &parola)
{
    QString s;
    s.reserve(parola.size());
    for (const QChar c : parola) {
        if (c.unicode() < 0x80) {
            s.append(c);
            continue;
        }
        const QString scomposta = QString(c).normalized(QString::NormalizationForm_D);
        s.append(scomposta.isEmpty() ? c : scomposta.at(0));
    }
    return s;
}

// A word and the plain letters it is read on.
struct Parola
{
    QString p;  // plain upper-case letters
    bool iato;  // its I or U before a vowel is a syllable of its own (DU-E)
};

// Whether the letter at j is a vowel read as itself: not an I or U that a
// following vowel silences (CIELO) or glides into (CUORE).
bool Sentita(const Parola &w, int j)
{
    if (j >= w.p.size() || !Vocale(w.p.at(j)))
        return false;
    const QChar c = w.p.at(j);
    if (c != QLatin1Char('I') && c != QLatin1Char('U'))
        return true;
    return j + 1 >= w.p.size() || !Vocale(w.p.at(j + 1)) || w.iato;
}

// The heard vowels after each syllable the consonant opens, single or
// doubled, at the start of the word or after a vowel.
QString Sillabe(const Parola &w, QChar consonante)
{
    QString vocali;
    for (int i = 0; i < w.p.size(); ++i) {
        if (w.p.at(i) != consonante || (i > 0 && !Vocale(w.p.at(i - 1))))
            continue;
        const int j = (i + 1 < w.p.size() && w.p.at(i + 1) == consonante) ? i + 2 : i + 1;
        if (Sentita(w, j))
            vocali.append(w.p.at(j));
    }
    return vocali;
}

// The heard vowels right after each place the group is written.
QString Dopo(const Parola &w, const QString &gruppo)
{
    QString vocali;
    for (int i = w.p.indexOf(gruppo); i >= 0; i = w.p.indexOf(gruppo, i + gruppo.size())) {
        if (Sentita(w, i + gruppo.size()))
            vocali.append(w.p.at(i + gruppo.size()));
    }
    return vocali;
}

bool UnaDi(const QString &vocali, const char *quali)
{
    for (const QChar c : vocali) {
        if (QLatin1String(quali).contains(c))
            return true;
    }
    return false;
}

bool Contiene(const Parola &w, std::initializer_list<const char *> gruppi)
{
    for (const char *g : gruppi) {
        if (w.p.contains(QLatin1String(g)))
            return true;
    }
    return false;
}

bool Dura(const Parola &w, char l)
{
    const QString L(QLatin1Char{l});
    return UnaDi(Sillabe(w, QLatin1Char(l)), "AOU")
        && !w.p.contains(L + QLatin1Char('I')) && !w.p.contains(L + QLatin1Char('E'))
        && !w.p.contains(L + QStringLiteral("HI")) && !w.p.contains(L + QStringLiteral("HE"));
}

bool Dolce(const Parola &w, char l)
{
    const QString L(QLatin1Char{l});
    if (w.p.contains(L + QStringLiteral("HI")) || w.p.contains(L + QStringLiteral("HE")))
        return false;
    if (l == 'C' && Contiene(w, {"SCI", "SCE"}))
        return false;
    return UnaDi(Sillabe(w, QLatin1Char(l)), "IE");
}

bool ConAcca(const Parola &w, char l)
{
    return UnaDi(Dopo(w, QString(QLatin1Char{l}) + QLatin1Char('H')), "IE");
}

struct Gruppo
{
    const char *file; // the shipped list that practises it
    std::function<bool(const Parola &)> regola;
};

std::function<bool(const Parola &)> Semplici(char c)
{
    return [c](const Parola &w) { return !Sillabe(w, QLatin1Char(c)).isEmpty(); };
}

const std::array<Gruppo, 25> &Gruppi()
{
    static const std::array<Gruppo, 25> gruppi = {{
        {"1vocali.txt", [](const Parola &w) { return !w.p.isEmpty() && Vocale(w.p.at(0)); }},
        {"1b.txt", Semplici('B')}, {"1d.txt", Semplici('D')}, {"1f.txt", Semplici('F')},
        {"1l.txt", Semplici('L')}, {"1m.txt", Semplici('M')}, {"1n.txt", Semplici('N')},
        {"1p.txt", Semplici('P')}, {"1r.txt", Semplici('R')}, {"1s.txt", Semplici('S')},
        {"1t.txt", Semplici('T')}, {"1v.txt", Semplici('V')}, {"1z.txt", Semplici('Z')},
        {"1ci.txt", [](const Parola &w) { return Dolce(w, 'C'); }},
        {"1chi.txt", [](const Parola &w) { return ConAcca(w, 'C'); }},
        {"1ca.txt", [](const Parola &w) { return Dura(w, 'C'); }},
        {"1gi.txt", [](const Parola &w) { return Dolce(w, 'G'); }},
        {"1ghi.txt", [](const Parola &w) { return ConAcca(w, 'G'); }},
        {"1ga.txt", [](const Parola &w) { return Dura(w, 'G'); }},
        {"1qu.txt", [](const Parola &w) { return Contiene(w, {"QU"}); }},
        {"1sci.txt", [](const Parola &w) { return UnaDi(Dopo(w, QStringLiteral("SC")), "IE"); }},
        {"1gli.txt", [](const Parola &w) { return Contiene(w, {"GLI"}); }},
        {"1gn.txt", [](const Parola &w) { return Contiene(w, {"GN"}); }},
        {"1mb&mp.txt", [](const Parola &w) { return Contiene(w, {"MB", "MP"}); }},
        {"1nd&nt.txt", [](const Parola &w) { return Contiene(w, {"ND", "NT"}); }},
    }};
    return gruppi;
}

} // namespace

const QStringList &NomiGruppi()
{
    static const QStringList nomi = [] {
        QStringList n;
        for (const Gruppo &g : Gruppi()) {
            for (const ListaPredefinita &l : ListePredefinite()) {
                if (l.file == QLatin1String(g.file))
                    n.append(l.nome);
            }
        }
        return n;
    }();
    return nomi;
}

QStringList GruppiDellaParola(const QString &parola)
{
    const QString maiuscola = parola.trimmed().toUpper();
    // Words whose I or U before another vowel is heard as a syllable: stressed
    // (DU-E, FU-NI-VI-A), or kept from SCI in SCIATORE.
    static const QStringList iati = {QStringLiteral("DUE"), QStringLiteral("FUNIVIA"), QStringLiteral("SCIATORE")};
    const Parola w{Semplice(maiuscola), iati.contains(maiuscola)};
    QStringList trovati;
    const auto &gruppi = Gruppi();
    for (size_t i = 0; i < gruppi.size(); ++i) {
        if (gruppi[i].regola(w))
            trovati.append(NomiGruppi().at(static_cast<int>(i)));
    }
    return trovati;
}
