#include <array>
#include <optional>
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

  private:
    std::array<ByteClass, 256> m_class{};
    std::vector<std::string_view> m_wide;  // delimiters that are multi-byte characters
};

// Stores text into fields[index], reusing the element's storage when it exists.
void PutField(CStringArray& fields, INT_PTR index, const char* p, std::size_t n) {
    if (index < fields.GetSize()) {
        fields.GetData()[index].Assign(p, n);
    } else {
        fields.Add(CString(std::string_view(p, n)));
    }
}

}  // namespace

int SplitFields(std::string_view line, std::string_view delimiters, CStringArray& fields) {
    static const DelimiterSet kDefault(std::string_view("\t,;"));
    std::optional<DelimiterSet> custom;
    if (!delimiters.empty())
        custom.emplace(delimiters);
    const DelimiterSet& set = custom ? *custom : kDefault;

    INT_PTR count = 0;
    const char* p = line.data();
    const char* end = p + line.size();
    CString scratch;  // a field with spaces inside is assembled here
    for (;;) {
        // Skip delimiters (and spaces, which are removed before splitting).
        std::size_t len = 1;
        while (p < end &&
               set.Classify(p, static_cast<std::size_t>(end - p), len) != ByteClass::kText) {
            p += len;
        }
        if (p == end)
            break;
        // The field runs to the next delimiter; spaces inside it are dropped.
        const char* start = p;
        bool spaced = false;
        for (;;) {
            if (p == end)
                break;
            ByteClass c = set.Classify(p, static_cast<std::size_t>(end - p), len);
            if (c == ByteClass::kDelimiter)
                break;
            if (c == ByteClass::kSpace)
                spaced = true;
            p += len;
        }
        if (!spaced) {
            PutField(fields, count, start, static_cast<std::size_t>(p - start));
        } else {
            scratch.Empty();
            for (const char* q = start; q < p; ++q) {
                if (*q != ' ')
                    scratch += *q;
            }
            PutField(fields, count, scratch.data(), scratch.size());
        }
        ++count;
    }
    PutField(fields, count, "", 0);
    ++count;
    fields.SetSize(count);
    return static_cast<int>(count);
}

int CDiagram::SplitLine(CString strLine, CString strDelimiters) {
    return SplitFields(strLine.view(), strDelimiters.view(), m_aHeader);
}
