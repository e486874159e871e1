#pragma once
// Messages of the link dispatcher (Windows-1250).

namespace velmora::navigation::link_texts {

// Followed by the program name or the address.
inline constexpr const char* kMissingFile = "Brak pliku:\r\n ";
inline constexpr const char* kCaption = "Before Navigate";
inline constexpr const char* kWordMissing = "W s\xB3owniku brakuje s\xB3owa...";

}  // namespace velmora::navigation::link_texts
