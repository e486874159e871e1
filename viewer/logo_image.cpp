#include "viewer/logo_image.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmora::platform::qt {

LogoImage::LogoImage(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setFixedSize(32, 32);
}

void LogoImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (kind_ == Kind::Leaf) {
    painter.setPen(QPen(QColor(40, 70, 35), 1.5));
    painter.setBrush(QColor(68, 105, 59));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QPainterPath leaf;
    leaf.moveTo(9, 24);
    leaf.cubicTo(8, 14, 14, 7, 24, 7);
    leaf.cubicTo(25, 17, 19, 24, 9, 24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(207, 227, 176));
    painter.drawPath(leaf);
    painter.setPen(QPen(QColor(68, 105, 59), 1.2));
    painter.drawLine(QPointF(9, 24), QPointF(20, 12));
  } else {
    painter.setPen(QPen(QColor(90, 70, 40), 1.5));
    painter.setBrush(QColor(243, 238, 218));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    QPainterPath mark;
    mark.moveTo(7, 8);
    mark.lineTo(16, 25);
    mark.lineTo(25, 8);
    painter.setPen(QPen(QColor(125, 62, 32), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
  }
}

void LogoImage::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) onMouseDown(event->modifiers() & Qt::ControlModifier);
  event->accept();
}

QIcon CloseIcon() {
  QIcon icon;
  for (int scale : {1, 2, 3}) {
    QPixmap pixmap(12 * scale, 12 * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 20, 10), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.5, 2.5), QPointF(9.5, 9.5));
    painter.drawLine(QPointF(9.5, 2.5), QPointF(2.5, 9.5));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace velmora::platform::qt
