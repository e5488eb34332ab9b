#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "headless/host_error.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace {

TEST(NotBuilt, OperationsNotBuiltYetFailNamingThemselves) {
  const std::vector<std::pair<std::string, std::function<void()>>> calls = {
      {"EStretch", [] { vx::EStretch(nullptr, nullptr, nullptr); }},
  };
  for (const auto& [name, call] : calls) {
    try {
      call();
      ADD_FAILURE() << name << " did not fail";
    } catch (const vxh::HostFault& fault) {
      EXPECT_NE(std::string(fault.what()).find(name), std::string::npos) << fault.what();
    }
  }
}

}  // namespace
