#pragma once

#include <QString>

#include <functional>

// The Italian voice of eSpeak NG. The library keeps global state and is not
// thread-safe: each object is used from one thread, and the objects of a
// process take turns (a lock held for each call).
class SintesiItaliana
{
public:
    SintesiItaliana();
    ~SintesiItaliana();
    SintesiItaliana(const SintesiItaliana &) = delete;
    SintesiItaliana &operator=(const SintesiItaliana &) = delete;

    // False where the library or its Italian voice is missing.
    bool pronta() const { return frequenza_ > 0; }
    // Mono, 16-bit samples at this rate.
    int frequenza() const { return frequenza_; }

    // Hands the samples of `testo` to `campioni` as the library makes them,
    // from the first one heard (the silence before it is dropped); `campioni`
    // returns false to stop. True when the whole word was made.
    using Campioni = std::function<bool(const qint16 *campioni, int quanti)>;
    bool sintetizza(const QString &testo, const Campioni &campioni);

    // The sounds the voice makes of the text as sintetizza() says it, in IPA,
    // with the library's stress marks; empty where it could not say it.
    QString fonemi(const QString &testo);

private:
    int frequenza_ = 0;
};
