#include "cli/export/own_pages.h"

#include "cli/export/html_text.h"

namespace velmora::cli::exporting {

namespace {

std::string PageStart(const std::string& title, const std::string& head) {
  return "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\"><title>" +
         EscapeHtml(title) + "</title>" + head + "</head><body>\n";
}

std::string StyleLinkTag(const std::string& link) {
  return link.empty() ? "" : "<link rel=\"stylesheet\" href=\"" + link + "\">";
}

}  // namespace

std::string PopupScript() {
  // Definitions and locations open over the page, as the viewer's balloon
  // did; without the script the link opens their page.
  return R"JS(document.addEventListener('click', function (e) {
  var a = e.target.closest ? e.target.closest('a[href]') : null;
  if (!a || !/\/gen\/(dic|bio|loc)\/[^/]*$/.test(a.href)) return;
  e.preventDefault();
  var box = document.getElementById('vx-popup');
  if (!box) {
    box = document.createElement('div');
    box.id = 'vx-popup';
    box.innerHTML = '<button type="button" title="Zamknij">\u00d7</button><iframe></iframe>';
    box.firstChild.onclick = function () { box.hidden = true; };
    document.body.appendChild(box);
  }
  box.lastChild.src = a.href;
  box.hidden = false;
  var r = a.getBoundingClientRect(), w = document.documentElement.clientWidth;
  box.style.top = (window.scrollY + r.bottom + 4) + 'px';
  box.style.left = (window.scrollX + Math.max(4, Math.min(r.left, w - 364))) + 'px';
});
document.addEventListener('keydown', function (e) {
  var box = document.getElementById('vx-popup');
  if (box && e.key === 'Escape') box.hidden = true;
});
)JS";
}

std::string PopupStyle() {
  return R"CSS(#vx-popup { position: absolute; z-index: 1000; width: 360px; height: 260px;
  background: #ffffe8; border: 1px solid #886; box-shadow: 2px 2px 8px rgba(0,0,0,.3); }
#vx-popup iframe { width: 100%; height: 100%; border: 0; }
#vx-popup button { position: absolute; right: 2px; top: 2px; z-index: 1; }
.vx-title { margin: 0 0 .5em; padding: .3em .5em; font: bold 15px sans-serif;
  background: #e6eddc; border-bottom: 1px solid #9a9; }
.vx-bar { clear: both; margin-top: 1em; padding: .3em; border-top: 1px solid #999; font: 13px sans-serif; }
.vx-menu { display: block; width: 100%; height: 14em; border: 0; border-top: 1px solid #ccc; }
.vx-gallery figure { margin: 1em 0; }
.vx-gallery img { max-width: 100%; }
)CSS";
}

std::string ChromeHead(const PageChrome& chrome) {
  return StyleLinkTag(chrome.style) + "<script src=\"" + chrome.script + "\" defer></script>";
}

std::string TitleStrip(const std::string& pageTitle) {
  const std::size_t at = pageTitle.find("temat: ");
  if (at == std::string::npos || at + 7 == pageTitle.size()) return {};
  return "<div class=\"vx-title\">" + pageTitle.substr(at + 7) + "</div>";
}

std::string ChromeBodyEnd(const PageChrome& chrome) {
  std::string end = "<nav class=\"vx-bar\"><a href=\"" + chrome.start +
                    "\">Strona startowa</a> | <a href=\"" + chrome.tree + "\">Mapa CD</a>";
  if (!chrome.search.empty()) end += " | <a href=\"" + chrome.search + "\">Szukaj</a>";
  end += "</nav>";
  if (!chrome.menu.empty()) {
    end += "<iframe class=\"vx-menu\" title=\"Menu\" src=\"" + chrome.menu + "\"></iframe>";
  }
  return end;
}

std::string TreePage(const std::vector<TreeEntry>& entries, const std::string& styleLink) {
  std::string page = PageStart("Mapa CD", StyleLinkTag(styleLink)) + "<h1>Mapa CD</h1>\n";
  int open = 0;  // lists open
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int level = entries[i].level < 0 ? 0 : entries[i].level;
    // Deeper: one list opens (a skipped level opens as one); shallower: the
    // items and lists in between close.
    if (level + 1 > open) {
      page += "<ul>";
      ++open;
    } else {
      while (open > level + 1) {
        page += "</li></ul>";
        --open;
      }
      page += "</li>";
    }
    const std::string text = EscapeHtml(entries[i].text);
    page += entries[i].link.empty() ? "<li>" + text
                                    : "<li><a href=\"" + entries[i].link + "\">" + text + "</a>";
    page += "\n";
  }
  while (open > 0) {
    page += "</li></ul>";
    --open;
  }
  return page + "\n</body></html>\n";
}

std::string GalleryPage(const std::string& title, const std::vector<Slide>& slides,
                        const std::string& soundLink, const std::string& styleLink) {
  std::string page =
      PageStart(title, StyleLinkTag(styleLink)) + "<h1>" + EscapeHtml(title) + "</h1>\n";
  if (!soundLink.empty()) page += "<audio controls loop src=\"" + soundLink + "\"></audio>\n";
  page += "<div class=\"vx-gallery\">\n";
  int number = 0;
  for (const Slide& slide : slides) {
    const std::string id = "s" + std::to_string(++number);
    page += "<figure id=\"" + id + "\"><img src=\"" + slide.picture + "\" alt=\"" + id +
            "\"><figcaption>" + std::to_string(number) + "/" + std::to_string(slides.size()) + " " +
            slide.description + "</figcaption></figure>\n";
  }
  return page + "</div>\n</body></html>\n";
}

std::string FilmPage(const std::string& title, const std::string& videoLink,
                     const std::string& note, const std::string& originalLink,
                     const std::string& styleLink) {
  std::string page =
      PageStart(title, StyleLinkTag(styleLink)) + "<h1>" + EscapeHtml(title) + "</h1>\n";
  if (!videoLink.empty()) {
    page += "<video controls src=\"" + videoLink + "\"></video>\n";
  } else {
    page += "<p class=\"vx-note\">Tego filmu nie udało się przekodować (" + EscapeHtml(note) +
            "); przeglądarka go nie odtworzy. Można go pobrać w postaci z płyty.</p>\n";
  }
  return page + "<p><a href=\"" + originalLink + "\">Film z płyty (AVI)</a></p>\n</body></html>\n";
}

std::string NotePage(const std::string& title, const std::string& paragraph, bool broken) {
  return PageStart(title, broken ? kBrokenMark : "") + "<h1>" + EscapeHtml(title) + "</h1><p>" +
         paragraph + "</p>\n</body></html>\n";
}

std::string RedirectPage(const std::string& link) {
  return PageStart("", "<meta http-equiv=\"refresh\" content=\"0; url=" + link + "\">") +
         "<a href=\"" + link + "\">" + EscapeHtml(link) + "</a>\n</body></html>\n";
}

}  // namespace velmora::cli::exporting
