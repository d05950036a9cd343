#pragma once
// What every fuzz target shares: a property that fails stops the run with a
// crash, so libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                       \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)
