#include "cli/export/site_link_check.h"

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "cli/check/html_links.h"
#include "cli/export/export_paths.h"
#include "cli/export/own_pages.h"
#include "platform/codepage.h"

namespace velmora::cli::exporting {

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsPage(const fs::path& file) {
  const std::string ext = platform::LowerAscii(file.extension().string());
  return ext == ".htm" || ext == ".html";
}

// Percent escapes read back, as the browser does before it opens a file.
std::string Unescaped(const std::string& link) {
  std::string text;
  for (std::size_t i = 0; i < link.size(); ++i) {
    if (link[i] == '%' && i + 2 < link.size() &&
        std::isxdigit(static_cast<unsigned char>(link[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(link[i + 2]))) {
      text += static_cast<char>(std::stoi(link.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      text += link[i];
    }
  }
  return text;
}

}  // namespace

SiteLinkReport CheckSiteLinks(const fs::path& root) {
  SiteLinkReport report;
  const fs::path base = fs::weakly_canonical(root);
  std::map<fs::path, bool> brokenPages;  // whether the page says so
  std::set<fs::path> brokenSeen;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(base, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_regular_file(ec) || !IsPage(it->path())) continue;
    const std::string shown = it->path().lexically_relative(base).generic_string();
    for (const check::HtmlLink& link : check::ExtractLinks(ReadAll(it->path()))) {
      const std::string& value = link.value;
      if (IsKeptAsWritten(value)) continue;
      if (IsAbsoluteLink(value)) {
        // An outside link opens elsewhere; anything that loads into the page,
        // or a local file named absolutely, does not belong in an export.
        if (check::IsNavigation(link) && IsNetworkAddress(value)) continue;
        report.network.push_back(shown + ": " + value);
        continue;
      }
      ++report.links;
      std::string file = value.substr(0, value.find_first_of("#?"));
      const fs::path target =
          (it->path().parent_path() / fs::u8path(Unescaped(file))).lexically_normal();
      const std::string inside = target.lexically_relative(base).generic_string();
      if (inside.empty() || inside.rfind("..", 0) == 0 || !fs::is_regular_file(target, ec)) {
        report.unresolved.push_back(shown + ": " + value);
        continue;
      }
      if (!IsPage(target)) continue;
      auto [known, added] = brokenPages.try_emplace(target, false);
      if (added) known->second = ReadAll(target).find(kBrokenMark) != std::string::npos;
      if (known->second && brokenSeen.insert(target).second) report.broken.push_back(inside);
    }
  }
  return report;
}

}  // namespace velmora::cli::exporting
