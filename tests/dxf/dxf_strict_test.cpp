// What the DXF converter cannot keep is named on stderr; --strict turns it
// into a failure (exit 1) that writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/dxf/dxf_file.h"
#include "headless/dxf/dxf_records.h"
#include "headless/kvd/kvd_file.h"
#include "host/entity_layout.h"
#include "tests/cli/cli_runner.h"

namespace vxh {
namespace {

using vxtest::RunCli;
using vxtest::ScratchDir;

std::string DataFile(const std::string& name) { return std::string(VORLIX_SOURCE_DIR) + "/tests/dxf/data/" + name; }

struct StrictCase {
  const char* name;
  std::string arguments;  // {data}/ and {dir}/ stand for the folders
  int status;
  const char* message;  // part of what vorlix prints
  bool writes;          // whether {dir}/out.dxf exists afterwards
};

std::string Expand(std::string text, const std::string& dir) {
  for (const auto& [mark, folder] :
       {std::pair<std::string, std::string>{"{data}", DataFile("")}, {"{dir}", dir + "/"}}) {
    for (std::size_t at; (at = text.find(mark + "/")) != std::string::npos;) text.replace(at, mark.size() + 1, folder);
  }
  return text;
}

class DxfStrictTest : public testing::TestWithParam<StrictCase> {};

TEST_P(DxfStrictTest, LossesAreNamedAndStrictRefusesThem) {
  const StrictCase& c = GetParam();
  const std::string dir = ScratchDir(std::string("dxf_strict_") + c.name);
  vxtest::WriteFile(dir + "/empty.vxs", "");
  // A drawing whose unknown-kind record a DXF file cannot hold.
  Document doc;
  dxf::Record odd = dxf::NewRecord(vx::kKindOpaque, 40, {});
  ListOf(doc.WorkDL(), "test")->Append(odd.data());
  SaveKvd(doc, dir + "/odd.kvd");
  const vxtest::CliResult r = RunCli(Expand(c.arguments, dir));
  EXPECT_EQ(r.status, c.status) << r.out;
  EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
  EXPECT_EQ(std::filesystem::exists(dir + "/out.dxf"), c.writes);
  EXPECT_FALSE(std::filesystem::exists(dir + "/out.dxf.vorlix-partial"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DxfStrictTest,
    testing::Values(
        StrictCase{"ReadLossNamed", "convert {data}/ezdxf_entities.dxf {dir}/out.dxf", 0, "not kept: 1 XLINE", true},
        StrictCase{"ReadLossStrict", "convert --strict {data}/ezdxf_entities.dxf {dir}/out.dxf", 1,
                   "(--strict): not kept: 1 XLINE", false},
        StrictCase{"NothingLost", "convert --strict {data}/hatches.dxf {dir}/out.dxf", 0, "", true},
        StrictCase{"PaperSpaceNamed", "list --strict {data}/texts_paper_space.dxf", 1,
                   "1 LINE in paper space (the drawing has model space only), 1 TEXT in paper space", false},
        StrictCase{"RunInStrict", "run --strict {dir}/empty.vxs --in {data}/texts_paper_space.dxf", 1,
                   "not kept: 1 LINE in paper space", false},
        StrictCase{"WriteLossNamed", "convert {dir}/odd.kvd {dir}/out.dxf", 0, "not written: 1 entity", true},
        StrictCase{"WriteLossStrict", "convert --strict {dir}/odd.kvd {dir}/out.dxf", 1,
                   "(--strict): not written: 1 entity", false},
        StrictCase{"RunOutStrict", "run --strict {dir}/empty.vxs --in {dir}/odd.kvd --out {dir}/out.dxf", 1,
                   "not written", false}),
    [](const testing::TestParamInfo<StrictCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vxh
