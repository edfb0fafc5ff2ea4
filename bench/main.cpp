// korvane-bench SUBCOMMAND ARGS...: runs one engine and prints key=value figures.
#include "bench/bench_common.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <variant>

double peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::optional<korvane::search::SearchRange> readRange(const char* from, const char* to) {
    const auto checked = korvane::search::validateBounds(from, to);
    if (const auto* error = std::get_if<korvane::InputError>(&checked)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return std::nullopt;
    }
    return std::get<korvane::search::SearchRange>(checked);
}

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "search") == 0)
        return benchSearch(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "page") == 0)
        return benchPage(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "stats") == 0)
        return benchStats(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "find") == 0)
        return benchFind(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "calc") == 0)
        return benchCalc(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "factor") == 0)
        return benchFactor(argc - 2, argv + 2);
    if (argc >= 2 && (std::strcmp(argv[1], "save") == 0 || std::strcmp(argv[1], "copy") == 0))
        return benchExport(argc - 1, argv + 1); // keeps the subcommand name
    std::fprintf(stderr, "usage: korvane-bench search FROM TO | page FROM TO K | stats FROM TO | "
                         "find FROM TO NUMBER | "
                         "factor NUMBER fast|all | calc | "
                         "save ... | copy ...\n");
    return 2;
}
