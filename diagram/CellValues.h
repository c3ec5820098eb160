// The numeric values of a diagram's curve cells, converted once.
//
// CellValue converts a cell's text exactly as the C library's atof does in the default locale
// (leading white space skipped, the longest numeric prefix taken, 0 when there is none), with a
// fast exact path for plain decimal numbers.
//
// CellValues keeps, for each curve column 1 .. nColumns - 1, the value of every row and the
// extremes over its non-empty cells. Building the table never copies what it already holds.
#pragma once

#include <bit>
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
        const Slot slot = SlotOf(row);
        return m_columns[static_cast<std::size_t>(nColumn - 1)][slot.block][slot.offset];
    }
    // The values of a column from `row` on that lie together in memory; `count` receives how
    // many (at least 1 while row < Rows()).
    const double* Run(int nColumn, std::size_t row, std::size_t& count) const noexcept {
        const Slot slot = SlotOf(row);
        count = BlockRows(slot.block) - slot.offset;
        return m_columns[static_cast<std::size_t>(nColumn - 1)][slot.block].get() + slot.offset;
    }
    const Extremes& ColumnExtremes(int nColumn) const noexcept {
        return m_extremes[static_cast<std::size_t>(nColumn - 1)];
    }

  private:
    // Each column is stored on its own, so a pass over one curve reads only that curve's values.
    // Its blocks grow from 64 rows, doubling up to 65536 rows, so a short file wastes little and
    // a long one is never copied.
    static constexpr std::size_t kFirstRows = 64;
    static constexpr std::size_t kGrowingBlocks = 11;  // 64 .. 65536 rows
    static constexpr std::size_t kGrowingRows =
        kFirstRows * ((std::size_t{1} << kGrowingBlocks) - 1);
    static constexpr std::size_t kLastRows = kFirstRows << (kGrowingBlocks - 1);

    struct Slot {
        std::size_t block;
        std::size_t offset;
    };
    static Slot SlotOf(std::size_t row) noexcept {
        if (row < kGrowingRows) {
            const std::size_t b =
                static_cast<std::size_t>(std::bit_width(row / kFirstRows + 1)) - 1;
            return {b, row - kFirstRows * ((std::size_t{1} << b) - 1)};
        }
        const std::size_t far = row - kGrowingRows;
        return {kGrowingBlocks + far / kLastRows, far % kLastRows};
    }
    static std::size_t BlockRows(std::size_t block) noexcept {
        return block < kGrowingBlocks ? kFirstRows << block : kLastRows;
    }

    int m_nColumns = 0;
    std::size_t m_rows = 0;
    std::vector<std::vector<std::unique_ptr<double[]>>> m_columns;
    std::vector<Extremes> m_extremes;
    // Identity of the rows the table was built from.
    const CStringArray* m_firstRow = nullptr;
    const CStringArray* m_lastRow = nullptr;
};
