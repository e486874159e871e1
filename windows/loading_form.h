#pragma once
// The loading notice shown while the main window is being built. It takes no
// input; the main window's constructor shows it and closes (hides) it.

#include "platform/ui.h"

namespace velmora::windows {

class TLoadingForm {
 public:
  static constexpr const char* kWindow = "LoadingForm";

  explicit TLoadingForm(platform::Ui& ui) : ui_(ui) {}

  void Show();
  // Hides it; the window itself lives on until the program ends.
  void Close();
  bool Visible() const { return visible_; }

 private:
  platform::Ui& ui_;
  bool visible_ = false;
};

}  // namespace velmora::windows
