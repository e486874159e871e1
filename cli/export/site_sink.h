#pragma once
// A static site: the export's files in a folder, written to a fresh folder
// beside the final one and renamed to it at the end.

#include <filesystem>
#include <string>

#include "cli/export/export_sink.h"

namespace velmora::cli::exporting {

class SiteSink : public ExportSink {
 public:
  // Fails (Error() set) when the final folder exists and is not empty, or
  // no folder can be made beside it.
  explicit SiteSink(std::filesystem::path finalDir);
  ~SiteSink() override;

  bool Ready() const { return !partDir_.empty(); }
  bool Add(const ExportItem& item) override;
  bool Finish(const std::string& mainPath) override;
  const std::string& Error() const override { return error_; }

 private:
  bool Fail(const std::string& what);

  std::filesystem::path finalDir_;
  std::filesystem::path partDir_;
  std::string error_;
};

}  // namespace velmora::cli::exporting
