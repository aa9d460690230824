// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdlib>
#include <functional>
#include <fuzzer/FuzzedDataProvider.h>

// A broken rule stops the run with the input that broke it.
#define EXIGER(condition)                                                                          \
    do {                                                                                           \
        if (!(condition)) std::abort();                                                            \
    } while (0)

// Any text: UTF-8 most of the time, raw UTF-16 (lone surrogates included) otherwise.
inline QString texteAuHasard(FuzzedDataProvider& f, std::size_t longueur = 40) {
    if (f.ConsumeIntegralInRange(0, 3) != 0)
        return QString::fromStdString(f.ConsumeRandomLengthString(longueur));
    QString t;
    for (std::size_t n = f.ConsumeIntegralInRange<std::size_t>(0, longueur); n > 0; --n)
        t += QChar(f.ConsumeIntegral<char16_t>());
    return t;
}
