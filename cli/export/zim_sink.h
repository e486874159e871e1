#pragma once
// A ZIM archive for Kiwix (libzim 8): the items, the metadata readers'
// libraries show, a full-text and a title index. Written under a hidden
// name beside the final one and renamed to it at the end.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/export/export_sink.h"

namespace zim::writer {
class Creator;
}

namespace velmora::cli::exporting {

struct ZimMetadata {
  std::string title;        // UTF-8
  std::string description;  // at most 80 characters
  std::string creator;
  std::string publisher;
  std::string date;               // YYYY-MM-DD
  std::string illustration48Png;  // a 48x48 PNG
};

class ZimSink : public ExportSink {
 public:
  // Fails (Error() set) when finalFile exists.
  ZimSink(std::filesystem::path finalFile, ZimMetadata metadata);
  ~ZimSink() override;

  bool Ready() const { return creator_ != nullptr; }
  bool Add(const ExportItem& item) override;
  bool Finish(const std::string& mainPath) override;
  const std::string& Error() const override { return error_; }

 private:
  bool Fail(const std::string& what);
  void RemovePartFiles();
  bool SpaceFor(std::uint64_t bytes);

  std::filesystem::path finalFile_;
  std::filesystem::path partFile_;
  ZimMetadata metadata_;
  std::unique_ptr<zim::writer::Creator> creator_;
  std::uint64_t written_ = 0;
  std::size_t added_ = 0;
  std::string error_;
};

}  // namespace velmora::cli::exporting
