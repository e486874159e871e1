#include "cli/check/finding.h"

#include <algorithm>

namespace velmora::cli::check {

std::vector<Finding> Findings::Sorted() const {
  std::vector<Finding> sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
    if (a.file != b.file) return a.file < b.file;
    return a.line < b.line;
  });
  return sorted;
}

void WriteText(std::ostream& out, const std::vector<Finding>& findings) {
  for (const Finding& f : findings) {
    out << f.file;
    if (f.line > 0) out << ':' << f.line;
    out << ": " << f.kind << ": ";
    if (!f.link.empty()) out << f.link << ": ";
    out << f.problem << "; the reader sees: " << f.reader << "\n";
  }
}

std::string JsonString(const std::string& utf8) {
  std::string json = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (c == '\r') {
      json += "\\r";
    } else if (c == '\t') {
      json += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      static constexpr char kHex[] = "0123456789abcdef";
      json += "\\u00";
      json += kHex[byte >> 4];
      json += kHex[byte & 0xF];
    } else {
      json += c;
    }
  }
  return json + "\"";
}

void WriteJson(std::ostream& out, const std::vector<Finding>& findings) {
  for (const Finding& f : findings) {
    out << "{\"kind\":" << JsonString(f.kind) << ",\"file\":" << JsonString(f.file)
        << ",\"line\":" << f.line << ",\"link\":" << JsonString(f.link)
        << ",\"problem\":" << JsonString(f.problem) << ",\"reader\":" << JsonString(f.reader)
        << "}\n";
  }
}

}  // namespace velmora::cli::check
