// Scope guards for the selection state of a surface: every drawing step gives back the pen and
// font it found, also when it ends early with an exception.
#pragma once

#include "drawing/DC.h"
#include "drawing/Gdi.h"

// Selects a pen or font and gives back the one it replaced when Restore() is called or the guard
// ends. A selection that returned no previous object has nothing to give back.
template <class T>
class SelectGuard {
  public:
    SelectGuard(CDC& dc, T* object) : m_dc(dc), m_previous(dc.SelectObject(object)) {}
    ~SelectGuard() { Restore(); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

    // Selects the previous object again; later calls do nothing.
    void Restore() {
        if (T* previous = m_previous) {
            m_previous = nullptr;
            m_dc.SelectObject(previous);
        }
    }

  private:
    CDC& m_dc;
    T* m_previous;
};

// Remembers the pen current now and selects it again when Restore() is called or the guard ends.
class KeepCurrentPen {
  public:
    explicit KeepCurrentPen(CDC& dc)
        : m_dc(dc), m_pen(dynamic_cast<CPen*>(dc.GetCurrentObject(OBJ_PEN))) {}
    ~KeepCurrentPen() { Restore(); }
    KeepCurrentPen(const KeepCurrentPen&) = delete;
    KeepCurrentPen& operator=(const KeepCurrentPen&) = delete;

    void Restore() {
        if (CPen* pen = m_pen) {
            m_pen = nullptr;
            m_dc.SelectObject(pen);
        }
    }

  private:
    CDC& m_dc;
    CPen* m_pen;
};
