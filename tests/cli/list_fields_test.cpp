// `vorlix list` shows what a user needs to check a drawing: layer names,
// colours, line styles, ellipse and curve parameters, symbols; the
// JSON form is valid JSON (checked by Python's parser) and holds the same.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/kvd/kvd_file.h"
#include "host/settings_layout.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/records.h"
#include "tests/text/text_fixture.h"

namespace vxtest {
namespace {

using vxtest::Record;

constexpr std::uint32_t kRedPen = 0x0000FF;  // 0x00BBGGRR
constexpr std::uint16_t kDashed = 2;         // a new drawing's line style 2

// A symbol placed at (3, 4), turned a quarter turn, scaled 2 along its x
// axis and 3 (or -3, mirrored) along its y axis.
Record Symbol(const std::string& name, bool mirrored) {
  // The x axis (0, 2), the y axis (-3, 0) or (3, 0), the insertion (3, 4).
  return vxh::testing::SymbolRecord({0, mirrored ? 3.0 : -3.0, 0, 3, 2, 0, 0, 4, 0, 0, 0, 0}, name);
}

std::string SampleDrawing(const std::string& dir) {
  vxh::Document doc;
  const int walls = vxh::AddLayer(doc, "Walls");
  vx::PutU16(vxh::FindRecordById(doc.Tables(), vx::kTableLayers, walls), vx::kLayerColour, 5);
  vx::DList* work = doc.WorkDL();
  Record line = vxtest::Line(0, 0, 10, 0);
  vx::PutU16(line.data(), vx::kHdrLayer, static_cast<std::uint16_t>(walls));
  vx::PutU32(line.data(), vx::kHdrAttr6, kRedPen);
  vx::PutU16(line.data(), vx::kHdrLineStyle, kDashed);
  const Record records[] = {
      line,
      vxtest::Ellipse(1, 2, 5, 3, 0.25),
      vxtest::EllipticalArc(1, 2, 5, 3, 0.25, 0.5, 1.5),
      vxtest::Curve(vx::kKindCurvePath, vx::kCurveSpline, {{0, 0}, {1, 2}, {3, 1}}),
      vxtest::Bezier({{0, 0}, {1, 1}, {2, 1}, {3, 0}}),
      Symbol("DOOR", false),
      Symbol("WINDOW", true),
  };
  for (const Record& r : records) work->AddRecord(r.data());
  const std::string path = dir + "/sample.kvd";
  vxh::SaveKvd(doc, path);
  return path;
}

class ListFields : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Per process: ctest runs every test as a process of its own, in parallel.
    const std::string dir = ScratchDir("list-fields-" + std::to_string(::getpid()));
    const std::string path = SampleDrawing(dir);
    json_ = new CliResult(RunCli("list --json " + path));
    text_ = new CliResult(RunCli("list " + path));
    parsed_ = new CliResult(RunCli("list --json " + path + " | python3 -c 'import json,sys; json.load(sys.stdin)'"));
    std::filesystem::remove_all(dir);
  }
  static void TearDownTestSuite() {
    delete json_;
    delete text_;
    delete parsed_;
  }
  static bool InJson(const std::string& piece) { return json_->out.find(piece) != std::string::npos; }
  static bool InText(const std::string& piece) { return text_->out.find(piece) != std::string::npos; }

  static CliResult* json_;
  static CliResult* text_;
  static CliResult* parsed_;
};

CliResult* ListFields::json_ = nullptr;
CliResult* ListFields::text_ = nullptr;
CliResult* ListFields::parsed_ = nullptr;

TEST_F(ListFields, JsonIsValidAndListsTheTables) {
  ASSERT_EQ(json_->status, 0) << json_->out;
  EXPECT_EQ(parsed_->status, 0) << "not valid JSON:\n" << json_->out << parsed_->out;
  EXPECT_TRUE(InJson("\"layers\":[\n{\"id\":0,\"name\":\"0\",\"colour\":7,\"hidden\":false,\"frozen\":false}"))
      << json_->out;
  EXPECT_TRUE(InJson("\"name\":\"Walls\",\"colour\":5,")) << json_->out;
  EXPECT_TRUE(InJson("\"line_styles\":[\n{\"number\":1,\"name\":\"Solid\"}")) << json_->out;
}

TEST_F(ListFields, EveryEntityNamesItsLayerColourAndLineStyle) {
  EXPECT_TRUE(
      InJson("{\"kind\":2,\"name\":\"line\",\"layer\":5,\"points\":[[0,0],[10,0]],"
             "\"layer_name\":\"Walls\",\"colour\":\"#ff0000\",\"line_style\":\"Dashed\"}"))
      << json_->out;
  EXPECT_TRUE(
      InText("line: layer 5, points (0, 0) (10, 0), layer name \"Walls\", colour #ff0000, "
             "line style \"Dashed\"\n"))
      << text_->out;
  EXPECT_TRUE(InJson("\"layer_name\":\"0\",\"colour\":\"bylayer\",\"line_style\":null")) << json_->out;
}

TEST_F(ListFields, EllipsesCurvesAndBeziersShowTheirParameters) {
  EXPECT_TRUE(InJson("\"center\":[1,2],\"major\":5,\"minor\":3,\"rotation\":0.25}")) << json_->out;
  EXPECT_TRUE(InJson("\"center\":[1,2],\"major\":5,\"minor\":3,\"rotation\":0.25,\"start\":0.5,\"sweep\":1.5}"))
      << json_->out;
  EXPECT_TRUE(InJson("\"curve_type\":\"spline\",\"points\":[[0,0],[1,2],[3,1]]}")) << json_->out;
  EXPECT_TRUE(InJson("{\"kind\":45,")) << json_->out;
  EXPECT_TRUE(InJson("\"points\":[[0,0],[1,1],[2,1],[3,0]]}")) << json_->out;
  EXPECT_TRUE(InText("major 5, minor 3, rotation 0.25, start 0.5, sweep 1.5\n")) << text_->out;
}

TEST_F(ListFields, SymbolsShowNameInsertionScaleAndAngle) {
  EXPECT_TRUE(InJson("\"symbol\":\"DOOR\",\"insert\":[3,4],\"scale\":[2,3],\"angle\":1.5707963267948966}"))
      << json_->out;
  EXPECT_TRUE(InJson("\"symbol\":\"WINDOW\",\"insert\":[3,4],\"scale\":[2,-3],")) << json_->out;
  EXPECT_TRUE(InText("symbol \"DOOR\", insert (3, 4), scale (2, 3), angle 1.5707963267948966")) << text_->out;
}

}  // namespace
}  // namespace vxtest
