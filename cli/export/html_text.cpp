#include "cli/export/html_text.h"

#include <cctype>
#include <utility>

#include "platform/codepage.h"

namespace velmora::cli::exporting {

namespace {

std::size_t FindNoCase(const std::string& text, const std::string& lowerNeedle) {
  return platform::LowerAscii(text).find(lowerNeedle);
}

std::size_t RFindNoCase(const std::string& text, const std::string& lowerNeedle) {
  return platform::LowerAscii(text).rfind(lowerNeedle);
}

// The declaration is looked for in a page's first bytes, its head.
constexpr std::size_t kHeadBytes = 4096;

// The charset name after "charset=" in the first `within` bytes: where it
// starts and ends.
std::pair<std::size_t, std::size_t> DeclaredCharset(const std::string& html,
                                                    std::size_t within = kHeadBytes) {
  const std::string head = platform::LowerAscii(html.substr(0, within));
  const std::size_t at = head.find("charset=");
  if (at == std::string::npos) return {std::string::npos, std::string::npos};
  std::size_t start = at + 8;
  if (start < head.size() && (head[start] == '"' || head[start] == '\'')) ++start;
  std::size_t end = start;
  while (end < head.size() && (std::isalnum(static_cast<unsigned char>(head[end])) ||
                               head[end] == '-' || head[end] == '_')) {
    ++end;
  }
  return {start, end};
}

}  // namespace

std::string PageAsUtf8(const std::string& html) {
  // The declaration stands in the head; a charset word further on says
  // nothing.
  const auto [start, end] = DeclaredCharset(html);
  if (start == std::string::npos) {
    return InsertIntoHead(platform::Iso88592ToUtf8(html), "<meta charset=\"utf-8\">");
  }
  const std::string charset = platform::LowerAscii(html.substr(start, end - start));
  if (charset == "utf-8" || charset == "utf8") return html;
  std::string converted = charset == "windows-1250" || charset == "cp1250"
                              ? platform::Win1250ToUtf8(html)
                              : platform::Iso88592ToUtf8(html);
  // Found again, as the first one still: each letter before it may have
  // grown to three bytes.
  const auto [newStart, newEnd] = DeclaredCharset(converted, 3 * kHeadBytes);
  return converted.replace(newStart, newEnd - newStart, "utf-8");
}

std::string InsertIntoHead(const std::string& html, const std::string& snippet) {
  const std::size_t at = FindNoCase(html, "</head");
  std::string result = html;
  return result.insert(at == std::string::npos ? 0 : at, snippet);
}

std::string InsertAtBodyStart(const std::string& html, const std::string& snippet) {
  const std::size_t body = FindNoCase(html, "<body");
  const std::size_t end = body == std::string::npos ? body : html.find('>', body);
  if (end == std::string::npos) return html;
  std::string result = html;
  return result.insert(end + 1, snippet);
}

std::string InsertAtBodyEnd(const std::string& html, const std::string& snippet) {
  const std::size_t at = RFindNoCase(html, "</body");
  std::string result = html;
  return result.insert(at == std::string::npos ? result.size() : at, snippet);
}

std::string EscapeHtml(const std::string& utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace velmora::cli::exporting

namespace velmora::cli::exporting {

std::string TitleOf(const std::string& html) {
  const std::string lower = platform::LowerAscii(html);
  std::size_t start = lower.find("<title");
  if (start == std::string::npos) return {};
  start = lower.find('>', start);
  if (start == std::string::npos) return {};
  const std::size_t end = lower.find("</title", ++start);
  if (end == std::string::npos) return {};
  std::string title = html.substr(start, end - start);
  for (char& c : title) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  const std::size_t first = title.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return title.substr(first, title.find_last_not_of(' ') + 1 - first);
}

}  // namespace velmora::cli::exporting
