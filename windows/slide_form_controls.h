#pragma once
// The slide-show window's controls, described once for the core, the Qt
// window and the replay (see windows/control_table.h). The platform knows
// them by their qualified names, "SlideForm.LMDMMButton4".

#include <string>
#include <string_view>

#include "platform/handlers.h"
#include "windows/control_table.h"
#include "windows/media_texts.h"

namespace velmora::windows::slide_form {

struct Description {
  static constexpr std::string_view kName = platform::names::kSlideForm;

  static constexpr auto kControls = [] {
    using K = ControlKind;
    namespace texts = media_texts;
    constexpr Geometry kLaidOut;
    return std::to_array<Control>({
        {kName, K::Window, "", "", "", Size(600, 400)},
        // The picture above, the control bar below.
        {"Panel1", K::Panel, "", "", "", kLaidOut},
        {"SlideWebBrowser", K::Browser, "Panel1", "", "", kLaidOut},
        {"Panel5", K::Panel, "", "", "", Size(0, texts::kControlBarHeight)},
        {"LMDMMButton4", K::Button, "Panel5", texts::kSlideStartCaption, "ToolButton1Click",
         kLaidOut},
        {"LMDMMButton2", K::Button, "Panel5", texts::kSlidePauseCaption, "ToolButton2Click",
         kLaidOut},
        {"LMDMMButton3", K::Button, "Panel5", texts::kSlidePreviousCaption, "ToolButton3Click",
         kLaidOut},
        {"LMDMMButton1", K::Button, "Panel5", texts::kSlideNextCaption, "ToolButton4Click",
         kLaidOut},
        {"LMDTrackBarSlajdow", K::TrackBar, "Panel5", "", "LMDTrackBarSlajdowClick", Size(160, 0)},
        {"LMDSpinEditCzasu", K::SpinEdit, "Panel5", "", "LMDSpinEditCzasuChange", kLaidOut},
        {"CheckBox1", K::CheckBox, "Panel5", texts::kSlideRepeatCaption, "CheckBox1Click",
         kLaidOut},
        {"CheckBox2", K::CheckBox, "Panel5", texts::kSlideMusicCaption, "CheckBox2Click", kLaidOut},
        // The description strip, between the switches and "X".
        {"Panel2", K::Panel, "Panel5", "", "", kLaidOut},
        {"OpisWebBrowser", K::Browser, "Panel2", "", "", kLaidOut},
        {"LMDMMButton5", K::Button, "Panel5", texts::kSlideCloseCaption, "LMDMMButton5Click",
         kLaidOut},
        {"MediaPlayer1", K::MediaPlayer, "", "", "", kLaidOut},
        // The automatic advance and the music watcher.
        {"Timer1", K::Timer, "", "", "Timer1Timer", kLaidOut},
        {"Timer2", K::Timer, "", "", "Timer2Timer", kLaidOut},
    });
  }();

  static constexpr auto kEvents =
      std::to_array<std::string_view>({"FormShow", "FormClose", "FormResize", "FormKeyDown"});
};

static_assert(WellFormed<Description>());

using ControlId = windows::ControlId<Description>;
using HandlerId = windows::HandlerId<Description>;

consteval ControlId Control(std::string_view name) { return FindControl<Description>(name); }
consteval HandlerId Handler(std::string_view name) { return FindHandler<Description>(name); }

// "SlideForm.<name>", the name the platform knows the control by.
inline std::string Qualified(ControlId id) {
  return std::string(Description::kName) + "." + Name(id);
}

}  // namespace velmora::windows::slide_form
