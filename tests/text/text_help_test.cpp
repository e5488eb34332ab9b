// The help dialog of the placement ("H"): what it shows is what the text
// gets, whichever button closed it.
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {
namespace {

class TextHelp : public TextTest {
 protected:
  vx::Entity Only() {
    vx::Entity found = nullptr;
    int texts = 0;
    for (vx::Entity e : Entities())
      if (vx::GetI8(e, vx::kHdrKind) == vx::kKindText) found = e, ++texts;
    EXPECT_EQ(texts, 1);
    return found;
  }
};

TEST_F(TextHelp, TheDialogSetsJustificationStyleHeightAndSurround) {
  const struct {
    const char* answer;
    int justification;
    std::uint8_t style;
    float height;
  } cases[] = {
      {"{press ok}", 13, 0, 2.5f},                   // C then F: far bottom-center, split and composed again
      {"{press 1011; press ok}", 11, 0, 2.5f},       // &L keeps far: far bottom-left
      {"{1025; 1028; 1030; press ok}", 8, 0, 2.5f},  // right, top, normal
      {"{1032; 1036=5; press ok}", 13, vx::kStyleUnderline, 5.0f},
      {"{press 1019; press 1015; press cancel}", 4, vx::kStyleBold, 2.5f},  // middle center has no far form
  };
  for (const auto& c : cases) {
    Run(std::string("VXTEXT;{1000=A; press ok};2.5;<key C>;<key F>;<key H>;") + c.answer + ";0,0;<esc>");
    const vx::Entity t = Only();
    ASSERT_NE(t, nullptr) << c.answer;
    EXPECT_EQ(vx::GetU8(t, vx::kTextSpec + vx::kSpecJustify), c.justification) << c.answer;
    EXPECT_EQ(vx::GetU8(t, vx::kTextSpec + vx::kSpecStyleBits), c.style) << c.answer;
    EXPECT_FLOAT_EQ(vx::GetF32(t, vx::kTextSpec + vx::kSpecHeight), c.height) << c.answer;
    Run("UNDO");
  }
}

TEST_F(TextHelp, TheSurroundChosenInTheDialogIsAdded) {
  Run("VXTEXT;{1000=A; press ok};<key H>;{1042; press ok};0,0;<esc>");
  int circles = 0;
  for (vx::Entity e : Entities()) circles += vx::GetI8(e, vx::kHdrKind) == vx::kKindCircle;
  EXPECT_EQ(circles, 1);
}

}  // namespace
}  // namespace vxh::testing
