// An invariant that did not hold ends the run: libFuzzer keeps the input.
#pragma once
#include <cstdio>
#include <cstdlib>

inline void Hold(bool held, const char* what) {
    if (held) return;
    fprintf(stderr, "does not hold: %s\n", what);
    abort();
}
