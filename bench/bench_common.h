// Shared bits of the benchmark program.
#pragma once

// Peak resident memory of this process so far, in MiB.
double peakRssMb();

// Each takes the arguments after its subcommand and returns the exit status.
int benchSearch(int argc, char** argv);
int benchPage(int argc, char** argv);
int benchStats(int argc, char** argv);
int benchFactor(int argc, char** argv);
int benchCalc(int argc, char** argv);
int benchExport(int argc, char** argv);
int benchFind(int argc, char** argv);
