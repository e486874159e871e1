#pragma once
// Texts, sizes and colours of the two notice windows, shared by the core and
// the windows that draw them. Texts are Windows-1250 bytes.

#include <cstdint>

namespace velmora::windows::notice {

// "Proszę czekać, trwa ładowanie..."
inline constexpr const char* kLoadingText =
    "Prosz\xEA czeka\xE6, trwa \xB3"
    "adowanie...";
inline constexpr const char* kLoadingCaption = "Loading...";
// What a screen reader calls the loading window (its caption is not shown).
inline constexpr const char* kLoadingName = "Wczytywanie";
inline constexpr int kLoadingWidth = 288;
inline constexpr int kLoadingHeight = 41;

// "Proszę czekać, trwa wyszukiwanie..."
inline constexpr const char* kWaitText = "Prosz\xEA czeka\xE6, trwa wyszukiwanie...";
// "Proszę czekać..."
inline constexpr const char* kWaitCaption = "Prosz\xEA czeka\xE6...";
inline constexpr int kWaitWidth = 290;
inline constexpr int kWaitHeight = 67;
inline constexpr int kProgressMaximum = 162;

inline constexpr int kFontPixels = 16;
inline constexpr std::uint32_t kPanelColor = 0x8C7B6B;  // greyish brown
inline constexpr std::uint32_t kTextColor = 0xFFF8DC;   // light cream

}  // namespace velmora::windows::notice
