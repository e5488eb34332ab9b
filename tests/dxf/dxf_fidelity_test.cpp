// Files written by ezdxf go through the drawing and a .kvd file and are
// written again; ezdxf then compares what both files show (tests/dxf/
// compare_dxf.py: layers, line types, and per layer, line type and colour the
// curves, texts and fills) and audits the written one.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_file.h"
#include "headless/dxf/dxf_records.h"
#include "headless/kvd/kvd_file.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

std::string DataFile(const std::string& name) { return std::string(VORLIX_SOURCE_DIR) + "/tests/dxf/data/" + name; }

std::filesystem::path TempFile(const std::string& name) {
  return std::filesystem::temp_directory_path() / ("vorlix_fidelity_" + std::to_string(::getpid()) + "_" + name);
}

std::string PythonWithEzdxf() {
  for (const char* python : {"/usr/bin/python3", "python3"}) {
    const std::string probe = std::string(python) + " -c 'import ezdxf' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return python;
  }
  return "";
}

struct RunResult {
  int status = -1;
  std::string output;
};

RunResult RunCommand(const std::string& command) {
  RunResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) result.output.append(buffer, n);
  result.status = ::pclose(pipe);
  return result;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

struct FidelityCase {
  const char* file;
  std::vector<std::string> losses;   // the import's summary, in its order
  std::vector<std::string> renames;  // OLD=NEW layer names the comparison expects
};

class DxfFidelityTest : public testing::TestWithParam<FidelityCase> {};

TEST_P(DxfFidelityTest, WrittenBackThroughKvdShowsWhatTheFileShowed) {
  const FidelityCase& c = GetParam();
  DxfImport import = ReadDxf(DataFile(c.file));
  EXPECT_EQ(import.skipped, c.losses);
  const std::filesystem::path kvd = TempFile("drawing.kvd"), out = TempFile("written.dxf");
  SaveKvd(*import.doc, kvd.string());
  ExportDxf(*LoadKvd(kvd.string()), out.string());
  const std::string python = PythonWithEzdxf();
  if (python.empty()) {
    std::filesystem::remove(kvd);
    std::filesystem::remove(out);
    GTEST_SKIP() << "python3-ezdxf is not installed: the written file is not compared";
  }
  std::string command = python + " " + Quoted(std::string(VORLIX_SOURCE_DIR) + "/tests/dxf/compare_dxf.py") + " " +
                        Quoted(DataFile(c.file)) + " " + Quoted(out.string());
  for (const std::string& r : c.renames) command += " " + Quoted(r);
  const RunResult result = RunCommand(command);
  EXPECT_EQ(result.status, 0) << result.output;
  std::filesystem::remove(kvd);
  std::filesystem::remove(out);
}

INSTANTIATE_TEST_SUITE_P(
    EzdxfFiles, DxfFidelityTest,
    testing::Values(
        FidelityCase{
            "layers_linetypes.dxf",
            {"1 layer \"A layer name far longer than thirty-one bytes\" renamed \"A layer name far longer than th\""},
            {"A layer name far longer than thirty-one bytes=A layer name far longer than th"}},
        FidelityCase{"texts_utf8.dxf", {"13 characters code page 1252 cannot hold (kept as \\U+XXXX)"}, {}},
        FidelityCase{"texts_1252.dxf", {"13 characters code page 1252 cannot hold (kept as \\U+XXXX)"}, {}},
        FidelityCase{"texts_1251.dxf", {"13 characters code page 1252 cannot hold (kept as \\U+XXXX)"}, {}},
        FidelityCase{"hatches.dxf", {}, {}},
        FidelityCase{"dimensions_attributes.dxf",
                     {"2 MTEXT text style \"OpenSansCondensed-Light\" (drawn in the drawing's text font)"},
                     {}},
        FidelityCase{"texts_paper_space.dxf",
                     {"1 LINE in paper space (the drawing has model space only)",
                      "1 TEXT in paper space (the drawing has model space only)",
                      "1 TEXT text style \"Narrow\" (drawn in the drawing's text font)"},
                     {}},
        FidelityCase{"mirrored.dxf", {}, {}},
        FidelityCase{"staggered_hatch.dxf",
                     {"1 HATCH pattern line whose dashes shift from line to line (drawn without the shift)"},
                     {}}),
    [](const testing::TestParamInfo<FidelityCase>& info) {
      std::string name = info.param.file;
      return name.substr(0, name.find('.'));
    });

// The attributes of a reference are attribute texts among its members (beside
// the block's definitions), on their own layer, placed in the reference's
// coordinates.
TEST(DxfAttributeTest, AttributesAreMembersOfTheirInstance) {
  const DxfImport read = ReadDxf(DataFile("dimensions_attributes.dxf"));
  const int tags = FindLayer(*read.doc, "Tags");
  ASSERT_GE(tags, 0);
  std::vector<std::pair<std::string, std::string>> found;
  read.doc->Work().ForEach([&](vx::Entity e) {
    if (vx::GetI8(e, vx::kHdrKind) != vx::kKindSymbol) return;
    read.doc->Work().Members(e)->ForEach([&](vx::Entity m) {
      if (vx::GetI8(m, vx::kHdrKind) != vx::kKindAttribute || (vx::GetU16(m, vx::kAttrFlags) & kAttrDefinition) != 0)
        return;
      EXPECT_EQ(vx::GetU16(m, vx::kHdrLayer), tags);
      const dxf::AttributeText a = dxf::AttributeTextOf(m);
      found.emplace_back(a.tag, a.value);
      // The first reference is at (30, 0) scaled 1.5: its NUMBER sits at the
      // definition's point.
      if (a.value == "D1") {
        EXPECT_NEAR(a.point.x, 0.1, 1e-9);
        EXPECT_NEAR(a.point.y, 2.2, 1e-9);
      }
    });
  });
  const std::string maker = std::string("Sch\xFC") + "co";
  EXPECT_EQ(found, (std::vector<std::pair<std::string, std::string>>{
                       {"NUMBER", "D1"}, {"MAKER", maker}, {"NUMBER", "D2"}, {"MAKER", maker}}));
}

}  // namespace
}  // namespace vxh
