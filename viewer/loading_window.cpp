#include "viewer/loading_window.h"

#include <QLabel>

#include "viewer/win1250_text.h"
#include "windows/notice_texts.h"

namespace velmora::platform::qt {

namespace notice = velmora::windows::notice;

LoadingWindow::LoadingWindow(QWidget* parent)
    : NoticeWindow("LoadingForm", notice::kLoadingCaption, notice::kLoadingWidth,
                   notice::kLoadingHeight, {}, parent),
      panel1_(MakeText(this, "Panel1", notice::kLoadingText, Qt::AlignCenter)) {
  setAccessibleName(FromWin1250(notice::kLoadingName));
  panel1_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }")
                             .arg(ColourName(notice::kPanelColor), ColourName(notice::kTextColor)));
  Fill(panel1_);
}

}  // namespace velmora::platform::qt
