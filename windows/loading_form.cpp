#include "windows/loading_form.h"

namespace velmora::windows {

void TLoadingForm::Show() {
  ui_.ShowWindow(kWindow);
  visible_ = true;
}

void TLoadingForm::Close() {
  ui_.HideWindow(kWindow);
  visible_ = false;
}

}  // namespace velmora::windows
