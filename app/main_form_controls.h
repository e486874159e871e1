#pragma once
// The main window's controls: names, kinds, parents, captions, handlers and
// places, the one description the core, the Qt window, the recording layout
// and `velmora-cli check` read. Name a control as main_form::Control("Szukaj")
// and a handler as main_form::Handler("Button8Click"): a name not in the
// table does not compile. The names the lower layers address themselves are
// spelled in platform/handlers.h and used here by those constants.

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/handlers.h"
#include "windows/control_table.h"

namespace velmora::app::main_form {

namespace layout {
// Maximised on the recording screen; the bars keep their width and height
// on any screen, the main area takes the rest.
inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 800;
inline constexpr int kRightBarWidth = 129;
inline constexpr int kBottomBarHeight = 33;
inline constexpr int kStripHeight = 5;
inline constexpr int kTitleStripHeight = 30;
inline constexpr int kLogosWidth = 2 * 32 + 3 * 3;
inline constexpr int kButtonHeight = 23;
inline constexpr int kMainAreaWidth = kScreenWidth - kRightBarWidth;
inline constexpr int kMainAreaHeight = kScreenHeight - kBottomBarHeight;
inline constexpr int kPageTop = kStripHeight + kTitleStripHeight;
}  // namespace layout

// The rows, in the order the Qt window lays the controls out.
namespace rows {
using namespace layout;
using K = windows::ControlKind;
using windows::Size;
namespace n = platform::names;
inline constexpr std::string_view kOnWindow;
inline constexpr windows::Geometry kLaidOut;
inline constexpr windows::Geometry kTopic = Size(120, 20);
inline constexpr windows::Geometry kPageButton = Size(44, kButtonHeight);
inline constexpr windows::Geometry kHistory = Size(30, kButtonHeight);

// One row a control, wrapped by hand.
// clang-format off
inline constexpr auto kControls = std::to_array<windows::Control>({
    {n::kMainForm, K::Window, "", "Velmora", "", {0, 0, kScreenWidth, kScreenHeight}},
    // The main area: strip, title strip and logos above the page.
    {"Panel1", K::Panel, kOnWindow, "", "", {0, 0, kMainAreaWidth, kMainAreaHeight}},
    {"Panel7", K::Panel, "Panel1", "", "", {0, 0, kMainAreaWidth - kLogosWidth, kStripHeight}},
    {n::kPanel4, K::Panel, "Panel1", "", "",
     {0, kStripHeight, kMainAreaWidth - kLogosWidth, kTitleStripHeight}},
    {n::kTitleWebBrowser, K::Browser, n::kPanel4, "", "", kLaidOut},
    {"Panel5", K::Panel, "Panel1", "", "",
     {kMainAreaWidth - kLogosWidth, 0, kLogosWidth, kPageTop}},
    {"Image1", K::Image, "Panel5", "", "Image1MouseDown", kLaidOut},
    {"Image2", K::Image, "Panel5", "", "Image1MouseDown", kLaidOut},
    {n::kMainWebBrowser, K::Browser, "Panel1", "", "",
     {0, kPageTop, kMainAreaWidth, kMainAreaHeight - kPageTop}},
    {n::kTreeViewCD, K::Tree, "Panel1", "", n::kTreeViewCDChange, kLaidOut},
    {n::kMemo2, K::Memo, "Panel1", "", "", kLaidOut},
    {"MainRichEdit", K::Memo, "Panel1", "", "", kLaidOut},
    {"Button24", K::DiagnosticButton, "Panel1", "chmurka", "Button24Click", {4, 40, 60, 17}},
    {"Button12", K::DiagnosticButton, "Panel1", "RESearch", "Button12Click", {66, 40, 60, 17}},
    {"Button13", K::DiagnosticButton, "Panel1", "lista", "Button13Click", {128, 40, 60, 17}},
    {"Button16", K::DiagnosticButton, "Panel1", "MainRE", "Button16Click", {190, 40, 60, 17}},
    {"Button15", K::DiagnosticButton, "Panel1", "Baza", "Button15Click", {252, 40, 60, 17}},
    {"Button14", K::DiagnosticButton, "Panel1", "Memo2", "Button14Click", {314, 40, 60, 17}},
    {"Button1", K::DiagnosticButton, "Panel1", "Spr", "Button1Click", {376, 40, 60, 17}},
    // The right bar: window buttons, the topics, the menu page.
    {"Panel3", K::Panel, kOnWindow, "", "", {kMainAreaWidth, 0, kRightBarWidth, kMainAreaHeight}},
    {"LMDSpeedButton29", K::Button, "Panel3", "_", "LMDSpeedButton29Click", Size(20, 20)},
    {"LMDSpeedButton30", K::Button, "Panel3", "", "LMDSpeedButton30Click", Size(20, 20)},
    {"Label2", K::Label, "Panel3", "Wyb\xF3r wed\xB3ug:", "", kLaidOut},
    {"LMDSpeedButton1", K::TopicButton, "Panel3", "map", "LMDSpeedButton1Click", kTopic},
    {"LMDSpeedButton2", K::TopicButton, "Panel3", "obiekt\xF3w opisywanych", "LMDSpeedButton2Click",
     kTopic},
    {"LMDSpeedButton3", K::TopicButton, "Panel3", "baz obiekt\xF3w", "LMDSpeedButton3Click",
     kTopic},
    {"LMDSpeedButton4", K::TopicButton, "Panel3", "wojew\xF3" "dztw", "LMDSpeedButton4Click",
     kTopic},
    {"LMDSpeedButton7", K::TopicButton, "Panel3", "Formy ochrony", "LMDSpeedButton7Click", kTopic},
    {"LMDSpeedButton10", K::TopicButton, "Panel3", "Prawo ochrony przyr.", "LMDSpeedButton10Click",
     kTopic},
    {"LMDSpeedButton11", K::TopicButton, "Panel3", "Organizacja ochrony", "LMDSpeedButton11Click",
     kTopic},
    {"LMDSpeedButton13", K::TopicButton, "Panel3", "Mi\xEA" "dzynarodowa ochr.",
     "LMDSpeedButton13Click", kTopic},
    {"LMDSpeedButton12", K::TopicButton, "Panel3", "Sieci ekologiczne", "LMDSpeedButton12Click",
     kTopic},
    {"LMDSpeedButton14", K::TopicButton, "Panel3", "ECONET-PL", "LMDSpeedButton14Click", kTopic},
    {"LMDSpeedButton8", K::TopicButton, "Panel3", "Warunki przyrodnicze", "LMDSpeedButton8Click",
     kTopic},
    {"LMDSpeedButton9", K::TopicButton, "Panel3", "Historia ochrony przyr.", "LMDSpeedButton9Click",
     kTopic},
    {"LMDSpeedButton15", K::TopicButton, "Panel3", "Statystyka", "LMDSpeedButton15Click", kTopic},
    {"LMDSpeedButton6", K::TopicButton, "Panel3", "Galeria", "LMDSpeedButton6Click", kTopic},
    {"LMDSpeedButton5", K::TopicButton, "Panel3", "S\xB3ownik", "LMDSpeedButton5Click", kTopic},
    {n::kPanel6, K::Panel, "Panel3", "", "", kLaidOut},
    {n::kMenuWebBrowser, K::Browser, n::kPanel6, "", "", kLaidOut},
    // The bottom bar: fixed pages, the search, the history.
    {n::kPanel2, K::Panel, kOnWindow, "", "", {0, kMainAreaHeight, kScreenWidth, kBottomBarHeight}},
    {"LMDSpeedButton16", K::Button, n::kPanel2, "Wst\xEAp", "LMDSpeedButton16Click", kPageButton},
    {"LMDSpeedButton17", K::Button, n::kPanel2, "Zawarto\x9C\xE6 CD", "LMDSpeedButton17Click",
     kPageButton},
    {"LMDSpeedButton18", K::Button, n::kPanel2, "Mapa CD", "Button6Click", kPageButton},
    {"LMDSpeedButton19", K::Button, n::kPanel2, "Autorzy", "Button3Click", kPageButton},
    {"LMDSpeedButton20", K::Button, n::kPanel2, "Wydawca", "Button4Click", kPageButton},
    {"LMDSpeedButton21", K::Button, n::kPanel2, "Sponsor", "Button5Click", kPageButton},
    {"LMDSpeedButton22", K::Button, n::kPanel2, "Bibliografia", "Button20Click", kPageButton},
    {"LMDSpeedButton23", K::Button, n::kPanel2, "Pomoc", "Button7Click", kPageButton},
    {"LMDSpeedButton24", K::Button, n::kPanel2, "Drukuj", "Button21Click", kPageButton},
    {n::kSzukaj, K::Edit, n::kPanel2, "", "SzukajKeyPress", Size(75, kButtonHeight)},
    {"LMDSpeedButton25", K::Button, n::kPanel2, "Szukaj", "Button22Click", kPageButton},
    // Placed where the captions before it put it in the viewer's usual font.
    {n::kLMDSpeedButton26, K::Button, n::kPanel2, "^", "BitBtn1Click", {656, 5, 30, kButtonHeight}},
    {"LMDSpeedButton27", K::Button, n::kPanel2, "<--", "Button8Click", kHistory},
    {"LMDSpeedButton28", K::Button, n::kPanel2, "-->", "Button9Click", kHistory},
});
// clang-format on
}  // namespace rows

struct Description {
  static constexpr std::string_view kName = platform::names::kMainForm;
  static constexpr std::string_view kTopicGroup = "CategoryButtons";
  static constexpr const auto& kControls = rows::kControls;

  static constexpr auto kEvents = std::to_array<std::string_view>({
      "FormShow",
      "FormClose",
      "FormResize",
      "MainWebBrowserDownloadComplete",
      platform::names::kTreeViewCDClick,
      platform::names::kTreeViewCDKeyDown,
  });
};

static_assert(windows::WellFormed<Description>());

using ControlId = windows::ControlId<Description>;
using HandlerId = windows::HandlerId<Description>;

consteval ControlId Control(std::string_view name) {
  return windows::FindControl<Description>(name);
}
consteval HandlerId Handler(std::string_view name) {
  return windows::FindHandler<Description>(name);
}

// The buttons that show a fixed page of the data directory. All but the
// topic buttons release the topic buttons first.
struct FixedPage {
  ControlId button;
  std::string_view page;
};

inline constexpr auto kFixedPages = std::to_array<FixedPage>({
    {Control("LMDSpeedButton16"), "750.htm"},  // Wstęp
    {Control("LMDSpeedButton17"), "749.htm"},  // Zawartość CD
    {Control("LMDSpeedButton19"), "32.htm"},   // Autorzy
    {Control("LMDSpeedButton20"), "925.htm"},  // Wydawca
    {Control("LMDSpeedButton21"), "926.htm"},  // Sponsor
    {Control("LMDSpeedButton22"), "757.htm"},  // Bibliografia
    {Control("LMDSpeedButton23"), "919.htm"},  // Pomoc
    {Control("LMDSpeedButton1"), "800.htm"},  {Control("LMDSpeedButton2"), "923.htm"},
    {Control("LMDSpeedButton3"), "908.htm"},  {Control("LMDSpeedButton4"), "914.htm"},
    {Control("LMDSpeedButton7"), "902.htm"},  {Control("LMDSpeedButton10"), "471.htm"},
    {Control("LMDSpeedButton11"), "244.htm"}, {Control("LMDSpeedButton13"), "918.htm"},
    {Control("LMDSpeedButton12"), "230.htm"}, {Control("LMDSpeedButton14"), "901.htm"},
    {Control("LMDSpeedButton8"), "921.htm"},  {Control("LMDSpeedButton9"), "922.htm"},
    {Control("LMDSpeedButton15"), "920.htm"}, {Control("LMDSpeedButton6"), "903.htm"},
    {Control("LMDSpeedButton5"), "658.htm"},
});

constexpr bool ReleasesTopicButtons(const FixedPage& page) {
  return windows::Describe(page.button).kind != windows::ControlKind::TopicButton;
}

// The topic buttons in the order their pressed state is released: by the
// number in their names.
inline constexpr auto kTopicButtonsByNumber = [] {
  constexpr auto number = [](std::string_view name) {
    int value = 0;
    for (char c : name.substr(name.find_first_of("0123456789"))) value = value * 10 + (c - '0');
    return value;
  };
  std::array<ControlId, 15> topics{};
  std::size_t count = 0;
  for (std::size_t i = 0; i < Description::kControls.size(); ++i) {
    if (Description::kControls[i].kind != windows::ControlKind::TopicButton) continue;
    if (count == topics.size()) throw windows::NotInTheTable{};  // more topics than counted
    topics[count++] = ControlId{i};
  }
  if (count != topics.size()) throw windows::NotInTheTable{};
  std::sort(topics.begin(), topics.end(), [&](ControlId a, ControlId b) {
    return number(windows::Describe(a).name) < number(windows::Describe(b).name);
  });
  return topics;
}();

// Opened on Ctrl + click on a logo.
inline constexpr std::string_view kMakersPage = "http://kestrava.example/index.php?id=velmora";

}  // namespace velmora::app::main_form
