#pragma once
// The wait notice of the full-text search, with its progress bar
// LMDProgressFill1 (0 to 162). Shown and hidden by the search; every show
// starts the bar at 0.

#include "platform/ui.h"
#include "windows/notice_texts.h"

namespace velmora::windows {

class TCzekajForm {
 public:
  static constexpr const char* kWindow = "CzekajForm";
  static constexpr const char* kProgressBar = "CzekajForm.LMDProgressFill1";
  static constexpr int kMaximum = notice::kProgressMaximum;

  explicit TCzekajForm(platform::Ui& ui) : ui_(ui) {}

  // Shows the window; its show event resets the bar.
  void Show();
  void Hide();
  void FormShow();

  // Raises the bar by one; a value above the maximum is not taken. The
  // caller lets pending messages run so that the bar repaints.
  void Advance();
  // Values outside 0..maximum are not taken.
  void SetPosition(int position);
  int Position() const { return position_; }
  bool Visible() const { return visible_; }

 private:
  platform::Ui& ui_;
  int position_ = 0;
  bool visible_ = false;
};

}  // namespace velmora::windows
