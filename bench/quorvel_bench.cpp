// Benchmarks: loading, one drawing pass on the raster and the trace surface, and the renderer end
// to end, on generated files of 10,000 to 1,000,000 rows of 8 columns and one of 1,000 rows of
// 2,000 columns.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/DataFiles.h"
#include "diagram/Diagram.h"
#include "drawing/FontEngine.h"
#include "drawing/RasterDC.h"
#include "drawing/TraceDC.h"

extern char** environ;

namespace {

struct Shape {
    long rows;
    int columns;
};

Shape ShapeOf(const benchmark::State& state) {
    return {static_cast<long>(state.range(0)), static_cast<int>(state.range(1))};
}

void BM_Load(benchmark::State& state) {
    const Shape shape = ShapeOf(state);
    const std::string path = BenchFile(shape.rows, shape.columns);
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        CDiagram d(nullptr);
        if (!d.Load(CString(path.c_str())))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(d.m_aRows.GetSize());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// A loaded diagram kept across iterations: a repaint does not reload.
template <class MakeSurface>
void DrawPass(benchmark::State& state, MakeSurface make) {
    const Shape shape = ShapeOf(state);
    CFixedSizeWnd wnd(800, 600);
    CDiagram d(&wnd);
    if (!d.Load(CString(BenchFile(shape.rows, shape.columns).c_str()))) {
        state.SkipWithError("load failed");
        return;
    }
    d.Values();  // built at load; this only checks it is current
    for (auto _ : state) {
        auto dc = make();
        d.Draw(&*dc);
        benchmark::ClobberMemory();
    }
}

void BM_DrawRaster(benchmark::State& state) {
    static RasterDC dc(800, 600);  // the view reuses its backing image
    struct Ref {
        RasterDC* p;
        RasterDC& operator*() { return *p; }
    };
    DrawPass(state, [] { return Ref{&dc}; });
}

void BM_DrawTrace(benchmark::State& state) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    TraceWriter writer(sink);
    DrawPass(state, [&] { return std::make_unique<TraceDC>(writer, FontEngine::Instance()); });
    std::fclose(sink);
}

// quorvel-render FILE -o OUT.png as a separate process; reports its peak memory.
void BM_RenderToPng(benchmark::State& state) {
    const Shape shape = ShapeOf(state);
    const std::string path = BenchFile(shape.rows, shape.columns);
    const std::string out = std::string(QUORVEL_BENCH_DATA_DIR) + "/render.png";
    const std::string exe = QUORVEL_RENDER_EXE;
    long peakKiB = 0;
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(exe.c_str()), const_cast<char*>(path.c_str()),
                        const_cast<char*>("-o"), const_cast<char*>(out.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start quorvel-render");
            return;
        }
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("quorvel-render failed");
            return;
        }
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
    state.counters["file_MiB"] =
        static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}

void Shapes(benchmark::internal::Benchmark* b) {
    b->Args({10000, 8})->Args({100000, 8})->Args({1000000, 8})->Args({1000, 2000});
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_Load)->Apply(Shapes);
BENCHMARK(BM_DrawRaster)->Apply(Shapes);
BENCHMARK(BM_DrawTrace)->Apply(Shapes);
BENCHMARK(BM_RenderToPng)->Args({1000000, 8})->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
