#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "headless/kvd/table_rules.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "tests/support/records.h"

namespace vxh {
namespace {

std::vector<std::string> Names(const Document& doc, int table, std::size_t name_offset) {
  std::vector<std::string> names;
  ForEachRecord(doc.Tables(), table,
                [&](const std::uint8_t* r) { names.emplace_back(reinterpret_cast<const char*>(r + name_offset)); });
  return names;
}

TEST(SettingsTablesTest, ANewDrawingHasTheTablesAUserExpects) {
  Document doc;
  // The layers and line styles show in every scenario's listing.
  EXPECT_EQ(Names(doc, vx::kTableFillStyles, vx::kFillName),
            (std::vector<std::string>{".25 Right Diagonal", ".25 Left Diagonal", ".25 Crosshatch", ".5 Horizontal",
                                      ".5 Vertical"}));
  EXPECT_EQ(Names(doc, vx::kTableFonts, vx::kFontName),
            (std::vector<std::string>{"Simplex", "Duplex", "Complex", "Italic", "DejaVu Sans", "Liberation Sans",
                                      "Liberation Serif"}));
  const std::uint8_t* layer = CurrentRecord(doc.Tables(), vx::kTableLayers);
  ASSERT_NE(layer, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(layer + vx::kLayerName), "0");
  EXPECT_EQ(CurrentRecord(doc.Tables(), vx::kTableFillStyles), nullptr);
  const std::uint8_t* text = CurrentRecord(doc.Tables(), vx::kTableTextDefaults);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(vx::GetF32(text + vx::kTextDefaultsSpec, vx::kSpecHeight), 2.5f);
  EXPECT_EQ(vx::GetU16(text + vx::kTextDefaultsSpec, vx::kSpecFont), 1);
  for (int number : SettingsTables::Numbers()) {
    EXPECT_EQ(TableRuleViolation(number, doc.Tables().Table(number), doc.Tables().Length(number)), "")
        << "table " << number;
  }
}

TEST(SettingsTablesTest, LayersAreAddedOnceAndMadeCurrentByName) {
  Document doc;
  const int walls = AddLayer(doc, "Walls");
  EXPECT_EQ(walls, 5);
  EXPECT_EQ(AddLayer(doc, "walls"), walls) << "names ignore case";
  EXPECT_TRUE(SetCurrentLayer(doc, "Walls"));
  EXPECT_FALSE(SetCurrentLayer(doc, "Roof"));
  EXPECT_EQ(CurrentId(doc.Tables(), vx::kTableLayers), walls);
  EXPECT_EQ(FindLayer(doc, "Roof"), -1);
  EXPECT_EQ(
      TableRuleViolation(vx::kTableLayers, doc.Tables().Table(vx::kTableLayers), doc.Tables().Length(vx::kTableLayers)),
      "");
  struct Bad {
    std::string name;
    const char* message;
  };
  const Bad bad[] = {{"", "empty"}, {std::string(40, 'L'), "longer than 31"}};
  for (const Bad& b : bad) {
    try {
      AddLayer(doc, b.name);
      ADD_FAILURE() << "accepted \"" << b.name << "\"";
    } catch (const BadInput& e) {
      EXPECT_NE(std::string(e.what()).find(b.message), std::string::npos) << e.what();
    }
  }
}

TEST(SettingsTablesTest, CurrentSettingsReachTheHeaderAndCopyLeavesSizeAndKind) {
  Document doc;
  std::uint8_t* current = CurrentRecord(doc.Tables(), vx::kTableCurrent);
  vx::PutU8(current, vx::kCurByte116, 3);
  vx::PutU32(current, vx::kCurWord8, 0x112233);
  vx::PutU32(current, vx::kCurWord117, 0x445566);
  vx::PutU32(current, vx::kCurWord121, 0x778899);
  SetCurrentLayer(doc, "Text");
  vxtest::Record line_record = vxtest::Line(0, 0, 0, 0);
  std::uint8_t* line = line_record.data();
  ApplyCurrentSettings(doc.Tables(), line);
  EXPECT_EQ(vx::GetU8(line, vx::kHdrAttrByte), 3);
  EXPECT_EQ(vx::GetU32(line, vx::kHdrAttr6), 0x112233u);
  EXPECT_EQ(vx::GetU32(line, vx::kHdrAttr10), 0x445566u);
  EXPECT_EQ(vx::GetU32(line, vx::kHdrAttr22), 0x778899u);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrLayer), 3);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrLineStyle), 1);
  EXPECT_EQ(vx::GetU16(line, vx::kHdrFillStyle), 0);

  vxtest::Record group_record = vxtest::Group();
  std::uint8_t* group = group_record.data();
  vx::PutU8(group, vx::kHdrReserved26, 0xEE);
  CopyEntitySettings(group, line);
  EXPECT_EQ(vx::GetU32(group, vx::kHdrSize), vx::kGroupSize);
  EXPECT_EQ(vx::GetI8(group, vx::kHdrKind), vx::kKindGroup);
  EXPECT_EQ(std::memcmp(group + vx::kHdrAttrByte, line + vx::kHdrAttrByte, 21), 0);
  EXPECT_EQ(group[vx::kHdrReserved26], 0xEE);
}

// Regression: tables were vectors with a fixed reserve; a drawing with a few
// hundred layers moved the table and left the pack's pointers dangling.
TEST(SettingsTablesTest, PointersIntoATableSurviveThousandsOfNewRecords) {
  Document doc;
  const std::uint8_t* table = doc.Tables().Table(vx::kTableLayers);
  const std::uint8_t* current = CurrentRecord(doc.Tables(), vx::kTableLayers);
  const std::vector<std::uint8_t> before(current, current + vx::GetU32(current, vx::kRecSize));
  for (int i = 0; i < 5000; ++i) AddLayer(doc, "Layer " + std::to_string(i));
  EXPECT_EQ(doc.Tables().Table(vx::kTableLayers), table);
  EXPECT_EQ(CurrentRecord(doc.Tables(), vx::kTableLayers), current);
  EXPECT_EQ(std::vector<std::uint8_t>(current, current + before.size()), before);
  EXPECT_EQ(Names(doc, vx::kTableLayers, vx::kLayerName).size(), 5005u);
  EXPECT_EQ(FindLayer(doc, "Layer 4999"), AddLayer(doc, "Layer 4999"));
}

}  // namespace
}  // namespace vxh
