#include "windows/czekaj_form.h"

namespace velmora::windows {

void TCzekajForm::Show() {
  ui_.ShowWindow(kWindow);
  visible_ = true;
  FormShow();
}

void TCzekajForm::Hide() {
  ui_.HideWindow(kWindow);
  visible_ = false;
}

void TCzekajForm::FormShow() {
  position_ = 0;
  ui_.SetProgress(kProgressBar, position_);
}

void TCzekajForm::Advance() { SetPosition(position_ + 1); }

void TCzekajForm::SetPosition(int position) {
  if (position < 0 || position > kMaximum) return;
  position_ = position;
  ui_.SetProgress(kProgressBar, position_);
}

}  // namespace velmora::windows
