#include "platform/qt/address_codec.h"

#include <QStringDecoder>

#include "platform/codepage.h"
#include "platform/qt/local_file_case.h"
#include "platform/qt/win1250_text.h"

namespace velmora::platform::qt {
namespace {

bool HasNonAscii(const QByteArray& bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

bool IsValidUtf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(bytes);
  return !decoder.hasError();
}

// Percent-decoded bytes of one URL part, as Windows-1250. Bytes that form
// valid UTF-8 with non-ASCII letters are UTF-8 (paths, fragments and queries
// of UTF-8 pages); otherwise they are in the page's charset.
std::string PartToWin1250(const QByteArray& encoded, const QByteArray& pageCharset) {
  const QByteArray bytes = QByteArray::fromPercentEncoding(encoded);
  const std::string raw = bytes.toStdString();
  if (!HasNonAscii(bytes)) return raw;
  if (IsValidUtf8(bytes)) return Utf8ToWin1250(raw);
  const QByteArray charset = pageCharset.toLower();
  if (charset == "windows-1250" || charset == "cp1250") return raw;
  if (charset.isEmpty() || charset == "iso-8859-2" || charset == "latin2") {
    return IsoToWin1250(raw);
  }
  QStringDecoder decoder(charset.constData());
  if (!decoder.isValid()) return IsoToWin1250(raw);
  const QString text = decoder.decode(bytes);
  return Utf8ToWin1250(text.toStdString());
}

}  // namespace

std::string ToCoreAddress(const QUrl& url, const QByteArray& pageCharset) {
  const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
  const QByteArray fragment = url.fragment(QUrl::FullyEncoded).toLatin1();
  std::string address;
  if (url.isLocalFile()) {
    // The native path; on Windows toLocalFile already gives "C:/...".
    address = Utf8ToWin1250(url.toLocalFile().toStdString());
  } else {
    QUrl withoutTail = url;
    withoutTail.setQuery(QString());
    withoutTail.setFragment(QString());
    QByteArray head = withoutTail.toEncoded(QUrl::FullyEncoded);
    // The engine puts "/" after a bare host; a link written "http://db?rp12"
    // must come back without it.
    if (url.hasQuery() && url.path() == QLatin1String("/") && head.endsWith('/')) {
      head.chop(1);
    }
    address = PartToWin1250(head, pageCharset);
  }
  if (url.hasQuery()) address += "?" + PartToWin1250(query, pageCharset);
  if (url.hasFragment()) address += "#" + PartToWin1250(fragment, pageCharset);
  return address;
}

QUrl ToEngineUrl(const std::string& address) {
  const QString text = FromWin1250(address);
  const bool drivePath = text.size() > 2 && text[0].isLetter() && text[1] == QLatin1Char(':') &&
                         (text[2] == QLatin1Char('/') || text[2] == QLatin1Char('\\'));
  if (text.startsWith(QLatin1Char('/')) || drivePath) {
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(hash < 0 ? text : text.left(hash));
    if (hash >= 0) url.setFragment(text.mid(hash + 1));
    return WithRealLocalPath(url);
  }
  return QUrl(text);
}

QByteArray NavigationKey(const QUrl& url) {
  QUrl normal = url.adjusted(QUrl::NormalizePathSegments);
  if (normal.path().isEmpty() && !normal.host().isEmpty()) normal.setPath(QStringLiteral("/"));
  return normal.toEncoded(QUrl::FullyEncoded);
}

}  // namespace velmora::platform::qt
