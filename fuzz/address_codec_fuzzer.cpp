// The browser layer's address decoding: arbitrary URL text in one of the
// page charsets turned into a core address and back into an engine URL.
#include <QByteArray>
#include <QUrl>
#include <cstddef>
#include <cstdint>

#include "viewer/address_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const QByteArray kCharsets[] = {"", "ISO-8859-2", "UTF-8", "windows-1250"};
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const QUrl url = QUrl::fromEncoded(bytes);
  const std::string address = velmora::platform::qt::ToCoreAddress(url, kCharsets[data[0] % 4]);
  velmora::platform::qt::NavigationKey(url);
  velmora::platform::qt::ToEngineUrl(address);
  velmora::platform::qt::ToEngineUrl(bytes.toStdString());
  return 0;
}
