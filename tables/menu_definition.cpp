#include "tables/menu_definition.h"

#include <limits>

namespace velmora::tables {

namespace {

// Windows-1250 message texts.
constexpr const char* kTooFewLines =
    "Warto\x9C\xE6 iloscTypowMenu za du\xBF"
    "a: ";
constexpr const char* kTooManyLines =
    "Warto\x9C\xE6 iloscTypowMenu za ma\xB3"
    "a: ";
constexpr const char* kPageTooLarge =
    "Warto\x9C\xE6 iloscPlikowMenu za ma\xB3"
    "a: ";

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

MenuReadResult ReadMenuDefinition(std::string_view bytes, MenuNames& typMenu,
                                  MenuPageMap& plikMenu) {
  MenuReadResult result;
  plikMenu.fill(-1);
  typMenu.fill(" ");
  const std::vector<std::string_view> lines = FileLines(bytes);
  const std::string lineCount = std::to_string(lines.size());
  if (lines.size() < static_cast<std::size_t>(iloscTypowMenu)) {
    result.messages.push_back(kTooFewLines + std::to_string(iloscTypowMenu) + " / " + lineCount);
  }
  for (std::size_t j = 0; j < lines.size(); ++j) {
    const std::string_view line = lines[j];
    const std::size_t semicolon = line.find(';');
    // A line without a menu name ends the definition.
    if (semicolon == std::string_view::npos || semicolon == 0) break;
    if (j >= static_cast<std::size_t>(iloscTypowMenu)) {
      result.messages.push_back(kTooManyLines + lineCount);
      break;
    }
    typMenu[j] = std::string(line.substr(0, semicolon));
    std::size_t fieldStart = semicolon + 1;
    while (fieldStart <= line.size()) {
      std::size_t fieldEnd = line.find(';', fieldStart);
      if (fieldEnd == std::string_view::npos) fieldEnd = line.size();
      const std::string_view field = line.substr(fieldStart, fieldEnd - fieldStart);
      fieldStart = fieldEnd + 1;
      if (field.empty()) continue;
      const std::optional<std::int32_t> page = ParseWholeNumber(field);
      if (!page) {
        result.badField = "line " + std::to_string(j + 1) + ", page number \"" +
                          std::string(field) + "\" is not a whole number";
        return result;
      }
      if (*page >= iloscPlikowMenu) {
        result.messages.push_back(kPageTooLarge + std::to_string(*page));
        return result;
      }
      // A negative number has no entry in the map: skipped.
      if (*page >= 0) plikMenu[*page] = static_cast<std::int32_t>(j);
    }
  }
  return result;
}

std::string MenuForPage(const MenuNames& typMenu, const MenuPageMap& plikMenu,
                        std::string_view page) {
  const std::int32_t number = ParseWholeNumber(page).value_or(-1);
  if (number < 1 || number >= iloscPlikowMenu) return {};
  const std::int32_t menu = plikMenu[number];
  if (menu < 0 || menu >= iloscTypowMenu) return {};
  return typMenu[menu];
}

}  // namespace velmora::tables
