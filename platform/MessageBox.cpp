#include "platform/MessageBox.h"

#include <cstdio>
#include <utility>

namespace {

int PrintToStderr(const CString& text, UINT) {
    std::fprintf(stderr, "%s\n", text.GetString());
    return IDOK;
}

MessageBoxSink& Sink() {
    static MessageBoxSink sink = PrintToStderr;
    return sink;
}

}  // namespace

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) {
    if (!sink)
        sink = PrintToStderr;
    return std::exchange(Sink(), std::move(sink));
}

int AfxMessageBox(const CString& text, UINT nType) {
    return Sink()(text, nType);
}
