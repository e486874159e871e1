#pragma once
// The balloon window's controls, described once for the core and the Qt
// window (see windows/control_table.h). The form lives in two instances,
// platform::names::kDictionaryBalloon and kLocationBalloon; the platform
// knows a control by its instance's qualified name,
// "DictionaryBalloon.Label1".

#include <string>
#include <string_view>

#include "windows/control_table.h"

namespace velmora::windows {

// Height of the title strip Panel1; the browser fills the rest.
inline constexpr int kTitleStripHeight = 25;

namespace chmurka_form {

struct Description {
  static constexpr auto kControls = [] {
    using K = ControlKind;
    constexpr Geometry kLaidOut;
    return std::to_array<Control>({
        // The title strip drags the window.
        {"Panel1", K::Panel, "", "", "Panel1MouseDown", Size(0, kTitleStripHeight)},
        {"Label1", K::Label, "Panel1", "", "", kLaidOut},
        {"LMDSpeedButton30", K::Button, "Panel1", "", "LMDSpeedButton30Click",
         Size(kTitleStripHeight - 2, kTitleStripHeight - 2)},
        {"CppWebBrowser", K::Browser, "", "", "", kLaidOut},
        // The page buffer the balloon's pages are made in; never shown.
        {"RichEdit", K::Memo, "", "", "", kLaidOut},
    });
  }();

  static constexpr auto kEvents =
      std::to_array<std::string_view>({"Panel1MouseMove", "FormClose", "FormResize"});
};

static_assert(WellFormed<Description>());

using ControlId = windows::ControlId<Description>;
using HandlerId = windows::HandlerId<Description>;

consteval ControlId Control(std::string_view name) { return FindControl<Description>(name); }
consteval HandlerId Handler(std::string_view name) { return FindHandler<Description>(name); }

// "<instance>.<name>", the name the platform knows the control by.
inline std::string Qualified(const std::string& instance, ControlId id) {
  return instance + "." + Name(id);
}

}  // namespace chmurka_form
}  // namespace velmora::windows
