// Every kind of bad input a user can hand the program, end to end through
// the vorlix program: damaged files, broken scripts, odd registry values and
// degenerate geometry. Each row is one row of docs/bad_input.md: the exit
// status, what the user reads, and, where the run goes on, what the drawing
// it wrote holds. None may crash, hang or lose the drawing without a word.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "hatch/hatch_records.h"
#include "hatch/registry_keys.h"
#include "headless/registry/registry_store.h"
#include "measure/dim_scale_table.h"
#include "tests/cli/cli_runner.h"

namespace vxtest {
namespace {

namespace fs = std::filesystem;

using RegistrySetup = std::function<void(const std::string& registry)>;

struct BadInput {
  const char* what;
  // Files of the case folder: name, then content (binary content is given
  // with its length through std::string).
  std::vector<std::pair<std::string, std::string>> files;
  // The vorlix arguments; {dir} is the case folder, whose registry.sqlite3
  // every run uses.
  std::string arguments;
  int status;
  std::vector<std::string> says;         // the output holds each
  std::vector<std::string> drawing_has;  // `vorlix list` of {dir}/out.kvd holds each
  RegistrySetup registry = nullptr;
  std::vector<std::string> drawing_lacks = {};
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.what; }

std::string Replace(std::string text, const std::string& dir) {
  for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at + dir.size()))
    text.replace(at, 5, dir);
  return text;
}

std::string Bytes(const char* data, std::size_t size) { return std::string(data, size); }

// A whole small drawing, and the same cut short.
std::string SmallDrawing(const std::string& dir) {
  WriteFile(dir + "/make.vxs", "LINE; 0,0; 10,10;;\nCIRP; 5,5; 7,5\n");
  EXPECT_EQ(RunCli("run " + dir + "/make.vxs --out " + dir + "/small.kvd").status, 0);
  std::ifstream in(dir + "/small.kvd", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void StoreBinary(const std::string& registry, const char* key, const std::string& name, const void* data,
                 std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  vxh::registry::Store(registry).Set(key, name, 3, std::vector<std::uint8_t>(bytes, bytes + size));
}

// Hatch settings named "Bad" with the given distance, and options that use them.
RegistrySetup HatchDistance(double distance) {
  return [distance](const std::string& registry) {
    vx::HatchSettings settings = vx::DefaultHatchSettings();
    settings.SetName("Bad");
    settings.SetDistance(distance);
    StoreBinary(registry, vx::kHatchSettingsKey, "Bad", settings.bytes.data(), settings.bytes.size());
    vx::HatchOptions options = vx::DefaultHatchOptions();
    options.SetSettingsName("Bad");
    StoreBinary(registry, vx::kHatchKey, vx::kOptionsValue, options.bytes.data(), options.bytes.size());
  };
}

RegistrySetup DimScaleFactors(float factor) {
  return [factor](const std::string& registry) {
    vx::DimScaleState table;
    for (auto& entry : table.entries) entry = {1, factor};
    const auto bytes = vx::EncodeDimScale(table);
    StoreBinary(registry, vx::kDimScaleKey, vx::kDimScaleValue, bytes.data(), bytes.size());
  };
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr const char* kBox = "BOX; 0,0; 100,60\n";

// Listing the file, written with `content`, fails and says so.
BadInput Unreadable(const char* what, const std::string& file, std::string content, const char* says) {
  return {what, {{file, std::move(content)}}, "list {dir}/" + file, 2, {says}, {}};
}

// The script is refused and says so.
BadInput Refused(const char* what, std::string script, const char* says) {
  return {what, {{"s.vxs", std::move(script)}}, "run {dir}/s.vxs", 2, {says}, {}};
}

// The script runs to its end and writes out.kvd.
BadInput Survives(const char* what, std::string script, std::vector<std::string> says,
                  std::vector<std::string> drawing_has, RegistrySetup registry = nullptr,
                  std::vector<std::string> drawing_lacks = {}) {
  return {what,
          {{"s.vxs", std::move(script)}},
          "run {dir}/s.vxs --out {dir}/out.kvd",
          0,
          std::move(says),
          std::move(drawing_has),
          std::move(registry),
          std::move(drawing_lacks)};
}

const BadInput kCases[] = {
    // Drawing files.
    Unreadable("kvd_empty", "in.kvd", "", "the file ends inside the file header"),
    Unreadable("kvd_not_a_drawing", "in.kvd", "hello, this is text\n", "not a Vorlix drawing"),
    Unreadable("kvd_later_version", "in.kvd", Bytes("VXKVD\r\n\x1a\x09\0\0\0\x01\0\0\0", 16),
               "file version 9 is not supported"),
    Unreadable("kvd_cut_short", "in.kvd", "@small:100", "the file ends inside"),
    {"kvd_missing", {}, "list {dir}/none.kvd", 2, {"No such file or directory"}, {}},
    {"kvd_is_a_folder", {{"folder.kvd/x", ""}}, "list {dir}/folder.kvd", 2, {"Is a directory"}, {}},
    Unreadable("dxf_empty", "in.dxf", "", "the file is empty"),
    Unreadable("dxf_binary", "in.dxf", Bytes("0\nSECTION\0\x01\x02", 12), "binary data"),
    Unreadable("dxf_no_eof", "in.dxf", "0\nSECTION\n2\nENTITIES\n", "no EOF marker"),
    Unreadable("dxf_group_code_not_a_number", "in.dxf", "0\nSECTION\n2\nENTITIES\nten\n0\n0\nEOF\n",
               "group code \"ten\" is not a number"),
    Unreadable("dxf_nan_coordinate", "in.dxf",
               "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\nnan\n20\n0\n11\n1\n21\n1\n0\nENDSEC\n0\nEOF\n",
               "not a finite number"),
    {"dxf_huge_coordinate",
     {{"in.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n1e300\n20\n0\n11\n-1e300\n21\n5\n0\nENDSEC\n0\nEOF\n"},
      {"s.vxs", "CIRP; 0,0; 1,0\n"}},
     "run {dir}/s.vxs --in {dir}/in.dxf --out {dir}/out.kvd",
     0,
     {},
     {"line: layer 0, points (1e+300, 0) (-1e+300, 5)"}},
    // Pattern files.
    Survives("pat_registered_file_missing", std::string(kBox) + "VXHATCHOPTSEL; 2; VX_LINES\nVXHATCHSTANDARD; all\n",
             {}, {"polygon"},
             [](const std::string& registry) {
               vxh::registry::Store(registry).Set(vx::kPatFilesKey, "/nonexistent/patterns.pat", 3, {});
             },
             {"  line:"}),
    // Fonts: a damaged stroke font in the host folder draws nothing of it.
    {"stroke_font_damaged",
     {{"home/Simplex", "this is no font"}, {"s.vxs", "TEXT; 0,0; Hello\nVXTEXTEXPL; all\n"}},
     "run {dir}/s.vxs --out {dir}/out.kvd",
     0,
     {},
     {"text: layer 0, origin (0, 0), text \"Hello\""}},
    // Menu files.
    Survives("menu_missing", "VXCMENU; \"#none.txt\"\n", {}, {}, nullptr, {"line:", "circle:"}),
    {"menu_binary",
     {{"home/m.txt", Bytes("\x01\x02:\xff\0\x7f\r\r\n:", 10)}, {"s.vxs", "VXCMENU; \"#m.txt\"\n<esc>\n"}},
     "run {dir}/s.vxs --out {dir}/out.kvd",
     0,
     {"? menu:"},
     {},
     nullptr,
     {"line:"}},
    {"menu_command_too_long",
     {{"home/m.txt", "Long:LINE;" + std::string(300, '1') + "\n"}, {"s.vxs", "VXCMENU; \"#m.txt\"\n<menu 1>\n"}},
     "run {dir}/s.vxs --out {dir}/out.kvd",
     0,
     {"The menu command is longer than 255 characters and was not run"},
     {},
     nullptr,
     {"line:"}},
    // Scripts.
    {"script_missing", {}, "run {dir}/none.vxs", 2, {"cannot read script"}, {}},
    Refused("script_unknown_command", "FOO\n", "s.vxs:1:1: unknown command \"FOO\""),
    Refused("script_unterminated_quote", "VXCMENU;\"a\n", "unterminated quote"),
    Refused("script_unterminated_brace", "VXDIMSCALE\n{press ok\n", "unterminated dialog answer"),
    {"script_ends_while_waiting",
     {{"s.vxs", "LINE; 0,0\n"}},
     "run {dir}/s.vxs --out {dir}/out.kvd",
     2,
     {"the script ends while a request waits (\"Next point:\")"},
     {}},
    Refused("script_answer_without_dialog", "{press ok}\n", "no dialog is open"),
    Refused("script_unknown_control", "VXDIMSCALE\n{9999=1; press ok}\n", "has no control 9999"),
    Refused("script_text_for_a_number", "VXDIMSCALE\n{1038=abc; press ok}\n", "takes a number, got \"abc\""),
    Refused("script_wrong_token_for_a_point", "LINE; 0,0; ten,0\n",
            "a point x,y (or @dx,dy) for \"Next point:\", got \"ten,0\""),
    // Registry.
    {"registry_not_a_database",
     {{"registry.sqlite3", "this is no database, it is only text\n"}, {"s.vxs", "VXDIMSCALENOW\n"}},
     "run {dir}/s.vxs",
     2,
     {"file is not a database"},
     {}},
    Survives("registry_hatch_distance_nan_regular", std::string(kBox) + "VXHATCHSTANDARD; all\n", {}, {"polygon"},
             HatchDistance(kNaN), {"  line:"}),
    Survives("registry_hatch_distance_nan_smart", std::string(kBox) + "VXHATCHSMART; all; 50,30\n",
             {"The hatch distance must be larger than the scan line offsets together"}, {"polygon"},
             HatchDistance(kNaN), {"group:"}),
    Survives("registry_hatch_distance_zero", std::string(kBox) + "VXHATCHSMART; all; 50,30\n",
             {"The hatch distance must be larger than the scan line offsets together"}, {"polygon"}, HatchDistance(0.0),
             {"group:"}),
    Survives("registry_hatch_options_wrong_size", std::string(kBox) + "VXHATCHSTANDARD; all\n", {},
             {"group:", "  line:"},
             [](const std::string& registry) { StoreBinary(registry, vx::kHatchKey, vx::kOptionsValue, "short", 5); }),
    Survives("registry_dim_scale_nan", "VXDIMSCALENOW\nVXDIMA; 10,0; 180; 0,10; 0,0; 6,6; 9,4\n", {}, {"dimension:"},
             DimScaleFactors(std::nanf(""))),
    Survives("registry_dim_scale_huge", "VXDIMSCALENOW\nVXDIMA; 10,0; 180; 0,10; 0,0; 6,6; 9,4\n", {}, {"dimension:"},
             DimScaleFactors(3e38f)),
    // Geometry.
    Refused("point_not_a_number", "LINE; nan,0; 1,1;;\n", "got \"nan,0\""),
    Refused("point_infinite", "LINE; inf,0; 1,1;;\n", "got \"inf,0\""),
    Refused("point_overflows", "LINE; 1e309,0; 1,1;;\n", "got \"1e309,0\""),
    Survives("huge_coordinates_saved_and_loaded", "LINE; 1e308,0; -1e308,1;;\n", {},
             {"line: layer 0, points (1e+308, 0) (-1e+308, 1)"}),
    Survives("zero_length_line_hatched", "LINE; 0,0; 0,0;;\nVXHATCHSTANDARD; all\n", {},
             {"line: layer 0, points (0, 0) (0, 0)"}, nullptr, {"  line:"}),
    Survives("zero_radius_circle", "CIRP; 0,0; 0,0\n<esc>\n",
             {"[Error] The point on the circle must differ from the centre"}, {}, nullptr, {"circle"}),
    Survives("self_intersecting_boundary", "POLY; 0,0; 10,10; 10,0; 0,10;;\nVXHATCHSTANDARD; all\n", {},
             {"group:", "  line:"}),
    Survives("huge_boundary_hatched", "BOX; -1e300,-1e300; 1e300,1e300\nVXHATCHSTANDARD; all\nVXHATCHSMART; all; 0,0\n",
             {}, {"polygon"}, nullptr, {"  line:"}),
    Survives("degenerate_arc_dimension", "VXDIMA; 0,0; 180; 0,0; 0,0; 6,6\n<esc>\n", {}, {}),
};

class BadInputEndToEnd : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputEndToEnd, SaysWhatIsWrongAndKeepsTheDrawingWhole) {
  const BadInput& c = GetParam();
  const std::string dir = ScratchDir("bad-input-" + std::string(c.what) + "-" + std::to_string(::getpid()));
  const std::string registry = dir + "/registry.sqlite3";
  fs::create_directories(dir + "/home");
  for (const auto& [name, content] : c.files) {
    fs::create_directories(fs::path(dir + "/" + name).parent_path());
    if (content.rfind("@small:", 0) == 0) {
      WriteFile(dir + "/" + name, SmallDrawing(dir).substr(0, std::stoul(content.substr(7))));
    } else {
      WriteFile(dir + "/" + name, content);
    }
  }
  if (c.registry) c.registry(registry);
  const std::string env = "env VORLIX_HOME=" + dir + "/home VORLIX_REGISTRY=" + registry + " ";
  const CliResult run = RunCli(env, Replace(c.arguments, dir));
  EXPECT_EQ(run.status, c.status) << run.out;
  for (const std::string& words : c.says) EXPECT_NE(run.out.find(words), std::string::npos) << run.out;
  const bool wrote = c.arguments.find("--out") != std::string::npos;
  if (c.status != 0 && wrote) {
    EXPECT_FALSE(fs::exists(dir + "/out.kvd")) << "a failed run left a drawing";
  }
  if (c.status == 0 && wrote) {
    const CliResult listed = RunCli("list " + dir + "/out.kvd");
    ASSERT_EQ(listed.status, 0) << listed.out;
    for (const std::string& line : c.drawing_has) EXPECT_NE(listed.out.find(line), std::string::npos) << listed.out;
    for (const std::string& line : c.drawing_lacks) EXPECT_EQ(listed.out.find(line), std::string::npos) << listed.out;
  }
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputEndToEnd, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vxtest
