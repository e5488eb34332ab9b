#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/undo_journal.h"
#include "headless/kvd/kvd_file.h"
#include "tests/drawing/drawing_fixture.h"

namespace vxh {
namespace {

using testing::AddLines;
using testing::FirstOf;
using testing::WalkOrder;

std::vector<std::uint8_t> Snapshot(const Document& doc) { return EncodeKvd(doc, true); }

// A drawing with plain entities, a removed one and a group with members.
struct Drawing {
  Document doc;
  vx::DList* work = doc.WorkDL();
  std::vector<vx::Entity> lines;
  vx::Entity group = nullptr;
  vx::DList* members = nullptr;

  Drawing() {
    lines = AddLines(work, 4);
    work->Remove(lines[3]);
    group = work->AddRecord(vxtest::Group().data());
    members = work->MakeMemberList(group);
    AddLines(members, 3, 10);
    work->AddRecord(vxtest::BareText("label").data());
  }
};

struct Change {
  const char* name;
  std::function<void(Drawing&)> apply;
};

const std::vector<Change>& Changes() {
  static const std::vector<Change> changes = {
      {"add record", [](Drawing& d) { d.work->Commit(d.work->AddRecord(vxtest::Line(5, 5, 6, 6).data())); }},
      {"new record",
       [](Drawing& d) {
         vx::Entity e = d.work->NewRecord(vx::kKindCircle, vx::kCircleSize);
         vx::PutF64(e, vx::kCircleR, 3);
         d.work->Commit(e);
       }},
      {"open for change",
       [](Drawing& d) {
         vx::Entity e = d.work->OpenForChange(d.lines[1]);
         vx::PutF64(e, vx::kLineY2, 123);
         d.work->Commit(e);
       }},
      {"remove", [](Drawing& d) { d.work->Remove(d.lines[0]); }},
      {"restore", [](Drawing& d) { d.work->Restore(d.lines[3]); }},
      {"free", [](Drawing& d) { d.work->Free(d.lines[2]); }},
      {"resize text",
       [](Drawing& d) {
         vx::Entity t = d.work->Resize(d.work->OpenForChange(FirstOf(d.work, vx::kKindText)), vx::TextSize(12));
         std::memcpy(t + vx::kTextString, "longer label", 13);
         d.work->Commit(t);
       }},
      {"place before", [](Drawing& d) { d.work->PlaceBefore(d.group, d.lines[0]); }},
      {"place after", [](Drawing& d) { d.work->PlaceAfter(d.lines[0], d.group); }},
      {"copy in", [](Drawing& d) { d.work->CopyIn(d.group); }},
      {"member changes",
       [](Drawing& d) {
         d.members->Free(FirstOf(d.members));
         d.members->AddRecord(vxtest::Line(50, 0, 0, 0).data());
       }},
      {"new group with members",
       [](Drawing& d) {
         vx::Entity g = d.work->AddRecord(vxtest::Group().data());
         AddLines(d.work->MakeMemberList(g), 2, 70);
         d.work->PlaceBefore(g, d.lines[1]);
       }},
      {"member list of an existing entity", [](Drawing& d) { AddLines(d.work->MakeMemberList(d.lines[1]), 1, 80); }},
      {"members changed in place with their opened group",
       [](Drawing& d) {
         vx::Entity g = d.work->OpenForChange(d.group);
         vx::PutF64(FirstOf(d.members), vx::kLineY2, 99);
         d.work->Commit(g);
       }},
      {"resize then free in one step",
       [](Drawing& d) {
         vx::Entity e = d.work->Resize(d.lines[1], vx::kLineSize);
         d.work->Free(e);
       }},
  };
  return changes;
}

TEST(UndoTest, EveryChangeIsUndoneByteForByteAndRedone) {
  for (const Change& change : Changes()) {
    Drawing d;
    const std::vector<std::uint8_t> before = Snapshot(d.doc);
    d.work->UndoMark();
    change.apply(d);
    const std::vector<std::uint8_t> after = Snapshot(d.doc);
    ASSERT_NE(before, after) << change.name << " changed nothing";
    ASSERT_TRUE(d.doc.Undo()) << change.name;
    EXPECT_EQ(Snapshot(d.doc), before) << change.name;
    ASSERT_TRUE(d.doc.Redo()) << change.name;
    EXPECT_EQ(Snapshot(d.doc), after) << change.name;
    ASSERT_TRUE(d.doc.Undo()) << change.name;
    EXPECT_EQ(Snapshot(d.doc), before) << change.name << " (second undo)";
  }
}

TEST(UndoTest, AllChangesInOneStepUndoTogether) {
  Drawing d;
  const std::vector<std::uint8_t> before = Snapshot(d.doc);
  d.work->UndoMark();
  for (const Change& change : Changes()) {
    if (std::string(change.name) != "free" && std::string(change.name) != "resize then free in one step") {
      change.apply(d);
    }
  }
  const std::vector<std::uint8_t> after = Snapshot(d.doc);
  EXPECT_TRUE(d.doc.Undo());
  EXPECT_EQ(Snapshot(d.doc), before);
  EXPECT_TRUE(d.doc.Redo());
  EXPECT_EQ(Snapshot(d.doc), after);
}

TEST(UndoTest, StepsUndoInReverseAndANewMarkDropsTheRedoHistory) {
  Drawing d;
  std::vector<std::vector<std::uint8_t>> states{Snapshot(d.doc)};
  for (int step = 0; step < 3; ++step) {
    d.work->UndoMark();
    AddLines(d.work, 2, 100 + 10 * step);
    states.push_back(Snapshot(d.doc));
  }
  EXPECT_TRUE(d.doc.Undo());
  EXPECT_TRUE(d.doc.Undo());
  EXPECT_EQ(Snapshot(d.doc), states[1]);
  EXPECT_TRUE(d.doc.Redo());
  EXPECT_EQ(Snapshot(d.doc), states[2]);

  d.work->UndoMark();
  AddLines(d.work, 1, 500);
  EXPECT_FALSE(d.doc.Redo()) << "a new step after an undo ends the redo history";
  EXPECT_TRUE(d.doc.Undo());
  EXPECT_EQ(Snapshot(d.doc), states[2]);
}

TEST(UndoTest, AChangeWithoutAMarkIsAStepOfItsOwn) {
  Document doc;
  vx::DList* work = doc.WorkDL();
  const std::vector<std::uint8_t> empty = Snapshot(doc);
  AddLines(work, 1);
  const std::vector<std::uint8_t> one = Snapshot(doc);
  EXPECT_TRUE(doc.Undo());
  EXPECT_EQ(Snapshot(doc), empty);
  EXPECT_TRUE(doc.Redo());
  AddLines(work, 1, 2);  // after a redo: a new implicit step
  EXPECT_TRUE(doc.Undo());
  EXPECT_EQ(Snapshot(doc), one);
  EXPECT_TRUE(doc.Undo());
  EXPECT_FALSE(doc.Undo());
}

TEST(UndoTest, TemporaryListsAreNotJournaled) {
  Document doc;
  vx::DList* temp = doc.CreateTempList("~HatchEntities.kvd")->AsDList();
  temp->UndoMark();
  AddLines(temp, 3);
  EXPECT_FALSE(doc.Undo());
  EXPECT_EQ(WalkOrder(temp).size(), 3u);
}

TEST(UndoTest, UndoOfALargeStepRestoresEveryRecord) {
  Document doc;
  vx::DList* work = doc.WorkDL();
  std::vector<vx::Entity> lines = AddLines(work, 20000);
  const std::vector<std::uint8_t> before = Snapshot(doc);
  work->UndoMark();
  for (vx::Entity e : lines) {
    vx::PutF64(work->OpenForChange(e), vx::kLineY1, -1);
    work->Commit(e);
  }
  EXPECT_TRUE(doc.Undo());
  EXPECT_EQ(Snapshot(doc), before);
}

// A drag previews by copying every selected entity and freeing the copy at
// once; thousands of frames must not pile up in the step being built.
TEST(UndoTest, ACopyFreedAtOnceLeavesNoTraceInTheOpenStep) {
  Drawing d;
  const std::vector<std::uint8_t> before = Snapshot(d.doc);
  const std::size_t steps_before = d.doc.Journal().UndoableSteps();
  d.work->UndoMark();
  vx::Entity line = d.work->AddRecord(vxtest::Line(1, 2, 3, 4).data());
  d.work->Commit(line);
  const std::vector<std::uint8_t> after_add = Snapshot(d.doc);
  for (int frame = 0; frame < 1000; ++frame) d.work->Free(d.work->CopyIn(line));
  EXPECT_EQ(Snapshot(d.doc), after_add);
  EXPECT_EQ(d.doc.Journal().UndoableSteps(), steps_before + 1);
  EXPECT_TRUE(d.doc.Undo());
  EXPECT_EQ(Snapshot(d.doc), before);
  EXPECT_TRUE(d.doc.Redo());
  EXPECT_EQ(Snapshot(d.doc), after_add);
}

}  // namespace
}  // namespace vxh
