#include "platform/qt/desktop_hand_off.h"

#include <QDesktopServices>

#include "platform/qt/desktop_broker.h"

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
  // From the broker outside the viewer's network namespace, where the
  // desktop's programs can reach the network; in-process only without one.
  if (DesktopBroker::Open(url.toEncoded().toStdString())) return;
  QDesktopServices::openUrl(url);
}

void ReceiveHandOffsWith(std::function<void(const QUrl&)> receiver) {
  Receiver() = std::move(receiver);
}

}  // namespace velmora::platform::qt
