#include "pages/replacement.h"

namespace velmora::pages {

void ReplaceAllIn(PageBuffer& buffer, const std::string& placeholder, const std::string& value) {
  if (placeholder.empty()) return;
  const std::string& text = buffer.Text();
  std::size_t found = text.find(placeholder);
  if (found == std::string::npos) return;
  // The page is built anew in one pass: replacing in place moves the rest
  // of the page for every placeholder. The search goes on after each
  // placeholder in the original text, so a value is never searched again.
  std::string replaced;
  std::size_t copied = 0;
  for (; found != std::string::npos; found = text.find(placeholder, copied)) {
    replaced.append(text, copied, found - copied).append(value);
    copied = found + placeholder.size();
  }
  replaced.append(text, copied, std::string::npos);
  buffer.SetText(std::move(replaced));
}

}  // namespace velmora::pages
