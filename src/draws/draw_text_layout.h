// The layout of a draw text file, learnt from the file before any line is read as a draw: the
// separator, the line of names at the top (if any), how many fields a draw line has and which
// of them hold the date, the midday/evening word and a row number, and the order of slash
// dates. The survey sees every line once and keeps a few counts per column, never the lines.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_line_reader.h"
#include "draws/draw_text_fields.h"

namespace numora {

constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);
constexpr std::size_t kDrawNumbers = 20;
// A draw line is shorter; a longer line is rejected unread.
constexpr std::size_t kMaxDrawLineCharacters = 200;
// A file whose first lines hold no draw is taken for no draw file and read no further.
constexpr int kLinesWithoutDrawRead = 1000;

struct DrawTextLayout {
  char separator = ',';
  int headerLine = 0;  // the line of names, 0 when the file has none
  std::size_t fieldCount = 0;
  std::size_t dateColumn = 0;
  std::size_t timeColumn = kNoColumn;       // the midday/evening column, if any
  std::size_t rowNumberColumn = kNoColumn;  // a row number a spreadsheet program wrote, if any
  SlashOrder slashOrder = SlashOrder::Unknown;

  bool hasTimeColumn() const { return timeColumn != kNoColumn; }
  bool isNumberColumn(std::size_t column) const {
    return column != dateColumn && column != timeColumn && column != rowNumberColumn;
  }
};

// A line as found, for messages: its number and its text, cut short when long.
struct FoundLine {
  int number = 0;
  std::string text;
  bool tooLong = false;
};

struct SurveyResult {
  DrawTextLayout layout;
  // Set when the file cannot be read as draws at all; names what the first line that failed
  // holds and what was expected.
  std::string refusal;
  // The first line after the names; its reason is the refusal when the survey stopped early.
  FoundLine firstDataLine;
  bool stoppedEarly = false;  // the first lines held no draw: the rest was not read
};

// A line of names: no field, however the line is split, is a date or a number from 1 to 70.
bool isHeaderLine(std::string_view line);

// "\"text\"", cut after 60 characters.
std::string quoteLine(std::string_view text);

class DrawTextSurvey {
 public:
  // Lines in file order, empty ones too.
  void add(const TextLine& line);
  // False once the first lines held no draw.
  bool wantsMore() const { return !stoppedEarly_; }
  SurveyResult finish();

 private:
  struct ColumnCounts {
    std::size_t dates = 0;
    std::size_t daySerials = 0;
    FoundLine firstDaySerial;
    bool allDrawTimes = true;  // every value says midday or evening
    int drawTimeStrength = 1;  // 3: words, 2: a "0" among "1"s, 1: only "1"
    bool countsLines = true;   // values rise by one from line to line, from 0 or 1
    int rowOffset = -1;
    FoundLine firstSlashDate, firstDayFirst, firstMonthFirst;
  };
  struct FieldCountCounts {
    std::size_t lines = 0;
    FoundLine firstLine;
    std::vector<ColumnCounts> columns;
  };

  void settleSeparator();
  void process(int number, std::string_view text, bool tooLong);
  bool looksLikeDraw(const std::vector<std::string>& fields) const;
  // Without a name for it, the midday/evening column is the one whose every value says midday
  // or evening.
  std::size_t findTimeColumn(const FieldCountCounts& counts, const DrawTextLayout& layout) const;
  std::string noDrawRefusal(const FoundLine& line, const std::string& what) const;

  std::vector<FoundLine> sample_;  // the first lines, until the separator is known
  bool separatorKnown_ = false;
  char separator_ = ',';
  bool sawContent_ = false;
  FoundLine header_;
  FoundLine firstDataLine_;
  int dataLines_ = 0;
  bool sawDraw_ = false;
  bool stoppedEarly_ = false;
  std::map<std::size_t, FieldCountCounts> byFieldCount_;
  std::vector<std::string> fields_;
};

}  // namespace numora
