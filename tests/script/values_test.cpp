#include "headless/script/values.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "headless/host_error.h"
#include "headless/script/event.h"
#include "headless/script/selection_expr.h"
#include "headless/script/variables.h"

namespace vxh::script {
namespace {

TEST(ParseNumber, AcceptsDecimalNumbersAndRefusesTheRest) {
  const std::map<std::string, std::optional<double>> cases = {
      {"5", 5.0},  {"-2.5", -2.5}, {" +3 ", 3.0}, {".5", 0.5},      {"1e3", 1000.0},
      {"", {}},    {"-", {}},      {"inf", {}},   {"nan", {}},      {"1e999", {}},
      {"1,2", {}}, {"++1", {}},    {"0x10", {}},  {"5 apples", {}}, {"- 5", {}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseNumber(text), expected) << '"' << text << '"';
}

TEST(ParseInteger, WholeNumbersThatFit32Bits) {
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_EQ(ParseInteger("-7"), -7);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger("2.5"), std::nullopt);
}

TEST(ParsePoint, AbsoluteRelativeTwoAndThreeCoordinates) {
  const std::optional<PointText> p = ParsePoint(" 1.5, -2 ");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->count, 2);
  EXPECT_FALSE(p->relative);
  EXPECT_DOUBLE_EQ(p->x, 1.5);
  EXPECT_DOUBLE_EQ(p->y, -2);
  const std::optional<PointText> q = ParsePoint("@1,2,3");
  ASSERT_TRUE(q);
  EXPECT_TRUE(q->relative);
  EXPECT_EQ(q->count, 3);
  EXPECT_DOUBLE_EQ(q->z, 3);
  for (const char* bad : {"1", "1,2,3,4", "1,,2", "a,b", "@", "1;2"}) EXPECT_FALSE(ParsePoint(bad)) << bad;
}

TEST(ParseEvent, KnownEventsWithTheirArguments) {
  EXPECT_EQ(ParseEvent("ESC").kind, EventKind::kEsc);
  const Event move = ParseEvent("move 3,4");
  EXPECT_EQ(move.kind, EventKind::kMove);
  EXPECT_DOUBLE_EQ(move.x, 3);
  EXPECT_DOUBLE_EQ(move.y, 4);
  const Event view = ParseEvent("view 10,20 0,0 800 600");
  EXPECT_DOUBLE_EQ(view.view.x1, 0);
  EXPECT_DOUBLE_EQ(view.view.x2, 10);
  EXPECT_DOUBLE_EQ(view.view.y2, 20);
  EXPECT_DOUBLE_EQ(view.view.width_px, 800);
  EXPECT_EQ(ParseEvent("hold Shift").name, "shift");
  EXPECT_EQ(ParseEvent("release all").kind, EventKind::kRelease);
  EXPECT_EQ(ParseEvent("menu 3").number, 3);
}

TEST(ParseEvent, BadEventsSayWhatIsWrong) {
  const std::map<std::string, std::string> cases = {
      {"jump", "unknown event"},           {"esc now", "takes no arguments"},
      {"move 1", "needs a point"},         {"view 0,0 1,1 10", "needs two corners"},
      {"view 0,0 0,1 10 10", "not empty"}, {"hold alt", "takes shift|ctrl"},
      {"menu x", "needs an item number"},
  };
  for (const auto& [body, message] : cases) {
    try {
      ParseEvent(body);
      ADD_FAILURE() << "no error for <" << body << ">";
    } catch (const BadInput& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

TEST(ParseSelection, TermsJoinedWithPlus) {
  const std::vector<SelectTerm> terms = ParseSelection("window 10,10 0,0 + LAST+layer Walls 2+at 1,2");
  ASSERT_EQ(terms.size(), 4u);
  EXPECT_EQ(terms[0].kind, SelectKind::kWindow);
  EXPECT_DOUBLE_EQ(terms[0].x1, 0);
  EXPECT_DOUBLE_EQ(terms[0].x2, 10);
  EXPECT_EQ(terms[1].kind, SelectKind::kLast);
  EXPECT_EQ(terms[2].layer, "Walls 2");
  EXPECT_EQ(terms[3].kind, SelectKind::kAt);
  EXPECT_DOUBLE_EQ(terms[3].y1, 2);
}

TEST(ParseSelection, BadTermsAreRefused) {
  for (const char* bad : {"", "all+", "everything", "window 1,1", "crossing 1,1 x", "layer", "at 1", "all 3"}) {
    EXPECT_THROW(ParseSelection(bad), BadInput) << bad;
  }
}

TEST(ExpandVariables, DollarNamesBracesAndQuotes) {
  const VariableLookup lookup = [](std::string_view name) -> std::optional<std::string> {
    if (name == "W") return "12.5";
    if (name == "my var") return "x";
    return std::nullopt;
  };
  EXPECT_EQ(ExpandVariables({{"$W,${my var}", false}}, lookup), "12.5,x");
  EXPECT_EQ(ExpandVariables({{"cost $$5 $", false}}, lookup), "cost $5 $");
  EXPECT_EQ(ExpandVariables({{"$W", true}}, lookup), "$W") << "quoted text is never expanded";
  EXPECT_THROW(ExpandVariables({{"$missing", false}}, lookup), BadInput);
  EXPECT_THROW(ExpandVariables({{"${W", false}}, lookup), BadInput);
}

}  // namespace
}  // namespace vxh::script
