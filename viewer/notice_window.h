#pragma once
// The frame the loading and wait notices share: a frameless window of a
// fixed size that shows without taking the focus, centred on its screen
// each time it is shown, with its one panel of notice text filling it.

#include <QWidget>

class QLabel;

namespace velmora::platform::qt {

class NoticeWindow : public QWidget {
  Q_OBJECT

 protected:
  NoticeWindow(const char* instance, const char* caption, int width, int height,
               Qt::WindowFlags extraFlags, QWidget* parent);

  // Lays the panel over the whole window.
  void Fill(QWidget* panel);
  // A label in the notices' font, with the given object name and text.
  static QLabel* MakeText(QWidget* parent, const char* name, const char* text,
                          Qt::Alignment alignment);

  void showEvent(QShowEvent* event) override;
  // What a notice resets before it appears again.
  virtual void Reset() {}
};

// Moves a window to the middle of its screen.
void CentreOnScreen(QWidget& window);
// "#RRGGBB" of a 0xRRGGBB colour.
QString ColourName(unsigned rgb);

}  // namespace velmora::platform::qt
