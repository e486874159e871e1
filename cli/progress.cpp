#include "cli/progress.h"

#include <unistd.h>

#include <iostream>

namespace velmora::cli {

std::ostream* ProgressStream(std::ostream& err, bool quiet) {
  // Only the process's own standard error can be a terminal; any other
  // stream is a file or a buffer that must keep its plain text.
  if (quiet || &err != &std::cerr || ::isatty(STDERR_FILENO) != 1) return nullptr;
  return &err;
}

}  // namespace velmora::cli
