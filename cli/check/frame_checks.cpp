// Framesets: a contents frame whose links name a frame ("target=main") that
// no page of the disc defines. The viewer has one browser window, so such a
// link loads its page over the whole window instead of into a frame.

#include <set>
#include <string>
#include <vector>

#include "cli/check/check_texts.h"
#include "cli/check/checks.h"
#include "cli/check/html_links.h"

namespace velmora::cli::check {
namespace {

struct PageLinks {
  std::string path;
  std::string text;
  std::vector<HtmlLink> links;
};

void ReadPagesUnder(Disc& disc, const std::string& dir, int depth, std::vector<PageLinks>& pages) {
  for (const std::string& name : disc.ListFiles(dir, "*.htm*")) {
    std::optional<std::string> text = disc.Read(dir + name);
    if (!text) continue;
    std::vector<HtmlLink> links = ExtractLinks(*text);
    pages.push_back({dir + name, std::move(*text), std::move(links)});
  }
  if (depth == 0) return;
  for (const std::string& sub : disc.ListDirectories(dir)) {
    ReadPagesUnder(disc, dir + sub + "/", depth - 1, pages);
  }
}

bool IsKeyword(const std::string& target) {
  std::string lower = target;
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower == "_self" || lower == "_parent" || lower == "_top" || lower == "_blank";
}

}  // namespace

void CheckFrameTargets(Disc& disc, Findings& findings) {
  std::vector<PageLinks> pages;
  ReadPagesUnder(disc, disc.paths().dataDir, 4, pages);
  std::set<std::string> frames;
  for (const PageLinks& page : pages) {
    for (const HtmlLink& link : page.links) {
      if ((link.tag == "frame" || link.tag == "iframe") && !link.name.empty()) {
        frames.insert(link.name);
      }
    }
  }
  for (const PageLinks& page : pages) {
    LineCounter lines(page.text);
    for (const HtmlLink& link : page.links) {
      if (!IsNavigation(link) || link.attribute != "href" || link.target.empty()) continue;
      if (IsKeyword(link.target) || frames.count(link.target)) continue;
      findings.Add({"frame-target-unknown", disc.Display(page.path), lines.LineOf(link.offset),
                    texts::IsoUtf8(link.value),
                    "no page of the disc has a frame named \"" + texts::IsoUtf8(link.target) + "\"",
                    "the page replaces the whole window, not one frame"});
    }
  }
}

}  // namespace velmora::cli::check
