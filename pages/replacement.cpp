#include "pages/replacement.h"

#include <algorithm>
#include <string_view>
#include <vector>

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
  const std::size_t largest = std::max(kLargestGrownPage, text.size());
  for (; found != std::string::npos; found = text.find(placeholder, copied)) {
    replaced.append(text, copied, found - copied);
    copied = found + placeholder.size();
    // The page as it would be with this value and the rest as it stands.
    if (replaced.size() + value.size() <= largest - (text.size() - copied)) replaced.append(value);
  }
  replaced.append(text, copied, std::string::npos);
  buffer.SetText(std::move(replaced));
}

namespace {

constexpr std::string_view kRowStart = "<TR";
constexpr std::string_view kRowEnd = "</TR>";

}  // namespace

void RemoveRowsOf(PageBuffer& buffer, const std::string& placeholder) {
  if (placeholder.empty()) return;
  const std::string_view page = buffer.Text();
  std::size_t at = page.find(placeholder);
  if (at == std::string_view::npos) return;
  // The page as it stands is kept + page[from...]; rowStarts are where the
  // row starts of kept are, so the last one before a placeholder is at hand
  // however far back it lies.
  std::string kept;
  kept.reserve(page.size());
  std::vector<std::size_t> rowStarts;
  std::size_t from = 0;
  const auto keep = [&](std::size_t to) {
    const std::string_view part = page.substr(from, to - from);
    for (std::size_t row = part.find(kRowStart); row != std::string_view::npos;
         row = part.find(kRowStart, row + 1)) {
      rowStarts.push_back(kept.size() + row);
    }
    kept.append(part);
    from = to;
  };
  // No row end at or after this place of the page: none after it either.
  std::size_t noRowEndFrom = std::string_view::npos;
  for (; at != std::string_view::npos; at = page.find(placeholder, from)) {
    std::size_t rowEnd = std::string_view::npos;
    if (at < noRowEndFrom) {
      rowEnd = page.find(kRowEnd, at);
      if (rowEnd == std::string_view::npos) noRowEndFrom = at;
    }
    keep(at);
    if (rowEnd == std::string_view::npos || rowStarts.empty()) {
      from = at + placeholder.size();  // the placeholder alone
      continue;
    }
    kept.resize(rowStarts.back());
    while (!rowStarts.empty() && rowStarts.back() >= kept.size()) rowStarts.pop_back();
    kept += ' ';
    from = rowEnd;
  }
  keep(page.size());
  buffer.SetText(std::move(kept));
}

}  // namespace velmora::pages
