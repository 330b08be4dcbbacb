// Stops a fuzzer when a property of the code under test does not hold;
// libFuzzer then reports the input and saves it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
