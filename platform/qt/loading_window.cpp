#include "platform/qt/loading_window.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/codepage.h"
#include "platform/qt/win1250_text.h"
#include "windows/notice_texts.h"

namespace velmora::platform::qt {

namespace notice = velmora::windows::notice;

QString ColourName(unsigned rgb) {
  return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

LoadingWindow::LoadingWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), panel1_(new QLabel(this)) {
  setObjectName(QStringLiteral("LoadingForm"));
  setWindowTitle(FromWin1250(notice::kLoadingCaption));
  setAccessibleName(FromWin1250(notice::kLoadingName));
  setFixedSize(notice::kLoadingWidth, notice::kLoadingHeight);
  setAttribute(Qt::WA_ShowWithoutActivating);

  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel1_->setText(FromWin1250(notice::kLoadingText));
  panel1_->setAlignment(Qt::AlignCenter);
  QFont font = panel1_->font();
  font.setPixelSize(notice::kFontPixels);
  panel1_->setFont(font);
  panel1_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }")
                             .arg(ColourName(notice::kPanelColor), ColourName(notice::kTextColor)));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel1_);
}

void LoadingWindow::showEvent(QShowEvent* event) {
  CentreOnScreen(*this);
  QWidget::showEvent(event);
}

}  // namespace velmora::platform::qt
