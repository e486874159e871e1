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

class Ui {
 public:
  virtual ~Ui() = default;

  // Modal, owned by the application; returns when the user answered OK.
  virtual void MessageBox(const std::string& text, const std::string& caption, Icon icon) = 0;

  // One round of the message queue: pending input, paints, timers and
  // browser events are dispatched, then it returns.
  virtual void ProcessMessages() = 0;

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
  // Position of a progress bar ("CzekajForm.LMDProgressFill1").
  virtual void SetProgress(const std::string& control, int position) {
    (void)control;
    (void)position;
  }
};

}  // namespace velmora::platform
