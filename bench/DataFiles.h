// Generated data files for the benchmarks: deterministic content, written once into the build
// folder (never into the source tree).
#pragma once

#include <string>

// A file of `rows` data lines with `columns` fields each (a label and columns - 1 values),
// created under the benchmark data folder when it is not there yet. Returns its path.
std::string BenchFile(long rows, int columns);
