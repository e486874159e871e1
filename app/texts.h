#pragma once
// The program's own Polish texts, Windows-1250 bytes written as escapes so
// that the source stays plain ASCII.

#include "pages/page_context.h"

namespace velmora::app::texts {

inline constexpr const char* kApplicationTitle = pages::kApplicationTitle;
// "Brak CD-ROMu w stacji " + content root + kInsertDisc
inline constexpr const char* kNoDisc = "Brak CD-ROMu w stacji ";
inline constexpr const char* kInsertDisc =
    "\r\nProsz\xEA w\xB3o\xBFy\xE6 p\xB3yt\xEA i spr\xF3"
    "bowa\xE6 ponownie...";
inline constexpr const char* kLaunchFailed =
    "B\xB3\xB9"
    "d uruchamiania dema startowego";

}  // namespace velmora::app::texts
