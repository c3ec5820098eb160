#include "drawing/Trace.h"

#include <cinttypes>

#include "diagram/Diagram.h"

namespace {

void AppendColor(std::string& out, COLORREF c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    out += buf;
}

void AppendInt(std::string& out, long long v) {
    out += std::to_string(v);
}

void AppendInts(std::string& out, const TraceRecord& r, int count) {
    const int v[] = {r.a, r.b, r.c, r.d};
    for (int i = 0; i < count; ++i) {
        out += ' ';
        AppendInt(out, v[i]);
    }
}

void AppendPen(std::string& out, const TraceRecord& r) {
    out += " pen=";
    AppendColor(out, r.penColor);
    out += '/';
    AppendInt(out, r.penWidth);
}

void AppendFont(std::string& out, const TraceRecord& r) {
    out += " font=";
    AppendInt(out, r.fontHeight);
    out += '/';
    AppendInt(out, r.fontWeight);
}

void AppendQuoted(std::string& out, const CString& text) {
    static const char kHex[] = "0123456789abcdef";
    out += " \"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text.data()[i]);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b >= 0x20 && b <= 0x7E) {
            out += static_cast<char>(b);
        } else {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    out += '"';
}

std::string Rect(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom);
}

}  // namespace

std::string FormatTraceRecord(const TraceRecord& r) {
    std::string out;
    switch (r.kind) {
        case TraceRecord::Kind::kRect:
            out = "rect";
            AppendInts(out, r, 4);
            AppendPen(out, r);
            out += " brush=";
            AppendColor(out, r.color);
            break;
        case TraceRecord::Kind::kLine:
            out = "line";
            AppendInts(out, r, 4);
            AppendPen(out, r);
            break;
        case TraceRecord::Kind::kFill:
            out = "fill";
            AppendInts(out, r, 4);
            out += ' ';
            AppendColor(out, r.color);
            break;
        case TraceRecord::Kind::kText:
            out = "text";
            AppendInts(out, r, 2);
            out += r.centered ? " align=center" : " align=left";
            out += " color=";
            AppendColor(out, r.color);
            AppendFont(out, r);
            AppendQuoted(out, r.text);
            break;
        case TraceRecord::Kind::kMeasure:
            out = "measure";
            AppendFont(out, r);
            AppendQuoted(out, r.text);
            AppendInts(out, r, 2);
            break;
        case TraceRecord::Kind::kState:
            out = "state ";
            out += r.text.view();
            break;
    }
    return out;
}

TraceRecord StateRecord(const CDiagram& d) {
    TraceRecord r;
    r.kind = TraceRecord::Kind::kState;
    char minY[40];
    char stepY[40];
    std::snprintf(minY, sizeof minY, "%.17g", d.m_dMinY);
    std::snprintf(stepY, sizeof stepY, "%.17g", d.m_dStepY);
    const std::string fields = "frame=" + Rect(d.m_rcFrame) + " plot=" + Rect(d.m_rcPlot) +
                               " legendWidth=" + std::to_string(d.m_nLegendWidth) +
                               " stepPixX=" + std::to_string(d.m_nStepPixX) + " minY=" + minY +
                               " stepY=" + stepY;
    r.text = CString(std::string_view(fields));
    return r;
}

std::string TraceCollector::Text() const {
    std::string out;
    for (const TraceRecord& r : records) {
        out += FormatTraceRecord(r);
        out += '\n';
    }
    return out;
}

void TraceWriter::Record(const TraceRecord& r) {
    const std::string line = FormatTraceRecord(r);
    std::fwrite(line.data(), 1, line.size(), m_out);
    std::fputc('\n', m_out);
}
