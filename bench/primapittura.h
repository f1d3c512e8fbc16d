#pragma once

class QWidget;

// Start-up probes: once `finestra` has been painted for the first time, prints
// the monotonic clock in nanoseconds on one line of standard output and quits
// the application. The monotonic clock is shared by every process on the
// machine, so the benchmark compares it with the moment it started the probe.
void SegnalaFinePrimaPittura(QWidget *finestra);
