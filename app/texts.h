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
// The first time a disc whose programs need wine is opened here.
inline constexpr const char* kWineWouldPlay =
    "Animacje tej p\xB3yty s\xB9 programami systemu Windows. Po zainstalowaniu programu "
    "wine przegl\xB9"
    "darka b\xEA"
    "dzie je pokazywa\xE6.";
// What the notice is remembered by, with the disc.
inline constexpr const char* kWineNoticeName = "wine";

}  // namespace velmora::app::texts
