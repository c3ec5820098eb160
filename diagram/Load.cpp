#include <cstring>
#include <memory>

#include "diagram/Diagram.h"
#include "diagram/Messages.h"
#include "diagram/Split.h"
#include "platform/MessageBox.h"
#include "platform/StdioFile.h"

namespace {

void ShowMessage(const char* format, const CString& strPath) {
    CString text;
    text.Format(format, strPath.GetString());
    AfxMessageBox(text, MB_OK);
}

// The colour of column j: the palette while it lasts, then a computed one.
COLORREF ColumnColor(const CArray<COLORREF>& palette, int j) {
    if (j < palette.GetSize())
        return palette[j];
    return RGB((50 * j) & 0xFF, (255 - 50 * j) & 0xFF, 255 / (j + 1));
}

}  // namespace

bool CDiagram::Load(CString strPath) {
    CStdioFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeText | CFile::shareExclusive)) {
        ShowMessage(kMsgCannotOpen, strPath);
        return false;
    }

    m_nColumns = 0;
    m_aStyles.RemoveAll();
    m_strTitle.Empty();
    DeleteRows();

    // Two line buffers, read into in turn, so the last line read is still at hand at the end.
    CString lines[2];
    int current = 0;
    bool splitLast = false;  // whether m_aHeader still has to be given the last line's fields
    std::unique_ptr<CStringArray> row;
    while (file.ReadString(lines[current])) {
        const CString& line = lines[current];
        current ^= 1;
        if (m_nColumns != 0) {
            // A data line, split straight into its row. Surplus fields are dropped; a short line
            // is padded with empty cells, so every row holds exactly m_nColumns cells.
            if (!row) {
                row = std::make_unique<CStringArray>();
                row->Reserve(m_nColumns);
            }
            const int stored = SplitFirstFields(line.view(), *row, m_nColumns);
            splitLast = true;
            if (stored == 1 && row->GetData()[0].IsEmpty())
                continue;  // blank line
            for (int j = stored; j < m_nColumns; ++j)
                row->Add(CString());
            m_values.AppendRow(*row);
            m_aRows.Add(row.get());
            row.release();
            continue;
        }
        splitLast = false;
        const int n = SplitFields(line.view(), std::string_view(), m_aHeader);
        if (n == 1)
            continue;  // blank line
        if (m_strTitle.IsEmpty()) {
            m_strTitle = line;
            continue;
        }
        m_nColumns = n - 1;
        if (m_nColumns < 2) {
            ShowMessage(kMsgIncorrectFormat, strPath);
            m_strTitle.Empty();
            file.Close();
            return false;
        }
        m_aStyles.Reserve(m_nColumns);
        for (int j = 0; j < m_nColumns; ++j) {
            SeriesStyle style;
            style.nMarkSize = 5;
            CString name = m_aHeader[j].LeftChars(kMaxNameChars);
            std::memcpy(style.szName, name.GetString(), name.size() + 1);
            style.crColor = ColumnColor(m_aPalette, j);
            m_aStyles.Add(style);
        }
        m_values.Begin(m_nColumns);
    }
    // m_aHeader ends up holding the fields of the last line read, as if every line had been
    // split into it.
    if (splitLast)
        SplitFields(lines[current ^ 1].view(), std::string_view(), m_aHeader);
    const bool failed = file.Failed();
    file.Close();
    if (failed) {
        ShowMessage(kMsgCannotRead, strPath);
        m_nColumns = 0;
        m_aStyles.RemoveAll();
        m_strTitle.Empty();
        DeleteRows();
        return false;
    }
    m_values.Seal(m_aRows);
    if (m_nColumns <= 2)
        m_bShowLegend = false;
    return true;
}
