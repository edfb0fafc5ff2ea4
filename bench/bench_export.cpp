// korvane-bench save|copy ...
#include "bench/bench_common.h"

#include <cstdio>

int benchExport(int, char**) {
    std::fprintf(stderr, "export: not built yet\n");
    return 2;
}
