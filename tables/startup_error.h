#pragma once
// An error that ends the start-up: a table file that cannot be read. The
// program entry shows it in a message box and ends with a non-zero status.

#include <stdexcept>
#include <string>

namespace velmora::tables {

class StartupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velmora::tables
