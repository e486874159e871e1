#include "recording/recording_ui.h"

#include <cstdio>
#include <sstream>

#include "app/main_form_controls.h"

namespace velmora::recording {

namespace {

const char* IconName(platform::Icon icon) {
  switch (icon) {
    case platform::Icon::Stop:
      return "error";
    case platform::Icon::Information:
      return "information";
    case platform::Icon::Warning:
      return "warning";
  }
  return "error";
}

// The main window's layout on the recording screen: the places its
// description gives, each control within its parent.
const std::map<std::string, platform::Bounds>& FixedLayout() {
  static const std::map<std::string, platform::Bounds> layout = [] {
    std::map<std::string, platform::Bounds> places;
    for (const windows::Control& control : app::main_form::Description::kControls) {
      const windows::Geometry& place = control.geometry;
      if (!place.Placed()) continue;
      places[std::string(control.name)] = {place.left, place.top, place.width, place.height};
    }
    return places;
  }();
  return layout;
}

}  // namespace

void RecordingUi::MessageBox(const std::string& text, const std::string& caption,
                             platform::Icon icon) {
  trace_.Call("MessageBox", {{"text", text}, {"caption", caption}, {"icon", IconName(icon)}});
}

void RecordingUi::Log(const std::string& line) { trace_.Call("Log", {{"line", line}}); }

void RecordingUi::ProcessMessages() {
  if (onPump) onPump();
}

void RecordingUi::SetCursor(platform::Cursor cursor) {
  cursor_ = cursor;
  trace_.Call("SetCursor",
              {{"cursor", cursor == platform::Cursor::Hourglass ? "hourglass" : "default"}});
}

void RecordingUi::SetVisible(const std::string& control, bool visible) {
  trace_.Call("SetVisible", {{"control", control}, {"value", visible}});
}

void RecordingUi::SetEnabled(const std::string& control, bool enabled) {
  trace_.Call("SetEnabled", {{"control", control}, {"value", enabled}});
}

void RecordingUi::SetText(const std::string& control, const std::string& text) {
  texts_[control] = text;
  trace_.Call("SetText", {{"control", control}, {"value", text}});
}

std::string RecordingUi::GetText(const std::string& control) {
  const auto it = texts_.find(control);
  return it == texts_.end() ? std::string() : it->second;
}

void RecordingUi::SelectTreeNode(const std::string& control, int index) {
  trace_.Call("SelectTreeNode", {{"control", control}, {"index", static_cast<long long>(index)}});
}

void RecordingUi::ExpandTreeNode(const std::string& control, int index) {
  trace_.Call("ExpandTreeNode", {{"control", control}, {"index", static_cast<long long>(index)}});
}

void RecordingUi::ShowWindow(const std::string& window) {
  trace_.Call("ShowWindow", {{"window", window}});
}

void RecordingUi::HideWindow(const std::string& window) {
  trace_.Call("HideWindow", {{"window", window}});
}

void RecordingUi::MaximizeWindow(const std::string& window) {
  trace_.Call("MaximizeWindow", {{"window", window}});
}

void RecordingUi::SetWindowLeft(const std::string& window, int left) {
  trace_.Call("SetWindowLeft", {{"window", window}, {"value", static_cast<long long>(left)}});
}

void RecordingUi::ShowModal(const std::string& window) {
  trace_.Call("ShowModal", {{"window", window}});
  if (onModal) onModal(window);
}

void RecordingUi::Terminate() {
  terminated_ = true;
  trace_.Call("Terminate");
}

void RecordingUi::SetColor(const std::string& control, std::uint32_t rgb) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
  trace_.Call("SetColor", {{"control", control}, {"value", std::string(hex)}});
}

void RecordingUi::SetProgress(const std::string& control, int position) {
  trace_.Call("SetProgress", {{"control", control}, {"value", static_cast<long long>(position)}});
}

void RecordingUi::MinimizeApplication() { trace_.Call("MinimizeApplication"); }

void RecordingUi::CloseWindow(const std::string& window) {
  trace_.Call("CloseWindow", {{"window", window}});
  if (onClose) onClose(window);
}

void RecordingUi::PlaceInParent(const std::string& control, int left, int top, int extraWidth,
                                int extraHeight) {
  trace_.Call("PlaceInParent", {{"control", control},
                                {"left", static_cast<long long>(left)},
                                {"top", static_cast<long long>(top)},
                                {"extraWidth", static_cast<long long>(extraWidth)},
                                {"extraHeight", static_cast<long long>(extraHeight)}});
}

void RecordingUi::SetPressed(const std::string& control, bool pressed) {
  trace_.Call("SetPressed", {{"control", control}, {"value", pressed}});
}

void RecordingUi::SetAllowAllUp(const std::string& group, bool allow) {
  trace_.Call("SetAllowAllUp", {{"group", group}, {"value", allow}});
}

int RecordingUi::ControlLeft(const std::string& control) { return GetBounds(control).left; }

int RecordingUi::ControlTop(const std::string& control) { return GetBounds(control).top; }

platform::Bounds RecordingUi::GetBounds(const std::string& controlOrWindow) {
  if (const auto own = bounds_.find(controlOrWindow); own != bounds_.end()) return own->second;
  const auto fixed = FixedLayout().find(controlOrWindow);
  return fixed == FixedLayout().end() ? platform::Bounds{} : fixed->second;
}

void RecordingUi::SetWindowBounds(const std::string& window, int left, int top, int width,
                                  int height) {
  bounds_[window] = {left, top, width, height};
  trace_.Call("SetWindowBounds", {{"window", window},
                                  {"left", static_cast<long long>(left)},
                                  {"top", static_cast<long long>(top)},
                                  {"width", static_cast<long long>(width)},
                                  {"height", static_cast<long long>(height)}});
}

void RecordingUi::SetCaption(const std::string& window, const std::string& caption) {
  trace_.Call("SetCaption", {{"window", window}, {"value", caption}});
}

platform::ScreenPoint RecordingUi::CursorPosition() {
  platform::ScreenPoint point;
  std::istringstream in(GetText("Mouse"));
  if (!(in >> point.x >> point.y)) return {};
  return point;
}

void RecordingUi::SetCursorPosition(int x, int y) {
  trace_.Call("SetCursorPosition",
              {{"x", static_cast<long long>(x)}, {"y", static_cast<long long>(y)}});
  texts_["Mouse"] = std::to_string(x) + " " + std::to_string(y);
}

void RecordingUi::SetHint(const std::string& control, const std::string& hint) {
  trace_.Call("SetHint", {{"control", control}, {"value", hint}});
}

void RecordingUi::SetRange(const std::string& control, int minimum, int maximum) {
  trace_.Call("SetRange", {{"control", control},
                           {"min", static_cast<long long>(minimum)},
                           {"max", static_cast<long long>(maximum)}});
}

void RecordingUi::SetPosition(const std::string& control, int position) {
  trace_.Call("SetPosition", {{"control", control}, {"value", static_cast<long long>(position)}});
}

void RecordingUi::SetTickFrequency(const std::string& control, int frequency) {
  trace_.Call("SetTickFrequency",
              {{"control", control}, {"value", static_cast<long long>(frequency)}});
}

void RecordingUi::SetChecked(const std::string& control, bool checked) {
  trace_.Call("SetChecked", {{"control", control}, {"value", checked}});
}

void RecordingUi::MoveControl(const std::string& control, int left, int top) {
  trace_.Call("MoveControl", {{"control", control},
                              {"left", static_cast<long long>(left)},
                              {"top", static_cast<long long>(top)}});
}

void RecordingUi::Freeze(int milliseconds) {
  trace_.Call("Freeze", {{"value", static_cast<long long>(milliseconds)}});
}

}  // namespace velmora::recording
