#pragma once
// Replay scripts: one event per line.
//   [Window.]Handler [argument]   raise a handler (no window: MainForm)
//   set CONTROL TEXT              the user types TEXT into a control
//   > LINE                        LINE arrives while the program is busy:
//                                 on its next pump of the message queue
//   # comment, blank lines        ignored

#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

struct ScriptLine {
  int number = 0;  // 1-based line number in the script
  bool isSet = false;
  bool whileBusy = false;  // written "> LINE"
  std::string window;      // "MainForm" when not given
  std::string handler;     // or, for set, the control
  std::string argument;    // Windows-1250
};

// Parses UTF-8 script text; blank and comment lines are dropped.
std::vector<ScriptLine> ParseScript(const std::string& utf8Text);

}  // namespace velmora::cli
