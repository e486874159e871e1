#include "pages/page_buffer.h"

#include <algorithm>

namespace velmora::pages {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool PageBuffer::LoadFromFile(const std::string& path) {
  std::optional<std::string> bytes = files_.ReadFile(path);
  if (!bytes) return false;
  text_ = std::move(*bytes);
  return true;
}

bool PageBuffer::SaveToFile(const std::string& path) const {
  return files_.WriteFile(path, WithCrLfLineEnds(text_));
}

std::size_t PageBuffer::Find(const std::string& text, std::size_t from, bool matchCase) const {
  if (text.empty() || from >= text_.size()) return npos;
  if (matchCase) return text_.find(text, from);
  const auto same = [](char a, char b) { return FoldAscii(a) == FoldAscii(b); };
  const auto it = std::search(text_.begin() + static_cast<std::ptrdiff_t>(from), text_.end(),
                              text.begin(), text.end(), same);
  return it == text_.end() ? npos : static_cast<std::size_t>(it - text_.begin());
}

void PageBuffer::Replace(std::size_t pos, std::size_t length, const std::string& text) {
  if (pos > text_.size()) pos = text_.size();
  text_.replace(pos, std::min(length, text_.size() - pos), text);
}

std::string PageBuffer::Read(std::size_t pos, std::size_t length) const {
  if (pos >= text_.size()) return {};
  return text_.substr(pos, length);
}

std::string WithCrLfLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace velmora::pages
