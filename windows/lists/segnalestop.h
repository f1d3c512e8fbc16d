#pragma once

#include <QIcon>

// A red stop sign with a raised white hand, for the way out of the word-list window.
QIcon IconaStop();
