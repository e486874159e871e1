#pragma once
// A page buffer: the text of one page as 8-bit characters, exactly as read
// from its template (no code-page conversion, no HTML parsing). A template is
// loaded, patched in place and saved as a generated page.

#include <cstddef>
#include <string>

#include "platform/file_system.h"

namespace velmora::pages {

class PageBuffer {
 public:
  static constexpr std::size_t npos = std::string::npos;

  explicit PageBuffer(platform::FileSystem& files) : files_(files) {}

  // Replaces the whole text by the file's; false (text unchanged) when the
  // file cannot be read.
  bool LoadFromFile(const std::string& path);
  // Writes the text with CR LF line ends: a bare LF or a bare CR becomes
  // CR LF, an existing CR LF stays as it is. The result of the write is
  // returned, though callers decide by the file's existence.
  bool SaveToFile(const std::string& path) const;

  std::size_t Length() const { return text_.size(); }
  // Position of the first occurrence of text starting at or after from;
  // npos when there is none or text is empty. Without matchCase only the
  // letters A to Z are folded.
  std::size_t Find(const std::string& text, std::size_t from, bool matchCase) const;
  // Ranges reaching past the end are cut at the end.
  void Replace(std::size_t pos, std::size_t length, const std::string& text);
  std::string Read(std::size_t pos, std::size_t length) const;

  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

 private:
  platform::FileSystem& files_;
  std::string text_;
};

// The text with every line end written as CR LF.
std::string WithCrLfLineEnds(const std::string& text);

}  // namespace velmora::pages
