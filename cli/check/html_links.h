#pragma once
// The links of an HTML text: href, src and background attributes with their
// tag (and its target and name attributes), read the way a browser reads them (quoted with " or ',
// or unquoted), outside comments, scripts and style blocks.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli::check {

struct HtmlLink {
  std::string tag;         // lower case: "a", "img", "link", "frame" ...
  std::string attribute;   // lower case: "href", "src" or "background"
  std::string value;       // as written, "&amp;" decoded
  std::size_t offset = 0;  // of the value in the text
  std::size_t length = 0;  // of the value as written (before decoding)
  // The tag's target (a link's frame) and name (a frame's own) attributes,
  // as written; empty when absent.
  std::string target;
  std::string name;
};

std::vector<HtmlLink> ExtractLinks(std::string_view html);

// Whether following the link is a navigation (the dispatcher decides it)
// rather than loading a resource into the page.
bool IsNavigation(const HtmlLink& link);

// 1-based line numbers of offsets, for offsets given in increasing order.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}
  int LineOf(std::size_t offset);

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  int line_ = 1;
};

}  // namespace velmora::cli::check
