// The script runner of numora-cli: one command a line, run against TForm1 and its form model.
// Output (printed values, message boxes, input boxes) goes to one stream, errors to another;
// the first failing line stops the script. Empty lines and lines starting with "#" are skipped.
//
//   set NAME VALUE        a control as the user changes it (then its change handler), or a field
//   add LIST TEXT         append a line;  clear LIST;  select LIST INDEX (then its click handler)
//   answer TEXT|cancel    the reply to the next input box
//   answer file PATH|cancel   the reply to the next file dialog
//   answer choice RESULT [OP ...]   the reply to the next number-choice dialog (choice_answer.h);
//                         a dialog without a reply is closed with its close box (cancel)
//   now dd.mm.yyyy hh:nn  move the clock
//   call NAME             a handler of TForm1::handlers(), run as the event loop runs it
//   after N COMMAND       the next handler that runs (call, set, select) executes COMMAND, any
//                         script line, when it processes pending window events for the N-th
//                         time: how a script stops a running calculation or changes its
//                         budget. While long work runs, a handler, set, add, clear or select
//                         that could disturb it is refused: "message: TEXT", nothing changed
//   print NAME[.PROPERTY|[INDEX]]   a control, a property, a list line or status panel, a field,
//                         or the number-choice dialog TForm6 (number_choice_printer.h);
//                         RejectionCounts: the candidates of the last calculation and the
//                         rejections of each of its twelve filters
//
// TEXT and VALUE are the rest of the line after the single blank behind the name, verbatim.
// Controls are found in the form's registry and handlers in TForm1, so new ones need no change
// here; fields are listed in script_fields.cpp.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/script_line.h"
#include "app/daruvizo.h"
#include "form/scripted_platform.h"

namespace numora {

class ScriptRunner {
 public:
  // Routes the platform's reports (message and input boxes) to out.
  ScriptRunner(TForm1& form1, ScriptedPlatform& platform, std::ostream& out, std::ostream& err);
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // Runs every line of the script; 0 when all ran, 1 after the first failing line.
  int run(std::istream& script);
  // Runs one line; false after reporting the error on err.
  bool runLine(std::string_view line);

  // A handler offered beside TForm1's own; "call NAME" runs it as the event loop would.
  void addHandler(std::string name, std::function<void()> handler);

 private:
  using Command = void (ScriptRunner::*)(std::string_view rest);
  static const std::map<std::string_view, Command>& commands();

  void set(std::string_view rest);
  void add(std::string_view rest);
  void clear(std::string_view rest);
  void select(std::string_view rest);
  void answer(std::string_view rest);
  void now(std::string_view rest);
  void call(std::string_view rest);
  void print(std::string_view rest);
  void after(std::string_view rest);

  // Runs one command; false after reporting the error on err.
  bool execute(std::string_view line);
  // The commands of "after" armed for the handler that runs now, counted down per event
  // processing.
  void processEvents();
  void printRejectionCounts();

  void printDialog(std::string_view rest, const NameReference& reference);

  Control& control(std::string_view name);
  ListBox& listBox(std::string_view name);

  TForm1& form1_;
  ScriptedPlatform& platform_;
  std::ostream& out_;
  std::ostream& err_;
  std::map<std::string, std::function<void()>, std::less<>> extraHandlers_;
  int lineNumber_ = 0;

  struct DelayedCommand {
    int remaining;
    std::string line;
    int lineNumber;
  };
  std::vector<DelayedCommand> pending_;  // waiting for the next handler
  std::vector<DelayedCommand> armed_;    // counting the running handler's event processing
  int depth_ = 0;
  bool delayedFailed_ = false;
};

}  // namespace numora
