#pragma once
// Window-system services the core needs: message boxes, cursor, named
// controls of the program's windows, window state and event pumping.
//
// Controls are named as in the program's form descriptions ("Panel6",
// "Szukaj", "LMDSpeedButton28"); a control of a window other than the main
// window carries its window instance as prefix ("SlideForm.Panel1").

#include <cstdint>
#include <string>

namespace velmora::platform {

enum class Icon { Stop, Information, Warning };
enum class Cursor { Default, Hourglass };

// A window's place on the screen, or a control's within its parent.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // Modal, owned by the application; returns when the user answered OK.
  virtual void MessageBox(const std::string& text, const std::string& caption, Icon icon) = 0;
  // One line for the program's log (the error output), not for the user's
  // eyes.
  virtual void Log(const std::string& line) { (void)line; }

  // One round of the message queue: pending input, paints, timers and
  // browser events are dispatched, then it returns.
  virtual void ProcessMessages() = 0;
  // Like ProcessMessages, but when nothing is pending it waits up to the
  // given time for something to arrive instead of returning at once: a
  // pause handling messages then leaves the processor to the others.
  virtual void WaitForMessages(int maxMilliseconds) {
    (void)maxMilliseconds;
    ProcessMessages();
  }

  virtual Cursor GetCursor() = 0;
  virtual void SetCursor(Cursor cursor) = 0;

  virtual void SetVisible(const std::string& control, bool visible) = 0;
  virtual void SetEnabled(const std::string& control, bool enabled) = 0;
  virtual void SetText(const std::string& control, const std::string& text) = 0;
  virtual std::string GetText(const std::string& control) = 0;

  // Tree views ("TreeViewCD"): nodes by absolute index, their position in a
  // depth-first walk counting from 0. In a window, selecting raises the
  // tree's change event as a click does; expanding shows the children.
  virtual void SelectTreeNode(const std::string& /*control*/, int /*index*/) {}
  virtual void ExpandTreeNode(const std::string& /*control*/, int /*index*/) {}

  // Windows by instance name ("MainForm", "LoadingForm", "SlideForm", ...).
  virtual void ShowWindow(const std::string& window) = 0;
  virtual void HideWindow(const std::string& window) = 0;
  virtual void MaximizeWindow(const std::string& window) = 0;
  virtual void SetWindowLeft(const std::string& window, int left) = 0;
  // Runs a nested event loop until the window is closed.
  virtual void ShowModal(const std::string& window) = 0;

  // Asks the application to end once the current handler returns.
  virtual void Terminate() = 0;

  // Background colour of a window or control, as 0xRRGGBB.
  virtual void SetColor(const std::string& control, std::uint32_t rgb) {
    (void)control;
    (void)rgb;
  }
  // Minimises the application to the task bar.
  virtual void MinimizeApplication() {}
  // Closes a window as the user would: its close event runs first.
  virtual void CloseWindow(const std::string& window) { (void)window; }
  // Lays a control over its parent's client area, moved by (left, top) and
  // made wider and taller by the extras.
  virtual void PlaceInParent(const std::string& control, int left, int top, int extraWidth,
                             int extraHeight) {
    (void)control;
    (void)left;
    (void)top;
    (void)extraWidth;
    (void)extraHeight;
  }
  // Pressed state of a speed button, and whether all buttons of its group
  // may be up at once.
  virtual void SetPressed(const std::string& control, bool pressed) {
    (void)control;
    (void)pressed;
  }
  virtual void SetAllowAllUp(const std::string& group, bool allow) {
    (void)group;
    (void)allow;
  }
  // Geometry: a window's bounds on the screen, a control's within its
  // parent (as the form description places it).
  virtual Bounds GetBounds(const std::string& controlOrWindow) {
    (void)controlOrWindow;
    return {};
  }
  virtual void SetWindowBounds(const std::string& window, int left, int top, int width,
                               int height) {
    (void)window;
    (void)left;
    (void)top;
    (void)width;
    (void)height;
  }
  // The window's own title text, where the system lists windows.
  virtual void SetCaption(const std::string& window, const std::string& caption) {
    (void)window;
    (void)caption;
  }
  virtual Bounds ScreenSize() { return {}; }
  virtual ScreenPoint CursorPosition() { return {}; }
  // Geometry of a control relative to its parent, and moving the mouse
  // pointer to a screen point.
  virtual int ControlLeft(const std::string& control) {
    (void)control;
    return 0;
  }
  virtual int ControlTop(const std::string& control) {
    (void)control;
    return 0;
  }
  virtual void SetCursorPosition(int x, int y) {
    (void)x;
    (void)y;
  }
  // Position of a progress bar ("CzekajForm.LMDProgressFill1").
  virtual void SetProgress(const std::string& control, int position) {
    (void)control;
    (void)position;
  }
  // Tool-tip of a control.
  virtual void SetHint(const std::string& control, const std::string& hint) {
    (void)control;
    (void)hint;
  }
  // Track bars and spin edits: range, position and (track bars) the spacing
  // of the tick marks, 0 for none.
  virtual void SetRange(const std::string& control, int minimum, int maximum) {
    (void)control;
    (void)minimum;
    (void)maximum;
  }
  virtual void SetPosition(const std::string& control, int position) {
    (void)control;
    (void)position;
  }
  virtual void SetTickFrequency(const std::string& control, int frequency) {
    (void)control;
    (void)frequency;
  }
  virtual void SetChecked(const std::string& control, bool checked) {
    (void)control;
    (void)checked;
  }
  // Moves a control to (left, top) within its parent, keeping its size.
  virtual void MoveControl(const std::string& control, int left, int top) {
    (void)control;
    (void)left;
    (void)top;
  }
  // Blocks the user-interface thread: nothing is handled meanwhile.
  virtual void Freeze(int milliseconds) { (void)milliseconds; }
};

}  // namespace velmora::platform
