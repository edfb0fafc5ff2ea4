// Shared bits of the benchmark program.
#pragma once

#include "search/bounds.h"

#include <optional>

// Peak resident memory of this process so far, in MiB.
double peakRssMb();

// The range two bound texts name, as SEARCH reads them; a refusal is printed.
std::optional<korvane::search::SearchRange> readRange(const char* from, const char* to);

// Each takes the arguments after its subcommand and returns the exit status.
int benchSearch(int argc, char** argv);
int benchPage(int argc, char** argv);
int benchStats(int argc, char** argv);
int benchFactor(int argc, char** argv);
int benchCalc(int argc, char** argv);
int benchExport(int argc, char** argv);
int benchFind(int argc, char** argv);
