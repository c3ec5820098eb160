#include "bench/DataFiles.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#ifndef QUORVEL_BENCH_DATA_DIR
#define QUORVEL_BENCH_DATA_DIR "bench-data"
#endif

std::string BenchFile(long rows, int columns) {
    namespace fs = std::filesystem;
    const fs::path dir = QUORVEL_BENCH_DATA_DIR;
    fs::create_directories(dir);
    const fs::path path =
        dir / ("rows" + std::to_string(rows) + "-cols" + std::to_string(columns) + ".csv");
    if (fs::exists(path))
        return path.string();

    const fs::path partial = path.string() + ".part";
    std::FILE* out = std::fopen(partial.c_str(), "w");
    if (!out)
        return path.string();
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> noise(-5.0, 5.0);
    std::fprintf(out, "Generated bench log, %ld rows\n", rows);
    std::fprintf(out, "Time");
    for (int c = 1; c < columns; ++c)
        std::fprintf(out, ";Ch%d", c);
    std::fputc('\n', out);
    double level[4096] = {};
    for (long r = 0; r < rows; ++r) {
        std::fprintf(out, "%02ld:%02ld:%02ld", (r / 3600) % 24, (r / 60) % 60, r % 60);
        for (int c = 1; c < columns; ++c) {
            double& v = level[c % 4096];
            v += noise(rng) * 0.1;
            std::fprintf(out, ";%.3f", 100.0 * c + v);
        }
        std::fputc('\n', out);
    }
    std::fclose(out);
    fs::rename(partial, path);
    return path.string();
}
