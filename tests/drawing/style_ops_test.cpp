// The host operations on the open drawing, through a running session.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/session/session.h"
#include "host/host_api.h"
#include "host/settings_layout.h"
#include "tests/drawing/drawing_fixture.h"

namespace vxh {
namespace {

class StyleOpsTest : public ::testing::Test {
 protected:
  std::ostringstream transcript;
  Session session{transcript};
};

const char* NameOf(const std::uint8_t* record, std::size_t offset) {
  return record == nullptr ? "(none)" : reinterpret_cast<const char*>(record + offset);
}

TEST_F(StyleOpsTest, LayerLookupsAndTheCurrentLayer) {
  EXPECT_STREQ(NameOf(vx::GetCurLayer(), vx::kLayerName), "0");
  EXPECT_STREQ(NameOf(vx::FindLayerID(2), vx::kLayerName), "Dimensions");
  EXPECT_EQ(vx::FindLayerID(77), nullptr);
  EXPECT_EQ(vx::FindLayerName("HATCH"), vx::FindLayerID(4));
  EXPECT_EQ(vx::FindLayerName("Nope"), nullptr);
  vx::SetCurLayer(3);
  EXPECT_STREQ(NameOf(vx::GetCurLayer(), vx::kLayerName), "Text");
  vx::SetCurLayer(77);
  EXPECT_STREQ(NameOf(vx::GetCurLayer(), vx::kLayerName), "Text") << "an unknown layer changes nothing";
  EXPECT_EQ(vx::AskLayerFrozen(1), 0);
  SetLayerFlag(session.Doc(), "Construction", vx::kLayerFrozen, true);
  EXPECT_EQ(vx::AskLayerFrozen(1), 1);
}

TEST_F(StyleOpsTest, StyleLookupsAndSettingsOfNewEntities) {
  EXPECT_EQ(vx::GetU16(vx::FindLStyleName("dashed"), vx::kLStyleNumber), 2);
  const std::uint8_t* cross = vx::FindFStyleName(".25 Crosshatch");
  ASSERT_NE(cross, nullptr);
  EXPECT_EQ(vx::FindFStyleID(vx::GetU16(cross, vx::kFillId)), cross);
  EXPECT_EQ(vx::FindFStyleID(0), nullptr);
  vx::SetCurLStyle(5);
  vx::SetCurFStyle(3);
  vx::SetCurLayer(4);
  vx::DList* work = vx::GetWorkDL();
  vx::Entity line = work->AddRecord(vxtest::Line(0, 0, 1, 1).data());
  vx::SetCStuff(line);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrLineStyle), 5);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrFillStyle), 3);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrLayer), 4);
  vx::SetCurFStyle(0);
  vx::SetCStuff(line);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrFillStyle), 0);
}

TEST_F(StyleOpsTest, TemporaryListsTagsAndSelection) {
  EXPECT_EQ(vx::CreateDList("~CopyDL.kvd", 1), nullptr);
  vx::DList* temp = vx::CreateDList("~CopyDL.kvd", 2);
  ASSERT_NE(temp, nullptr);
  EXPECT_STREQ(temp->file_name, "~CopyDL.kvd");
  vx::DList* work = vx::GetWorkDL();
  vx::Entity a = work->AddRecord(vxtest::Line(1, 0, 0, 0).data());
  vx::Entity b = work->AddRecord(vxtest::Line(2, 0, 0, 0).data());
  work->Commit(a);
  work->Commit(b);
  vx::SetNewTag(a);
  vx::SetNewTag(b);
  EXPECT_NE(session.Doc().Work().State(a).tag, session.Doc().Work().State(b).tag);
  vx::ClearSelect();
  EXPECT_TRUE(testing::WalkOrder(work, vx::kWalkSelected).empty());
  temp->Release();
}

}  // namespace
}  // namespace vxh
