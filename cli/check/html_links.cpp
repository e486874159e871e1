#include "cli/check/html_links.h"

#include <cctype>

namespace velmora::cli::check {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':';
}

std::string LowerText(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = Lower(c);
  return lower;
}

// Where a closing tag such as "</script" begins, ignoring case, or npos.
std::size_t FindClosingTag(std::string_view html, std::size_t from, std::string_view name) {
  const std::string needle = "</" + std::string(name);
  for (std::size_t at = html.find("</", from); at != std::string_view::npos;
       at = html.find("</", at + 2)) {
    if (LowerText(html.substr(at, needle.size())) == needle) return at;
  }
  return std::string_view::npos;
}

// "&amp;" becomes "&", in one pass: an "&" it leaves is not decoded again.
std::string DecodeAmpersands(std::string_view value) {
  std::string decoded;
  decoded.reserve(value.size());
  std::size_t copied = 0;
  for (std::size_t at = value.find("&amp;"); at != std::string_view::npos;
       at = value.find("&amp;", copied)) {
    decoded.append(value.substr(copied, at + 1 - copied));
    copied = at + 5;
  }
  decoded.append(value.substr(copied));
  return decoded;
}

}  // namespace

std::vector<HtmlLink> ExtractLinks(std::string_view html) {
  std::vector<HtmlLink> links;
  std::size_t i = 0;
  while ((i = html.find('<', i)) != std::string_view::npos) {
    if (html.compare(i, 4, "<!--") == 0) {
      const std::size_t end = html.find("-->", i + 4);
      if (end == std::string_view::npos) break;
      i = end + 3;
      continue;
    }
    std::size_t p = i + 1;
    const std::size_t nameStart = p;
    while (p < html.size() && IsNameChar(html[p])) ++p;
    if (p == nameStart) {
      ++i;
      continue;
    }
    const std::string tag = LowerText(html.substr(nameStart, p - nameStart));
    const std::size_t tagLinks = links.size();
    std::string target, name;
    // Attributes up to the tag's end.
    while (p < html.size() && html[p] != '>') {
      if (IsSpace(html[p]) || html[p] == '/') {
        ++p;
        continue;
      }
      const std::size_t attrStart = p;
      while (p < html.size() && !IsSpace(html[p]) && html[p] != '=' && html[p] != '>') ++p;
      const std::string attribute = LowerText(html.substr(attrStart, p - attrStart));
      while (p < html.size() && IsSpace(html[p])) ++p;
      if (p >= html.size() || html[p] != '=') continue;
      ++p;
      while (p < html.size() && IsSpace(html[p])) ++p;
      if (p >= html.size()) break;
      std::size_t valueStart = p;
      std::size_t valueEnd;
      if (html[p] == '"' || html[p] == '\'') {
        const char quote = html[p];
        valueStart = p + 1;
        valueEnd = html.find(quote, valueStart);
        if (valueEnd == std::string_view::npos) valueEnd = html.size();
        p = valueEnd + 1;
      } else {
        while (p < html.size() && !IsSpace(html[p]) && html[p] != '>') ++p;
        valueEnd = p;
      }
      if (attribute == "target" || attribute == "name") {
        (attribute == "target" ? target : name) =
            DecodeAmpersands(html.substr(valueStart, valueEnd - valueStart));
      } else if (attribute == "href" || attribute == "src" || attribute == "background") {
        links.push_back({tag,
                         attribute,
                         DecodeAmpersands(html.substr(valueStart, valueEnd - valueStart)),
                         valueStart,
                         valueEnd - valueStart,
                         {},
                         {}});
      }
    }
    for (std::size_t l = tagLinks; l < links.size(); ++l) {
      links[l].target = target;
      links[l].name = name;
    }
    i = p;
    if (tag == "script" || tag == "style") {
      const std::size_t end = FindClosingTag(html, i, tag);
      if (end == std::string_view::npos) break;
      i = end;
    }
  }
  return links;
}

bool IsNavigation(const HtmlLink& link) {
  if (link.attribute == "href") return link.tag == "a" || link.tag == "area";
  if (link.attribute == "src") return link.tag == "frame" || link.tag == "iframe";
  return false;
}

int LineCounter::LineOf(std::size_t offset) {
  if (offset < position_) {
    position_ = 0;
    line_ = 1;
  }
  for (; position_ < offset && position_ < text_.size(); ++position_) {
    if (text_[position_] == '\n') {
      ++line_;
    } else if (text_[position_] == '\r' &&
               (position_ + 1 >= text_.size() || text_[position_ + 1] != '\n')) {
      ++line_;
    }
  }
  return line_;
}

}  // namespace velmora::cli::check
