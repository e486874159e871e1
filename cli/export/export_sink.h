#pragma once
// Where an export goes, one item at a time: a folder of files (a static
// site) or a ZIM archive. Nothing appears under the final name before
// Finish; an export given up leaves nothing behind.

#include <filesystem>
#include <string>

namespace velmora::cli::exporting {

struct ExportItem {
  std::string path;                  // inside the export, UTF-8, '/' separators
  std::string mimeType;              // "text/html", "image/jpeg" ...
  std::string title;                 // UTF-8; pages only
  std::string content;               // the bytes, unless sourceFile is set
  std::filesystem::path sourceFile;  // a native file copied as it is
  bool page = false;                 // a page readers search for and open
};

class ExportSink {
 public:
  virtual ~ExportSink() = default;
  // False when the item could not be written (the disk full, say); the
  // reason is in Error().
  virtual bool Add(const ExportItem& item) = 0;
  // Makes the export whole under its final name, mainPath its start page.
  virtual bool Finish(const std::string& mainPath) = 0;
  virtual const std::string& Error() const = 0;
};

// The MIME type a file's name suggests.
std::string MimeTypeOf(const std::string& path);

}  // namespace velmora::cli::exporting
