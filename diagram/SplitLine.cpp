#include <array>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <vector>

#include "diagram/Diagram.h"
#include "diagram/Split.h"

namespace {

enum class ByteClass : unsigned char { kText, kDelimiter, kSpace };

// Delimiters made only of ASCII characters are matched byte by byte: in UTF-8 an ASCII byte never
// occurs inside a multi-byte character, so that is the same as matching characters.
class DelimiterSet {
  public:
    explicit DelimiterSet(std::string_view set) {
        m_class.fill(ByteClass::kText);
        m_class[' '] = ByteClass::kSpace;
        for (std::size_t i = 0; i < set.size();) {
            std::size_t n = CharLength(set.data() + i, set.size() - i);
            if (n == 1 && static_cast<unsigned char>(set[i]) < 0x80) {
                if (set[i] != ' ')
                    m_class[static_cast<unsigned char>(set[i])] = ByteClass::kDelimiter;
            } else {
                m_wide.push_back(set.substr(i, n));
            }
            i += n;
        }
    }

    // Length of the character at p and its class.
    ByteClass Classify(const char* p, std::size_t avail, std::size_t& len) const {
        ByteClass c = m_class[static_cast<unsigned char>(*p)];
        if (m_wide.empty() || static_cast<unsigned char>(*p) < 0x80) {
            len = 1;
            return c;
        }
        len = CharLength(p, avail);
        std::string_view ch(p, len);
        for (std::string_view w : m_wide) {
            if (w == ch)
                return ByteClass::kDelimiter;
        }
        return ByteClass::kText;
    }

    const std::array<ByteClass, 256>& Table() const noexcept { return m_class; }
    bool AsciiOnly() const noexcept { return m_wide.empty(); }

  private:
    std::array<ByteClass, 256> m_class{};
    std::vector<std::string_view> m_wide;  // delimiters that are multi-byte characters
};

// Stores text into fields[index], reusing the element's storage when it exists.
void PutField(CStringArray& fields, INT_PTR index, const char* p, std::size_t n) {
    if (index < fields.GetSize()) {
        fields.GetData()[index].Assign(p, n);
    } else {
        fields.AddNew().Assign(p, n);
    }
}

// Adds the closing empty string and returns the number of entries.
int Finish(CStringArray& fields, INT_PTR count) {
    PutField(fields, count, "", 0);
    ++count;
    fields.SetSize(count);
    return static_cast<int>(count);
}

// Splits byte by byte, for delimiter sets of ASCII characters (in UTF-8 an ASCII byte never
// occurs inside a multi-byte character). isGap(c) tells a delimiter or a space; nextGap(p, end)
// finds the next one. At most `limit` entries are stored (no limit when negative).
template <class IsGap, class NextGap>
int SplitBytes(std::string_view line, CStringArray& fields, INT_PTR limit, IsGap isGap,
               NextGap nextGap) {
    INT_PTR count = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(line.data());
    const auto* end = p + line.size();
    CString scratch;  // a field with spaces inside is assembled here
    for (;;) {
        while (p < end && isGap(*p))
            ++p;
        if (p == end)
            break;
        const auto* start = p;
        p = nextGap(p, end);
        bool spaced = false;
        while (p < end && *p == ' ') {
            spaced = true;
            p = nextGap(p + 1, end);
        }
        if (!spaced) {
            PutField(fields, count, reinterpret_cast<const char*>(start),
                     static_cast<std::size_t>(p - start));
        } else {
            scratch.Empty();
            for (const auto* q = start; q < p; ++q) {
                if (*q != ' ')
                    scratch += static_cast<char>(*q);
            }
            PutField(fields, count, scratch.data(), scratch.size());
        }
        if (++count == limit) {
            fields.SetSize(count);
            return static_cast<int>(count);
        }
    }
    return Finish(fields, count);
}

// Splits character by character, for delimiter sets that hold multi-byte characters.
int SplitWide(std::string_view line, const DelimiterSet& set, CStringArray& fields) {
    INT_PTR count = 0;
    const char* p = line.data();
    const char* end = p + line.size();
    CString field;
    for (;;) {
        std::size_t len = 1;
        while (p < end &&
               set.Classify(p, static_cast<std::size_t>(end - p), len) != ByteClass::kText) {
            p += len;
        }
        if (p == end)
            break;
        field.Empty();
        while (p < end) {
            const ByteClass c = set.Classify(p, static_cast<std::size_t>(end - p), len);
            if (c == ByteClass::kDelimiter)
                break;
            if (c == ByteClass::kText)
                field.Append(p, len);
            p += len;
        }
        PutField(fields, count, field.data(), field.size());
        ++count;
    }
    return Finish(fields, count);
}

// The next tab, comma, semicolon or space at or after p, or end; sixteen bytes at a time.
const unsigned char* FindSpecial(const unsigned char* p, const unsigned char* end) {
#ifdef __SSE2__
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i semicolon = _mm_set1_epi8(';');
    const __m128i space = _mm_set1_epi8(' ');
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, comma)),
                         _mm_or_si128(_mm_cmpeq_epi8(v, semicolon), _mm_cmpeq_epi8(v, space)));
        const int mask = _mm_movemask_epi8(hit);
        if (mask != 0)
            return p + __builtin_ctz(static_cast<unsigned>(mask));
        p += 16;
    }
#endif
    while (p < end && *p != '\t' && *p != ',' && *p != ';' && *p != ' ')
        ++p;
    return p;
}

// Splits at the default delimiters, finding the end of each field sixteen bytes at a time.
int SplitDefault(std::string_view line, CStringArray& fields, INT_PTR limit) {
    const auto isGap = [](unsigned char c) {
        return c == '\t' || c == ',' || c == ';' || c == ' ';
    };
    return SplitBytes(line, fields, limit, isGap, FindSpecial);
}

int SplitAscii(std::string_view line, const std::array<ByteClass, 256>& cls, CStringArray& fields) {
    const auto isGap = [&cls](unsigned char c) { return cls[c] != ByteClass::kText; };
    const auto nextGap = [&cls](const unsigned char* p, const unsigned char* end) {
        while (p < end && cls[*p] == ByteClass::kText)
            ++p;
        return p;
    };
    return SplitBytes(line, fields, -1, isGap, nextGap);
}

}  // namespace

int SplitFields(std::string_view line, std::string_view delimiters, CStringArray& fields) {
    if (delimiters.empty())
        return SplitDefault(line, fields, -1);
    const DelimiterSet custom(delimiters);
    if (custom.AsciiOnly())
        return SplitAscii(line, custom.Table(), fields);
    return SplitWide(line, custom, fields);
}

int SplitFirstFields(std::string_view line, CStringArray& fields, int limit) {
    return SplitDefault(line, fields, limit);
}

int CDiagram::SplitLine(CString strLine, CString strDelimiters) {
    return SplitFields(strLine.view(), strDelimiters.view(), m_aHeader);
}
