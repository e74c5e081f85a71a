#pragma once
#include <cstdio>
#include <cstdlib>

// A property a fuzz target checks: when it breaks, the input that broke it is kept as a crash.
inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}
