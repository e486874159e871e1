#pragma once
// The film window's controls, described once for the core and the Qt window
// (see windows/control_table.h). The platform knows them by their qualified
// names, "MovieForm.LMDTrackBarFilmow".

#include <string>
#include <string_view>

#include "platform/handlers.h"
#include "windows/control_table.h"
#include "windows/media_texts.h"

namespace velmora::windows::movie_form {

struct Description {
  static constexpr std::string_view kName = platform::names::kMovieForm;

  static constexpr auto kControls = [] {
    using K = ControlKind;
    namespace texts = media_texts;
    constexpr Geometry kLaidOut;
    return std::to_array<Control>({
        {kName, K::Window, "", texts::kMovieWindowCaption, "", kLaidOut},
        // The black picture area with the display in its middle.
        {"Panel2", K::Panel, "", "", "Panel2Resize", kLaidOut},
        {"Panel3", K::Panel, "Panel2", "", "", Size(texts::kDisplayWidth, texts::kDisplayHeight)},
        // The control bar, left to right.
        {"Panel1", K::Panel, "", "", "", Size(0, texts::kControlBarHeight)},
        {"LMDMMButton4", K::Button, "Panel1", texts::kMoviePlayCaption, "LMDMMButton4Click",
         kLaidOut},
        {"LMDMMButton2", K::Button, "Panel1", texts::kMoviePauseCaption, "LMDMMButton2Click",
         kLaidOut},
        {"LMDMMButton3", K::Button, "Panel1", texts::kMovieStopCaption, "LMDMMButton3Click",
         kLaidOut},
        {"LMDMMButton1", K::Button, "Panel1", texts::kMovieBackCaption, "LMDMMButton1Click",
         kLaidOut},
        {"LMDMMButton6", K::Button, "Panel1", texts::kMovieForwardCaption, "LMDMMButton6Click",
         kLaidOut},
        {"LMDTrackBarFilmow", K::TrackBar, "Panel1", "", "LMDTrackBarFilmowClick", kLaidOut},
        {"LMDMMButton5", K::Button, "Panel1", texts::kMovieCloseCaption, "LMDMMButton5Click",
         kLaidOut},
        {"MediaPlayer1", K::MediaPlayer, "", "", "", kLaidOut},
        // The position bar follows the film.
        {"Timer1", K::Timer, "", "", "Timer1Timer", kLaidOut},
    });
  }();

  static constexpr auto kEvents =
      std::to_array<std::string_view>({"FormShow", "FormClose", "FormKeyDown",
                                       "LMDTrackBarFilmowMouseDown", "LMDTrackBarFilmowMouseUp"});
};

static_assert(WellFormed<Description>());

using ControlId = windows::ControlId<Description>;
using HandlerId = windows::HandlerId<Description>;

consteval ControlId Control(std::string_view name) { return FindControl<Description>(name); }
consteval HandlerId Handler(std::string_view name) { return FindHandler<Description>(name); }

// "MovieForm.<name>", the name the platform knows the control by.
inline std::string Qualified(ControlId id) {
  return std::string(Description::kName) + "." + Name(id);
}

}  // namespace velmora::windows::movie_form
