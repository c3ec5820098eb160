// CStdioFile: reading a text file line by line in text mode.
//
// LF ends a line and a CR LF pair counts as one line end; a lone CR is an ordinary character; a
// byte 0x1A ends the file; a line is read whole whatever its length; NUL bytes are data. The file
// is read through one fixed buffer, so memory does not grow with the file.
#pragma once

#include <memory>

#include "platform/String.h"
#include "platform/Types.h"

class CFile {
  public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        typeText = 0x4000,
    };
};

class CStdioFile {
  public:
    CStdioFile();
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Opens the file for reading. Only reading is supported: the file is never written, truncated
    // or locked. Linux has no sharing modes, so the share flags are accepted and ignored. Fails for
    // anything that is not a regular readable file (missing, a directory, a FIFO, a device, no
    // permission).
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags);

    // Reads the next line without its line end into rString. Returns FALSE at the end of the
    // file, or when reading failed (then Failed() is true).
    BOOL ReadString(CString& rString);

    // True once a read has failed for a reason other than the end of the file.
    bool Failed() const noexcept { return m_failed; }
    bool IsOpen() const noexcept { return m_fd >= 0; }
    void Close() noexcept;

  private:
    bool Fill();  // refills the buffer; false at the end, on 0x1A or on an error

    int m_fd = -1;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    bool m_failed = false;
};
