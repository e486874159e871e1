#include "viewer/wait_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "windows/notice_texts.h"

namespace velmora::platform::qt {

namespace notice = velmora::windows::notice;

WaitWindow::WaitWindow(QWidget* parent)
    : NoticeWindow("CzekajForm", notice::kWaitCaption, notice::kWaitWidth, notice::kWaitHeight,
                   Qt::WindowStaysOnTopHint, parent),
      panel1_(new QWidget(this)),
      label1_(MakeText(panel1_, "Label1", notice::kWaitText, Qt::AlignHCenter | Qt::AlignTop)),
      progress_(new QProgressBar(panel1_)) {
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel1_->setAttribute(Qt::WA_StyledBackground);
  panel1_->setStyleSheet(
      QStringLiteral("#Panel1 { background: %1; }").arg(ColourName(notice::kPanelColor)));

  label1_->setStyleSheet(QStringLiteral("color: %1;").arg(ColourName(notice::kTextColor)));

  // A raised bar filled with a green gradient.
  progress_->setObjectName(QStringLiteral("LMDProgressFill1"));
  progress_->setRange(0, notice::kProgressMaximum);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  progress_->setStyleSheet(
      QStringLiteral("QProgressBar { border: 2px outset #c8bfb4; background: #e8e2da; }"
                     "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                     " stop:0 #9be07a, stop:0.5 #2e9a2e, stop:1 #1c6b1c); }"));

  auto* inner = new QVBoxLayout(panel1_);
  inner->setContentsMargins(8, 8, 8, 10);
  inner->setSpacing(6);
  inner->addWidget(label1_);
  inner->addWidget(progress_);

  Fill(panel1_);
}

void WaitWindow::SetPosition(int position) {
  if (position < 0 || position > notice::kProgressMaximum) return;
  progress_->setValue(position);
}

int WaitWindow::Position() const { return progress_->value(); }

void WaitWindow::Reset() { progress_->setValue(0); }

}  // namespace velmora::platform::qt
