#pragma once
// The pages and files the export adds of its own, all UTF-8: the script
// and style of the pop-ups, the contents tree as nested lists, slide-show
// galleries, notes for what a browser cannot do, and the page a broken link
// leads to. Links in them are given ready, relative to the page.

#include <string>
#include <vector>

namespace velmora::cli::exporting {

// The mark of a page a broken link leads to, for the export's link check.
inline constexpr const char* kBrokenMark = "<meta name=\"velmora-export\" content=\"broken\">";

std::string PopupScript();
std::string PopupStyle();

// What every content page gets: the script and style in its head, a bar of
// the viewer's fixed links and its menu at the end of its body.
struct PageChrome {
  std::string style;   // link to the style sheet
  std::string script;  // link to the script
  std::string start;   // link to the start page
  std::string tree;    // link to the contents page
  std::string menu;    // link to the page's menu, empty for none
  std::string search;  // link to the search page, empty for none
};
std::string ChromeHead(const PageChrome& chrome);
// The viewer's title strip over the page: the topic its <title> names after
// "temat: " (UTF-8 HTML), empty for a page without one.
std::string TitleStrip(const std::string& pageTitle);
std::string ChromeBodyEnd(const PageChrome& chrome);

// A page shown in a frame (menu, pop-up): its links open in the whole tab.
inline constexpr const char* kFramedHead = "<base target=\"_top\">";

struct TreeEntry {
  int level = 0;
  std::string text;  // UTF-8
  std::string link;  // empty: no page
};
std::string TreePage(const std::vector<TreeEntry>& entries, const std::string& styleLink);

struct Slide {
  std::string picture;      // link
  std::string description;  // UTF-8 HTML, as the slide show shows it
};
std::string GalleryPage(const std::string& title, const std::vector<Slide>& slides,
                        const std::string& soundLink, const std::string& styleLink);

// A film: the WebM played in the page (videoLink) or, when it could not be
// made (videoLink empty), the note why; the disc's original linked either way.
std::string FilmPage(const std::string& title, const std::string& videoLink,
                     const std::string& note, const std::string& originalLink,
                     const std::string& styleLink);

// A short page with a title and one paragraph (UTF-8 HTML).
std::string NotePage(const std::string& title, const std::string& paragraph, bool broken);

// Goes straight on to link.
std::string RedirectPage(const std::string& link);

}  // namespace velmora::cli::exporting
