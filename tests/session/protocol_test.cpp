#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/host_error.h"
#include "headless/session/command_protocol.h"

namespace vxh {
namespace {

// Each case plays a command's calls: 'r' request, 'a' answer, 'e' CmdEnd,
// '|' a handler or continuation returns. The result is "ended", "pending" or
// the fault text.
std::string Play(const std::string& calls, bool about = false) {
  CommandProtocol p;
  p.Start("CMD", about);
  std::string result;
  try {
    for (char c : calls) {
      switch (c) {
        case 'r': p.Request(); break;
        case 'a': p.Answered(); break;
        case 'e': p.End(); break;
        case '|': result = p.StepReturned() ? "ended" : "pending"; break;
      }
    }
  } catch (const HostFault& e) {
    return e.what();
  }
  return result;
}

TEST(CommandProtocol, KeptAndBrokenRules) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"r|", "pending"},
      {"r|ae|", "ended"},
      {"r|ar|ae|", "ended"},
      {"|", "command protocol: CMD returned with neither a pending request nor CmdEnd"},
      {"r|a|", "command protocol: CMD returned with neither a pending request nor CmdEnd"},
      {"ee", "command protocol: CMD called CmdEnd a second time"},
      {"rr", "command protocol: CMD issued a request while one is pending"},
      {"er", "command protocol: CMD issued a request after CmdEnd"},
      {"re", "command protocol: CMD called CmdEnd while its request is pending"},
  };
  for (const auto& [calls, expected] : cases) EXPECT_EQ(Play(calls), expected) << calls;
}

TEST(CommandProtocol, AboutMayEndWithoutCmdEnd) { EXPECT_EQ(Play("|", true), "ended"); }

TEST(CommandProtocol, OneCommandAtATimeAndNothingOutsideACommand) {
  CommandProtocol p;
  EXPECT_THROW(p.Request(), HostFault);
  EXPECT_THROW(p.End(), HostFault);
  p.Start("A", false);
  p.Request();
  EXPECT_THROW(p.Start("B", false), HostFault);
  EXPECT_FALSE(p.Running()) << "a fault forgets the broken command";
}

}  // namespace
}  // namespace vxh
