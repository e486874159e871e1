#pragma once
// Window-system calls recorded into the trace. Message boxes are answered
// with OK at once; a modal window runs the script until its close arrives.

#include <functional>
#include <map>
#include <string>

#include "app/main_form_controls.h"
#include "platform/ui.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingUi : public platform::Ui {
 public:
  explicit RecordingUi(Trace& trace) : trace_(trace) {}

  void MessageBox(const std::string& text, const std::string& caption,
                  platform::Icon icon) override;
  void Log(const std::string& line) override;
  void ProcessMessages() override;
  platform::Cursor GetCursor() override { return cursor_; }
  void SetCursor(platform::Cursor cursor) override;
  void SetVisible(const std::string& control, bool visible) override;
  void SetEnabled(const std::string& control, bool enabled) override;
  void SetText(const std::string& control, const std::string& text) override;
  std::string GetText(const std::string& control) override;
  void SelectTreeNode(const std::string& control, int index) override;
  void ExpandTreeNode(const std::string& control, int index) override;
  void ShowWindow(const std::string& window) override;
  void HideWindow(const std::string& window) override;
  void MaximizeWindow(const std::string& window) override;
  void SetWindowLeft(const std::string& window, int left) override;
  void ShowModal(const std::string& window) override;
  void Terminate() override;
  void SetColor(const std::string& control, std::uint32_t rgb) override;
  void SetProgress(const std::string& control, int position) override;
  void MinimizeApplication() override;
  void CloseWindow(const std::string& window) override;
  void PlaceInParent(const std::string& control, int left, int top, int extraWidth,
                     int extraHeight) override;
  void SetPressed(const std::string& control, bool pressed) override;
  void SetAllowAllUp(const std::string& group, bool allow) override;
  // A fixed screen of 1280 x 800 with the main window maximised on it; the
  // main window's controls have the places of its description
  // (app/main_form_controls.h).
  // Windows keep the bounds the program gave them.
  platform::Bounds GetBounds(const std::string& controlOrWindow) override;
  void SetWindowBounds(const std::string& window, int left, int top, int width,
                       int height) override;
  // A control's place within its parent, from the same layout.
  int ControlLeft(const std::string& control) override;
  int ControlTop(const std::string& control) override;
  void SetCaption(const std::string& window, const std::string& caption) override;
  platform::Bounds ScreenSize() override { return {0, 0, kScreenWidth, kScreenHeight}; }
  // Where "set Mouse X Y" or SetCursorPosition put the cursor; (0, 0) before.
  platform::ScreenPoint CursorPosition() override;

  static constexpr int kScreenWidth = app::main_form::layout::kScreenWidth;
  static constexpr int kScreenHeight = app::main_form::layout::kScreenHeight;
  void SetCursorPosition(int x, int y) override;
  void SetHint(const std::string& control, const std::string& hint) override;
  void SetRange(const std::string& control, int minimum, int maximum) override;
  void SetPosition(const std::string& control, int position) override;
  void SetTickFrequency(const std::string& control, int frequency) override;
  void SetChecked(const std::string& control, bool checked) override;
  void MoveControl(const std::string& control, int left, int top) override;
  void Freeze(int milliseconds) override;

  // The user typing into a control: changes its text without a trace line.
  void TypeText(const std::string& control, const std::string& text) { texts_[control] = text; }

  // Set by the replay driver: one round of pending work (browser loads).
  std::function<void()> onPump;
  // Set by the replay driver: the window's close event (the main window's
  // runs the shut-down).
  std::function<void(const std::string& window)> onClose;
  // Set by the replay driver: runs script lines until the window is closed.
  std::function<void(const std::string& window)> onModal;

  bool terminated() const { return terminated_; }

 private:
  Trace& trace_;
  platform::Cursor cursor_ = platform::Cursor::Default;
  std::map<std::string, std::string> texts_;
  std::map<std::string, platform::Bounds> bounds_;
  bool terminated_ = false;
};

}  // namespace velmora::recording
