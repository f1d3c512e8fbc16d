#pragma once

#include <QString>

struct Sessione;
struct Ambiente;
class RiproduttoreSuoni;

// Says a word aloud when sounds and the voice are both on: the word in lower
// case (Italian rules, whatever the system's language), with the teacher's
// recording voci/<word>.wav beside the program when there is one, found
// regardless of letter case. A blank word says nothing.
void LeggiParola(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni, const QString &parola);
