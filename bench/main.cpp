// korvane-bench SUBCOMMAND ARGS...: runs one engine and prints key=value figures.
#include "bench/bench_common.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

double peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "search") == 0)
        return benchSearch(argc - 2, argv + 2);
    std::fprintf(stderr, "usage: korvane-bench search FROM TO\n");
    return 2;
}
