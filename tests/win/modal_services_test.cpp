#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/frame/hook_pack.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class ModalServices : public SessionTest {
 protected:
  HookPack pack;
};

TEST_F(ModalServices, TextSpecDialogWritesTheFieldsItIsGiven) {
  std::uint8_t* spec = Hooked().text_spec;
  vx::PutF32(spec, vx::kSpecHeight, 2.5f);
  vx::PutU8(spec, vx::kSpecStyleBits, vx::kStyleUnderline);
  Run("TSPEC;{height=5; width=0.8; angle=90; font=3; justify=4; bold; press ok}");
  EXPECT_EQ(Hooked().dialog_result, 1);
  EXPECT_EQ(vx::GetF32(spec, vx::kSpecHeight), 5.0f);
  EXPECT_EQ(vx::GetF32(spec, vx::kSpecWidth), 0.8f);
  EXPECT_EQ(vx::GetF32(spec, vx::kSpecAngle), static_cast<float>(90 * 3.14159265 / 180));
  EXPECT_EQ(vx::GetU16(spec, vx::kSpecFont), 3);
  EXPECT_EQ(vx::GetU8(spec, vx::kSpecJustify), 4);
  EXPECT_EQ(vx::GetU8(spec, vx::kSpecStyleBits), vx::kStyleUnderline | vx::kStyleBold);
}

TEST_F(ModalServices, TextSpecDialogCancelledOrRefusedChangesNothing) {
  std::uint8_t* spec = Hooked().text_spec;
  vx::PutF32(spec, vx::kSpecHeight, 2.5f);
  Run("TSPEC;{height=7; press cancel}");
  EXPECT_EQ(Hooked().dialog_result, 0);
  EXPECT_EQ(vx::GetF32(spec, vx::kSpecHeight), 2.5f);
  for (const char* answer : {"{height=-1}", "{height=tall}", "{colour=3}", "{justify=21}", "{font=1.5}"}) {
    EXPECT_NE(ErrorOf<BadInput>(std::string("TSPEC;") + answer).find("Text Specification"), std::string::npos)
        << answer;
    EXPECT_EQ(vx::GetF32(spec, vx::kSpecHeight), 2.5f) << answer;
  }
}

}  // namespace
}  // namespace vxh::testing
