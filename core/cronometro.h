#pragma once

#include <QElapsedTimer>

// Milliseconds on a clock that never goes back: how long a child took over
// an item. Tests wind a clock of their own.
class Cronometro
{
public:
    virtual ~Cronometro() = default;
    virtual qint64 millisecondi() const { return avvio_.elapsed(); }

private:
    QElapsedTimer avvio_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};
