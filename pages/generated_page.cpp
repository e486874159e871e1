#include "pages/generated_page.h"

namespace velmora::pages {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool CannotBeInFileName(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7F) return true;
  switch (c) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
    case '#':
    case '%':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string FileNameSafeKey(const std::string& key) {
  std::string out;
  out.reserve(key.size());
  for (const char c : key) {
    if (CannotBeInFileName(c)) {
      const auto byte = static_cast<unsigned char>(c);
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

std::string GeneratedFileName(const std::string& stem, const std::string& key) {
  return "$$" + stem + FileNameSafeKey(key) + ".html";
}

bool SaveAndShow(const PageBuffer& buffer, const std::string& workDir, const std::string& name,
                 platform::Browser& browser, const std::string& caption,
                 platform::FileSystem& files, platform::Ui& ui) {
  const std::string path = workDir + name;
  buffer.SaveToFile(path);  // a failed write shows through the existence test
  if (files.FileExists(path)) {
    browser.Navigate(path);
    return true;
  }
  ui.MessageBox(kMissingFile + path, caption, platform::Icon::Stop);
  return false;
}

}  // namespace velmora::pages
