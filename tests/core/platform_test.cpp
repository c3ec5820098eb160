// The platform layer: strings, checked arrays and text-mode file reading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Array.h"
#include "platform/StdioFile.h"
#include "platform/String.h"
#include "tests/support/TempFile.h"

TEST(CStringTest, InlineAndHeapStringsBehaveAlike) {
    for (std::string text : {std::string(""), std::string("short"), std::string(15, 'x'),
                             std::string(16, 'y'), std::string(100000, 'z')}) {
        CString s(text.c_str());
        EXPECT_EQ(s.view(), text);
        EXPECT_EQ(s.GetString()[s.GetLength()], '\0');
        CString copy = s;
        copy += "tail";
        EXPECT_EQ(copy.view(), text + "tail");
        EXPECT_EQ(s.view(), text) << "a copy must not share its storage";
        CString moved = std::move(copy);
        EXPECT_EQ(moved.view(), text + "tail");
        EXPECT_TRUE(copy.IsEmpty());
    }
}

TEST(CStringTest, AppendingItsOwnContentsGrowsSafely) {
    CString s("0123456789abcde");  // 15 bytes: inline, the next append moves it to the heap
    s.Append(s.data(), s.size());
    EXPECT_EQ(s.view(), "0123456789abcde0123456789abcde");
}

TEST(CStringTest, FormatHandlesLongOutput) {
    CString s;
    std::string big(1000, 'q');
    s.Format("<%s>%d", big.c_str(), 7);
    EXPECT_EQ(s.view(), "<" + big + ">7");
}

TEST(CStringTest, CharacterHelpersNeverCutAMultiByteCharacter) {
    CString s(
        "\xd0\x96\xd0\xb8\xd0\xb2"
        "a\xe2\x82\xac");  // "Жив" + "a" + euro sign
    EXPECT_EQ(s.GetCharCount(), 5);
    EXPECT_EQ(s.LeftChars(2).view(), "\xd0\x96\xd0\xb8");
    EXPECT_EQ(s.LeftChars(5).view(), s.view());
    EXPECT_EQ(s.LeftChars(99).view(), s.view());
    // A byte that does not start a valid sequence counts as one character.
    CString broken(
        "\xd0"
        "a\xff");
    EXPECT_EQ(broken.GetCharCount(), 3);
    EXPECT_EQ(broken.LeftChars(1).view(), "\xd0");
}

TEST(CStringTest, RemoveDropsEveryOccurrence) {
    CString s(" a b  c ");
    EXPECT_EQ(s.Remove(' '), 5);
    EXPECT_EQ(s.view(), "abc");
}

TEST(CArrayTest, EveryBadIndexThrows) {
    CArray<int> a;
    EXPECT_THROW(a.GetAt(0), CInvalidArgException);
    a.Add(1);
    a.Add(2);
    EXPECT_EQ(a[1], 2);
    EXPECT_THROW(a[2], CInvalidArgException);
    EXPECT_THROW(a[-1], CInvalidArgException);
    EXPECT_THROW(a.SetAt(5, 0), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(1, 2), CInvalidArgException);
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

namespace {

std::vector<std::string> ReadLines(const std::string& bytes) {
    TempFile file(bytes);
    CStdioFile f;
    EXPECT_TRUE(f.Open(file.path().c_str(), CFile::modeRead | CFile::typeText));
    std::vector<std::string> lines;
    CString line;
    while (f.ReadString(line))
        lines.emplace_back(line.data(), line.size());
    EXPECT_FALSE(f.Failed());
    return lines;
}

}  // namespace

TEST(CStdioFileTest, TextModeLineRules) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR LF is one line end", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR is a character", "a\rb\n", {"a\rb"}},
        {"CR only", "a\rb\rc", {"a\rb\rc"}},
        {"CR CR LF keeps one CR", "a\r\r\n", {"a\r"}},
        {"no final line end", "a\nb", {"a", "b"}},
        {"empty lines", "\n\n", {"", ""}},
        {"empty file", "", {}},
        {"0x1A ends the file",
         std::string("a\nb\x1A"
                     "c\nd\n"),
         {"a", "b"}},
        {"0x1A at a line start",
         std::string("a\n\x1A"
                     "b\n"),
         {"a"}},
        {"NUL bytes are data", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadLines(c.bytes), c.lines) << c.name;
    }
}

TEST(CStdioFileTest, LinesLongerThanTheBufferAreReadWhole) {
    std::string longLine(3 * 1024 * 1024 + 17, 'x');
    longLine[1024 * 1024 - 1] = '\r';  // a CR just before a buffer boundary stays a character
    std::string bytes = longLine + "\r\nnext";
    EXPECT_EQ(ReadLines(bytes), (std::vector<std::string>{longLine, "next"}));
    // A CR LF pair split across the buffer boundary is still one line end.
    std::string split(1024 * 1024 - 1, 'y');
    EXPECT_EQ(ReadLines(split + "\r\nz"), (std::vector<std::string>{split, "z"}));
}

TEST(CStdioFileTest, OnlyRegularReadableFilesOpen) {
    TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string unreadable = dir.Write("locked.txt", "x\n");
    chmod(unreadable.c_str(), 0);
    CStdioFile f;
    EXPECT_FALSE(f.Open((dir.path() / "missing.txt").c_str(), CFile::modeRead));
    EXPECT_FALSE(f.Open(dir.path().c_str(), CFile::modeRead)) << "a directory";
    EXPECT_FALSE(f.Open(fifo.c_str(), CFile::modeRead)) << "a FIFO must not block";
    EXPECT_FALSE(f.Open("/dev/zero", CFile::modeRead)) << "a device would never end";
    EXPECT_FALSE(f.Open("", CFile::modeRead));
    if (geteuid() != 0) {
        EXPECT_FALSE(f.Open(unreadable.c_str(), CFile::modeRead));
    }
}

TEST(CStdioFileTest, AFileThatShrinksOrVanishesWhileReadEndsCleanly) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += "line " + std::to_string(i) + "\n";  // ~3.5 MB
    for (const bool vanish : {false, true}) {
        TempFile file(bytes);
        CStdioFile f;
        ASSERT_TRUE(f.Open(file.path().c_str(), CFile::modeRead | CFile::typeText));
        CString line;
        ASSERT_TRUE(f.ReadString(line));
        if (vanish) {
            std::filesystem::remove(file.path());
        } else {
            std::filesystem::resize_file(file.path(), 10);
        }
        long more = 0;
        while (f.ReadString(line))
            ++more;
        EXPECT_FALSE(f.Failed());
        if (vanish) {
            EXPECT_EQ(more, 299999) << "a removed file is still read to its end";
        } else {
            EXPECT_GT(more, 0) << "what was already buffered is still returned";
            EXPECT_LT(more, 299999) << "reading stops where the file now ends";
        }
    }
}
