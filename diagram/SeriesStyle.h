// The per-column record: mark size, name and colour. Record 0 belongs to the label column.
#pragma once

#include "platform/Types.h"

inline constexpr int kMaxNameChars = 71;

struct SeriesStyle {
    int nMarkSize = 0;  // side in pixels of the square mark at each point of the curve
    // The column's name, NUL-terminated: at most 71 characters. A character of the system code page
    // takes up to four bytes, so the buffer holds 71 of the widest.
    char szName[kMaxNameChars * 4 + 1] = {};
    COLORREF crColor = 0;  // colour of the curve and of its legend line
};
