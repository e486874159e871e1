#pragma once
// The two logo pictures of the main window (Image1, Image2), drawn rather
// than loaded so that they stay crisp on any screen. A mouse press reports
// whether Ctrl was held.

#include <QWidget>
#include <functional>

class QIcon;

namespace velmora::platform::qt {

class LogoImage : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Leaf, Publisher };
  LogoImage(Kind kind, QWidget* parent);

  std::function<void(bool ctrlHeld)> onMouseDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Kind kind_;
};

// The close button's picture: a cross.
QIcon CloseIcon();

}  // namespace velmora::platform::qt
