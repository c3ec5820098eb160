#include "tools/render/Options.h"

#include <cerrno>
#include <cstdlib>

const char kRenderUsage[] =
    "usage: quorvel-render FILE [-o OUT.png] [--size WxH] [--trace OUT.txt|-]\n"
    "                      [--y-min V --y-step V | --autoscale-y] [--no-grid-x] [--no-grid-y]\n"
    "                      [--marks] [--legend | --no-legend] [--line-width N]\n";

namespace {

// The largest client area accepted: big enough for any printer page, small enough that the
// image (4 bytes a pixel) cannot exhaust memory.
constexpr long kMaxSide = 32768;
constexpr long kMaxPixels = 1L << 28;

bool ParseSize(const std::string& text, int& width, int& height) {
    const char* p = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long w = std::strtol(p, &end, 10);
    if (end == p || (*end != 'x' && *end != 'X') || errno)
        return false;
    const char* q = end + 1;
    const long h = std::strtol(q, &end, 10);
    if (end == q || *end != '\0' || errno)
        return false;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || w * h > kMaxPixels)
        return false;
    if (!(*p >= '0' && *p <= '9') || !(*q >= '0' && *q <= '9'))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

}  // namespace

ParseResult ParseRenderOptions(const std::vector<std::string>& args) {
    RenderOptions o;
    auto fail = [](std::string why) { return ParseResult{std::nullopt, std::move(why)}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // Options that take a value.
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "-o") {
            if (!value(v))
                return fail("-o needs a file name");
            o.png = v;
        } else if (a == "--trace") {
            if (!value(v))
                return fail("--trace needs a file name or -");
            o.trace = v;
        } else if (a == "--size") {
            if (!value(v) || !ParseSize(v, o.width, o.height)) {
                return fail("--size needs WxH, each from 1 to 32768");
            }
        } else if (a == "--y-min") {
            if (!value(v))
                return fail("--y-min needs a value");
            const double y = std::atof(v.c_str());
            o.settings.push_back([y](CDiagram& d) {
                d.m_dMinY = y;
                d.m_bAutoScaleY = false;
            });
        } else if (a == "--y-step") {
            if (!value(v))
                return fail("--y-step needs a value");
            const double y = std::atof(v.c_str());
            o.settings.push_back([y](CDiagram& d) {
                d.m_dStepY = y;
                d.m_bAutoScaleY = false;
            });
        } else if (a == "--line-width") {
            if (!value(v))
                return fail("--line-width needs a value");
            const int w = std::atoi(v.c_str());
            o.settings.push_back([w](CDiagram& d) { d.m_nLineWidth = w; });
        } else if (a == "--autoscale-y") {
            o.settings.push_back([](CDiagram& d) { d.m_bAutoScaleY = true; });
        } else if (a == "--no-grid-x") {
            o.settings.push_back([](CDiagram& d) { d.m_bGridX = false; });
        } else if (a == "--no-grid-y") {
            o.settings.push_back([](CDiagram& d) { d.m_bGridY = false; });
        } else if (a == "--marks") {
            o.settings.push_back([](CDiagram& d) { d.m_bShowMarks = true; });
        } else if (a == "--legend") {
            o.settings.push_back([](CDiagram& d) { d.m_bShowLegend = true; });
        } else if (a == "--no-legend") {
            o.settings.push_back([](CDiagram& d) { d.m_bShowLegend = false; });
        } else if (a.size() > 1 && a[0] == '-') {
            return fail("unknown option " + a);
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            return fail("only one FILE, not " + a);
        }
    }
    if (o.help)
        return ParseResult{std::move(o), {}};
    if (o.file.empty())
        return fail("no FILE given");
    return ParseResult{std::move(o), {}};
}
