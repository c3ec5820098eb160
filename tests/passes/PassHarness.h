// A diagram drawn on a trace surface with fixed text widths, and helpers to fill it the way a load
// would.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "diagram/Diagram.h"
#include "drawing/TraceDC.h"

using Lines = std::vector<std::string>;

// One window, one diagram and one trace surface. Every character is charWidth pixels wide.
struct Pass {
    explicit Pass(int width = 400, int height = 300, int charWidth = 7)
        : wnd(width, height), d(&wnd), metrics(charWidth), dc(trace, metrics) {}

    void Draw() { d.Draw(&dc); }

    // The whole trace, one record a line.
    Lines All() const {
        Lines out;
        for (const TraceRecord& r : trace.records)
            out.push_back(FormatTraceRecord(r));
        return out;
    }
    // The records that pass the filter, as lines.
    template <class Filter>
    Lines Where(Filter keep) const {
        Lines out;
        for (const TraceRecord& r : trace.records) {
            if (keep(r))
                out.push_back(FormatTraceRecord(r));
        }
        return out;
    }

    CFixedSizeWnd wnd;
    CDiagram d;
    FixedTextMetrics metrics;
    TraceCollector trace;
    TraceDC dc;
};

// Reads every pen that a selection hands back: a pen released while it was still selected then
// shows as a use after free in the sanitizer build.
class PenReadingDC : public ForwardingDC {
  public:
    using ForwardingDC::ForwardingDC;
    using ForwardingDC::SelectObject;
    CPen* SelectObject(CPen* pPen) override {
        CPen* previous = ForwardingDC::SelectObject(pPen);
        if (previous)
            widths += previous->GetWidth();
        return previous;
    }
    long long widths = 0;
};

// Columns and rows as a load leaves them: one style per column (mark size 5, the palette colour)
// and rows of exactly names.size() cells (missing cells are empty).
inline void SetData(CDiagram& d, const std::vector<std::string>& names,
                    const std::vector<std::vector<std::string>>& rows) {
    for (CStringArray* row : d.m_aRows)
        delete row;
    d.m_aRows.RemoveAll();
    d.m_aStyles.RemoveAll();
    d.m_nColumns = static_cast<int>(names.size());
    for (std::size_t j = 0; j < names.size(); ++j) {
        SeriesStyle style;
        style.nMarkSize = 5;
        std::strncpy(style.szName, names[j].c_str(), sizeof style.szName - 1);
        style.crColor = d.m_aPalette[static_cast<INT_PTR>(j % 8)];
        d.m_aStyles.Add(style);
    }
    for (const std::vector<std::string>& cells : rows) {
        auto* row = new CStringArray;
        for (std::size_t j = 0; j < names.size(); ++j) {
            row->Add(j < cells.size() ? CString(std::string_view(cells[j])) : CString());
        }
        d.m_aRows.Add(row);
    }
}

inline bool IsLine(const TraceRecord& r) {
    return r.kind == TraceRecord::Kind::kLine;
}
inline bool IsText(const TraceRecord& r) {
    return r.kind == TraceRecord::Kind::kText;
}

// Restores unlimited pen creation when a test ends.
struct PenCreationLimit {
    explicit PenCreationLimit(int n) { CPen::SetCreationLimit(n); }
    ~PenCreationLimit() { CPen::SetCreationLimit(-1); }
};
