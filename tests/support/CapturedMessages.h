// Captures every message box text shown while it lives.
#pragma once

#include <string>
#include <vector>

#include "platform/MessageBox.h"

class CapturedMessages {
  public:
    CapturedMessages()
        : m_sink([this](const CString& text, UINT) {
              m_texts.emplace_back(text.GetString(), text.size());
              return IDOK;
          }) {}
    const std::vector<std::string>& texts() const { return m_texts; }

  private:
    std::vector<std::string> m_texts;
    ScopedMessageBoxSink m_sink;
};
