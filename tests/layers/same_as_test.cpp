#include <algorithm>
#include <cmath>
#include <string>

#include "headless/dxf/drawing_file.h"
#include "host/host_api.h"
#include "layers/same_as_script.h"
#include "tests/layers/layers_fixture.h"

namespace vxh::testing {
namespace {

using vx::PolygonShape;
using vx::Vertex;

std::vector<Vertex> Closed(std::vector<Vertex> v) {
  v.push_back(v.front());
  return v;
}

std::vector<Vertex> Turned(const std::vector<Vertex>& v, double angle, Vertex about) {
  std::vector<Vertex> out;
  for (const Vertex& p : v) {
    const double dx = p.x - about.x, dy = p.y - about.y;
    out.push_back(
        {about.x + dx * std::cos(angle) - dy * std::sin(angle), about.y + dx * std::sin(angle) + dy * std::cos(angle)});
  }
  return out;
}

struct ShapeCase {
  const char* what;
  std::vector<Vertex> vertices;
  PolygonShape shape;
  int sides;
};

TEST(SameAsPolygon, BoxesRegularPolygonsAndTheRest) {
  const std::vector<Vertex> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const std::vector<Vertex> oblong = {{0, 0}, {30, 0}, {30, 10}, {0, 10}};
  const ShapeCase cases[] = {
      {"axis-parallel rectangle", Closed(oblong), PolygonShape::kBox, 0},
      {"axis-parallel rectangle starting upwards", Closed({{0, 0}, {0, 10}, {30, 10}, {30, 0}}), PolygonShape::kBox, 0},
      {"square turned 30 degrees", Closed(Turned(square, 0.5236, {5, 5})), PolygonShape::kRegular, 4},
      {"rectangle turned 30 degrees", Closed(Turned(oblong, 0.5236, {0, 0})), PolygonShape::kOther, 0},
      {"equilateral triangle", Closed({{0, 0}, {10, 0}, {5, 10 * std::sqrt(3.0) / 2}}), PolygonShape::kRegular, 3},
      {"other triangle", Closed({{0, 0}, {10, 0}, {5, 8}}), PolygonShape::kOther, 0},
      {"two vertices", {{0, 0}, {10, 0}, {0, 0}}, PolygonShape::kOther, 0},
      {"all vertices in one place", Closed({{1, 1}, {1, 1}, {1, 1}, {1, 1}}), PolygonShape::kOther, 0},
      {"sides within a hundredth", Closed({{0, 0}, {10, 0}, {10, 10.05}, {0, 10.05}}), PolygonShape::kBox, 0},
  };
  for (const ShapeCase& c : cases) {
    const vx::PolygonVerdict v = vx::ClassifyPolygon(c.vertices);
    EXPECT_EQ(v.shape, c.shape) << c.what;
    EXPECT_EQ(v.sides, c.sides) << c.what;
  }
  const vx::PolygonVerdict turned = vx::ClassifyPolygon(Closed(Turned(square, 0.5236, {5, 5})));
  EXPECT_NEAR(turned.centre.x, 5, 1e-9);
  EXPECT_NEAR(turned.centre.y, 5, 1e-9);
}

TEST(SameAsSymbolName, IsReadOnlyInsideTheRecordAndQuotedInTheScript) {
  std::vector<std::uint8_t> r(vx::SymbolSize(4), 0);
  vx::PutU32(r.data(), vx::kHdrSize, static_cast<std::uint32_t>(r.size()));
  std::memcpy(r.data() + vx::kSymName, "A;B\"", 4);
  EXPECT_EQ(vx::SymbolName(r.data()), std::optional<std::string>("A;B\""));
  EXPECT_EQ(vx::SymbolScript("A;B\""), "SYMBOL;\"A;B\\\"\";");
  r.back() = 'x';  // no NUL left inside the record
  EXPECT_EQ(vx::SymbolName(r.data()), std::nullopt);
}

class SameAs : public LayersTest {};

TEST_F(SameAs, ALineStartsLineWithTheLinesLayerAndAttributesCurrent) {
  const int wires = Layer("Wires");
  Record pattern = LineOn(wires, 0, 0, 10, 0);
  vx::PutU8(pattern.data(), vx::kHdrAttrByte, 3);
  vx::PutU32(pattern.data(), vx::kHdrAttr6, 0x00112233);
  vx::PutU32(pattern.data(), vx::kHdrAttr10, 0x00445566);
  vx::PutU32(pattern.data(), vx::kHdrAttr22, 0x7);
  Add(pattern);
  Run("VXSAMEAS;5,0;0,20;10,20;;");
  EXPECT_EQ(CurrentLayerName(), "Wires");
  ASSERT_EQ(Entities().size(), 2u);
  const vx::Entity drawn = Entities()[1];
  EXPECT_EQ(Heights({drawn}), std::vector<double>{20});
  // The new line's header took over everything the pattern's header holds.
  EXPECT_TRUE(
      std::equal(pattern.begin() + vx::kHdrAttrByte, pattern.begin() + vx::kHdrFillStyle, drawn + vx::kHdrAttrByte));
  EXPECT_EQ(vx::GetU16(drawn, vx::kHdrLayer), wires);
  EXPECT_EQ(vx::GetU32(drawn, vx::kHdrAttr22), 0x7u);
}

struct ScriptCase {
  const char* draw;  // draws the pattern
  const char* pick;
  const char* command;  // the command that starts, or "" for none
  const char* rest;     // answers to it
};

// The symbol, the regular polygon and the box are in the same_as_kinds scenario.
TEST_F(SameAs, EachKindStartsItsCommand) {
  const ScriptCase cases[] = {
      {"POLY;100,0;125.98,15;120.98,23.66;95,8.66;;", "112.99,7.5", "> POLY", "0,0;1,0;1,1;;"},
      {"POLY;200,0;210,0;205,8;;", "205,0", "> POLY", "0,0;1,0;1,1;;"},
      {"CIRP;300,0;305,0", "305,0", "> CIRP", "20,20;25,20"},
      {"TEXT;400,0;Hello", "401,0.5", "> VXTEXT", "{press ok};410,0;<esc>"},
  };
  for (const ScriptCase& c : cases) {
    Run(std::string(c.draw));
    const std::size_t before = TranscriptLines().size();
    Run(std::string("VXSAMEAS;") + c.pick + (*c.rest != '\0' ? std::string(";") + c.rest : std::string()));
    const std::vector<std::string> lines = TranscriptLines();
    std::string started;
    for (std::size_t i = before + 1; i < lines.size(); ++i)
      if (lines[i].rfind("> ", 0) == 0) started = lines[i];
    EXPECT_EQ(started, c.command) << c.draw;
  }
}

TEST_F(SameAs, AGroupOrANewDrawingPickDoesNothing) {
  AddContainer(Work(), HeaderOnly(vx::kKindGroup), {LineOn(0, 0, 0, 10, 0)});
  Run("VXSAMEAS;5,0");
  Run("VXSAMEAS;50,50");
  EXPECT_EQ(LastLines(1)[0], "= 50,50 (nothing there)");
  EXPECT_EQ(Entities().size(), 1u);
  for (const std::string& line : TranscriptLines()) EXPECT_TRUE(line.rfind("> ", 0) != 0 || line == "> VXSAMEAS");
}

}  // namespace
}  // namespace vxh::testing
