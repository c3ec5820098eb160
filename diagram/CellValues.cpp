#include "diagram/CellValues.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

double CellValue(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    // Hexadecimal numbers take the library's path; so do infinities and NaNs (no digit below).
    if (p[0] == '0' && (p[1] | 0x20) == 'x')
        return std::atof(text);

    const char* digits = p;
    while (*p == '0')
        ++p;  // leading zeros are not significant
    std::uint64_t mantissa = 0;
    const char* first = p;
    for (unsigned d; (d = static_cast<unsigned char>(*p) - '0') < 10; ++p)
        mantissa = mantissa * 10 + d;
    int significant = static_cast<int>(p - first);
    int fraction = 0;
    bool anyDigit = p != digits;
    if (*p == '.') {
        const char* point = ++p;
        if (significant == 0) {
            while (*p == '0')
                ++p;
        }
        const char* start = p;
        for (unsigned d; (d = static_cast<unsigned char>(*p) - '0') < 10; ++p) {
            mantissa = mantissa * 10 + d;
        }
        significant += static_cast<int>(p - start);
        fraction = static_cast<int>(p - point);
        anyDigit |= p != point;
    }
    // With at most 15 significant digits the mantissa is exact (the accumulation above may have
    // wrapped only beyond 19 digits, and then this path is not taken), and so is 10^fraction up to
    // 10^22: one IEEE division then rounds exactly as the library's correctly rounded conversion.
    if (!anyDigit || significant > 15 || fraction > 22 || (*p | 0x20) == 'e') {
        return std::atof(text);
    }
    const double value = static_cast<double>(mantissa) / kPow10[fraction];
    return negative ? -value : value;
}

void CellValues::Clear() noexcept {
    m_nColumns = 0;
    m_rows = 0;
    m_columns.clear();
    m_extremes.clear();
    m_firstRow = m_lastRow = nullptr;
}

void CellValues::Begin(int nColumns) {
    Clear();
    m_nColumns = nColumns;
    const std::size_t curves = nColumns > 1 ? static_cast<std::size_t>(nColumns - 1) : 0;
    m_columns.resize(curves);
    m_extremes.resize(curves);
}

void CellValues::AppendRow(const CStringArray& row) {
    const Slot slot = SlotOf(m_rows);
    const CString* cells = row.GetData() + 1;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        auto& blocks = m_columns[c];
        if (slot.offset == 0) {
            blocks.push_back(std::make_unique_for_overwrite<double[]>(BlockRows(slot.block)));
        }
        const CString& cell = cells[c];
        const double v = CellValue(cell.GetString());
        blocks[slot.block][slot.offset] = v;
        if (!cell.IsEmpty()) {
            Extremes& e = m_extremes[c];
            e.any = true;
            if (v > e.max)
                e.max = v;
            if (v < e.min)
                e.min = v;
        }
    }
    ++m_rows;
}

void CellValues::Seal(const CArray<CStringArray*>& rows) noexcept {
    m_firstRow = rows.IsEmpty() ? nullptr : rows.GetData()[0];
    m_lastRow = rows.IsEmpty() ? nullptr : rows.GetData()[rows.GetSize() - 1];
}

void CellValues::Build(const CArray<CStringArray*>& rows, int nColumns) {
    Begin(nColumns);
    for (const CStringArray* row : rows) {
        // A row shorter than the column count (only possible when the rows were edited by hand)
        // takes the checked path, so a bad row throws instead of being read past its end.
        if (row->GetSize() < nColumns)
            (void)row->GetAt(nColumns - 1);
        AppendRow(*row);
    }
    Seal(rows);
}

bool CellValues::Matches(const CArray<CStringArray*>& rows, int nColumns) const noexcept {
    if (nColumns != m_nColumns || static_cast<std::size_t>(rows.GetSize()) != m_rows)
        return false;
    if (rows.IsEmpty())
        return true;
    return rows.GetData()[0] == m_firstRow && rows.GetData()[rows.GetSize() - 1] == m_lastRow;
}
