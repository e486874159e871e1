#pragma once
// The wait notice of the search (instance "CzekajForm"): an always-on-top
// 290 x 67 notice window with a line of text and the progress bar
// "LMDProgressFill1" (0 to 162), which starts at 0 every time it is shown.

#include "viewer/notice_window.h"

class QLabel;
class QProgressBar;

namespace velmora::platform::qt {

class WaitWindow : public NoticeWindow {
  Q_OBJECT

 public:
  explicit WaitWindow(QWidget* parent = nullptr);

  // What Ui::SetProgress("CzekajForm.LMDProgressFill1", n) lands on; values
  // outside 0..162 are not taken.
  void SetPosition(int position);
  int Position() const;

  QLabel* Label1() const { return label1_; }
  QProgressBar* LMDProgressFill1() const { return progress_; }

 protected:
  void Reset() override;

 private:
  QWidget* panel1_;
  QLabel* label1_;
  QProgressBar* progress_;
};

}  // namespace velmora::platform::qt
