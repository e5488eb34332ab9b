#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <numbers>
#include <set>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_file.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {
namespace {

std::string DataFile(const std::string& name) { return std::string(VORLIX_SOURCE_DIR) + "/tests/dxf/data/" + name; }

std::vector<vx::Entity> Entities(const EntityList& list) {
  std::vector<vx::Entity> out;
  list.ForEach([&](vx::Entity e) { out.push_back(e); });
  return out;
}

int KindOf(vx::Entity e) { return vx::GetI8(e, vx::kHdrKind); }

class EzdxfFileTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { import_ = new DxfImport(ReadDxf(DataFile("ezdxf_entities.dxf"))); }
  static void TearDownTestSuite() { delete import_; }

  const Document& Doc() const { return *import_->doc; }
  std::vector<vx::Entity> Work() const { return Entities(Doc().Work()); }
  std::vector<vx::Entity> OfKind(int kind) const {
    std::vector<vx::Entity> out;
    for (vx::Entity e : Work()) {
      if (KindOf(e) == kind) out.push_back(e);
    }
    return out;
  }
  const std::uint8_t* Layer(const char* name) const {
    return FindRecordByName(const_cast<Document&>(Doc()).Tables(), vx::kTableLayers, vx::kLayerName, name);
  }

  static DxfImport* import_;
};

DxfImport* EzdxfFileTest::import_ = nullptr;

TEST_F(EzdxfFileTest, EveryEntityLandsAsItsKind) {
  std::map<int, int> kinds;
  for (vx::Entity e : Work()) ++kinds[KindOf(e)];
  // Polygons: closed LWPOLYLINE, closed POLYLINE, SOLID, 3DFACE and the two
  // HATCHes' filled outlines; the group is the polyline with a bulge.
  const std::map<int, int> expected = {{vx::kKindLine, 1},    {vx::kKindPath, 1},          {vx::kKindPolygon, 6},
                                       {vx::kKindGroup, 1},   {vx::kKindCircle, 1},        {vx::kKindArc, 1},
                                       {vx::kKindEllipse, 1}, {vx::kKindEllipticalArc, 1}, {vx::kKindCurvePath, 2},
                                       {vx::kKindText, 3},    {vx::kKindPoint, 1},         {vx::kKindSymbol, 1}};
  EXPECT_EQ(kinds, expected);
}

TEST_F(EzdxfFileTest, LayersLineTypesAndColoursCarryOver) {
  const vx::Entity line = OfKind(vx::kKindLine).at(0);
  EXPECT_EQ(vx::GetF64(line, vx::kLineX2), 10);
  EXPECT_EQ(vx::GetF64(line, vx::kLineY2), 5);
  ASSERT_NE(Layer("Walls"), nullptr);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrLayer), vx::GetU16(Layer("Walls"), vx::kLayerId));
  const std::uint8_t* style =
      FindRecordByName(const_cast<Document&>(Doc()).Tables(), vx::kTableLineStyles, vx::kLStyleName, "PHANTOMISH");
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrLineStyle), vx::GetU16(style, vx::kLStyleNumber));
  ASSERT_EQ(vx::GetU16(style, vx::kLStyleDashCount), 4);
  EXPECT_EQ(vx::GetF32(style, vx::kLStyleDashes), 2.0f);
  EXPECT_EQ(vx::GetF32(style, vx::kLStyleDashes + 4), -0.5f);
  ASSERT_NE(Layer("Hidden layer"), nullptr);
  ASSERT_NE(Layer("Frozen layer"), nullptr);
  EXPECT_EQ(vx::GetU32(Layer("Hidden layer"), vx::kLayerFlags), vx::kLayerHidden);
  EXPECT_EQ(vx::GetU32(Layer("Frozen layer"), vx::kLayerFlags), vx::kLayerFrozen);
  EXPECT_EQ(vx::GetU16(Layer("Hidden layer"), vx::kLayerColour), 3);
  EXPECT_EQ(vx::GetU16(Layer("Walls"), vx::kLayerColour), 1);
  const vx::Entity circle = OfKind(vx::kKindCircle).at(0);
  EXPECT_EQ(vx::GetU32(circle, vx::kHdrAttr6), 0x001E140Au);  // true colour 10, 20, 30 as BBGGRR
  const vx::Entity path = OfKind(vx::kKindPath).at(0);
  EXPECT_EQ(vx::GetU32(path, vx::kHdrAttr6), 0x000000FFu);  // colour index 1, red
}

TEST_F(EzdxfFileTest, ClosedPolylineRepeatsItsFirstVertex) {
  const vx::Entity polygon = OfKind(vx::kKindPolygon).at(0);
  ASSERT_EQ(vx::GetU16(polygon, vx::kPolyCount), 5);
  EXPECT_EQ(vx::GetF64(polygon, vx::kPolyVertices + 4 * 16), 0);
  EXPECT_EQ(vx::GetF64(polygon, vx::kPolyVertices + 2 * 16 + 8), 3);
}

TEST_F(EzdxfFileTest, BulgeBecomesAnExactArcInsideAGroup) {
  const vx::Entity group = OfKind(vx::kKindGroup).at(0);
  const EntityList* members = Doc().Work().Members(group);
  ASSERT_NE(members, nullptr);
  const std::vector<vx::Entity> pieces = Entities(*members);
  ASSERT_EQ(pieces.size(), 2u);
  ASSERT_EQ(KindOf(pieces[0]), vx::kKindArc);
  EXPECT_NEAR(vx::GetF64(pieces[0], vx::kCircleX), 1, 1e-12);
  EXPECT_NEAR(vx::GetF64(pieces[0], vx::kCircleR), 1, 1e-12);
  EXPECT_NEAR(vx::GetF64(pieces[0], vx::kArcStart), std::numbers::pi, 1e-12);
  EXPECT_NEAR(vx::GetF64(pieces[0], vx::kArcSweep), std::numbers::pi, 1e-12);
  EXPECT_EQ(KindOf(pieces[1]), vx::kKindLine);
}

TEST_F(EzdxfFileTest, ArcAnglesAreRadiansAndEllipsesKeepAxesAndParameters) {
  const vx::Entity arc = OfKind(vx::kKindArc).at(0);
  EXPECT_NEAR(vx::GetF64(arc, vx::kArcStart), std::numbers::pi / 6, 1e-12);
  EXPECT_NEAR(vx::GetF64(arc, vx::kArcSweep), std::numbers::pi / 2, 1e-12);
  const vx::Entity full = OfKind(vx::kKindEllipse).at(0);
  EXPECT_EQ(vx::GetF64(full, vx::kEllipseMajor), 4);
  EXPECT_EQ(vx::GetF64(full, vx::kEllipseMinor), 2);
  const vx::Entity part = OfKind(vx::kKindEllipticalArc).at(0);
  EXPECT_NEAR(vx::GetF64(part, vx::kEllipseRotation), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(vx::GetF64(part, vx::kEllArcStart), 0.5, 1e-12);
  EXPECT_NEAR(vx::GetF64(part, vx::kEllArcSweep), 1.5, 1e-12);
}

TEST_F(EzdxfFileTest, SplinesBecomeBezierAndInterpolatingCurves) {
  const std::vector<vx::Entity> curves = OfKind(vx::kKindCurvePath);
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_EQ(vx::GetU8(curves[0], vx::kCurveType), vx::kCurveBezier);
  EXPECT_EQ(vx::GetU16(curves[0], vx::kCurveCount), 7);  // five control points, degree 3: two spans
  EXPECT_EQ(vx::GetF64(curves[0], vx::kCurveVertices), 0);
  EXPECT_NEAR(vx::GetF64(curves[0], vx::kCurveVertices + 6 * 16), 6, 1e-12);
  EXPECT_EQ(vx::GetU8(curves[1], vx::kCurveType), vx::kCurvePSpline);
  EXPECT_EQ(vx::GetU16(curves[1], vx::kCurveCount), 4);
}

TEST_F(EzdxfFileTest, TextsKeepHeightAngleJustificationAndLines) {
  const std::vector<vx::Entity> texts = OfKind(vx::kKindText);
  ASSERT_EQ(texts.size(), 3u);
  const std::uint8_t* spec = texts[0] + vx::kTextSpec;
  EXPECT_STREQ(reinterpret_cast<const char*>(texts[0] + vx::kTextString), "Hello");
  EXPECT_EQ(vx::GetF32(spec, vx::kSpecHeight), 2.5f);
  EXPECT_NEAR(vx::GetF32(spec, vx::kSpecAngle), std::numbers::pi / 6, 1e-6);
  EXPECT_EQ(vx::GetU8(texts[1] + vx::kTextSpec, vx::kSpecJustify), 4);  // middle centre
  EXPECT_EQ(vx::GetF64(texts[1], vx::kTextX), 10);
  EXPECT_STREQ(reinterpret_cast<const char*>(texts[2] + vx::kTextString), "Bold line\r\nnext 1/2 line");
  EXPECT_EQ(vx::GetU8(texts[2] + vx::kTextSpec, vx::kSpecJustify), 6);  // top left
}

TEST_F(EzdxfFileTest, InsertBecomesSymbolWithNestedMembersInBlockCoordinates) {
  const vx::Entity symbol = OfKind(vx::kKindSymbol).at(0);
  EXPECT_STREQ(reinterpret_cast<const char*>(symbol + vx::kSymName), "Plate");
  // Scale 2, rotation 90 degrees, at (20, 0).
  EXPECT_NEAR(vx::GetF64(symbol, vx::kSymMatrix), 0, 1e-12);
  EXPECT_NEAR(vx::GetF64(symbol, vx::kSymMatrix + 8), -2, 1e-12);
  EXPECT_NEAR(vx::GetF64(symbol, vx::kSymMatrix + 32), 2, 1e-12);
  EXPECT_EQ(vx::GetF64(symbol, vx::kSymInsertX), 20);
  const EntityList* plate = Doc().Work().Members(symbol);
  ASSERT_NE(plate, nullptr);
  const std::vector<vx::Entity> members = Entities(*plate);
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(KindOf(members[0]), vx::kKindPolygon);
  ASSERT_EQ(KindOf(members[1]), vx::kKindSymbol);
  // The bolt's base point (1, 0) lands on its insertion point (2, 2).
  EXPECT_EQ(vx::GetF64(members[1], vx::kSymInsertX), 1);
  EXPECT_EQ(vx::GetF64(members[1], vx::kSymInsertY), 2);
  const std::vector<vx::Entity> bolt = Entities(*plate->Members(members[1]));
  ASSERT_EQ(bolt.size(), 1u);
  EXPECT_EQ(vx::GetF64(bolt[0], vx::kCircleX), 1);
}

// Damaged input fails naming the file and the problem.
TEST(DxfRejectTest, FailsWithClearMessage) {
  const struct {
    const char* file;
    std::string text;  // empty: the file of tests/dxf/data is read
    const char* message;
  } cases[] = {
      {"nan_coordinate.dxf", "", "a LINE has a value that is not a finite number"},
      {"infinite_coordinate.dxf", "", "a LINE has a value that is not a finite"},
      {"truncated.dxf", "", "truncated"},
      {"binary_garbage.dxf", "", "not an ASCII DXF file"},
      {"bad_group_code.dxf", "", "group code \"ten\" is not a number"},
      {"no_such_file.dxf", "", "cannot be opened"},
      // Found by fuzzing: dxflib took a substring past the end of a value.
      {"dxflib_value_too_short.dxf", "", "dxflib cannot read it"},
      {"b.dxf", std::string("AutoCAD Binary DXF\r\n\x1a", 21) + std::string(10, '\0'), "binary DXF is not supported"},
      {"loop.dxf",
       "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nLoop\n70\n0\n10\n0\n20\n0\n30\n0\n"
       "0\nINSERT\n2\nLoop\n10\n1\n20\n0\n30\n0\n0\nENDBLK\n0\nENDSEC\n"
       "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nLoop\n10\n0\n20\n0\n30\n0\n0\nENDSEC\n0\nEOF\n",
       "nested deeper than"},
  };
  for (const auto& c : cases) {
    try {
      if (c.text.empty())
        ReadDxf(DataFile(c.file));
      else
        ReadDxfText(c.text, c.file);
      ADD_FAILURE() << "accepted " << c.file;
    } catch (const BadInput& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
    }
  }
}

TEST(DxfTextImportTest, TextWithoutAlignmentPointSitsAtItsInsertionPoint) {
  const std::string text =
      "0\nSECTION\n2\nENTITIES\n0\nTEXT\n8\n0\n10\n4\n20\n5\n30\n0\n40\n0.25\n1\nT4\n0\nENDSEC\n0\nEOF\n";
  const DxfImport import = ReadDxfText(text, "text.dxf");
  const std::vector<vx::Entity> entities = Entities(import.doc->Work());
  ASSERT_EQ(entities.size(), 1u);
  EXPECT_EQ(vx::GetF64(entities[0], vx::kTextX), 4);
  EXPECT_EQ(vx::GetF64(entities[0], vx::kTextY), 5);
}

std::string PatternHatch(const std::string& pattern_name) {
  return "0\nHATCH\n8\n0\n100\nAcDbHatch\n10\n0\n20\n0\n30\n0\n2\n" + pattern_name +
         "\n70\n0\n71\n0\n91\n1\n92\n3\n72\n0\n73\n1\n93\n4\n10\n0\n20\n0\n10\n4\n20\n0\n10\n4\n20\n3\n10\n0\n20\n3\n"
         "97\n0\n75\n1\n76\n1\n52\n0\n41\n1\n77\n0\n78\n1\n53\n45\n43\n0\n44\n0\n45\n-0.5\n46\n0.5\n79\n0\n98\n0\n";
}

// Regression: the fill style's name was copied whole into its record while
// the style was looked up, past the end of the record for a long name.
TEST(DxfTextImportTest, LongPatternNamesGiveShortenedDistinctFillStyles) {
  const std::string long_a = std::string(80, 'A');
  const std::string long_b = std::string(79, 'A') + "B";
  const struct {
    const char* name;
    std::vector<std::string> patterns;
    std::size_t styles;
  } cases[] = {
      {"one long name", {long_a}, 1},
      {"the same long name twice", {long_a, long_a}, 1},
      {"two long names alike in their first 31 bytes", {long_a, long_b}, 2},
      {"a short name and a long one", {"ANSI31", long_a}, 2},
  };
  for (const auto& c : cases) {
    std::string text = "0\nSECTION\n2\nENTITIES\n";
    for (const std::string& p : c.patterns) text += PatternHatch(p);
    text += "0\nENDSEC\n0\nEOF\n";
    const DxfImport import = ReadDxfText(text, "long.dxf");
    std::set<std::uint16_t> used;
    for (vx::Entity e : Entities(import.doc->Work())) used.insert(vx::GetU16(e, vx::kHdrFillStyle));
    EXPECT_EQ(used.size(), c.styles) << c.name;
    for (std::uint16_t id : used) {
      const std::uint8_t* style = FindRecordById(import.doc->Tables(), vx::kTableFillStyles, id);
      ASSERT_NE(style, nullptr) << c.name;
      EXPECT_LT(std::strlen(reinterpret_cast<const char*>(style + vx::kFillName)), vx::kNameFieldBytes) << c.name;
    }
  }
}

// Regression: what followed the EOF marker went to dxflib unchecked, and a
// line there longer than dxflib reads made it read the same place forever.
TEST(DxfTextImportTest, NothingAfterTheEofMarkerIsRead) {
  const std::string drawing =
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n0\nENDSEC\n0\nEOF\n";
  const struct {
    const char* name;
    std::string after;
  } cases[] = {
      {"nothing", ""},
      {"a line longer than dxflib reads", "999\n" + std::string(3000, 'x') + "\n"},
      {"another section with a line",
       "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n5\n20\n5\n30\n0\n11\n6\n21\n6\n31\n0\n0\nENDSEC\n"},
      {"no line end at the end", "0\nSECTION"},
  };
  for (const auto& c : cases) {
    const DxfImport import = ReadDxfText(drawing + c.after, "after.dxf");
    const std::vector<vx::Entity> entities = Entities(import.doc->Work());
    ASSERT_EQ(entities.size(), 1u) << c.name;
    EXPECT_EQ(vx::GetF64(entities[0], vx::kLineX2), 1) << c.name;
  }
}

}  // namespace
}  // namespace vxh
