#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "hatch/pat_list.h"

namespace vx {
namespace {

// A family as the test expects it; angles in degrees as written in the file.
struct FamilyWant {
  double degrees, origin_x, origin_y, delta_x, delta_y;
  std::vector<float> dashes;
};

struct PatternWant {
  std::string name;
  std::vector<FamilyWant> families;  // as stored: reverse file order
};

struct ParseCase {
  const char* label;
  std::string text;
  std::vector<PatternWant> patterns;  // as stored: newest first
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.label; }

class PatParser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(PatParser, ReadsPatternsNewestFirst) {
  PatList list;
  ParsePatText(GetParam().text.data(), GetParam().text.size(), list);
  const std::vector<PatternWant>& want = GetParam().patterns;
  ASSERT_EQ(list.patterns.size(), want.size());
  for (std::size_t p = 0; p < want.size(); ++p) {
    const PatPattern& got = list.patterns[p];
    EXPECT_EQ(got.name, want[p].name);
    ASSERT_EQ(got.families.size(), want[p].families.size()) << got.name;
    for (std::size_t f = 0; f < want[p].families.size(); ++f) {
      const PatFamily& g = got.families[f];
      const FamilyWant& w = want[p].families[f];
      EXPECT_EQ(g.angle, w.degrees * (3.14159265 / 180));
      EXPECT_EQ(g.origin_x, w.origin_x);
      EXPECT_EQ(g.origin_y, w.origin_y);
      EXPECT_EQ(g.delta_x, w.delta_x);
      EXPECT_EQ(g.delta_y, w.delta_y);
      EXPECT_EQ(g.dashes, w.dashes);
      float period = 0;
      for (float d : w.dashes) period = static_cast<float>(period + std::fabs(static_cast<double>(d)));
      EXPECT_EQ(g.period, period);
    }
  }
}

std::string ManyDashes(int count) {
  std::string line = "0,0,0,0,1";
  for (int i = 1; i <= count; ++i) line += "," + std::to_string(i % 2 == 1 ? 0.5 : -0.25);
  return line;
}

std::vector<float> DashesOf(int count) {
  std::vector<float> out;
  for (int i = 1; i <= count; ++i) out.push_back(i % 2 == 1 ? 0.5f : -0.25f);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatParser,
    ::testing::Values(
        ParseCase{"NameWithDescriptionIsTheWholeHeader",
                  "*ANSI31, ANSI Iron\n45, 0,0, 0,.125\n",
                  {{"ANSI31, ANSI Iron", {{45, 0, 0, 0, 0.125, {}}}}}},
        ParseCase{"DashesAndPeriod", "*D\n0, 1,2, 3,4, 0.25,-0.125\n", {{"D", {{0, 1, 2, 3, 4, {0.25f, -0.125f}}}}}},
        ParseCase{"TwoFamiliesInARowAreTold",
                  "*T\n0,0,0,0,1\n90,0,0,0,1, 2,-1\n",
                  {{"T", {{90, 0, 0, 0, 1, {2, -1}}, {0, 0, 0, 0, 1, {}}}}}},
        ParseCase{"DeltaYZeroIsDropped", "*Z\n0,0,0,1,0\n", {{"Z", {}}}},
        ParseCase{"LaterPatternComesFirst",
                  "*A\n0,0,0,0,1\n*A\n90,0,0,0,2\n",
                  {{"A", {{90, 0, 0, 0, 2, {}}}}, {"A", {{0, 0, 0, 0, 1, {}}}}}},
        ParseCase{"AsteriskAloneGivesAnEmptyName", "*\n0,0,0,0,1\n", {{"", {{0, 0, 0, 0, 1, {}}}}}},
        ParseCase{"TwoHundredDashesKept", "*M\n" + ManyDashes(250) + "\n", {{"M", {{0, 0, 0, 0, 1, DashesOf(200)}}}}},
        ParseCase{"CommentsAndTextBeforeTheFirstHeader",
                  "; 1,2,3 a comment\nstray 5,6\n*C ; not a comment in a name\n; 9,9\n0,0,0,0,1 ; trailing\n",
                  {{"C ; not a comment in a name", {{0, 0, 0, 0, 1, {}}}}}},
        ParseCase{"NoFinalLineEnd", "*E\n30,1,1,0,0.5,1,-1", {{"E", {{30, 1, 1, 0, 0.5, {1, -1}}}}}},
        ParseCase{"CarriageReturnsAndPlusSigns", "*R\r\n+45, 0, 0, 0, +2\r\n", {{"R", {{45, 0, 0, 0, 2, {}}}}}},
        ParseCase{"ExponentsAreNotUnderstood", "*X\n0,0,0,0,1e3\n", {{"X", {{0, 0, 0, 0, 1, {}}}}}},
        ParseCase{"GarbageGivesNothing", "\x01\x02 hello, world;\n..--..,,", {}},
        ParseCase{"StopsAtANulInsideTheBuffer",
                  std::string("*A\n0,0,0,0,1\n\0*B\n0,0,0,0,1\n", 26),
                  {{"A", {{0, 0, 0, 0, 1, {}}}}}},
        ParseCase{"LongNamesAreCut", "*" + std::string(100, 'n') + "\n", {{std::string(80, 'n'), {}}}}));

// The default hatch angle and a PAT family at 45 degrees must be the same
// double: a conversion evaluated as (45 * pi) / 180 came out one bit lower.
TEST(PatParser, FortyFiveDegreesIsExactlyTheDefaultAngle) {
  const std::string text = "*D\n45, 0,0, 0,0.125\n";
  PatList list;
  ParsePatText(text.data(), text.size(), list);
  ASSERT_EQ(list.patterns.size(), 1u);
  ASSERT_EQ(list.patterns[0].families.size(), 1u);
  EXPECT_EQ(list.patterns[0].families[0].angle, 0.7853981625);
}

// Digits beyond 32 bits wrap, as the shared number reader does; tiny values
// keep their size. Neither crashes nor loops.
TEST(PatParser, HugeAndTinyNumbers) {
  const std::string text = "*H\n0,0,0,0,0.00000000000000000001,99999999999999999999\n";
  PatList list;
  ParsePatText(text.data(), text.size(), list);
  ASSERT_EQ(list.patterns.size(), 1u);
  ASSERT_EQ(list.patterns[0].families.size(), 1u);
  const PatFamily& f = list.patterns[0].families[0];
  EXPECT_NEAR(f.delta_y, 1e-20, 1e-30);
  ASSERT_EQ(f.dashes.size(), 1u);
  EXPECT_EQ(f.dashes[0], static_cast<float>(1661992959.0));
}

TEST(PatParser, StopsAtTheBufferSizeWithoutANul) {
  const char text[] = {'*', 'A', '\n', '0', ',', '0', ',', '0', ',', '0', ',', '1', ',', '2', '5'};
  PatList list;
  ParsePatText(text, sizeof text - 1, list);  // the last digit lies beyond the size
  ASSERT_EQ(list.patterns.size(), 1u);
  ASSERT_EQ(list.patterns[0].families.size(), 1u);
  EXPECT_EQ(list.patterns[0].families[0].dashes, std::vector<float>{2});
}

TEST(PatParser, BinaryDataNeverReadsPastTheBuffer) {
  std::vector<char> bytes(4096);
  unsigned state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 16);
  }
  bytes[0] = '*';
  PatList list;
  ParsePatText(bytes.data(), bytes.size(), list);  // the sanitizers watch the reads
  for (const PatPattern& p : list.patterns) {
    EXPECT_LE(p.name.size(), kPatNameMax);
    for (const PatFamily& f : p.families) EXPECT_LE(f.dashes.size(), static_cast<std::size_t>(kPatMaxDashes));
  }
}

TEST(PatParser, FindTakesTheNewestDefinitionAndComparesCase) {
  PatList list;
  const std::string first = "*Brick\n0,0,0,0,1\n";
  const std::string second = "*Brick\n0,0,0,0,2\n*brick\n0,0,0,0,3\n";
  ParsePatText(first.data(), first.size(), list);
  ParsePatText(second.data(), second.size(), list);
  const PatPattern* found = FindPatPattern(list, "Brick");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->families.front().delta_y, 2);
  EXPECT_EQ(FindPatPattern(list, "BRICK"), nullptr);
}

}  // namespace
}  // namespace vx
