#include "cli/export/search_index.h"

#include <algorithm>

#include "cli/export/html_text.h"
#include "navigation/iso_fold.h"
#include "platform/codepage.h"
#include "recording/trace.h"

namespace velmora::cli::exporting {

namespace {

// Letters and digits of ISO-8859-2 (folded: small letters only).
bool IsWordByte(unsigned char byte) {
  if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) return true;
  if (byte >= 0xDF) return byte != 0xF7;
  switch (byte) {
    case 0xB1:
    case 0xB3:
    case 0xB5:
    case 0xB6:
    case 0xB9:
    case 0xBA:
    case 0xBB:
    case 0xBC:
    case 0xBE:
    case 0xBF:
      return true;
    default:
      return false;
  }
}

std::string Quoted(const std::string& utf8) { return "\"" + recording::JsonEscape(utf8) + "\""; }

}  // namespace

void SearchIndex::AddPage(const std::string& exportPath, const std::string& isoBytes) {
  // The viewer lists a page by its topic: the text after the first
  // "temat: " up to the next "</"; a page without one is never listed.
  const std::size_t marker = isoBytes.find("temat: ");
  if (marker == std::string::npos) return;
  const std::size_t end = isoBytes.find("</", marker + 7);
  if (end == std::string::npos || end == marker + 7) return;
  const auto number = static_cast<std::uint32_t>(pages_.size());
  pages_.push_back(
      {exportPath, platform::Iso88592ToUtf8(isoBytes.substr(marker + 7, end - marker - 7))});
  std::string word;
  auto take = [&] {
    if (word.empty()) return;
    std::vector<std::uint32_t>& pages = words_[platform::Iso88592ToUtf8(word)];
    if (pages.empty() || pages.back() != number) pages.push_back(number);
    word.clear();
  };
  for (const char c : isoBytes) {
    const unsigned char folded = navigation::FoldIsoByte(c);
    if (IsWordByte(folded)) {
      word += static_cast<char>(folded);
    } else {
      take();
    }
  }
  take();
}

void SearchIndex::AddDefinition(int kind, const std::string& key, const std::string& isoHeading,
                                const std::string& exportPath) {
  definitions_.push_back(
      {kind, platform::Iso88592ToUtf8(key), platform::Iso88592ToUtf8(isoHeading), exportPath});
}

std::string SearchIndex::Script() const {
  // Pages in the order the viewer lists them: by name, as its listing of
  // the data directory gives them.
  std::vector<std::uint32_t> order(pages_.size());
  for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [this](std::uint32_t a, std::uint32_t b) { return pages_[a].path < pages_[b].path; });
  std::vector<std::uint32_t> place(pages_.size());
  for (std::uint32_t i = 0; i < order.size(); ++i) place[order[i]] = i;
  std::string json = "VelmoraSearchIndex = {\"pages\":[";
  for (std::size_t i = 0; i < order.size(); ++i) {
    const Page& page = pages_[order[i]];
    json += (i ? ",[" : "[") + Quoted(page.path) + "," + Quoted(page.topic) + "]";
  }
  json += "],\n\"definitions\":[";
  for (std::size_t i = 0; i < definitions_.size(); ++i) {
    const Definition& entry = definitions_[i];
    json += (i ? ",\n[" : "[") + std::to_string(entry.kind) + "," + Quoted(entry.key) + "," +
            Quoted(entry.heading) + "," + Quoted(entry.path) + "]";
  }
  json += "],\n\"words\":{";
  bool first = true;
  for (const auto& [word, pages] : words_) {
    json += (first ? "" : ",\n") + Quoted(word) + ":[";
    first = false;
    std::vector<std::uint32_t> placed;
    for (const std::uint32_t page : pages) placed.push_back(place[page]);
    std::sort(placed.begin(), placed.end());
    for (std::size_t i = 0; i < placed.size(); ++i) {
      json += (i ? "," : "") + std::to_string(placed[i]);
    }
    json += "]";
  }
  return json + "}};\n";
}

std::string SearchScript() {
  return R"JS(// Single words as the viewer's search finds them: in the pages anywhere,
// ignoring case; in the dictionaries' headings, A-Z ignoring case.
function VelmoraSearch(index, word) {
  var folded = word.toLowerCase(), ascii = word.replace(/[A-Z]/g, function (c) {
    return c.toLowerCase();
  });
  var found = {}, pages = [], definitions = [];
  if (word.length < 2) return { pages: pages, definitions: definitions };
  for (var w in index.words) {
    if (w.indexOf(folded) < 0) continue;
    index.words[w].forEach(function (p) { found[p] = true; });
  }
  index.pages.forEach(function (page, p) { if (found[p]) pages.push(page); });
  index.definitions.forEach(function (d) {
    if (d[2].replace(/[A-Z]/g, function (c) { return c.toLowerCase(); }).indexOf(ascii) >= 0) {
      definitions.push(d);
    }
  });
  return { pages: pages, definitions: definitions };
}
if (typeof module !== 'undefined') module.exports = VelmoraSearch;
if (typeof document !== 'undefined') document.addEventListener('DOMContentLoaded', function () {
  var form = document.getElementById('vx-search'), list = document.getElementById('vx-results');
  if (!form) return;
  function show(word) {
    var r = VelmoraSearch(VelmoraSearchIndex, word), html = '';
    function esc(t) { return t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;'); }
    r.definitions.forEach(function (d) {
      html += '<li><a href="../' + esc(d[3]) + '">' + esc(d[2]) + '</a></li>';
    });
    r.pages.forEach(function (p) {
      html += '<li><b><a href="../' + esc(p[0]) + '">' + esc(p[1]) + '</a></b></li>';
    });
    list.innerHTML = '<h3>Rezultaty wyszukiwania s\u0142owa: <u>' + esc(word) + '</u></h3>' +
      (html ? '<ul>' + html + '</ul>' : '<p>Nie znaleziono.</p>');
  }
  function search(word) {
    if (word.length < 2) { list.textContent = 'Nie wprowadzono tekstu do wyszukiwania.'; return; }
    if (typeof VelmoraSearchIndex !== 'undefined') return show(word);
    var s = document.createElement('script');
    s.src = 'velmora-search-index.js';
    s.onload = function () { show(word); };
    document.head.appendChild(s);
  }
  form.addEventListener('submit', function (e) {
    e.preventDefault();
    search(form.elements.q.value);
    history.replaceState(null, '', '#' + encodeURIComponent(form.elements.q.value));
  });
  if (location.hash.length > 1) {
    // An address cut or typed by hand may hold a broken escape: search for it as written.
    var typed = location.hash.slice(1);
    try { typed = decodeURIComponent(typed); } catch (e) {}
    form.elements.q.value = typed;
    search(typed);
  }
});
)JS";
}

std::string SearchPage(const std::string& styleLink) {
  return "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\"><title>Szukaj</title>"
         "<link rel=\"stylesheet\" href=\"" +
         styleLink +
         "\"><script src=\"velmora-search.js\"></script><script src=\"velmora-export.js\" "
         "defer></script></head><body>\n<form id=\"vx-search\"><input name=\"q\" "
         "type=\"search\" autofocus> <button>Szukaj</button></form>\n<div "
         "id=\"vx-results\"></div>\n</body></html>\n";
}

}  // namespace velmora::cli::exporting
