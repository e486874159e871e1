#include "viewer/notice_window.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "viewer/win1250_text.h"
#include "windows/notice_texts.h"

namespace velmora::platform::qt {

QString ColourName(unsigned rgb) {
  return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

NoticeWindow::NoticeWindow(const char* instance, const char* caption, int width, int height,
                           Qt::WindowFlags extraFlags, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | extraFlags) {
  setObjectName(QString::fromLatin1(instance));
  setWindowTitle(FromWin1250(caption));
  setFixedSize(width, height);
  setAttribute(Qt::WA_ShowWithoutActivating);
}

void NoticeWindow::Fill(QWidget* panel) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
}

QLabel* NoticeWindow::MakeText(QWidget* parent, const char* name, const char* text,
                               Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setText(FromWin1250(text));
  label->setAlignment(alignment);
  QFont font = label->font();
  font.setPixelSize(windows::notice::kFontPixels);
  label->setFont(font);
  return label;
}

void NoticeWindow::showEvent(QShowEvent* event) {
  Reset();
  CentreOnScreen(*this);
  QWidget::showEvent(event);
}

}  // namespace velmora::platform::qt
