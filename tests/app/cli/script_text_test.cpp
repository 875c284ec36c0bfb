// The text pieces of a script line and of printed values: the escapes, the split after the
// command word, and name references with a property or an item index.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cli/script_line.h"
#include "app/cli/text_escape.h"

namespace numora {
namespace {

TEST(CliTextEscape, KeepsEveryPrintedValueOnOneLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plain text", "plain text"},
      {"a\\b", "a\\\\b"},
      {"a\tb", "a\\tb"},
      {"line\r\n", "line\\r\\n"},
      {"\\n", "\\\\n"},  // a backslash followed by n stays distinguishable from a line break
      {"", ""},
      {"Ziehungsdaten afür", "Ziehungsdaten afür"},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(escapeText(text), escaped) << text;
}

TEST(CliScriptLine, TheRestFollowsTheSingleBlankAfterTheWord) {
  struct Case {
    const char* line;
    const char* word;
    const char* rest;
  };
  const std::vector<Case> cases = {
      {"add ListBox1 1,2", "add", "ListBox1 1,2"},
      {"ListBox1  1, 2 ", "ListBox1", " 1, 2 "},
      {"ListBox1 ", "ListBox1", ""},
      {"ListBox1", "ListBox1", ""},
      {"Edit1 \tx", "Edit1", "\tx"},
      {" print", "", "print"},
  };
  for (const Case& c : cases) {
    const WordAndRest split = splitWord(c.line);
    EXPECT_EQ(split.word, c.word) << c.line;
    EXPECT_EQ(split.rest, c.rest) << c.line;
  }
}

TEST(CliScriptLine, NameReferences) {
  struct Case {
    const char* text;
    bool valid;
    const char* name;
    const char* property;
    std::optional<std::size_t> item;
  };
  const std::vector<Case> cases = {
      {"UpDown18", true, "UpDown18", "", std::nullopt},
      {"DateTimePicker1.min", true, "DateTimePicker1", "min", std::nullopt},
      {"StatusBar1[1]", true, "StatusBar1", "", 1},
      {"ListBox1[12]", true, "ListBox1", "", 12},
      {"ListBox1[]", false, "", "", std::nullopt},
      {"ListBox1[-1]", false, "", "", std::nullopt},
      {"ListBox1[1", false, "", "", std::nullopt},
      {"ListBox1[1].text", false, "", "", std::nullopt},
      {"UpDown18.", false, "", "", std::nullopt},
      {".min", false, "", "", std::nullopt},
      {"", false, "", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto reference = parseNameReference(c.text);
    ASSERT_EQ(reference.has_value(), c.valid);
    if (!reference) continue;
    EXPECT_EQ(reference->name, c.name);
    EXPECT_EQ(reference->property, c.property);
    EXPECT_EQ(reference->item, c.item);
  }
}

}  // namespace
}  // namespace numora
