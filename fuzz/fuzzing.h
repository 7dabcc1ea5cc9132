// What every fuzz target shares: quiet logging (the decoders log what they
// reject, and printing every input would slow the search a hundredfold) and a
// check that ends the run with a report, whatever the build type. Each fuzz
// target is one source file, which includes this header once.
#pragma once

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

// An invariant broken by an input: libFuzzer saves the input and stops.
#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                               \
        }                                                                               \
    } while (false)
