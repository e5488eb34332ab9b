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
      {"ESplit", [] { vx::ESplit(nullptr, 0.5, nullptr, nullptr); }},
      {"FindAllInts", [] { vx::FindAllInts(nullptr, nullptr, nullptr); }},
      {"LenText2", [] { vx::LenText2(nullptr); }},
      {"DefDlg", [] { vx::DefDlg("DLG", 0, 0, nullptr, 0, 0); }},
      {"RMGetValue", [] { vx::RMGetValue(nullptr); }},
      {"GetGlyphOutlineA", [] { GetGlyphOutlineA(nullptr, 'A', 0, nullptr, 0, nullptr, nullptr); }},
      {"SetWindowsHookExA", [] { SetWindowsHookExA(0, nullptr, nullptr, 0); }},
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
