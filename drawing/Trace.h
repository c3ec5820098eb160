// The trace of one drawing pass: every drawing call as a typed record, and the one function that
// prints a record as a line of text.
//
//     rect L T R B pen=#rrggbb/W brush=#rrggbb
//     line X1 Y1 X2 Y2 pen=#rrggbb/W
//     fill X Y CX CY #rrggbb
//     text X Y align=center|left color=#rrggbb font=H/W "TEXT"
//     measure font=H/W "TEXT" WIDTH HEIGHT
//     state frame=L,T,R,B plot=L,T,R,B legendWidth=N stepPixX=N minY=G stepY=G
//
// Texts hold the exact bytes handed to the surface: printable ASCII as is except '"' and '\'
// (escaped with a backslash), every other byte as \xHH.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/String.h"
#include "platform/Types.h"

class CDiagram;

struct TraceRecord {
    enum class Kind { kRect, kLine, kFill, kText, kMeasure, kState };
    Kind kind = Kind::kLine;
    int a = 0, b = 0, c = 0, d = 0;  // coordinates, or a measure's width in a and height in b
    int penWidth = 0;
    COLORREF penColor = 0;
    COLORREF color = 0;  // the brush of a rect, the colour of a fill or a text
    bool centered = false;
    int fontHeight = 0;
    int fontWeight = 0;
    CString text;  // a text's or a measure's bytes; a state record's formatted fields
};

std::string FormatTraceRecord(const TraceRecord& r);

// The closing state record of a pass.
TraceRecord StateRecord(const CDiagram& d);

// Where a trace surface sends its records.
class TraceSink {
  public:
    virtual ~TraceSink() = default;
    virtual void Record(const TraceRecord& r) = 0;
};

// Keeps every record (tests).
class TraceCollector : public TraceSink {
  public:
    void Record(const TraceRecord& r) override { records.push_back(r); }
    // The whole trace as text, one record a line.
    std::string Text() const;
    std::vector<TraceRecord> records;
};

// Prints each record as it comes (the renderer), so a long trace needs no memory.
class TraceWriter : public TraceSink {
  public:
    explicit TraceWriter(std::FILE* out) : m_out(out) {}
    void Record(const TraceRecord& r) override;

  private:
    std::FILE* m_out;
};
