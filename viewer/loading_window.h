#pragma once
// The loading notice (instance "LoadingForm"): a frameless 288 x 41 window,
// centred on the screen, with one centred line of text. It takes no input.

#include <QWidget>

class QLabel;

namespace velmora::platform::qt {

class LoadingWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LoadingWindow(QWidget* parent = nullptr);

  QLabel* Panel1() const { return panel1_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* panel1_;
};

// Moves a window to the middle of its screen.
void CentreOnScreen(QWidget& window);
// "#RRGGBB" of a 0xRRGGBB colour.
QString ColourName(unsigned rgb);

}  // namespace velmora::platform::qt
