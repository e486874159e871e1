#pragma once
// A disc on which `velmora-cli check` finds nothing: the minimal disc plus
// every fixed page, support file, template and tree page the viewer needs.

#include <string>

namespace velmora::test {

void MakeCleanCheckDisc(const std::string& root);

}  // namespace velmora::test
