#pragma once
// The two 8-bit code pages of the disc and their conversions. Content
// (pages, tables) is ISO-8859-2; the program's own texts, addresses and file
// names inside the core are Windows-1250. Conversion to Unicode happens only
// at the platform boundary.

#include <string>

namespace velmora::platform {

// The six Polish letters on which the two code pages differ (ą ś ź Ą Ś Ź);
// no other byte changes.
std::string Win1250ToIso(const std::string& text);
std::string IsoToWin1250(const std::string& text);

std::string Win1250ToUtf8(const std::string& text);
std::string Iso88592ToUtf8(const std::string& text);
// Characters without a byte in the code page become '?'.
std::string Utf8ToWin1250(const std::string& utf8);
std::string Utf8ToIso88592(const std::string& utf8);

// Lower-casing of addresses and words: only A to Z change.
std::string LowerAscii(const std::string& text);
// Lower-casing over every capital of Windows-1250, Polish letters included.
std::string LowerWin1250(const std::string& text);

}  // namespace velmora::platform
