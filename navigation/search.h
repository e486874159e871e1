#pragma once
// The full-text search: dictionary entries, biotopes and content pages that
// hold a word, listed on one generated results page.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "navigation/dictionary.h"
#include "navigation/page_index.h"
#include "pages/marker_insertions.h"
#include "pages/page_context.h"

namespace velmora::navigation {

class PageScan;

// What the last search found, in the order of the results page.
struct SearchResults {
  std::vector<std::string> dictionaryKeys;
  std::vector<std::string> biotopeKeys;
  std::vector<std::pair<std::string, std::string>> pages;  // path, topic (ISO-8859-2)
};

// What the search asks of the main window: its category buttons up, and
// the wait window shown, advanced and hidden.
struct SearchHost {
  std::function<void()> releaseCategoryButtons;
  std::function<void()> showWait;
  std::function<void()> advanceWait;
  std::function<void()> hideWait;
};

class FullTextSearch {
 public:
  // buffer receives the results page; pageBuffer holds each page examined.
  FullTextSearch(pages::PageContext context, pages::PageBuffer& buffer,
                 pages::PageBuffer& pageBuffer, platform::Browser& mainBrowser,
                 const tables::Table& dictionary, const tables::Table& biotopes,
                 DictionaryLookup& lookup, SearchHost host)
      : context_(context),
        buffer_(buffer),
        pageBuffer_(pageBuffer),
        mainBrowser_(mainBrowser),
        dictionary_(dictionary),
        biotopes_(biotopes),
        lookup_(lookup),
        host_(std::move(host)) {}

  // The search button: the word of the search box Szukaj.
  void Run();
  void MakeSearchPage(const std::string& word);
  // While a search runs, a navigation of the main browser waits: true when
  // this one was kept to be shown afterwards (the last one asked for wins).
  bool DeferNavigation(const std::string& address);
  bool Searching() const { return searching_; }
  const SearchResults& LastSearch() const { return lastSearch_; }

  // The word (Windows-1250, or as the pages spell it) in the page buffer.
  bool PageContainsWord(const std::string& word);
  // The results item of the page in the page buffer, empty without a topic.
  std::string PageResultItem(const std::string& path);

 private:
  void SearchDictionary(const tables::Table& table, DefinitionKind kind, const std::string& word,
                        std::vector<std::string>& keys);
  void SearchPageFiles(const std::string& word);
  // The outcomes of the scan in directory order, onto the results page.
  void TakePages(PageScan& scan);
  // One item on the results page, before its marker.
  void AddSearchResult(const std::string& text);
  void ReplaceAll(const std::string& placeholder, const std::string& value) {
    pages::ReplaceAllIn(buffer_, placeholder, value);
  }

  pages::PageContext context_;
  pages::PageBuffer& buffer_;
  pages::PageBuffer& pageBuffer_;
  platform::Browser& mainBrowser_;
  const tables::Table& dictionary_;
  const tables::Table& biotopes_;
  DictionaryLookup& lookup_;
  SearchHost host_;

  bool searching_ = false;
  std::optional<std::string> deferredNavigation_;
  SearchResults lastSearch_;
  PageIndex pageIndex_;
  // Where the results of the running search go.
  std::optional<pages::MarkerInsertions> searchResults_;
};

}  // namespace velmora::navigation
