// Shared bits of the benchmark program.
#pragma once

#include <string>

// Peak resident memory of this process so far, in MiB.
double peakRssMb();

int benchSearch(int argc, char** argv);
