#include <gtest/gtest.h>

#include <sstream>

#include "frame/command_table.h"
#include "frame/entry_point.h"
#include "frame/pack_state.h"
#include "headless/session/pack_registry.h"
#include "headless/session/session.h"
#include "host/host_api.h"

namespace vx {
namespace {

TEST(LoadUnload, LoadingRegistersTheRecordWithTheModuleHandleInWordSeven) {
  std::ostringstream transcript;
  {
    vxh::Session session(transcript);
    const RegistrationRecord& record = PackRegistration();
    EXPECT_STREQ(record.title, "Vorlix release 1026");
    EXPECT_EQ(record.names, CommandNameBlock());
    EXPECT_EQ(record.handlers, HandlerArray());
    EXPECT_EQ(record.word1, 0u);
    EXPECT_EQ(record.word2, 0u);
    EXPECT_EQ(record.word6, 0u);
    EXPECT_NE(record.module, nullptr);
    ASSERT_TRUE(vxh::RegisteredPack().Loaded());
    EXPECT_EQ(vxh::RegisteredPack().Commands().size(), kCommandCount);
    EXPECT_EQ(vxh::RegisteredPack().Find("vxhatchstandard"), kCommands[38].handler);
  }
  EXPECT_FALSE(vxh::RegisteredPack().Loaded()) << "unloading unregisters";
}

TEST(LoadUnload, AReloadedPackStartsWithFreshState) {
  std::ostringstream transcript;
  {
    vxh::Session first(transcript);
    Pack().text_template = std::malloc(16);  // as the text tools would
  }
  vxh::Session second(transcript);
  EXPECT_EQ(Pack().text_template, nullptr);
}

TEST(LoadUnload, AboutShowsTheCommandListInAMessageBox) {
  std::ostringstream transcript;
  vxh::Session session(transcript);
  session.RunText("ABOUT\n");
  EXPECT_NE(transcript.str().find("[About Vorlix] User commands:\\n\\nVXLAYERS, VXHIDEF"), std::string::npos)
      << transcript.str();
}

}  // namespace
}  // namespace vx
