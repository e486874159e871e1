#include "navigation/search.h"

#include "navigation/page_scan.h"
#include "navigation/search_texts.h"
#include "navigation/text_search.h"
#include "pages/template_files.h"
#include "platform/codepage.h"
#include "platform/handlers.h"

namespace velmora::navigation {

namespace {

// Clears the flag however the search ends.
class SearchingFlag {
 public:
  explicit SearchingFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~SearchingFlag() { flag_ = false; }
  SearchingFlag(const SearchingFlag&) = delete;
  SearchingFlag& operator=(const SearchingFlag&) = delete;

 private:
  bool& flag_;
};

// The text after the first "temat: " up to the next "</", as it stands in
// the page; empty when the page has none.
std::string PageTopic(const std::string& text) {
  const std::size_t marker = text.find("temat: ");
  if (marker == std::string::npos) return {};
  const std::size_t start = marker + 7;
  const std::size_t end = text.find("</", start);
  if (end == std::string::npos) return {};
  return text.substr(start, end - start);
}

// Text put in place of the results marker must not bring the marker along:
// every copy would be filled with each later result again, doubling the
// page per result. The marker is an HTML comment, so nothing visible goes.
std::string WithoutResultsMarker(const std::string& text) {
  const std::string_view marker = search_texts::kPlaceholder;
  if (text.find(marker) == std::string::npos) return text;
  // Removing one may join the text around it into another: the text is
  // copied byte by byte and a marker completed at the end of the copy is
  // dropped at once, in one pass however many there are.
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text) {
    kept += c;
    if (kept.size() >= marker.size() && c == marker.back() &&
        std::string_view(kept).substr(kept.size() - marker.size()) == marker) {
      kept.resize(kept.size() - marker.size());
    }
  }
  return kept;
}

// The typed word is shown as text, whatever markup it holds. Numeric
// references, because the page's "&lt;" and "&gt;" are turned into tags
// once the results are in; this also keeps the results marker out, and
// "@" and "?" keep "@title@" and "http://db?path" from being filled in.
std::string AsPageText(const std::string& word) {
  std::string text;
  text.reserve(word.size());
  for (const char c : word) {
    switch (c) {
      case '<':
        text += "&#60;";
        break;
      case '>':
        text += "&#62;";
        break;
      case '&':
        text += "&#38;";
        break;
      case '"':
        text += "&#34;";
        break;
      case '@':
        text += "&#64;";
        break;
      case '?':
        text += "&#63;";
        break;
      default:
        text += c;
    }
  }
  return text;
}

}  // namespace

bool FullTextSearch::DeferNavigation(const std::string& address) {
  if (!searching_) return false;
  // The search holds the main page buffer: what the user asked for is shown
  // when it is done.
  deferredNavigation_ = address;
  return true;
}

void FullTextSearch::Run() {
  // The wait window is not modal: a second click while a search runs is
  // dropped; the running search goes on.
  if (searching_) return;
  platform::Ui& ui = context_.ui;
  const std::string word = ui.GetText(platform::names::kSzukaj);
  if (word.size() < 2) {
    ui.MessageBox(search_texts::kNoText, search_texts::kNoTextCaption, platform::Icon::Information);
    return;
  }
  const platform::Cursor remembered = ui.GetCursor();
  ui.SetCursor(platform::Cursor::Hourglass);
  ui.SetCursorPosition(ui.ControlLeft(platform::names::kLMDSpeedButton26),
                       ui.ControlTop(platform::names::kPanel2) + 10);
  host_.releaseCategoryButtons();
  host_.showWait();
  MakeSearchPage(word);
  host_.hideWait();
  ui.SetCursor(remembered);

  if (deferredNavigation_) {
    const std::string address = *deferredNavigation_;
    deferredNavigation_.reset();
    mainBrowser_.Navigate(address);
  }
}

void FullTextSearch::MakeSearchPage(const std::string& word) {
  lastSearch_ = {};
  {
    SearchingFlag flag(searching_);
    if (!buffer_.LoadFromFile(context_.paths.templateDir + pages::template_files::kSearch)) return;
    ReplaceAll(search_texts::kPlaceholder,
               platform::Win1250ToIso(search_texts::kHeaderStart + AsPageText(word)) +
                   search_texts::kHeaderEnd);
    searchResults_.emplace(buffer_, search_texts::kPlaceholder);
    SearchDictionary(dictionary_, DefinitionKind::Dictionary, word, lastSearch_.dictionaryKeys);
    SearchDictionary(biotopes_, DefinitionKind::Biotope, word, lastSearch_.biotopeKeys);
    SearchPageFiles(word);
    searchResults_.reset();
    ReplaceAll(search_texts::kPlaceholder, "");
    ReplaceAll("@title@", pages::kApplicationTitle);
    ReplaceAll("&lt;", "<");
    ReplaceAll("&gt;", ">");
    ReplaceAll("http://db?path", context_.paths.dataDir);
  }
  context_.Show(buffer_, "$$search.html", mainBrowser_, "Duza mapa");
}

void FullTextSearch::SearchDictionary(const tables::Table& table, DefinitionKind kind,
                                      const std::string& word, std::vector<std::string>& keys) {
  // A match in the next-to-last row ends the pass: the last row is only
  // reached by a scan that started earlier.
  for (int row = 0; row < table.RowCount() - 1; ++row) {
    const std::string key = context_.columns.Dane(table, word, 1, 1, row);
    const std::string item = lookup_.LookupDefinition(kind, key);
    if (item.empty()) continue;
    keys.push_back(key);
    AddSearchResult(WithoutResultsMarker(item) + search_texts::kBreak);
  }
}

void FullTextSearch::SearchPageFiles(const std::string& word) {
  // The word as typed (Windows-1250) and as the pages spell it (ISO-8859-2).
  std::vector<std::string> words{word};
  const std::string isoWord = platform::Win1250ToIso(word);
  if (isoWord != word) words.push_back(isoWord);
  const std::shared_ptr<PageListing> listing =
      pageIndex_.Listing(context_.files, context_.paths.dataDir);
  const std::unique_ptr<SearchSignatures> signatures =
      pageIndex_.OpenSignatures(context_.files, *listing, context_.paths.workDir);
  {
    PageScan scan(listing, context_.files, words, *signatures);
    TakePages(scan);
  }
  // Once every page has been examined: the signatures go to the file.
  pageIndex_.KeepSignatures(context_.files, *signatures, context_.paths.workDir);
}

void FullTextSearch::TakePages(PageScan& scan) {
  int counter = 200;
  for (std::size_t i = 0; i < scan.Count(); ++i) {
    if (counter > 5) {
      host_.advanceWait();
      context_.ui.ProcessMessages();
      counter = 0;
    }
    ++counter;
    ScannedPage page = scan.Take(i);
    // Unreadable pages are not listed either.
    if (page.outcome != ScannedPage::Outcome::WithWord) continue;
    pageBuffer_.SetText(std::move(page.bytes));
    const std::string path = context_.paths.dataDir + scan.Name(i);
    const std::string item = PageResultItem(path);
    if (item.empty()) continue;
    lastSearch_.pages.emplace_back(path, PageTopic(pageBuffer_.Text()));
    AddSearchResult(platform::Win1250ToIso(WithoutResultsMarker(item) + search_texts::kBreak));
  }
}

void FullTextSearch::AddSearchResult(const std::string& text) {
  if (searchResults_) {
    searchResults_->InsertBefore(text);
  } else {
    ReplaceAll(search_texts::kPlaceholder, text + search_texts::kPlaceholder);
  }
}

bool FullTextSearch::PageContainsWord(const std::string& word) {
  if (FoldedNeedle(word).FoundIn(pageBuffer_.Text())) return true;
  const std::string isoWord = platform::Win1250ToIso(word);
  if (isoWord == word) return false;
  return FoldedNeedle(isoWord).FoundIn(pageBuffer_.Text());
}

std::string FullTextSearch::PageResultItem(const std::string& path) {
  const std::string topic = PageTopic(pageBuffer_.Text());
  if (topic.empty()) return {};
  return "<LI><B><A HREF=\"" + path + "\">" + platform::IsoToWin1250(topic) + "</A></B>";
}

}  // namespace velmora::navigation
