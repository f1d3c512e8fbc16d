#include "tests/support/provecomuni.h"

#include "core/paroleliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

Dialoghi::Risposta FakeDialoghi::messaggio(Icona icona, const QString &titolo, const QString &testo, Pulsanti pulsanti)
{
    const Chiamata c{icona, titolo, testo, pulsanti};
    chiamate.append(c);
    if (pulsanti == Pulsanti::Ok)
        return Risposta::Ok;
    return risposte.isEmpty() ? predefinita : risposte.takeFirst();
}

QString FakeDialoghi::apriFile(const QString &filtro, const QString &cartellaIniziale)
{
    dialoghiFile.append({false, filtro, cartellaIniziale});
    return fileDaAprire.isEmpty() ? QString() : fileDaAprire.takeFirst();
}

QString FakeDialoghi::salvaFile(const QString &filtro, const QString &cartellaIniziale)
{
    dialoghiFile.append({true, filtro, cartellaIniziale});
    return fileDaSalvare.isEmpty() ? QString() : fileDaSalvare.takeFirst();
}

QStringList FakeDialoghi::testi() const
{
    QStringList out;
    for (const Chiamata &c : chiamate)
        out.append(c.testo);
    return out;
}

QStringList FakeSuoni::nomi() const
{
    QStringList out;
    for (const QString &p : suonati)
        out.append(QFileInfo(p).fileName());
    return out;
}

CartellaProva::CartellaProva()
{
    const QString base = dir_.path();
    ambiente_.cartellaProgramma = base + QStringLiteral("/programma");
    ambiente_.cartellaImpostazioni = base + QStringLiteral("/config/ImpostazioniProgrammiQuorla");
    ambiente_.cartellaFont = base + QStringLiteral("/data/fonts");
    ambiente_.fileBlocco = base + QStringLiteral("/tmp/Lettoria2.lock");
    QDir().mkpath(ambiente_.cartellaImmagini());
    QDir().mkpath(ambiente_.cartellaListe());
    QDir().mkpath(ambiente_.cartellaSuoni());
}

QString CartellaProva::percorso(const QString &relativo) const
{
    return QDir(ambiente_.cartellaProgramma).filePath(relativo);
}

QString CartellaProva::creaImmagine(const QString &nomeFile, const QColor &colore, QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(colore);
    const QString p = QDir(ambiente_.cartellaImmagini()).filePath(nomeFile);
    img.save(p, "JPG");
    return p;
}

void CartellaProva::creaImmagini(const QStringList &parole)
{
    int i = 0;
    for (const QString &p : parole)
        creaImmagine(p.trimmed() + QStringLiteral(".jpg"), QColor::fromHsv((i++ * 47) % 360, 200, 220));
}

QString CartellaProva::scrivi(const QString &relativo, const QByteArray &contenuto)
{
    const QString p = percorso(relativo);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(contenuto);
    return p;
}

QString CartellaProva::creaLista(const QString &nomeFile, const QStringList &parole)
{
    QByteArray b;
    for (const QString &p : parole)
        b += p.toLatin1() + "\r\n";
    return scrivi(QStringLiteral("testilettoria2/") + nomeFile, b);
}

QByteArray leggiFile(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ContestoProva::ContestoProva(unsigned seme) : casuale(seme)
{
    sessione.lista.FileInUso = cartella.ambiente().listaPredefinita();
}

Contesto ContestoProva::contesto()
{
    return Contesto{sessione, cartella.ambiente(), casuale, dialoghi, suoni, risposte, cronometro, insegnante};
}

void ContestoProva::parole(const QStringList &lista)
{
    sessione.lista.imposta(lista);
}

void FakeSuoni::pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo)
{
    pronunce.append({testo, registrazione, suonoDopo, int(suonati.size())});
    inAttesa = suonoDopo;
}

void FakeSuoni::finisciParola()
{
    if (!inAttesa.isEmpty())
        suonati.append(std::exchange(inAttesa, QString()));
}

QStringList FakeSuoni::parole() const
{
    QStringList out;
    for (const Pronuncia &p : pronunce)
        out.append(p.testo);
    return out;
}
