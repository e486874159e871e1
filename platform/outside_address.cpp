// Which addresses may leave the program for the system's own handlers.

#include <cctype>
#include <string_view>

#include "platform/system.h"

namespace velmora::platform {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

// Control characters and backslashes are never part of an address handed on:
// a handler may read a backslash as a path separator.
bool HasForbiddenByte(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || c == '\\') return true;
  }
  return false;
}

bool IsHostByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return std::isalnum(byte) != 0 || c == '.' || c == '-';
}

// host[:port], host a name or a bracketed IPv6 address; no user part.
bool IsAuthority(std::string_view authority) {
  std::string_view host = authority;
  std::string_view port;
  if (!authority.empty() && authority.front() == '[') {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos || close < 2) return false;
    for (const char c : authority.substr(1, close - 1)) {
      if (std::isxdigit(static_cast<unsigned char>(c)) == 0 && c != ':' && c != '.') return false;
    }
    host = {};
    const std::string_view rest = authority.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return false;
      port = rest.substr(1);
      if (port.empty()) return false;
    }
  } else {
    const std::size_t colon = authority.find(':');
    if (colon != std::string_view::npos) {
      host = authority.substr(0, colon);
      port = authority.substr(colon + 1);
      if (port.empty()) return false;
    }
    if (host.empty() || host.front() == '.' || host.front() == '-') return false;
    for (const char c : host) {
      if (!IsHostByte(c)) return false;
    }
  }
  if (port.size() > 5) return false;
  for (const char c : port) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

}  // namespace

bool IsOutsideAddress(const std::string& address) {
  const std::string_view text = address;
  if (text.empty() || HasForbiddenByte(text)) return false;
  if (StartsWithNoCase(text, "mailto:")) {
    const std::string_view recipient = text.substr(7);
    // "mailto:/x" or "mailto://x" names no recipient.
    return !recipient.empty() && recipient.front() != '/' && recipient.front() != ' ';
  }
  std::size_t schemeEnd = 0;
  if (StartsWithNoCase(text, "http://")) {
    schemeEnd = 7;
  } else if (StartsWithNoCase(text, "https://")) {
    schemeEnd = 8;
  } else {
    return false;
  }
  const std::string_view rest = text.substr(schemeEnd);
  const std::size_t end = rest.find_first_of("/?#");
  return IsAuthority(rest.substr(0, end));
}

}  // namespace velmora::platform
