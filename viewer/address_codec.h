#pragma once
// Addresses between the browser engine and the core. The engine hands over
// URLs normalised ("http://db?rp12" as "http://db/?rp12") and percent-encoded
// in the charset of the page the link came from; the core wants the text the
// link was written with, as Windows-1250 bytes, and local files as native
// paths.

#include <QByteArray>
#include <QUrl>
#include <string>

namespace velmora::platform::qt {

// pageCharset is the document's character set ("ISO-8859-2", "UTF-8",
// "windows-1250"); empty means the content's own ISO-8859-2.
std::string ToCoreAddress(const QUrl& url, const QByteArray& pageCharset = {});

// A path starting with '/' (or a drive letter) becomes a file URL, its
// "#fragment" kept; anything else is parsed as a URL.
QUrl ToEngineUrl(const std::string& address);

// Identifies a navigation regardless of the engine's normalisation, so a
// navigation we started can be recognised when it comes back.
QByteArray NavigationKey(const QUrl& url);

}  // namespace velmora::platform::qt
