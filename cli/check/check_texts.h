#pragma once
// The viewer's messages as the reader meets them, UTF-8, for the check's
// output.

#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace velmora::cli::check::texts {

// "Brak pliku: " as the pages and the film player show it.
inline constexpr const char* kMissingFile = "Brak pliku: ";
inline constexpr const char* kWordMissing = "W s\u0142owniku brakuje s\u0142owa...";
inline constexpr const char* kNoDefinition =
    " - w s\u0142owniku brakuje definicji tego s\u0142owa!";
inline constexpr const char* kBadSlideSet = "Nie zdefiniowano poprawnie slajdu: ";
inline constexpr const char* kUnknownLink = "Nieznany link: ";
inline constexpr const char* kNoPageForNode = "Brakuje opisu strony o indeksie: ";

inline std::string Quoted(const std::string& message) { return "message \"" + message + "\""; }

inline std::string Utf8(const std::string& win1250) { return platform::Win1250ToUtf8(win1250); }
inline std::string IsoUtf8(std::string_view iso) {
  return platform::Iso88592ToUtf8(std::string(iso));
}

}  // namespace velmora::cli::check::texts
