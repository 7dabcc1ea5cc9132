// What every fuzz target shares: quiet logging (the decoders log what they
// reject, and printing every input would slow the search a hundredfold) and a
// check that ends the run with a report, whatever the build type.
#pragma once

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

inline void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

// An invariant broken by an input: libFuzzer saves the input and stops.
#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                               \
        }                                                                               \
    } while (false)
