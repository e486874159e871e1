#pragma once
// Settings that name the demo disc as both the disc and the installation.

#include <optional>
#include <string>

#include "platform/system.h"

class SampleDiscKey : public velmora::platform::SettingsStore {
 public:
  std::optional<velmora::platform::ContentKey> OpenContentKey() override {
    const std::string root = std::string(VELMORA_SAMPLE_CONTENT) + "/";
    return velmora::platform::ContentKey{root, root};
  }
};
