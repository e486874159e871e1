#pragma once
// The viewer's messages as the reader meets them, UTF-8, for the check's
// output.

#include <string>
#include <string_view>

#include "navigation/dictionary.h"
#include "navigation/link_texts.h"
#include "navigation/menu_tree_texts.h"
#include "pages/generated_page.h"
#include "pages/record_texts.h"
#include "platform/codepage.h"
#include "windows/media_texts.h"

namespace velmora::cli::check::texts {

inline std::string Quoted(const std::string& message) { return "message \"" + message + "\""; }

inline std::string Utf8(const std::string& win1250) { return platform::Win1250ToUtf8(win1250); }

// The viewer's own messages. "Brak pliku: " as the pages and the film
// player show it.
inline constexpr const char* kMissingFile = pages::kMissingFile;
inline constexpr const char* kBadSlideSet = windows::media_texts::kSlideNotDefined;
inline constexpr const char* kUnknownLink = pages::record_texts::kUnknownLink;
inline constexpr const char* kNoPageForNode = navigation::menu_tree_texts::kNoPageCaption;
inline std::string WordMissing() { return Utf8(navigation::link_texts::kWordMissing); }
inline std::string NoDefinition() { return Utf8(navigation::kDefinitionMissing); }
inline std::string IsoUtf8(std::string_view iso) {
  return platform::Iso88592ToUtf8(std::string(iso));
}

}  // namespace velmora::cli::check::texts
