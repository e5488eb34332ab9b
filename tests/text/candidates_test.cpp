// The candidate list and the collecting walk: which texts become candidates,
// where they are taken to be shown, and the orders of the selection mode.
#include <cmath>
#include <random>

#include "frame/pack_state.h"
#include "headless/screen/screen_log.h"
#include "headless/script/view_state.h"
#include "host/settings_layout.h"
#include "tests/text/text_fixture.h"
#include "text/text_access.h"
#include "text/text_walks.h"

namespace vxh::testing {
namespace {

bool AnyText(const char* s) { return s != nullptr; }
vx::Entity NoChange(vx::DList*, vx::Entity e, vx::Entity) { return e; }

const vx::TextCommand kEveryText{.matches = &AnyText, .change = &NoChange, .pick_change = &NoChange};

class Candidates : public TextTest {
 protected:
  vx::CandidateList& List() { return vx::Text().candidates; }

  void Collect() { vx::CollectCandidates(kEveryText, vx::kWalkAll); }

  std::string NearestTo(double x, double y) {
    const double p[2] = {x, y};
    const vx::TextCandidate* c = vx::NearestCandidate(List(), p);
    return c == nullptr ? "<none>" : vx::GetTextString(c->record);
  }
};

constexpr double kQuarterTurn = 1.5707963267948966;

TEST_F(Candidates, TheFirstOfEqualDistancesWins) {
  AddText(-1, 0, "left");
  AddText(1, 0, "right");
  Collect();
  EXPECT_EQ(NearestTo(0, 0), "left");
  EXPECT_EQ(NearestTo(0.1, 0), "right");
  ASSERT_EQ(List().size(), 2u);
  EXPECT_EQ(vx::GetTextString(List()[0].record), std::string("left")) << "list order is drawing order";
}

TEST_F(Candidates, AnEmptyListGivesNoCandidate) {
  Collect();
  EXPECT_EQ(NearestTo(0, 0), "<none>");
  EXPECT_EQ(vx::NextInOrder(List(), vx::kOrderByX), nullptr);
}

TEST_F(Candidates, AGroupInsideASymbolGivesItsMembersNoContext) {
  vx::DList* members = AddSymbol(Work(), Placement(kQuarterTurn, 100, 0));
  vx::DList* group = AddGroup(members);
  AddText(group, 10, 0, "grouped");
  Collect();
  ASSERT_EQ(List().size(), 1u);
  EXPECT_EQ(List()[0].context, nullptr);
  EXPECT_EQ(List()[0].point.x, 10);
  EXPECT_EQ(List()[0].point.y, 0);
}

TEST_F(Candidates, TextsOnHiddenLayersNeverBecomeCandidates) {
  PutOnLayer(AddText(0, 0, "hidden"), "Off", vx::kLayerHidden);
  vx::DList* group = AddGroup(Work());
  PutOnLayer(AddText(group, 5, 0, "hidden member"), "Off", vx::kLayerHidden);
  PutOnLayer(AddText(9, 0, "frozen"), "Cold", vx::kLayerFrozen);
  AddText(20, 0, "shown");
  Collect();
  std::vector<std::string> found;
  for (const vx::TextCandidate& c : List()) found.emplace_back(vx::GetTextString(c.record));
  EXPECT_EQ(found, (std::vector<std::string>{"frozen", "shown"}));
}

TEST_F(Candidates, RemovingAndClearingLeaveTheOthersInOrder) {
  for (const char* s : {"a", "b", "c"}) AddText(0, 0, s);
  Collect();
  vx::RemoveCandidate(List(), &List()[1]);
  vx::TextCandidate stranger;
  vx::RemoveCandidate(List(), &stranger);
  ASSERT_EQ(List().size(), 2u);
  EXPECT_EQ(vx::GetTextString(List()[1].record), std::string("c"));
  vx::ClearCandidates(List());
  EXPECT_TRUE(List().empty());
}

TEST_F(Candidates, TrackNearestDrawsALineFromTheCursorToTheNearestText) {
  AddText(10, 0, "a");
  AddText(0, 10, "b");
  Collect();
  Run("<move 1,8>");
  // No request waits, so the routine is called by hand with the session's view.
  vx::TrackNearest(CurrentViewState().DragView());
  ASSERT_FALSE(screen::RunningScreen("the test").PendingPrimitives().empty());
  const screen::Primitive& line = screen::RunningScreen("the test").PendingPrimitives().back();
  ASSERT_EQ(line.kind, screen::PrimitiveKind::kLine);
  EXPECT_EQ(line.points, (std::vector<double>{1, 8, 0, 10}));
}

// Repeated NextInOrder with MarkDone is the definition of the order; the
// stable sort must give the same one.
TEST(SequenceOrder, AgreesWithRepeatedNextInOrderIncludingTies) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(0, 5);  // many ties
  vx::CandidateList list;
  for (int i = 0; i < 200; ++i) {
    vx::TextCandidate c;
    c.point = {static_cast<double>(coordinate(random)), static_cast<double>(coordinate(random))};
    c.record = reinterpret_cast<vx::Entity>(static_cast<std::uintptr_t>(i + 1));
    list.push_back(c);
  }
  list[17].point.x = std::nan("");
  for (int order : {vx::kOrderByX, vx::kOrderByY, vx::kOrderList}) {
    vx::CandidateList scan = list;
    std::vector<std::size_t> expected;
    while (vx::TextCandidate* c = vx::NextInOrder(scan, order)) {
      expected.push_back(static_cast<std::size_t>(c - scan.data()));
      vx::MarkDone(c);
    }
    EXPECT_EQ(vx::SequenceOrder(list, order), expected) << "order " << order;
  }
}

}  // namespace
}  // namespace vxh::testing
