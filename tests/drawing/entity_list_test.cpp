#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/settings_layout.h"
#include "tests/drawing/drawing_fixture.h"

namespace vxh {
namespace {

using testing::AddLines;
using testing::WalkOrder;

class EntityListTest : public ::testing::Test {
 protected:
  Document doc;
  vx::DList* work = doc.WorkDL();
};

TEST_F(EntityListTest, WalkReturnsTheFirstNonZeroCallbackResultAndStopsThere) {
  AddLines(work, 5);
  struct Probe {
    int calls = 0;
  };
  Probe probe;
  const int result = work->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t p, std::intptr_t stop_at) {
        ++reinterpret_cast<Probe*>(p)->calls;
        return vx::GetF64(e, vx::kLineX1) == static_cast<double>(stop_at) ? 42 : 0;
      },
      vx::kWalkAll, reinterpret_cast<std::intptr_t>(&probe), 3);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(probe.calls, 3);
  EXPECT_EQ(work->Walk([](vx::DList*, vx::Entity, std::intptr_t, std::intptr_t) { return 0; }, 0), 0);
}

TEST_F(EntityListTest, MemberListIsNullUntilMadeAndThenStaysTheSame) {
  vx::Entity line = AddLines(work, 1)[0];
  vx::Entity group = work->AddRecord(vxtest::Group().data());
  EXPECT_EQ(work->MemberList(line), nullptr);
  EXPECT_EQ(work->MemberList(group), nullptr);
  vx::DList* members = work->MakeMemberList(group);
  ASSERT_NE(members, nullptr);
  EXPECT_EQ(work->MakeMemberList(group), members);
  EXPECT_EQ(work->MemberList(group), members);
  EXPECT_EQ(members->SettingsTable(vx::kTableLayers), work->SettingsTable(vx::kTableLayers));
}

TEST_F(EntityListTest, TextRecordFollowsItsTextThroughResize) {
  vx::Entity text = work->AddRecord(vxtest::BareText("start").data());
  for (const std::string& s :
       std::vector<std::string>{"", "a much longer text than before", "mid", std::string(300, 'x')}) {
    const std::uint32_t size = vx::TextSize(static_cast<std::uint32_t>(s.size()));
    vx::PutF64(text, vx::kTextX, 7.5);
    text = work->Resize(work->OpenForChange(text), size);
    std::memcpy(text + vx::kTextString, s.c_str(), s.size() + 1);
    work->Commit(text);
    EXPECT_EQ(vx::GetU32(text, vx::kHdrSize), size);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + vx::kTextString)), s);
    EXPECT_EQ(vx::GetF64(text, vx::kTextX), 7.5) << "resize keeps the bytes that fit";
    EXPECT_EQ(work->Test(text), 0);
  }
  EXPECT_EQ(doc.Work().Count(), 1u);
}

TEST_F(EntityListTest, CommitRefusesARecordWhoseSizeFieldWasChangedInPlace) {
  vx::Entity text = work->AddRecord(vxtest::BareText("abc").data());
  vx::PutU32(text, vx::kHdrSize, vx::TextSize(10));
  EXPECT_THROW(work->Commit(text), HostFault);
}

TEST_F(EntityListTest, WalkFiltersCombineSelectionAndLayerState) {
  const int hidden = AddLayer(doc, "HiddenLayer");
  const int frozen = AddLayer(doc, "FrozenLayer");
  ASSERT_TRUE(SetLayerFlag(doc, "HiddenLayer", vx::kLayerHidden, true));
  ASSERT_TRUE(SetLayerFlag(doc, "FrozenLayer", vx::kLayerFrozen, true));
  // x1: 1 plain, 2 plain selected, 3 hidden, 4 hidden selected, 5 frozen,
  // 6 frozen selected, 7 removed selected, 8 on a layer the table lacks.
  struct Spec {
    int layer;
    bool selected;
    bool removed;
  };
  const Spec specs[] = {{0, false, false},      {0, true, false},      {hidden, false, false}, {hidden, true, false},
                        {frozen, false, false}, {frozen, true, false}, {0, true, true},        {999, false, false}};
  double x = 1;
  for (const Spec& s : specs) {
    vx::Entity e =
        work->AddRecord(vxtest::OnLayer(vxtest::Line(x++, 0, 0, 0), static_cast<std::uint16_t>(s.layer)).data());
    if (s.selected) work->Commit(e);
    if (s.removed) work->Remove(e);
  }
  struct Case {
    int filter;
    std::vector<double> expected;
  };
  const Case cases[] = {
      {vx::kWalkAll, {1, 2, 3, 4, 5, 6, 8}},
      {vx::kWalkSelected, {2, 4, 6}},
      {vx::kWalkVisible, {1, 2, 5, 6, 8}},
      {vx::kWalkUnfrozen, {1, 2, 3, 4, 8}},
      {vx::kWalkSelectedVisible, {2, 6}},
      {vx::kWalkSelectedUnfrozen, {2, 4}},
      {vx::kWalkVisible | vx::kWalkUnfrozen, {1, 2, 8}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WalkOrder(work, c.filter), c.expected) << "filter 0x" << std::hex << c.filter;
  }
}

int FreeResizeOrAppend(vx::DList* list, vx::Entity e, std::intptr_t visits, std::intptr_t) {
  reinterpret_cast<std::vector<double>*>(visits)->push_back(vx::GetF64(e, vx::kLineX1));
  switch (static_cast<int>(vx::GetF64(e, vx::kLineX1))) {
    case 1: list->Free(e); break;  // the current one
    case 2: list->AddRecord(vxtest::Line(99, 0, 0, 0).data()); break;
    case 3: list->Resize(e, vx::kLineSize); break;  // moves the record
    case 4: list->Remove(e); break;
    default: break;
  }
  return 0;
}

TEST_F(EntityListTest, WalkSurvivesChangesMadeByItsCallback) {
  for (bool temporary : {false, true}) {
    Document fresh;
    vx::DList* list = temporary ? fresh.CreateTempList("~Walk.kvd")->AsDList() : fresh.WorkDL();
    AddLines(list, 5);
    std::vector<double> visits;
    list->Walk(FreeResizeOrAppend, vx::kWalkAll, reinterpret_cast<std::intptr_t>(&visits));
    EXPECT_EQ(visits, (std::vector<double>{1, 2, 3, 4, 5})) << "appended entities are not visited";
    EXPECT_EQ(WalkOrder(list), (std::vector<double>{2, 3, 5, 99}));
  }
}

TEST_F(EntityListTest, CopyInCopiesMemberListsDeeplyAndUnselected) {
  vx::Entity group = work->AddRecord(vxtest::Group().data());
  vx::DList* members = work->MakeMemberList(group);
  AddLines(members, 2, 10);
  vx::Entity inner = members->AddRecord(vxtest::Group().data());
  AddLines(members->MakeMemberList(inner), 3, 20);
  work->Commit(group);

  vx::DList* temp = doc.CreateTempList("~CopyDL.kvd")->AsDList();
  vx::Entity copy = temp->CopyIn(group);
  EXPECT_TRUE(WalkOrder(temp, vx::kWalkSelected).empty());
  vx::DList* copied = temp->MemberList(copy);
  ASSERT_NE(copied, nullptr);
  ASSERT_NE(copied, members);
  EXPECT_EQ(WalkOrder(copied), (std::vector<double>{10, 11, 0}));
  const vx::Entity copied_inner = testing::FirstOf(copied, vx::kKindGroup);
  ASSERT_NE(copied_inner, nullptr);
  EXPECT_EQ(WalkOrder(copied->MemberList(copied_inner)), (std::vector<double>{20, 21, 22}));

  // Changing the copy leaves the original alone.
  copied->MemberList(copied_inner)
      ->Walk(
          [](vx::DList* l, vx::Entity e, std::intptr_t, std::intptr_t) {
            l->Free(e);
            return 0;
          },
          0);
  EXPECT_EQ(WalkOrder(members->MemberList(inner)), (std::vector<double>{20, 21, 22}));
  temp->Commit(copy);
  EXPECT_EQ(temp->Test(copy), 0);
  temp->Release();
}

TEST_F(EntityListTest, TestTellsLiveEntitiesOfThisListFromOthers) {
  vx::DList* temp = doc.CreateTempList("~Other.kvd")->AsDList();
  std::vector<vx::Entity> e = AddLines(work, 2);
  vx::Entity elsewhere = AddLines(temp, 1)[0];
  work->Remove(e[1]);
  EXPECT_EQ(work->Test(e[0]), 0);
  EXPECT_NE(work->Test(e[1]), 0);
  EXPECT_NE(work->Test(elsewhere), 0);
  work->Restore(e[1]);
  EXPECT_EQ(work->Test(e[1]), 0);
  EXPECT_EQ(doc.Work().Count(), 2u);
}

TEST_F(EntityListTest, ListsCarryTheirFileNameAtByte300) {
  doc.SetFileName("plan.kvd");
  EXPECT_STREQ(reinterpret_cast<const char*>(doc.WorkDL()) + vx::kDListFileName, "plan.kvd");
  vx::DList* temp = doc.CreateTempList("~HatchBorder.kvd")->AsDList();
  EXPECT_STREQ(temp->file_name, "~HatchBorder.kvd");
  EXPECT_EQ(temp->SettingsTable(vx::kTableFonts), doc.Tables().Table(vx::kTableFonts));
  EXPECT_EQ(temp->SettingsTable(3), nullptr);
  EXPECT_EQ(FromDList(temp)->AsDList(), temp);
  temp->Release();
  EXPECT_THROW(doc.WorkDL()->Release(), HostFault);
}

TEST_F(EntityListTest, ForeignObjectsAreRefusedWithAClearError) {
  vx::DList fake{};
  EXPECT_THROW(FromDList(&fake), HostFault);
  EXPECT_THROW(doc.WorkDL()->Commit(nullptr), HostFault);
  EXPECT_THROW(doc.WorkDL()->NewRecord(2, 8), HostFault);
  try {
    doc.WorkDL()->NewRecord(0, 64);
    FAIL() << "kind 0 accepted";
  } catch (const HostFault& e) {
    EXPECT_NE(std::string(e.what()).find("kind 0"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace vxh
