#include "platform/StdioFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
constexpr char kEndOfFile = 0x1A;
}  // namespace

CStdioFile::CStdioFile() = default;

CStdioFile::~CStdioFile() {
    Close();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT) {
    Close();
    if (!lpszFileName || !*lpszFileName)
        return FALSE;
    // O_NONBLOCK keeps the open of a FIFO without a writer from blocking; such a file is refused
    // right after.
    int fd = ::open(lpszFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return FALSE;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FALSE;
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    m_fd = fd;
    if (!m_buffer)
        m_buffer = std::make_unique<char[]>(kBufferSize);
    m_begin = m_end = 0;
    m_eof = false;
    m_failed = false;
    return TRUE;
}

void CStdioFile::Close() noexcept {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_begin = m_end = 0;
    m_eof = true;
}

bool CStdioFile::Fill() {
    if (m_eof || m_fd < 0)
        return false;
    for (;;) {
        ssize_t n = ::read(m_fd, m_buffer.get(), kBufferSize);
        if (n > 0) {
            m_begin = 0;
            m_end = static_cast<std::size_t>(n);
            // Text mode: the first 0x1A ends the file.
            if (const void* z = std::memchr(m_buffer.get(), kEndOfFile, m_end)) {
                m_end = static_cast<std::size_t>(static_cast<const char*>(z) - m_buffer.get());
                m_eof = true;
                ::close(m_fd);
                m_fd = -1;
                return m_end > 0;
            }
            return true;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            m_failed = true;
        m_eof = true;
        return false;
    }
}

BOOL CStdioFile::ReadString(CString& rString) {
    rString.Empty();
    bool any = false;
    for (;;) {
        if (m_begin == m_end && !Fill()) {
            if (m_failed)
                return FALSE;
            return any ? TRUE : FALSE;
        }
        const char* start = m_buffer.get() + m_begin;
        std::size_t avail = m_end - m_begin;
        const void* lf = std::memchr(start, '\n', avail);
        std::size_t take =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : avail;
        if (!any) {
            rString.Assign(start, take);
        } else {
            rString.Append(start, take);
        }
        any = true;
        m_begin += take;
        if (lf) {
            ++m_begin;  // the LF itself
            std::size_t n = rString.size();
            if (n > 0 && rString.data()[n - 1] == '\r')
                rString.Assign(rString.data(), n - 1);
            return TRUE;
        }
    }
}
