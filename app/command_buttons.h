#pragma once
// The buttons of the bottom bar and the right bar that show a fixed page of
// the data directory.

#include <array>
#include <string_view>

namespace velmora::app {

struct FixedPageButton {
  std::string_view handler;  // the click handler's name
  std::string_view page;     // file name in the data directory
  bool releasesCategoryButtons;
};

inline constexpr std::array<FixedPageButton, 22> kFixedPageButtons{{
    // Bottom bar: these release the topic buttons first.
    {"LMDSpeedButton16Click", "750.htm", true},  // Wstęp
    {"LMDSpeedButton17Click", "749.htm", true},  // Zawartość CD
    {"Button3Click", "32.htm", true},            // Autorzy
    {"Button4Click", "925.htm", true},           // Wydawca
    {"Button5Click", "926.htm", true},           // Sponsor
    {"Button20Click", "757.htm", true},          // Bibliografia
    {"Button7Click", "919.htm", true},           // Pomoc
    // Right bar topic buttons, top to bottom.
    {"LMDSpeedButton1Click", "800.htm", false},
    {"LMDSpeedButton2Click", "923.htm", false},
    {"LMDSpeedButton3Click", "908.htm", false},
    {"LMDSpeedButton4Click", "914.htm", false},
    {"LMDSpeedButton7Click", "902.htm", false},
    {"LMDSpeedButton10Click", "471.htm", false},
    {"LMDSpeedButton11Click", "244.htm", false},
    {"LMDSpeedButton13Click", "918.htm", false},
    {"LMDSpeedButton12Click", "230.htm", false},
    {"LMDSpeedButton14Click", "901.htm", false},
    {"LMDSpeedButton8Click", "921.htm", false},
    {"LMDSpeedButton9Click", "922.htm", false},
    {"LMDSpeedButton15Click", "920.htm", false},
    {"LMDSpeedButton6Click", "903.htm", false},
    {"LMDSpeedButton5Click", "658.htm", false},
}};

// The fifteen topic buttons in the order their pressed state is released.
inline constexpr std::array<std::string_view, 15> kCategoryButtons{{
    "LMDSpeedButton1",
    "LMDSpeedButton2",
    "LMDSpeedButton3",
    "LMDSpeedButton4",
    "LMDSpeedButton5",
    "LMDSpeedButton6",
    "LMDSpeedButton7",
    "LMDSpeedButton8",
    "LMDSpeedButton9",
    "LMDSpeedButton10",
    "LMDSpeedButton11",
    "LMDSpeedButton12",
    "LMDSpeedButton13",
    "LMDSpeedButton14",
    "LMDSpeedButton15",
}};

inline constexpr std::string_view kCategoryButtonGroup = "CategoryButtons";

// Opened on Ctrl + click on a logo.
inline constexpr std::string_view kMakersPage = "http://kestrava.example/index.php?id=velmora";

}  // namespace velmora::app
