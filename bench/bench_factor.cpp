// korvane-bench factor NUMBER fast|all
#include "bench/bench_common.h"

#include <cstdio>

int benchFactor(int, char**) {
    std::fprintf(stderr, "factor: not built yet\n");
    return 2;
}
