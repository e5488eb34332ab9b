// Every folder of tests/scenarios is one user's session: a script run through
// the vorlix program against an optional drawing and registry, and the results
// a reviewer has read and accepted beside it. Every example script and the
// README's example run too, so what a new user types first keeps working.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"
#include "tests/scenarios/picture_compare.h"

namespace vxtest {
namespace {

namespace fs = std::filesystem;

const fs::path kScenarios = fs::path(VORLIX_SOURCE_DIR) / "tests" / "scenarios";

std::optional<std::string> ReadIfPresent(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Numbers in a listing agree when they differ by rounding only: an engine
// that computes the same point another way may move its last bit.
constexpr double kNumberTolerance = 1e-9;

bool IsNumberStart(const std::string& text, std::size_t at) {
  return at < text.size() && (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '-');
}

bool SameListing(const std::string& expected, const std::string& actual) {
  std::size_t i = 0, j = 0;
  while (i < expected.size() && j < actual.size()) {
    if (IsNumberStart(expected, i) && IsNumberStart(actual, j)) {
      char* end_e = nullptr;
      char* end_a = nullptr;
      const double e = std::strtod(expected.c_str() + i, &end_e);
      const double a = std::strtod(actual.c_str() + j, &end_a);
      if (std::fabs(e - a) > kNumberTolerance * std::max(1.0, std::fabs(e))) return false;
      i = static_cast<std::size_t>(end_e - expected.c_str());
      j = static_cast<std::size_t>(end_a - actual.c_str());
      continue;
    }
    if (expected[i++] != actual[j++]) return false;
  }
  return i == expected.size() && j == actual.size();
}

// A long line is shown around the place where it starts to differ.
std::string Excerpt(const std::string& line, std::size_t at) {
  constexpr std::size_t kShown = 160;
  const std::size_t from = at > kShown / 2 ? at - kShown / 2 : 0;
  return (from > 0 ? "..." : "") + line.substr(from, kShown) + (from + kShown < line.size() ? "..." : "");
}

// Names the first line that differs, so a failure reads without a diff tool.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> want = Lines(expected), got = Lines(actual);
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "<no line>";
    const std::string g = i < got.size() ? got[i] : "<no line>";
    if (SameListing(w, g)) continue;
    std::size_t at = 0;
    while (at < w.size() && at < g.size() && w[at] == g[at]) ++at;
    return "line " + std::to_string(i + 1) + ":\n  expected: " + Excerpt(w, at) + "\n  actual:   " + Excerpt(g, at);
  }
  return "the files differ in their last line ending";
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

struct Scenario {
  std::string name;
  fs::path folder;
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

std::vector<Scenario> FindScenarios() {
  std::vector<Scenario> found;
  for (const fs::directory_entry& entry : fs::directory_iterator(kScenarios)) {
    if (entry.is_directory() && fs::exists(entry.path() / "script.vxs")) {
      found.push_back({entry.path().filename().string(), entry.path()});
    }
  }
  std::sort(found.begin(), found.end(), [](const Scenario& a, const Scenario& b) { return a.name < b.name; });
  return found;
}

class ScenarioRun : public testing::TestWithParam<Scenario> {
 protected:
  void SetUp() override {
    folder = GetParam().folder;
    scratch = ScratchDir("scenario-" + GetParam().name);
    registry = fs::path(scratch) / "registry.sqlite3";
    for (const fs::path& stale :
         {folder / "actual.transcript", folder / "actual.json", folder / "actual.output", folder / "actual.png"}) {
      fs::remove(stale);
    }
  }

  // Paths differ from machine to machine; expected files name them by role.
  std::string Normalised(std::string text) const {
    ReplaceAll(text, scratch, "{out}");
    ReplaceAll(text, folder.string(), "{dir}");
    return text;
  }

  void PrepareRegistry() {
    const std::optional<std::string> calls = ReadIfPresent(folder / "registry");
    if (!calls) return;
    for (std::string line : Lines(*calls)) {
      if (line.empty() || line[0] == '#') continue;
      ReplaceAll(line, "{dir}", folder.string());
      const CliResult r = RunCli("registry " + line + " --registry " + Quoted(registry));
      ASSERT_EQ(r.status, 0) << "registry " << line << "\n" << r.out;
    }
  }

  // A folder with home/ or expected.home/ runs with its own host folder,
  // {out}/home/, seeded with the files of home/.
  bool WantsOwnHostFolder() const {
    return fs::is_directory(folder / "home") || fs::is_directory(folder / "expected.home");
  }

  std::string HostFolderPrefix() const {
    if (!WantsOwnHostFolder()) return "";
    const fs::path home = fs::path(scratch) / "home";
    fs::create_directories(home);
    if (fs::is_directory(folder / "home")) fs::copy(folder / "home", home, fs::copy_options::recursive);
    return "env VORLIX_HOME=" + Quoted(home.string() + "/") + " ";
  }

  // Every file of expected.home/ against the file of that name the run left
  // in its host folder.
  void ExpectHostFiles() {
    if (!fs::is_directory(folder / "expected.home")) return;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / "expected.home")) {
      ++compared;
      const std::string name = entry.path().filename().string();
      const std::optional<std::string> actual = ReadIfPresent(fs::path(scratch) / "home" / name);
      const std::string expected = ReadIfPresent(entry.path()).value_or("");
      if (!actual) {
        ADD_FAILURE() << GetParam().name << ": the run left no " << name << " in its host folder";
      } else if (*actual != expected) {
        ADD_FAILURE() << GetParam().name << ": host file " << name << " differs at "
                      << FirstDifference(expected, *actual);
      }
    }
  }

  std::string InputOption() const {
    for (const char* name : {"in.kvd", "in.dxf"}) {
      if (fs::exists(folder / name)) return " --in " + Quoted(folder / name);
    }
    return "";
  }

  void Expect(const std::string& what, const std::string& actual) {
    const std::optional<std::string> expected = ReadIfPresent(folder / ("expected." + what));
    if (!expected) return;
    ++compared;
    if (*expected == actual || (what == "json" && SameListing(*expected, actual))) return;
    std::ofstream(folder / ("actual." + what), std::ios::binary) << actual;
    ADD_FAILURE() << GetParam().name << ": expected." << what << " differs at " << FirstDifference(*expected, actual)
                  << "\n(written beside it as actual." << what << ")";
  }

  void ExpectPicture(const fs::path& drawing) {
    const fs::path expected = folder / "expected.png";
    if (!fs::exists(expected)) return;
    ++compared;
    const fs::path actual = fs::path(scratch) / "actual.png";
    const CliResult r = RunCli("render " + Quoted(drawing) + " --out " + Quoted(actual));
    ASSERT_EQ(r.status, 0) << r.out;
    const PictureDifference difference = ComparePictures(expected.string(), actual.string());
    if (difference.Acceptable()) return;
    fs::copy_file(actual, folder / "actual.png", fs::copy_options::overwrite_existing);
    ADD_FAILURE() << GetParam().name << ": the picture differs from expected.png: " << difference.Describe()
                  << "\n(written beside it as actual.png)";
  }

  fs::path folder;
  std::string scratch;
  fs::path registry;
  int compared = 0;
};

TEST_P(ScenarioRun, GivesTheExpectedResults) {
  ASSERT_NO_FATAL_FAILURE(PrepareRegistry());
  const fs::path drawing = fs::path(scratch) / "out.kvd";
  const fs::path transcript = fs::path(scratch) / "transcript.txt";
  const CliResult run =
      RunCli(HostFolderPrefix(), "run " + Quoted(folder / "script.vxs") + InputOption() + " --out " + Quoted(drawing) +
                                     " --transcript " + Quoted(transcript) + " --registry " + Quoted(registry));

  const std::optional<std::string> status_text = ReadIfPresent(folder / "expected.status");
  const int expected_status = status_text ? std::stoi(*status_text) : 0;
  compared += status_text.has_value();
  EXPECT_EQ(run.status, expected_status) << GetParam().name << ":\n" << run.out;

  Expect("output", Normalised(run.out));
  Expect("transcript", Normalised(ReadIfPresent(transcript).value_or("")));
  ExpectHostFiles();
  if (run.status == 0) {
    const CliResult list = RunCli("list --json " + Quoted(drawing));
    ASSERT_EQ(list.status, 0) << list.out;
    Expect("json", list.out);
    ExpectPicture(drawing);
  } else {
    EXPECT_FALSE(fs::exists(drawing)) << "a failed run must not write its drawing";
  }
  EXPECT_GT(compared, 0) << GetParam().name << " has no expected.* file to compare with";
}

std::string ScenarioName(const testing::TestParamInfo<Scenario>& info) {
  std::string name = info.param.name;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Folders, ScenarioRun, testing::ValuesIn(FindScenarios()), ScenarioName);

TEST(ScenarioCorpus, IsNotEmpty) { EXPECT_GE(FindScenarios().size(), 3u); }

// The example scripts and the README's example are what a new user runs
// first: each must run to its end and write a drawing.
std::vector<fs::path> ExampleScripts() {
  std::vector<fs::path> scripts;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(VORLIX_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() == ".vxs") scripts.push_back(entry.path());
  }
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

// The fenced block that follows "A script, for example" in the README.
std::string ReadmeExample() {
  const std::string readme = ReadIfPresent(fs::path(VORLIX_SOURCE_DIR) / "README.md").value_or("");
  const std::size_t intro = readme.find("A script, for example");
  if (intro == std::string::npos) return "";
  const std::size_t open = readme.find("```", intro);
  if (open == std::string::npos) return "";
  const std::size_t body = readme.find('\n', open) + 1;
  const std::size_t close = readme.find("```", body);
  return close == std::string::npos ? "" : readme.substr(body, close - body);
}

void ExpectRunsToItsEnd(const fs::path& script, const std::string& scratch) {
  const fs::path drawing = fs::path(scratch) / "out.kvd";
  const CliResult r = RunCli("run " + Quoted(script) + " --out " + Quoted(drawing) + " --transcript " +
                             Quoted(fs::path(scratch) / "transcript.txt") + " --registry " +
                             Quoted(fs::path(scratch) / "registry.sqlite3"));
  EXPECT_EQ(r.status, 0) << script << "\n" << r.out;
  EXPECT_TRUE(fs::exists(drawing)) << script;
}

TEST(ExampleScripts, EachRunsToItsEnd) {
  const std::vector<fs::path> scripts = ExampleScripts();
  ASSERT_FALSE(scripts.empty());
  for (const fs::path& script : scripts) {
    ExpectRunsToItsEnd(script, ScratchDir("example-" + script.stem().string()));
  }
}

TEST(ExampleScripts, TheReadmeExampleRunsToItsEnd) {
  const std::string example = ReadmeExample();
  ASSERT_NE(example.find("VXHATCHSTANDARD"), std::string::npos) << "the README's example script was not found";
  const std::string scratch = ScratchDir("readme-example");
  WriteFile(scratch + "/readme.vxs", example);
  ExpectRunsToItsEnd(scratch + "/readme.vxs", scratch);
}

}  // namespace
}  // namespace vxtest
