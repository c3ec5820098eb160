// quorvel-render: loads a data file as the viewer does, writes the options into the diagram, runs
// one drawing pass on a surface of the given client size and writes the picture and/or the trace.
// Exit status: 0 done, 1 the file did not load (the loader's message on stderr) or an output could
// not be written, 2 a usage error.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "diagram/Diagram.h"
#include "drawing/FontEngine.h"
#include "drawing/RasterDC.h"
#include "drawing/TraceDC.h"
#include "tools/render/Options.h"
#include "tools/render/Png.h"

namespace {

int Fail(const std::string& what) {
    std::fprintf(stderr, "quorvel-render: %s\n", what.c_str());
    return 1;
}

int Render(const RenderOptions& o) {
    // The diagram is left for the system to reclaim at exit, reachable from here: freeing a
    // million rows one by one would cost more than drawing them.
    static CFixedSizeWnd* wnd = new CFixedSizeWnd(o.width, o.height);
    static CDiagram* kept = new CDiagram(wnd);
    CDiagram& diagram = *kept;
    if (!diagram.Load(CString(o.file.c_str())))
        return 1;
    o.ApplyTo(diagram);
    if (!o.png && !o.trace)
        return 0;

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> traceFile(nullptr, std::fclose);
    std::FILE* traceOut = nullptr;
    if (o.trace) {
        if (*o.trace == "-") {
            traceOut = stdout;
        } else {
            traceFile.reset(std::fopen(o.trace->c_str(), "w"));
            if (!traceFile)
                return Fail("cannot write " + *o.trace);
            traceOut = traceFile.get();
        }
        static char buffer[1 << 16];
        std::setvbuf(traceOut, buffer, _IOFBF, sizeof buffer);
    }
    TraceWriter writer(traceOut);

    std::unique_ptr<RasterDC> raster;
    if (o.png)
        raster = std::make_unique<RasterDC>(o.width, o.height);
    if (raster && o.trace) {
        TracingDC dc(writer, *raster);
        diagram.Draw(&dc);
    } else if (raster) {
        diagram.Draw(raster.get());
    } else {
        TraceDC dc(writer, FontEngine::Instance());
        diagram.Draw(&dc);
    }

    if (o.trace) {
        writer.Record(StateRecord(diagram));
        if (std::fflush(traceOut) != 0 || std::ferror(traceOut)) {
            return Fail("cannot write " + *o.trace);
        }
    }
    if (o.png) {
        const std::string error = WritePng(*raster, *o.png);
        if (!error.empty())
            return Fail("cannot write " + *o.png + ": " + error);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseRenderOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "quorvel-render: %s\n%s", parsed.error.c_str(), kRenderUsage);
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(kRenderUsage, stdout);
        return 0;
    }
    try {
        return Render(*parsed.options);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
