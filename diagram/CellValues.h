// The numeric values of a diagram's curve cells, converted once.
//
// CellValue converts a cell's text exactly as the C library's atof does in the default locale
// (leading white space skipped, the longest numeric prefix taken, 0 when there is none), with a
// fast exact path for plain decimal numbers.
//
// CellValues keeps, for each curve column 1 .. nColumns - 1, the value of every row and the
// extremes over its non-empty cells. Values are stored row by row in blocks of about 128 KiB, so
// building the table never copies what it already holds and a wide file costs no more than a long
// one.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/Array.h"
#include "platform/String.h"

double CellValue(const char* text);

class CellValues {
  public:
    // The extremes folded the way the Y autoscale folds them: start at -1e11 / 1e11, a value
    // replaces the maximum only when greater and the minimum only when smaller.
    struct Extremes {
        double max = -1e11;
        double min = 1e11;
        bool any = false;  // at least one non-empty cell
    };

    void Clear() noexcept;
    // Starts a table for rows of nColumns cells.
    void Begin(int nColumns);
    // Converts cells 1 .. nColumns - 1 of the row (which holds at least nColumns cells).
    void AppendRow(const CStringArray& row);
    // Builds the whole table from the rows.
    void Build(const CArray<CStringArray*>& rows, int nColumns);
    // Records which rows the table was built from, once the last one has been appended.
    void Seal(const CArray<CStringArray*>& rows) noexcept;
    // True when the table was built from exactly these rows.
    bool Matches(const CArray<CStringArray*>& rows, int nColumns) const noexcept;

    std::size_t Rows() const noexcept { return m_rows; }
    double Value(int nColumn, std::size_t row) const noexcept {
        return m_blocks[row >> m_rowShift]
                       [(row & m_rowMask) * m_stride + static_cast<std::size_t>(nColumn - 1)];
    }
    const Extremes& ColumnExtremes(int nColumn) const noexcept {
        return m_extremes[static_cast<std::size_t>(nColumn - 1)];
    }

  private:
    int m_nColumns = 0;
    std::size_t m_rows = 0;
    std::size_t m_stride = 0;    // values per row: the curve columns
    std::size_t m_rowShift = 0;  // rows per block = 1 << m_rowShift
    std::size_t m_rowMask = 0;
    std::vector<std::unique_ptr<double[]>> m_blocks;
    std::vector<Extremes> m_extremes;
    // Identity of the rows the table was built from.
    const CStringArray* m_firstRow = nullptr;
    const CStringArray* m_lastRow = nullptr;
};
