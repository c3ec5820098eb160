// Command targets: each class keeps its own command table, a typed array of member-function
// pointers, and hands a command it does not handle to its base class. Which targets are asked,
// and in what order, is the command route of the main frame (MDIFrame.h).
#pragma once

#include <span>
#include <type_traits>

#include "platform/String.h"
#include "platform/Types.h"

// The state of one command's menu items and buttons, filled in while the route is asked.
class CCmdUI {
  public:
    explicit CCmdUI(UINT nID) : m_nID(nID) {}
    void Enable(BOOL bOn = TRUE) { m_bEnabled = bOn != FALSE; }
    void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }
    void SetText(const CString& text) { m_text = text; }
    void SetVisible(bool bVisible) { m_bVisible = bVisible; }

    UINT m_nID;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    int m_nCheck = -1;  // -1: the item carries no check mark
    CString m_text;     // empty: the item keeps its text
};

template <class T>
struct CommandEntry {
    // One command, with an optional update handler.
    constexpr CommandEntry(UINT id, void (T::*fn)(), void (T::*update)(CCmdUI*) = nullptr)
        : first(id), last(id), onCommand(fn), update(update) {}
    // A range of commands; the handler receives the id.
    constexpr CommandEntry(UINT firstId, UINT lastId, void (T::*fn)(UINT),
                           void (T::*update)(CCmdUI*) = nullptr)
        : first(firstId), last(lastId), onRange(fn), update(update) {}

    UINT first;
    UINT last;
    void (T::*onCommand)() = nullptr;
    void (T::*onRange)(UINT) = nullptr;
    void (T::*update)(CCmdUI*) = nullptr;
};

class CCmdTarget {
  public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // With pCmdUI null: runs the handler of nID. Otherwise: fills in its state. Either way, true
    // when this object handles nID. Overrides ask their own table, then the base class.
    virtual bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
        (void)nID;
        (void)pCmdUI;
        return false;
    }

  protected:
    template <class T>
    static bool DispatchCommand(T* self,
                                std::type_identity_t<std::span<const CommandEntry<T>>> table,
                                UINT nID, CCmdUI* pCmdUI) {
        for (const CommandEntry<T>& e : table) {
            if (nID < e.first || nID > e.last)
                continue;
            if (pCmdUI) {
                if (e.update) {
                    (self->*e.update)(pCmdUI);
                } else {
                    pCmdUI->Enable(TRUE);
                }
            } else if (e.onCommand) {
                (self->*e.onCommand)();
            } else {
                (self->*e.onRange)(nID);
            }
            return true;
        }
        return false;
    }
};
