#pragma once
// Reading the arguments of handlers raised by name: what the user did to a
// control before its event ("LMDSpinEditCzasuChange 10").

#include <charconv>
#include <optional>
#include <string>

namespace velmora::windows {

// A whole decimal number (sign allowed), or nullopt for anything else.
inline std::optional<int> IntegerArgument(const std::string& text) {
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

// "1"/"true" and "0"/"false"; nullopt for anything else (empty included).
inline std::optional<bool> SwitchArgument(const std::string& text) {
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  return std::nullopt;
}

}  // namespace velmora::windows
