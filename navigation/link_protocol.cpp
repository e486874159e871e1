#include "navigation/link_protocol.h"

#include <optional>
#include <string_view>

#include "navigation/contents_tree_page.h"
#include "platform/codepage.h"
#include "platform/system.h"

namespace velmora::navigation {
namespace {

// The text after the first occurrence of key, or nullopt when key is absent.
std::optional<std::string> TextAfter(const std::string& address, std::string_view key) {
  const std::size_t at = address.find(key);
  if (at == std::string::npos) return std::nullopt;
  return address.substr(at + key.size());
}

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

struct KeyedRow {
  const char* keyWord;
  LinkRow row;
};

// Plain substring search: the first key word found in this order decides.
constexpr KeyedRow kKeyedRows[] = {
    {"?pn", LinkRow::NationalPark},    {"?map-", LinkRow::Map},
    {"?ml-", LinkRow::Location},       {"?sh", LinkRow::Photo},
    {"?trans-", LinkRow::Translation}, {"?dic", LinkRow::Dictionary},
    {"?bio", LinkRow::Biotope},        {"?anim", LinkRow::Animation},
    {"?ss", LinkRow::SlideShow},       {"?mv", LinkRow::Movie},
};

}  // namespace

Link ParseLink(const std::string& address,
               const std::function<bool(const std::string& path)>& isLocalFile) {
  for (const char* marker : {"?rp", "?pk", "?ok", "?ec"}) {
    if (auto key = TextAfter(address, marker)) return {LinkRow::Record, *key, marker};
  }
  const std::string lower = platform::LowerAscii(address);
  for (const KeyedRow& keyed : kKeyedRows) {
    if (auto key = TextAfter(lower, keyed.keyWord)) return {keyed.row, *key, {}};
  }
  if (Contains(lower, "?tree")) return {LinkRow::Tree, {}, {}};
  // A local path holding "http:" somewhere is no outside address: it goes
  // on to the rows below.
  if ((Contains(lower, "http:") || Contains(lower, "https:")) &&
      platform::IsOutsideAddress(lower)) {
    return {LinkRow::Outside, {}, {}};
  }
  if (IsContentsPage(lower)) return {LinkRow::TreePage, {}, {}};
  if (isLocalFile(LocalPath(lower))) return {LinkRow::LocalFile, {}, {}};
  if (Contains(lower, "@")) return {LinkRow::Mail, {}, {}};
  return {LinkRow::Missing, {}, {}};
}

std::string LocalPath(const std::string& address) {
  std::string path = address.substr(0, address.find('#'));
  const std::size_t scheme = platform::LowerAscii(path).find("file:///");
  if (scheme != std::string::npos) {
    // Native paths are absolute: keep the leading separator.
    path = "/" + path.substr(scheme + 8);
    const std::size_t space = path.find("%20");
    if (space != std::string::npos) path.replace(space, 3, " ");
  }
  return path;
}

}  // namespace velmora::navigation
