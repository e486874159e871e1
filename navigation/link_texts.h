#pragma once
// Messages of the link dispatcher (Windows-1250).

namespace velmora::navigation::link_texts {

// Followed by the program name or the address.
inline constexpr const char* kMissingFile = "Brak pliku:\r\n ";
inline constexpr const char* kCaption = "Before Navigate";
// An animation link where wine is missing; said once in a run.
inline constexpr const char* kAnimationNeedsWine =
    "Animacje s\xB9 programami systemu Windows i wymagaj\xB9 programu wine, kt\xF3ry nie jest "
    "zainstalowany.";
inline constexpr const char* kAnimationCaption = "Animacja";
inline constexpr const char* kWordMissing = "W s\xB3owniku brakuje s\xB3owa...";

}  // namespace velmora::navigation::link_texts
