#include "common/text_line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numora {
namespace {

struct ReadLine {
  std::string text;
  bool tooLong = false;
  bool operator==(const ReadLine&) const = default;
};

void PrintTo(const ReadLine& line, std::ostream* out) {
  *out << '"' << line.text << '"' << (line.tooLong ? " (too long)" : "");
}

std::vector<ReadLine> readAll(std::string_view bytes, std::size_t maxCharacters = 200) {
  MemoryByteSource source(bytes);
  TextLineReader reader(source, maxCharacters);
  std::vector<ReadLine> lines;
  TextLine line;
  int expectedNumber = 1;
  while (reader.next(line)) {
    EXPECT_EQ(line.number, expectedNumber++);
    lines.push_back({std::string(line.text), line.tooLong});
  }
  EXPECT_EQ(reader.bytesRead(), bytes.size());
  return lines;
}

std::string utf16LittleEndian(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(TextLineReader, EndsLinesAtCrLfOrCrLf) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"\n", {""}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"\xEF\xBB\xBF"
       "a\n",
       {"a"}},
  };
  for (const auto& [text, expected] : cases) {
    std::vector<ReadLine> lines;
    for (const auto& line : expected) lines.push_back({line});
    EXPECT_EQ(readAll(text), lines) << text;
  }
}

TEST(TextLineReader, AnUtf16TextReadsAsItsUtf8Lines) {
  EXPECT_EQ(readAll(utf16LittleEndian(u"D\u00e9j\u00e0\r\nx\ry")),
            (std::vector<ReadLine>{{"D\xC3\xA9j\xC3\xA0"}, {"x"}, {"y"}}));
  const std::string bigEndian("\xFE\xFF\0a\0\n\0b", 8);
  EXPECT_EQ(readAll(bigEndian), (std::vector<ReadLine>{{"a"}, {"b"}}));
}

// UTF-16 without a byte-order mark ("Unicode text" of some programs) is told by its zero
// bytes; a UTF-8 text with a stray zero byte stays UTF-8.
TEST(TextLineReader, Utf16WithoutAMarkIsToldByItsZeroBytes) {
  const std::string withMark = utf16LittleEndian(u"01.05.2023 1 2\r\nQu\u00e9bec");
  const std::string littleEndian = withMark.substr(2);
  std::string bigEndian;
  for (std::size_t i = 0; i + 1 < littleEndian.size(); i += 2) {
    bigEndian += littleEndian[i + 1];
    bigEndian += littleEndian[i];
  }
  const std::vector<ReadLine> expected{{"01.05.2023 1 2"},
                                       {"Qu\xC3\xA9"
                                        "bec"}};
  EXPECT_EQ(readAll(littleEndian), expected);
  EXPECT_EQ(readAll(bigEndian), expected);
  EXPECT_EQ(decodeText(littleEndian),
            "01.05.2023 1 2\r\nQu\xC3\xA9"
            "bec");
  const std::string strayZero("01.05.2023 1 2\0 3 4 5 6\n", 24);
  EXPECT_EQ(readAll(strayZero),
            (std::vector<ReadLine>{{std::string("01.05.2023 1 2\0 3 4 5 6", 23)}}));
}

TEST(TextLineReader, ALineLongerThanTheLimitKeepsItsFirstCharactersAndTheNextLineFollows) {
  EXPECT_EQ(readAll("abcdef\r\nxy", 5), (std::vector<ReadLine>{{"abcde", true}, {"xy"}}));
  // Characters, not bytes: five two-byte characters fit, six do not.
  const std::string e = "\xC3\xA9";
  EXPECT_EQ(readAll(e + e + e + e + e + "\n" + e + e + e + e + e + e, 5),
            (std::vector<ReadLine>{{e + e + e + e + e}, {e + e + e + e + e, true}}));
  // A line of megabytes costs no more than its limit.
  EXPECT_EQ(readAll(std::string(3'000'000, ',') + "\nz"),
            (std::vector<ReadLine>{{std::string(200, ','), true}, {"z"}}));
}

TEST(TextLineReader, LinesAcrossChunkBoundariesAreWhole) {
  // The CR of a CR LF is the last byte of the first chunk (64 KiB), its LF the first of the next.
  std::string text = "12345\r\n";
  for (int i = 0; i < 7000; ++i) text += "abcdefgh\r\n";
  ASSERT_EQ(text.substr(65535, 2), "\r\n");
  const auto lines = readAll(text);
  ASSERT_EQ(lines.size(), 7001u);
  for (std::size_t i = 1; i < lines.size(); ++i) ASSERT_EQ(lines[i].text, "abcdefgh") << i;

  // A surrogate pair split between two chunks of UTF-16.
  std::u16string utf16;
  for (int i = 0; i < 6553; ++i) utf16 += u"aaaa\n";
  utf16 += u"b\U0001F600\n";
  const auto wide = readAll(utf16LittleEndian(utf16));
  ASSERT_EQ(wide.size(), 6554u);
  EXPECT_EQ(wide.back().text, "b\xF0\x9F\x98\x80");
}

TEST(Utf16Decoder, ChunksSplitAnywhereDecodeAsTheWholeText) {
  const std::string bytes = utf16LittleEndian(u"a\u00e9\U0001F600z\xD800q").substr(2) + "\x41";
  const std::string whole = decodeText("\xFF\xFE" + bytes);
  EXPECT_EQ(whole, "a\xC3\xA9\xF0\x9F\x98\x80z\xEF\xBF\xBDq\xEF\xBF\xBD");
  for (std::size_t split = 0; split <= bytes.size(); ++split) {
    Utf16Decoder decoder(false);
    std::string text;
    decoder.decode(std::string_view(bytes).substr(0, split), text);
    decoder.decode(std::string_view(bytes).substr(split), text);
    decoder.finish(text);
    EXPECT_EQ(text, whole) << split;
  }
}

}  // namespace
}  // namespace numora
