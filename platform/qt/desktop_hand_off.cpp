#include "platform/qt/desktop_hand_off.h"

#include <QDesktopServices>

namespace velmora::platform::qt {
namespace {

std::function<void(const QUrl&)>& Receiver() {
  static std::function<void(const QUrl&)> receiver;
  return receiver;
}

}  // namespace

void HandOffToDesktop(const QUrl& url) {
  if (const auto& receiver = Receiver()) {
    receiver(url);
    return;
  }
  QDesktopServices::openUrl(url);
}

void ReceiveHandOffsWith(std::function<void(const QUrl&)> receiver) {
  Receiver() = std::move(receiver);
}

}  // namespace velmora::platform::qt
