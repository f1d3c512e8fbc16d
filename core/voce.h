#pragma once

#include <QHash>
#include <QString>

struct Sessione;
struct Ambiente;
class Casuale;
class RiproduttoreSuoni;

// Says a word aloud when sounds and the voice are both on: the word in lower
// case (Italian rules, whatever the system's language), with the teacher's
// recording voci/<word>.wav beside the program when there is one, found
// regardless of letter case; without one, the synthetic voice is given the
// word's form from pronuncia.txt when it needs one. `suonoDopo`, when given,
// plays once the word has been heard, or at once when no word is said
// (voice off, blank word). A blank word says nothing.
void LeggiParola(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni, const QString &parola,
                 const QString &suonoDopo = QString());

// A right answer, when sounds are on: the word found said at once and one of
// si1.wav..si4.wav, drawn at random, right after it, so the child hears the
// word without waiting for the cheerful sound.
void RispostaGiusta(const Sessione &sessione, const Ambiente &ambiente, Casuale &casuale, RiproduttoreSuoni &suoni,
                    const QString &parola);

// One word of pronuncia.txt: its form with the stressed vowel marked, and the
// text the synthetic voice is given instead of the word (empty: the word).
struct PronunciaParola
{
    QString accentata;
    QString voce;
};
// pronuncia.txt: "WORD<TAB>marked form[<TAB>voice's text]" a line, UTF-8,
// "#" before a comment line; keyed by the word in lower case. Malformed
// lines are skipped; a missing file gives none.
QHash<QString, PronunciaParola> LeggiPronunce(const QString &percorso);
