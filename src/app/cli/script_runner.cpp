#include "app/cli/script_runner.h"

#include <cstdint>
#include <exception>
#include <string>

#include "app/cli/choice_answer.h"
#include "app/cli/control_printer.h"
#include "app/cli/control_setter.h"
#include "app/cli/number_choice_printer.h"
#include "app/cli/script_error.h"
#include "app/cli/script_fields.h"
#include "app/cli/script_line.h"
#include "app/cli/script_values.h"
#include "app/cli/text_escape.h"
#include "backtest/backtest_report.h"
#include "backtest/chance_page.h"
#include "backtest/sweep_verdict.h"
#include "common/text.h"
#include "evaluation/odds_page.h"

namespace numora {
namespace {

bool isBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

ScriptRunner::ScriptRunner(TForm1& form1, ScriptedPlatform& platform, std::ostream& out,
                           std::ostream& err)
    : form1_(form1), platform_(platform), out_(out), err_(err) {
  platform_.report = [this](const std::string& line) { out_ << escapeText(line) << '\n'; };
  platform_.applyChoiceSteps = [this](const std::vector<std::string>& steps) {
    applyChoiceSteps(form1_.Form6, steps);
  };
  platform_.onProcessEvents = [this] { processEvents(); };
}

// The platform may outlive the runner; it must not call back into a runner that is gone.
ScriptRunner::~ScriptRunner() {
  platform_.report = nullptr;
  platform_.applyChoiceSteps = nullptr;
  platform_.onProcessEvents = nullptr;
}

const std::map<std::string_view, ScriptRunner::Command>& ScriptRunner::commands() {
  static const std::map<std::string_view, Command> table = {
      {"set", &ScriptRunner::set},       {"add", &ScriptRunner::add},
      {"clear", &ScriptRunner::clear},   {"select", &ScriptRunner::select},
      {"answer", &ScriptRunner::answer}, {"now", &ScriptRunner::now},
      {"call", &ScriptRunner::call},     {"print", &ScriptRunner::print},
      {"after", &ScriptRunner::after},
  };
  return table;
}

int ScriptRunner::run(std::istream& script) {
  std::string line;
  while (std::getline(script, line)) {
    // Scripts written on Windows end their lines with CR LF.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!runLine(line)) return 1;
  }
  if (script.bad()) {
    err_ << "error: the script could not be read to its end\n";
    return 1;
  }
  return 0;
}

bool ScriptRunner::runLine(std::string_view line) {
  ++lineNumber_;
  return execute(line);
}

bool ScriptRunner::execute(std::string_view line) {
  if (isBlankLine(line) || line.front() == '#') return true;
  const auto [word, rest] = splitWord(line);
  // The commands that run a handler take the waiting "after" commands along.
  const bool runsHandler = depth_ == 0 && (word == "call" || word == "set" || word == "select");
  if (runsHandler) {
    armed_ = std::move(pending_);
    pending_.clear();
    delayedFailed_ = false;
  }
  ++depth_;
  bool ok = true;
  try {
    const auto command = commands().find(word);
    if (command == commands().end()) {
      throw ScriptError("unknown command '" + escapeText(word) + "'");
    }
    (this->*command->second)(rest);
    out_.flush();
  } catch (const std::exception& error) {
    out_.flush();
    err_ << "error: line " << lineNumber_ << ": " << error.what() << '\n';
    ok = false;
  }
  --depth_;
  // What a command changed reaches the disk before the next line is read.
  if (depth_ == 0) form1_.autosave();
  if (runsHandler) {
    armed_.clear();
    ok = ok && !delayedFailed_;
  }
  return ok;
}

void ScriptRunner::after(std::string_view rest) {
  const auto [countText, line] = splitWord(rest);
  const auto count = static_cast<int>(parseIntegerValue(countText, 1, INT32_MAX));
  if (line.empty()) throw ScriptError("expected after N COMMAND");
  pending_.push_back(DelayedCommand{count, std::string(line), lineNumber_});
}

void ScriptRunner::processEvents() {
  // Copied out first: a delayed command may itself process events.
  std::vector<std::string> due;
  std::vector<int> dueLines;
  for (auto it = armed_.begin(); it != armed_.end();) {
    if (--it->remaining == 0) {
      due.push_back(std::move(it->line));
      dueLines.push_back(it->lineNumber);
      it = armed_.erase(it);
    } else {
      ++it;
    }
  }
  for (std::size_t i = 0; i < due.size(); ++i) {
    const int current = lineNumber_;
    lineNumber_ = dueLines[i];
    if (!execute(due[i])) delayedFailed_ = true;
    lineNumber_ = current;
  }
}

void ScriptRunner::addHandler(std::string name, std::function<void()> handler) {
  extraHandlers_[std::move(name)] = std::move(handler);
}

Control& ScriptRunner::control(std::string_view name) {
  Control* found = form1_.form.registry.find(std::string(name));
  if (!found) throw ScriptError("unknown name '" + escapeText(name) + "'");
  return *found;
}

ListBox& ScriptRunner::listBox(std::string_view name) {
  auto* list = dynamic_cast<ListBox*>(&control(name));
  if (!list) throw ScriptError(std::string(name) + " is no list");
  return *list;
}

void ScriptRunner::set(std::string_view rest) {
  const auto [name, value] = splitWord(rest);
  if (const ScriptField* field = findScriptField(name)) {
    if (!field->set) throw ScriptError(std::string(name) + " can only be printed");
    if (!form1_.mayChange(std::string(name))) return;
    field->set(form1_.form, value);
    return;
  }
  Control& changed = control(name);
  // Refused while long work runs that the change could disturb: the message says so.
  if (!form1_.mayChange(std::string(name))) return;
  if (setControl(changed, value) == SetOutcome::Refused) {
    out_ << "refused: " << name << '\n';
    return;
  }
  // As after a user's change, the control's change handler runs (Edit1Change, ComboBox1Change);
  // RadioGroup1 has only a click handler, which a script calls itself.
  form1_.controlChanged(std::string(name));
}

void ScriptRunner::add(std::string_view rest) {
  const auto [name, text] = splitWord(rest);
  ListBox& list = listBox(name);
  if (!form1_.mayChange(std::string(name), ControlChange::Lines)) return;
  list.add(std::string(text));
}

void ScriptRunner::clear(std::string_view rest) {
  ListBox& list = listBox(rest);
  if (!form1_.mayChange(std::string(rest), ControlChange::Lines)) return;
  list.clear();
}

void ScriptRunner::select(std::string_view rest) {
  const auto [name, indexText] = splitWord(rest);
  ListBox& list = listBox(name);
  const auto index = static_cast<int>(parseIntegerValue(indexText, -1, INT32_MAX));
  if (index >= static_cast<int>(list.count())) {
    throw ScriptError(std::string(name) + " has no line " + std::to_string(index));
  }
  if (!form1_.mayChange(std::string(name))) return;
  list.setItemIndex(index);
  // The list's click handler moves the selection of its partner list.
  form1_.controlChanged(std::string(name));
}

namespace {

// "WIDTHxHEIGHT" in pixels, or "cancel".
std::optional<ImageSize> parseImageSize(std::string_view text) {
  if (text == "cancel") return std::nullopt;
  const auto cross = text.find('x');
  const auto width = parseStrictInt(text.substr(0, cross));
  const auto height =
      cross == std::string_view::npos ? std::nullopt : parseStrictInt(text.substr(cross + 1));
  if (!width || !height) {
    throw ScriptError("expected a size WIDTHxHEIGHT, got '" + escapeText(text) + "'");
  }
  return ImageSize{*width, *height};
}

PaperSize parsePaper(std::string_view text) {
  if (text == "A4") return PaperSize::A4;
  if (text == "Letter") return PaperSize::Letter;
  throw ScriptError("expected the paper A4 or Letter, got '" + escapeText(text) + "'");
}

}  // namespace

void ScriptRunner::answer(std::string_view rest) {
  constexpr std::string_view kFile = "file ";
  constexpr std::string_view kChoice = "choice";
  constexpr std::string_view kSize = "size ";
  constexpr std::string_view kPaper = "paper ";
  if (rest.starts_with(kSize)) {
    platform_.queueImageSize(parseImageSize(rest.substr(kSize.size())));
  } else if (rest.starts_with(kPaper)) {
    platform_.setPaper(parsePaper(rest.substr(kPaper.size())));
  } else if (rest == kChoice || rest.starts_with("choice ")) {
    platform_.queueChoice(parseChoiceAnswer(rest.substr(kChoice.size())));
  } else if (rest.starts_with(kFile)) {
    const std::string_view path = rest.substr(kFile.size());
    platform_.queueFile(path == "cancel" ? std::nullopt : std::optional<std::string>(path));
  } else {
    platform_.queueInput(rest == "cancel" ? std::nullopt : std::optional<std::string>(rest));
  }
}

void ScriptRunner::now(std::string_view rest) {
  const auto moment = parseDateTime(rest);
  if (!moment) {
    throw ScriptError("expected a time dd.mm.yyyy hh:nn, got '" + escapeText(rest) + "'");
  }
  platform_.fixClock(*moment);
}

void ScriptRunner::call(std::string_view rest) {
  if (const auto extra = extraHandlers_.find(rest); extra != extraHandlers_.end()) {
    form1_.handle(extra->second);
    return;
  }
  const auto& handlers = form1_.handlers();
  const auto handler = handlers.find(std::string(rest));
  if (handler == handlers.end()) throw ScriptError("unknown handler '" + escapeText(rest) + "'");
  form1_.handle(handler->second);
}

void ScriptRunner::print(std::string_view rest) {
  const auto reference = parseNameReference(rest);
  if (!reference) throw ScriptError("unknown name '" + escapeText(rest) + "'");
  if (const ScriptField* field = findScriptField(reference->name)) {
    if (!reference->property.empty() || reference->item) {
      throw ScriptError("unknown name '" + escapeText(rest) + "'");
    }
    out_ << field->name << ": " << field->print(form1_.form) << '\n';
    return;
  }
  if (reference->name == "RejectionCounts" && reference->property.empty() && !reference->item) {
    printRejectionCounts();
    return;
  }
  if (reference->name == kNumberChoiceName) {
    printDialog(rest, *reference);
    return;
  }
  if (rest == "Odds") {
    // What the "Odds" tab shows for the lottery and tip size set now, one line per row.
    for (const auto& line : oddsLines(form1_.form)) out_ << "Odds: " << escapeText(line) << '\n';
    return;
  }
  if (rest == "Chance") {
    // The last back-test against chance, as the "Odds" tab shows it, one line per row.
    for (const auto& line : chanceLines(form1_.form))
      out_ << "Chance: " << escapeText(line) << '\n';
    return;
  }
  if (rest == "Progress") {
    // What the window shows of the long work running now: the work, the bar and its text.
    const ProgressBar& bar = form1_.form.WorkProgress;
    const auto running = form1_.longWork().running();
    if (!running || !bar.visible()) {
      out_ << "Progress: none\n";
      return;
    }
    out_ << "Progress: " << longWorkName(*running) << ' ' << bar.position() << '/' << bar.maximum()
         << ' ' << escapeText(bar.caption()) << '\n';
    return;
  }
  if (rest == "Sweep") {
    // The last sweep: a line per setting, best return first, then the verdict lines.
    if (!form1_.lastSweep()) {
      out_ << "Sweep: none\n";
      return;
    }
    for (const auto& line : sweepLines(*form1_.lastSweep())) out_ << escapeText(line) << '\n';
    return;
  }
  if (rest == "Report") {
    // The last back-test's report as its window shows it: the heading, then the report.
    for (const auto& line : reportLines(form1_.form))
      out_ << "Report: " << escapeText(line) << '\n';
    return;
  }
  const Control& shown = control(reference->name);
  if (reference->item) {
    // Read before writing, so a missing item prints no half line.
    const std::string value = controlItem(shown, *reference->item);
    out_ << rest << ": " << value << '\n';
  } else if (!reference->property.empty()) {
    const auto value = controlProperty(shown, reference->property);
    if (!value) throw ScriptError("unknown name '" + escapeText(rest) + "'");
    out_ << rest << ": " << *value << '\n';
  } else {
    printControl(out_, shown);
  }
}

void ScriptRunner::printDialog(std::string_view rest, const NameReference& reference) {
  const TForm6& dialog = form1_.Form6;
  if (reference.item) {
    const std::string value = numberChoiceBox(dialog, *reference.item);
    out_ << rest << ": " << value << '\n';
  } else if (!reference.property.empty()) {
    const auto value = numberChoiceProperty(dialog, reference.property);
    if (!value) throw ScriptError("unknown name '" + escapeText(rest) + "'");
    out_ << rest << ": " << *value << '\n';
  } else {
    printNumberChoice(out_, dialog);
  }
}

}  // namespace numora

namespace numora {

void ScriptRunner::printRejectionCounts() {
  const RejectionCounts& counts = form1_.calculationState().rejections;
  out_ << "RejectionCounts.candidates: " << counts.candidates << '\n';
  for (std::size_t k = 1; k < counts.byFilter.size(); ++k) {
    out_ << "RejectionCounts[" << k << "]: " << counts.byFilter[k] << '\n';
  }
}

}  // namespace numora
