#pragma once
// MENU.CSV: which menu each page number shows. Read with its own rules, not
// with the semicolon table reader: one menu per line, its name first, then
// the page numbers that show it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/file_lines.h"

namespace velmora::tables {

inline constexpr int iloscTypowMenu = 82;
inline constexpr int iloscPlikowMenu = 1000;

// Menu names by line of the file; " " where no line was read.
using MenuNames = std::array<std::string, iloscTypowMenu>;
// Page number to index into the menu names; -1 for a page without a menu.
using MenuPageMap = std::array<std::int32_t, iloscPlikowMenu>;

struct MenuReadResult {
  // Message texts (Windows-1250) in the order they are to be shown.
  std::vector<std::string> messages;
  // Set when a page-number field is not a whole number: reading stopped and
  // the start-up cannot go on. Names the line and the field.
  std::optional<std::string> badField;
};

// Resets both arrays, then fills them from the file's bytes. What was stored
// before a stop stays in force.
MenuReadResult ReadMenuDefinition(std::string_view bytes, MenuNames& typMenu,
                                  MenuPageMap& plikMenu);

// The menu name of a page given by its name without ".htm" and letter, or
// empty text when the page has no menu.
std::string MenuForPage(const MenuNames& typMenu, const MenuPageMap& plikMenu,
                        std::string_view page);

// A decimal whole number with an optional sign; leading blanks are allowed,
// nothing else. Numbers outside 32 bits are not numbers.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

}  // namespace velmora::tables
