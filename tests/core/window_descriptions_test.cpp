// The windows' descriptions against the core: every handler a described
// control raises, or a described event, has a handler in the core, so the
// Qt windows built from the descriptions never raise one that is missing.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "app/application.h"
#include "app/main_form_controls.h"
#include "recording/recording_platform.h"
#include "test_support.h"
#include "windows/chmurka_form_controls.h"
#include "windows/movie_form_controls.h"
#include "windows/slide_form_controls.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// Every handler the program registers over the demo disc, "Window.Handler".
std::set<std::string> RegisteredHandlers() {
  TempDir temp;
  const fs::path previous = fs::current_path();
  fs::current_path(VELMORA_SAMPLE_CONTENT);
  std::ostringstream trace;
  recording::RecordingPlatform recording(trace, {temp.path() + "/", std::nullopt});
  std::set<std::string> names;
  app::RunProgram(recording.platform(), [&](app::Application& application) {
    for (const auto& [name, handler] : application.Handlers()) names.insert(name);
  });
  fs::current_path(previous);
  return names;
}

// The described handlers the core does not register for the instance.
template <typename Window>
std::set<std::string> Unregistered(const std::set<std::string>& registered,
                                   std::string_view instance = Window::kName) {
  std::set<std::string> missing;
  auto check = [&](std::string_view handler) {
    const std::string name = std::string(instance) + "." + std::string(handler);
    if (!handler.empty() && registered.count(name) == 0) missing.insert(name);
  };
  for (const windows::Control& control : Window::kControls) check(control.handler);
  for (std::string_view event : Window::kEvents) check(event);
  return missing;
}

// Small tables for the checks every real table passes at compile time: a
// checker that let these through would let a broken window table build.
using windows::Control;
using windows::ControlKind;
using windows::Size;
struct Events {
  static constexpr std::array<std::string_view, 1> kEvents{"FormShow"};
};
struct Sound : Events {
  static constexpr std::array<Control, 3> kControls{{
      {"Form", ControlKind::Window, "", "", "", Size(10, 10)},
      {"Panel1", ControlKind::Panel, "Form", "", "", Size(5, 5)},
      {"Button1", ControlKind::Button, "Panel1", "OK", "Button1Click", Size(2, 2)},
  }};
};
struct TwoOfOneName : Events {
  static constexpr std::array<Control, 2> kControls{{
      {"Panel1", ControlKind::Panel, "", "", "", Size(5, 5)},
      {"Panel1", ControlKind::Button, "", "", "", Size(2, 2)},
  }};
};
struct ParentMissing : Events {
  static constexpr std::array<Control, 1> kControls{{
      {"Button1", ControlKind::Button, "Panel9", "", "", Size(2, 2)},
  }};
};
struct ButtonAsParent : Events {
  static constexpr std::array<Control, 2> kControls{{
      {"Button1", ControlKind::Button, "", "", "", Size(2, 2)},
      {"Button2", ControlKind::Button, "Button1", "", "", Size(2, 2)},
  }};
};
static_assert(windows::WellFormed<Sound>());
static_assert(!windows::WellFormed<TwoOfOneName>());
static_assert(!windows::WellFormed<ParentMissing>());
static_assert(!windows::WellFormed<ButtonAsParent>());

TEST(WindowDescriptions, lookups_findTheRowOfTheirNameAndTheHandlersOfRowsAndEvents) {
  constexpr auto button = windows::FindControl<Sound>("Button1");
  static_assert(button.index == 2);
  EXPECT_EQ(windows::Describe(button).caption, "OK");
  EXPECT_EQ(windows::Describe(button).parent, "Panel1");
  EXPECT_EQ(windows::Name(button), "Button1");
  EXPECT_EQ(windows::Name(windows::FindHandler<Sound>("Button1Click")), "Button1Click");
  EXPECT_EQ(windows::Name(windows::FindHandler<Sound>("FormShow")), "FormShow");
}

TEST(WindowDescriptions, everyDescribedHandler_isRegisteredByTheCore) {
  const std::set<std::string> registered = RegisteredHandlers();
  ASSERT_FALSE(registered.empty());
  EXPECT_EQ(Unregistered<app::main_form::Description>(registered), std::set<std::string>{});
  EXPECT_EQ(Unregistered<windows::slide_form::Description>(registered), std::set<std::string>{});
  EXPECT_EQ(Unregistered<windows::movie_form::Description>(registered), std::set<std::string>{});
  for (const char* balloon :
       {platform::names::kDictionaryBalloon, platform::names::kLocationBalloon}) {
    EXPECT_EQ(Unregistered<windows::chmurka_form::Description>(registered, balloon),
              std::set<std::string>{});
  }
}

}  // namespace
}  // namespace velmora::test
