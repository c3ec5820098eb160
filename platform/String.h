// CString: a byte string in the system code page (UTF-8 on these machines).
//
// Strings of up to 15 bytes are stored inline, so a cell of a data file costs 16 bytes and no heap
// block; longer strings own one heap block. Byte-wise operations (GetLength, Left, Mid, Find) work
// on bytes as the original type did; the *Chars helpers work on whole characters and never cut a
// multi-byte sequence.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/Types.h"

class CString {
  public:
    CString() noexcept { SetShortLength(0); }
    CString(const char* psz) : CString() { Assign(psz, psz ? std::strlen(psz) : 0); }  // NOLINT
    CString(const char* p, int nLength) : CString() {
        Assign(p, nLength > 0 ? static_cast<std::size_t>(nLength) : 0);
    }
    explicit CString(std::string_view s) : CString() { Assign(s.data(), s.size()); }
    CString(const CString& other) : CString() { Assign(other.data(), other.size()); }
    CString(CString&& other) noexcept;
    ~CString() { Release(); }

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* psz) {
        Assign(psz, psz ? std::strlen(psz) : 0);
        return *this;
    }

    // Byte access.
    const char* data() const noexcept { return IsShort() ? m_u.inl : m_u.heap.ptr; }
    std::size_t size() const noexcept {
        return IsShort() ? kInline - static_cast<unsigned char>(m_u.inl[kInline])
                         : static_cast<std::size_t>(m_u.heap.len);
    }
    std::string_view view() const noexcept { return {data(), size()}; }
    const char* GetString() const noexcept { return data(); }
    operator const char*() const noexcept { return data(); }  // NOLINT: as the original type
    int GetLength() const noexcept { return static_cast<int>(size()); }
    bool IsEmpty() const noexcept { return size() == 0; }
    void Empty() noexcept;
    char GetAt(int i) const { return data()[i]; }

    void Assign(const char* p, std::size_t n) {
        if (n <= kInline && IsShort()) {
            AssignInline(p, n);
        } else {
            AssignSlow(p, n);
        }
    }
    CString& Append(const char* p, std::size_t n);
    CString& operator+=(const CString& s) { return Append(s.data(), s.size()); }
    CString& operator+=(const char* psz) { return Append(psz, std::strlen(psz)); }
    CString& operator+=(char c) { return Append(&c, 1); }

    // Replaces the contents with printf-style formatted text.
    void Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    // Removes every occurrence of the byte c (an ASCII character never occurs inside a UTF-8
    // multi-byte sequence); returns how many were removed.
    int Remove(char c);

    // Character-wise helpers (a character is one valid UTF-8 sequence, or a single byte that does
    // not start one).
    int GetCharCount() const;
    CString LeftChars(int nChars) const;

    friend bool operator==(const CString& a, const CString& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const CString& a, const char* b) noexcept {
        return a.view() == std::string_view(b);
    }
    friend bool operator<(const CString& a, const CString& b) noexcept {
        return a.view() < b.view();
    }
    friend CString operator+(CString a, const CString& b) { return std::move(a += b); }
    friend CString operator+(CString a, const char* b) { return std::move(a += b); }

  private:
    static constexpr std::size_t kInline = 15;
    static constexpr unsigned char kHeapTag = 0x80;

    bool IsShort() const noexcept {
        return static_cast<unsigned char>(m_u.inl[kInline]) != kHeapTag;
    }
    void SetShortLength(std::size_t n) noexcept {
        if (n > kInline)
            __builtin_unreachable();  // callers only pass lengths that fit inline
        m_u.inl[n] = '\0';
        m_u.inl[kInline] = static_cast<char>(kInline - n);
    }
    std::size_t Capacity() const noexcept;
    // Copies a short text into the inline buffer with a few word moves (every load before any
    // store, so p may point into this string).
    void AssignInline(const char* p, std::size_t n) noexcept {
        if (n >= 8) {
            std::uint64_t head, tail;
            std::memcpy(&head, p, 8);
            std::memcpy(&tail, p + n - 8, 8);
            std::memcpy(m_u.inl, &head, 8);
            std::memcpy(m_u.inl + n - 8, &tail, 8);
        } else if (n >= 4) {
            std::uint32_t head, tail;
            std::memcpy(&head, p, 4);
            std::memcpy(&tail, p + n - 4, 4);
            std::memcpy(m_u.inl, &head, 4);
            std::memcpy(m_u.inl + n - 4, &tail, 4);
        } else if (n > 0) {
            const char a = p[0], b = p[n / 2], c = p[n - 1];
            m_u.inl[0] = a;
            m_u.inl[n / 2] = b;
            m_u.inl[n - 1] = c;
        }
        SetShortLength(n);
    }
    void AssignSlow(const char* p, std::size_t n);
    char* MutableData() noexcept { return IsShort() ? m_u.inl : m_u.heap.ptr; }
    void SetSize(std::size_t n) noexcept;
    // Makes room for n bytes plus the terminator, keeping the first 'keep' bytes.
    void Reserve(std::size_t n, std::size_t keep);
    void Release() noexcept;

    union Storage {
        char inl[kInline + 1];
        struct Heap {
            char* ptr;
            std::uint64_t len : 56;
            std::uint64_t tag : 8;
        } heap;
    } m_u;
};

static_assert(sizeof(CString) == 16, "a cell must stay 16 bytes");

// Length in bytes of the character that starts at p (at most n bytes available, n > 0).
std::size_t CharLength(const char* p, std::size_t n) noexcept;
