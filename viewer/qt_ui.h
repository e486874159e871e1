#pragma once
// Window-system services on Qt Widgets. Controls and windows are found by
// the names the core uses; the composition root registers them.

#include <QButtonGroup>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <string>

#include "platform/ui.h"

namespace velmora::qt {
class ContentsTreeView;
}

namespace velmora::platform::qt {

class QtUi : public Ui {
 public:
  void RegisterControl(const std::string& name, QWidget* control);
  void RegisterWindow(const std::string& name, QWidget* window);
  // A contents tree: a control whose nodes the program selects and expands.
  void RegisterTree(const std::string& name, velmora::qt::ContentsTreeView* tree);
  // A group of sticky toggle buttons, for SetAllowAllUp.
  void RegisterGroup(const std::string& name, QButtonGroup* group);
  // Message boxes are written to the error output and answered at once.
  void SetUnattended(bool unattended) { unattended_ = unattended; }

  void MessageBox(const std::string& text, const std::string& caption, Icon icon) override;
  // "velmora: " + the line on the error output.
  void Log(const std::string& line) override;
  void ProcessMessages() override;
  void WaitForMessages(int maxMilliseconds) override;
  Cursor GetCursor() override;
  void SetCursor(Cursor cursor) override;
  void SetVisible(const std::string& control, bool visible) override;
  void SetEnabled(const std::string& control, bool enabled) override;
  void SetText(const std::string& control, const std::string& text) override;
  std::string GetText(const std::string& control) override;
  void ShowWindow(const std::string& window) override;
  void HideWindow(const std::string& window) override;
  void MaximizeWindow(const std::string& window) override;
  void SetWindowLeft(const std::string& window, int left) override;
  void ShowModal(const std::string& window) override;
  void Terminate() override;
  void SetColor(const std::string& control, std::uint32_t rgb) override;
  void MinimizeApplication() override;
  void CloseWindow(const std::string& window) override;
  // The placement is kept: it is applied again whenever the parent resizes.
  void PlaceInParent(const std::string& control, int left, int top, int extraWidth,
                     int extraHeight) override;
  void SetPressed(const std::string& control, bool pressed) override;
  // Allowing all up makes the group non-exclusive.
  void SetAllowAllUp(const std::string& group, bool allow) override;
  int ControlLeft(const std::string& control) override;
  int ControlTop(const std::string& control) override;
  void SetCursorPosition(int x, int y) override;
  // Values outside the bar's range are not taken.
  void SetProgress(const std::string& control, int position) override;
  void SetHint(const std::string& control, const std::string& hint) override;
  void SetRange(const std::string& control, int minimum, int maximum) override;
  void SetPosition(const std::string& control, int position) override;
  void SetTickFrequency(const std::string& control, int frequency) override;
  void SetChecked(const std::string& control, bool checked) override;
  void MoveControl(const std::string& control, int left, int top) override;
  void Freeze(int milliseconds) override;
  void SelectTreeNode(const std::string& control, int index) override;
  void ExpandTreeNode(const std::string& control, int index) override;
  Bounds GetBounds(const std::string& controlOrWindow) override;
  void SetWindowBounds(const std::string& window, int left, int top, int width,
                       int height) override;
  void SetCaption(const std::string& window, const std::string& caption) override;
  Bounds ScreenSize() override;
  ScreenPoint CursorPosition() override;

  bool terminated() const { return terminated_; }

 private:
  // A control, or a window when no control has the name; null when neither.
  QWidget* Find(const std::string& name) const;
  QWidget* FindWindow(const std::string& name) const;
  bool Named(const QWidget* widget) const;
  // Where a control stands within its parent as the form lays it out.
  QPoint PlaceInFormParent(const QWidget& control) const;

  std::map<std::string, QPointer<QWidget>> controls_;
  std::map<std::string, QPointer<QWidget>> windows_;
  std::map<std::string, QPointer<QButtonGroup>> groups_;
  bool hourglass_ = false;
  std::map<std::string, QPointer<velmora::qt::ContentsTreeView>> trees_;
  bool terminated_ = false;
  bool unattended_ = false;
};

}  // namespace velmora::platform::qt
