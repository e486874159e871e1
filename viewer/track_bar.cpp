#include "viewer/track_bar.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionSlider>

namespace velmora::platform::qt {

TrackBar::TrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setFocusPolicy(Qt::NoFocus);
  setTickPosition(QSlider::NoTicks);
}

int TrackBar::ValueAt(const QPoint& point) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const QRect handle =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  const int span = groove.width() - handle.width();
  const int x = point.x() - groove.x() - handle.width() / 2;
  return QStyle::sliderValueFromPosition(minimum(), maximum(), x, span, option.upsideDown);
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  setValue(ValueAt(event->position().toPoint()));
  emit pressed(value());
}

void TrackBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) setValue(ValueAt(event->position().toPoint()));
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  dragging_ = false;
  const bool over = rect().contains(event->position().toPoint());
  if (over) setValue(ValueAt(event->position().toPoint()));
  emit released(value(), over);
}

ResizePanel::ResizePanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
}

void ResizePanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized(event->size());
}

QString MediaBarStyle() {
  return QStringLiteral(
      "QPushButton { color: #00ff00; background: #000000; border: 1px solid #1c3a1c;"
      " font: bold 14px; min-width: 32px; min-height: 30px; }"
      "QPushButton:hover { border-color: #00ff00; }"
      "QPushButton:disabled { color: #2e6b2e; }"
      "QCheckBox { color: #00ff00; background: #000000; }"
      "QCheckBox::indicator { width: 11px; height: 11px; border: 1px solid #00ff00; }"
      "QCheckBox::indicator:checked { background: #00ff00; }"
      "QSpinBox { color: #00ff00; background: #101010; border: 1px solid #1c3a1c; }");
}

}  // namespace velmora::platform::qt
