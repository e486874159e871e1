#pragma once
// Event handlers of the windows by name, so that the viewer and headless
// tools raise them alike ("MainForm.LMDSpeedButton16Click"). The argument is
// the rest of the script line, empty for handlers that take none. The names
// of the windows, and of the main window's controls that layers below the
// main window address, are written here once; the windows' descriptions
// (app/main_form_controls.h, windows/*_controls.h) use them.

#include <functional>
#include <map>
#include <string>

namespace velmora::platform {

using Handler = std::function<void(const std::string& argument)>;
using HandlerTable = std::map<std::string, Handler>;

namespace names {
// Windows.
inline constexpr const char* kMainForm = "MainForm";
inline constexpr const char* kSlideForm = "SlideForm";
inline constexpr const char* kMovieForm = "MovieForm";
inline constexpr const char* kDictionaryBalloon = "DictionaryBalloon";
inline constexpr const char* kLocationBalloon = "LocationBalloon";
// Controls of the main window.
inline constexpr const char* kMainWebBrowser = "MainWebBrowser";
inline constexpr const char* kMenuWebBrowser = "MenuWebBrowser";
inline constexpr const char* kTitleWebBrowser = "TitleWebBrowser";
inline constexpr const char* kTreeViewCD = "TreeViewCD";
inline constexpr const char* kPanel2 = "Panel2";  // the bottom bar
inline constexpr const char* kPanel4 = "Panel4";  // the title strip
inline constexpr const char* kPanel6 = "Panel6";  // the menu panel
inline constexpr const char* kMemo2 = "Memo2";
inline constexpr const char* kSzukaj = "Szukaj";                      // the search box
inline constexpr const char* kLMDSpeedButton26 = "LMDSpeedButton26";  // "^"
// Handlers of the contents tree.
inline constexpr const char* kTreeViewCDChange = "TreeViewCDChange";
inline constexpr const char* kTreeViewCDClick = "TreeViewCDClick";
inline constexpr const char* kTreeViewCDKeyDown = "TreeViewCDKeyDown";
}  // namespace names

// "Window.Handler", the key of a handler in the table.
inline std::string HandlerName(const std::string& window, const std::string& handler) {
  return window + "." + handler;
}

// Runs the handler with the argument; false when the table has none of
// that name (the caller reports it as an unknown handler).
inline bool RaiseHandler(const HandlerTable& handlers, const std::string& name,
                         const std::string& argument) {
  const auto found = handlers.find(name);
  if (found == handlers.end() || !found->second) return false;
  // A copy: the handler may replace the table while it runs.
  const Handler run = found->second;
  run(argument);
  return true;
}

}  // namespace velmora::platform
