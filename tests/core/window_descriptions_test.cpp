// The windows' descriptions against the core: every handler a described
// control raises, or a described event, has a handler in the core, so the
// Qt windows built from the descriptions never raise one that is missing.

#include <gtest/gtest.h>

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
