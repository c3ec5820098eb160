#include "platform/String.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>

namespace {

// A heap string's block holds its capacity in front of the characters.
char* AllocateBlock(std::size_t capacity) {
    void* block = std::malloc(sizeof(std::size_t) + capacity + 1);
    if (!block)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = capacity;
    return static_cast<char*>(block) + sizeof(std::size_t);
}

void FreeBlock(char* p) noexcept {
    std::free(p - sizeof(std::size_t));
}

std::size_t BlockCapacity(const char* p) noexcept {
    return *reinterpret_cast<const std::size_t*>(p - sizeof(std::size_t));
}

}  // namespace

CString::CString(CString&& other) noexcept : m_u(other.m_u) {
    other.SetShortLength(0);
}

CString& CString::operator=(const CString& other) {
    if (this != &other)
        Assign(other.data(), other.size());
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        Release();
        m_u = other.m_u;
        other.SetShortLength(0);
    }
    return *this;
}

void CString::Release() noexcept {
    if (!IsShort())
        FreeBlock(m_u.heap.ptr);
    SetShortLength(0);
}

void CString::Empty() noexcept {
    SetSize(0);
}

std::size_t CString::Capacity() const noexcept {
    return IsShort() ? kInline : BlockCapacity(m_u.heap.ptr);
}

void CString::SetSize(std::size_t n) noexcept {
    if (IsShort()) {
        SetShortLength(n);
    } else {
        m_u.heap.len = n;
        m_u.heap.ptr[n] = '\0';
    }
}

void CString::Reserve(std::size_t n, std::size_t keep) {
    if (n <= Capacity())
        return;
    std::size_t capacity = Capacity() * 2;
    if (capacity < n)
        capacity = n;
    char* block = AllocateBlock(capacity);
    std::memcpy(block, data(), keep);
    Release();
    m_u.heap.ptr = block;
    m_u.heap.len = 0;
    m_u.heap.tag = kHeapTag;
}

void CString::AssignSlow(const char* p, std::size_t n) {
    if (n > Capacity()) {
        // p may point into this string only when n <= size() <= Capacity(), so it is still valid.
        Reserve(n, 0);
    }
    std::memmove(MutableData(), p, n);
    SetSize(n);
}

CString& CString::Append(const char* p, std::size_t n) {
    std::size_t old = size();
    if (old + n > Capacity()) {
        if (p >= data() && p < data() + old) {
            CString copy(std::string_view(p, n));
            return Append(copy.data(), n);
        }
        Reserve(old + n, old);
    }
    std::memcpy(MutableData() + old, p, n);
    SetSize(old + n);
    return *this;
}

void CString::Format(const char* fmt, ...) {
    char small[256];
    va_list args;
    va_start(args, fmt);
    int n = std::vsnprintf(small, sizeof small, fmt, args);
    va_end(args);
    if (n < 0) {
        Empty();
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        Assign(small, static_cast<std::size_t>(n));
        return;
    }
    CString out;
    out.Reserve(static_cast<std::size_t>(n), 0);
    va_start(args, fmt);
    std::vsnprintf(out.MutableData(), static_cast<std::size_t>(n) + 1, fmt, args);
    va_end(args);
    out.SetSize(static_cast<std::size_t>(n));
    *this = std::move(out);
}

int CString::Remove(char c) {
    char* p = MutableData();
    std::size_t n = size();
    char* first = static_cast<char*>(std::memchr(p, c, n));
    if (!first)
        return 0;
    char* out = first;
    for (char* in = first; in != p + n; ++in) {
        if (*in != c)
            *out++ = *in;
    }
    std::size_t kept = static_cast<std::size_t>(out - p);
    SetSize(kept);
    return static_cast<int>(n - kept);
}

std::size_t CharLength(const char* p, std::size_t n) noexcept {
    const auto* s = reinterpret_cast<const unsigned char*>(p);
    unsigned char b = s[0];
    if (b < 0x80)
        return 1;
    std::size_t len;
    unsigned int minimum;
    if ((b & 0xE0) == 0xC0) {
        len = 2;
        minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3;
        minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4;
        minimum = 0x10000;
    } else {
        return 1;
    }
    if (len > n)
        return 1;
    unsigned int cp = b & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return 1;
        cp = (cp << 6) | (s[i] & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 1;
    return len;
}

int CString::GetCharCount() const {
    const char* p = data();
    std::size_t n = size();
    int count = 0;
    for (std::size_t i = 0; i < n; i += CharLength(p + i, n - i))
        ++count;
    return count;
}

CString CString::LeftChars(int nChars) const {
    const char* p = data();
    std::size_t n = size();
    std::size_t i = 0;
    for (int c = 0; c < nChars && i < n; ++c)
        i += CharLength(p + i, n - i);
    return CString(std::string_view(p, i));
}
