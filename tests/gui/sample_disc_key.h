#pragma once
// Settings that name the demo disc as both the disc and the installation.

#include <optional>
#include <string>
#include <utility>

#include "platform/system.h"

class SampleDiscKey : public velmora::platform::SettingsStore {
 public:
  // Another disc in the same role, for tests that make one of their own.
  explicit SampleDiscKey(std::string root = std::string(VELMORA_SAMPLE_CONTENT) + "/")
      : root_(std::move(root)) {}
  std::optional<velmora::platform::ContentKey> OpenContentKey() override {
    return velmora::platform::ContentKey{root_, root_};
  }

 private:
  std::string root_;
};
