#pragma once
// A horizontal track bar that jumps to where it is pressed and reports the
// press, and the release together with whether it happened over the bar.
// The program sets its range and position; the user's moves are reported,
// never the program's own.

#include <QSlider>

namespace velmora::platform::qt {

class TrackBar : public QSlider {
  Q_OBJECT
 public:
  explicit TrackBar(QWidget* parent = nullptr);

 signals:
  void pressed(int position);
  void released(int position, bool overTheBar);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int ValueAt(const QPoint& point) const;
  bool dragging_ = false;
};

// A black panel that reports its resizes, for the windows' own layouts.
class ResizePanel : public QWidget {
  Q_OBJECT
 public:
  explicit ResizePanel(QWidget* parent = nullptr);

 signals:
  void resized(QSize size);

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

// The style of the flat buttons and switches: lime-green captions on black.
QString MediaBarStyle();

}  // namespace velmora::platform::qt
