#pragma once

#include <QString>
#include <QStringList>

// The syllable groups of the shipped lists that practise one group each, as
// the list chooser names them ("BA BE BI BO BU", "CA CO CU", "GLI", ...), in
// the chooser's order; not TUTTE nor the lists that join several groups.
const QStringList &NomiGruppi();

// Every group a word holds, read as the shipped lists are made
// (tools/check_data.py): a syllable counts only with its vowel heard, so CU
// in CUORE and CI in CIELO do not; CA in CASCHI does not either, the word
// holding CHI. A word ending in a consonant (CACTUS) holds its groups too,
// although the shipped lists keep such words in TUTTE only. Any case; in the
// chooser's order.
QStringList GruppiDellaParola(const QString &parola);
