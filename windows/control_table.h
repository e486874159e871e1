#pragma once
// A window's controls written down once, as constexpr data: the core
// registers its handlers from the table, the Qt windows build their widgets
// from it and the recording platform takes its layout from it. Code names a
// control or a handler through the consteval lookups below, so a name the
// table does not hold fails the build instead of being ignored at run time.
//
// A window's description is a type with
//   static constexpr std::string_view kName;     the window's instance name
//                                                (none for a form with several)
//   static constexpr std::array<Control, N> kControls;
//   static constexpr std::array<std::string_view, M> kEvents;
// where kEvents are the handlers no control's own action raises (the form's
// show, close and resize, a browser's events, timers' ticks).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/handlers.h"

namespace velmora::windows {

enum class ControlKind {
  Window,
  Panel,
  Browser,
  Button,
  TopicButton,       // a pressed-state button of the exclusive topic group
  DiagnosticButton,  // never shown in normal use
  Edit,
  Memo,
  Label,
  Image,
  Tree,
  TrackBar,
  SpinEdit,
  CheckBox,
  MediaPlayer,
  Timer,
};

// The control's place within its parent with its window maximised on a
// 1280 x 800 screen. A control whose place the layout finds by its caption
// or by its neighbours gives only its size (fixed, or the least for buttons
// fitted to their caption) and no place: left and top are kNoPlace.
struct Geometry {
  static constexpr int kNoPlace = -1;
  int left = kNoPlace;
  int top = kNoPlace;
  int width = 0;
  int height = 0;
  constexpr bool Placed() const { return left != kNoPlace && top != kNoPlace; }
};

constexpr Geometry Size(int width, int height) {
  return {Geometry::kNoPlace, Geometry::kNoPlace, width, height};
}

struct Control {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;   // empty: on the window itself
  std::string_view caption;  // Windows-1250
  std::string_view handler;  // what the control's own action raises; empty: nothing
  Geometry geometry;
};

// A control or handler of the window Window, checked against its table.
template <typename Window>
struct ControlId {
  std::size_t index;
  constexpr bool operator==(const ControlId&) const = default;
};
template <typename Window>
struct HandlerId {
  std::string_view name;
};

// Thrown only while a constant is evaluated: the build stops there.
struct NotInTheTable {};

template <typename Window>
consteval ControlId<Window> FindControl(std::string_view name) {
  for (std::size_t i = 0; i < Window::kControls.size(); ++i) {
    if (Window::kControls[i].name == name) return ControlId<Window>{i};
  }
  throw NotInTheTable{};  // no control of this name in the window's table
}

template <typename Window>
consteval HandlerId<Window> FindHandler(std::string_view name) {
  for (const Control& control : Window::kControls) {
    if (!name.empty() && control.handler == name) return HandlerId<Window>{name};
  }
  for (std::string_view event : Window::kEvents) {
    if (event == name) return HandlerId<Window>{name};
  }
  throw NotInTheTable{};  // no handler of this name in the window's table
}

template <typename Window>
constexpr const Control& Describe(ControlId<Window> id) {
  return Window::kControls[id.index];
}

// The name as the platform interfaces take it.
template <typename Window>
std::string Name(ControlId<Window> id) {
  return std::string(Describe(id).name);
}
template <typename Window>
std::string Name(HandlerId<Window> id) {
  return std::string(id.name);
}

// A function that puts a handler of the window in the table under its name:
//   auto on = Registrar<Description>(handlers);
//   on(Handler("FormShow"), [this](const std::string&) { FormShow(); });
template <typename Window>
auto Registrar(platform::HandlerTable& handlers) {
  return [&handlers](HandlerId<Window> handler, platform::Handler run) {
    handlers[Name(handler)] = std::move(run);
  };
}

// Names unique, every parent a panel or the window of the same table: what
// the Qt window and the recording layout rely on.
template <typename Window>
consteval bool WellFormed() {
  const auto& controls = Window::kControls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    bool parentFound = controls[i].parent.empty();
    for (std::size_t j = 0; j < controls.size(); ++j) {
      if (j != i && controls[j].name == controls[i].name) return false;
      if (controls[j].name == controls[i].parent &&
          (controls[j].kind == ControlKind::Panel || controls[j].kind == ControlKind::Window)) {
        parentFound = true;
      }
    }
    if (!parentFound) return false;
  }
  return true;
}

}  // namespace velmora::windows
