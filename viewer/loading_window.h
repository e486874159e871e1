#pragma once
// The loading notice (instance "LoadingForm"): a 288 x 41 notice window with
// one centred line of text. It takes no input.

#include "viewer/notice_window.h"

class QLabel;

namespace velmora::platform::qt {

class LoadingWindow : public NoticeWindow {
  Q_OBJECT

 public:
  explicit LoadingWindow(QWidget* parent = nullptr);

  QLabel* Panel1() const { return panel1_; }

 private:
  QLabel* panel1_;
};

}  // namespace velmora::platform::qt
