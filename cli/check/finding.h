#pragma once
// One problem a reader of the disc would meet, and the list of them that
// `velmora-cli check` prints.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli::check {

struct Finding {
  std::string kind;     // a stable identifier such as "page-missing"
  std::string file;     // the file that holds the fault, relative to the disc when inside it
  int line = 0;         // 1-based; 0 when the fault is the file's absence or a whole file
  std::string link;     // the link or entry as written (UTF-8), may be empty
  std::string problem;  // what is wrong (UTF-8)
  std::string reader;   // what the reader sees (UTF-8)
};

class Findings {
 public:
  void Add(Finding finding) { findings_.push_back(std::move(finding)); }
  bool Empty() const { return findings_.empty(); }
  std::size_t Size() const { return findings_.size(); }
  // Ordered by file and line; findings of one line keep their order.
  std::vector<Finding> Sorted() const;

 private:
  std::vector<Finding> findings_;
};

// "file:line: kind: link: problem; the reader sees: ..." per finding.
void WriteText(std::ostream& out, const std::vector<Finding>& findings);
// One JSON object per line.
void WriteJson(std::ostream& out, const std::vector<Finding>& findings);
std::string JsonString(const std::string& utf8);

}  // namespace velmora::cli::check
