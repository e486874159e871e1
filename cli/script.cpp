#include "cli/script.h"

#include "platform/codepage.h"
#include "platform/handlers.h"

namespace velmora::cli {

namespace {

std::string StripLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return line;
}

// Splits "head rest": the first word and everything after the one space.
std::pair<std::string, std::string> SplitFirstWord(const std::string& text) {
  const std::size_t space = text.find(' ');
  if (space == std::string::npos) return {text, {}};
  return {text.substr(0, space), text.substr(space + 1)};
}

}  // namespace

std::vector<ScriptLine> ParseScript(const std::string& utf8Text) {
  std::vector<ScriptLine> lines;
  std::size_t start = 0;
  int number = 0;
  while (start <= utf8Text.size()) {
    std::size_t end = utf8Text.find('\n', start);
    if (end == std::string::npos) end = utf8Text.size();
    ++number;
    const std::string raw = StripLineEnd(utf8Text.substr(start, end - start));
    start = end + 1;
    const std::size_t first = raw.find_first_not_of(" \t");
    if (first == std::string::npos || raw[first] == '#') continue;
    std::string text = platform::Utf8ToWin1250(raw.substr(first));

    ScriptLine line;
    line.number = number;
    if (text.size() >= 2 && text[0] == '>' && text[1] == ' ') {
      line.whileBusy = true;
      text = text.substr(2);
    }
    auto [head, rest] = SplitFirstWord(text);
    if (head == "set") {
      auto [control, value] = SplitFirstWord(rest);
      line.isSet = true;
      line.handler = control;
      line.argument = value;
    } else {
      const std::size_t dot = head.find('.');
      line.window = dot == std::string::npos ? platform::names::kMainForm : head.substr(0, dot);
      line.handler = dot == std::string::npos ? head : head.substr(dot + 1);
      line.argument = rest;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace velmora::cli
