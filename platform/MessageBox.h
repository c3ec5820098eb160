// AfxMessageBox through a replaceable sink: the viewer shows a modal box captioned with the
// application title, the renderer prints to stderr, and tests capture the text.
#pragma once

#include <functional>

#include "platform/String.h"
#include "platform/Types.h"

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;
inline constexpr UINT MB_ICONSTOP = 0x00000010;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

using MessageBoxSink = std::function<int(const CString& text, UINT type)>;

// Installs a sink and returns the previous one. An empty sink restores the default, which writes
// the text and a line end to stderr.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

// Shows the text modally with an OK button; returns IDOK.
int AfxMessageBox(const CString& text, UINT nType = MB_OK);

// Installs a sink for the lifetime of the object and restores the previous one after.
class ScopedMessageBoxSink {
  public:
    explicit ScopedMessageBoxSink(MessageBoxSink sink)
        : m_previous(SetMessageBoxSink(std::move(sink))) {}
    ~ScopedMessageBoxSink() { SetMessageBoxSink(std::move(m_previous)); }
    ScopedMessageBoxSink(const ScopedMessageBoxSink&) = delete;
    ScopedMessageBoxSink& operator=(const ScopedMessageBoxSink&) = delete;

  private:
    MessageBoxSink m_previous;
};
