#include <gtest/gtest.h>

#include <string>

#include "headless/host_error.h"
#include "host/host_api.h"

namespace {

TEST(NotBuilt, AnOperationNotBuiltYetFailsNamingItself) {
  try {
    vx::EStretch(nullptr, nullptr, nullptr);
    ADD_FAILURE() << "EStretch did not fail";
  } catch (const vxh::HostFault& fault) {
    EXPECT_NE(std::string(fault.what()).find("EStretch"), std::string::npos) << fault.what();
  }
}

}  // namespace
