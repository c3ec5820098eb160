// The little of a window that the core needs: its client area. The viewer's views and the
// renderer's off-screen window implement it.
#pragma once

#include "platform/Types.h"

class CWnd {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // The client area as (0, 0, width, height).
    virtual void GetClientRect(LPRECT lpRect) const = 0;
};

// A window that exists only as a size: what the renderer and the tests draw for.
class CFixedSizeWnd : public CWnd {
  public:
    CFixedSizeWnd(int width, int height) : m_width(width), m_height(height) {}
    void GetClientRect(LPRECT lpRect) const override { *lpRect = RECT{0, 0, m_width, m_height}; }
    void SetSize(int width, int height) {
        m_width = width;
        m_height = height;
    }

  private:
    int m_width;
    int m_height;
};
