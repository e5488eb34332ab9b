// Properties every command keeps, on generated drawings with generated
// answers. For each command and seed a driver finds a script the command
// accepts: it answers each request with a randomly chosen kind of answer
// (points, numbers, selections, picks, texts, Enter, Escape, dialog answers,
// menu choices), and when the session refuses an answer (a BadInput at that
// token) it tries another. For the script it finds, and for the same script
// cut at every request with Escape there, it checks:
//   - the command protocol holds (a broken one is a HostFault);
//   - the drawing saves and loads again byte for byte (the .kvd reader
//     checks every record);
//   - when the command changed the entities, UNDO gives back the entity
//     lists of before byte for byte and REDO those of after, and neither
//     touches the settings tables (layers, current settings), which are not
//     undo steps.
// VORLIX_PROPERTY_SEEDS sets the seeds per command (default 10: some 2,500
// checked cases in all); VORLIX_PROPERTY_FIRST_SEED where they start, so that
// a long run can go past the seeds the normal build covers;
// VORLIX_PROPERTY_VERBOSE prints every script driven.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/undo_journal.h"
#include "headless/host_error.h"
#include "headless/kvd/kvd_file.h"
#include "headless/kvd/kvd_layout.h"
#include "headless/session/pack_registry.h"
#include "headless/session/session.h"

namespace vxh::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int kMaxAnswers = 10;
constexpr int kEscapesToEnd = 3;
constexpr int kAttempts = 24;  // answers tried at one request

const char* const kCommands[] = {
    "VXLAYERS",       "VXHIDEF",      "VXSHOWF",         "VXTHAWF",       "VXFREEZEF",  "VXMTRIM",
    "VXCUT",          "VXSAMEAS",     "VXDIMSCALE",      "VXDIMSCALENOW", "VXGROUP1",   "VXMOVE",
    "VXCOPY",         "VXROTATE",     "VXROTATE2",       "VXSCALE",       "VXSHEAR",    "VXPART",
    "VXPARTM",        "VXGETFNAMEM",  "VXGETLAYERNAMEM", "VXTEXT",        "VXTEXTML",   "VXTEXTB",
    "VXTEXTC",        "VXTINC",       "VXTREPLACE",      "VXTEDIT",       "VXTEDITDBG", "VXTCASE",
    "VXTSEQ",         "VXATTREXPL",   "VXTEXTEXPL",      "VXFRONT",       "VXBACK",     "VXHATCH",
    "VXHATCHSCAN",    "VXHATCHSMART", "VXHATCHSTANDARD", "VXHATCHLAST",   "VXHEXPLODE", "VXHATCHOPTSEL",
    "VXHATCHOPTMOD",  "VXHATCHOPT",   "VXDIST",          "VXLENGTH",      "VXDIMA",     "VXLOGFILEINIT",
    "VXLOGFILEWRITE", "VXGVD",        "VXKEYSTAT",       "VXGTH",         "VXCMENU",
};

int EnvNumber(const char* name, int otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::max(0, std::atoi(text)) : otherwise;
}

// Each command its own sequence of drawings and answers.
unsigned SeedOf(const std::string& command, int seed) {
  unsigned hash = 2166136261u;
  for (const char c : command) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash ^ static_cast<unsigned>(seed) * 7919u;
}

std::string Point(std::mt19937& random, int low = -10, int high = 110) {
  std::uniform_int_distribution<int> d(low, high);
  return std::to_string(d(random)) + "," + std::to_string(d(random));
}

template <typename T>
const T& OneOf(std::mt19937& random, const std::vector<T>& choices) {
  return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)];
}

// The drawing a case starts from: one of the drawings of the scenarios
// (groups, symbols with attributes, nested symbols, texts, fills, a frozen
// layer) and random entities of every kind the script can draw, on several
// layers, with instances of the drawing's symbols; then, now and then, a
// layer hidden and a layer frozen.
struct Drawing {
  std::string base;  // a file to open first, or empty
  std::string script;
  std::vector<std::string> points;  // where the script drew: answers that reach something
};

std::string Scenario(const char* name) { return std::string(VORLIX_SOURCE_DIR) + "/tests/scenarios/" + name; }

std::string RandomEntity(std::mt19937& random, bool symbols, std::vector<std::string>& drawn) {
  const auto Point = [&](std::mt19937& r) { return drawn.emplace_back(vxh::testing::Point(r)); };
  const std::string p = Point(random);
  switch (random() % 10) {
    case 0: return "LINE; " + p + "; " + Point(random) + ";;\n";
    case 1: return "CIRP; " + p + "; " + Point(random) + "\n<esc>\n";
    case 2: return "BOX; " + p + "; " + Point(random) + "\n";
    case 3: return "POLY; " + p + "; " + Point(random) + "; " + Point(random) + "; " + Point(random) + ";;\n";
    case 4: return "ARCB; " + p + "; " + Point(random) + "; " + Point(random) + "\n<esc>\n";
    case 5: return "TEXT; " + p + "; " + OneOf(random, std::vector<std::string>{"A1", "no 12", "Hello", "x"}) + "\n";
    case 6: return "PATH; " + p + "; " + Point(random) + "; " + Point(random) + ";;\n";
    case 7:
      return "RPOLY; " + OneOf(random, std::vector<std::string>{"3", "5", "8"}) + "; " + p + "; " + Point(random) +
             "\n<esc>\n";
    case 8:
      if (symbols)
        return "SYMBOL; " + OneOf(random, std::vector<std::string>{"OUTER", "INNER"}) + "; " + p + "; 1; 30\n";
      [[fallthrough]];
    default: return "POINT; " + p + ";;\n";
  }
}

Drawing MakeDrawing(std::mt19937& random) {
  static const std::vector<std::string> bases = {
      "",
      "",
      Scenario("group_to_one_level/in.dxf"),
      Scenario("cut_box_detail_frozen/in.dxf"),
      Scenario("attribute_explode/in.kvd"),
      Scenario("text_sequence/in.kvd"),
      Scenario("same_as_kinds/in.dxf"),
      Scenario("hatch_explode_scalable/in.dxf"),
      Scenario("text_explode/in.kvd"),
  };
  Drawing drawing{OneOf(random, bases), "", {}};
  const bool symbols = drawing.base.find("text_sequence") != std::string::npos;
  std::string& s = drawing.script;
  const int count = std::uniform_int_distribution<int>(3, 12)(random);
  for (int i = 0; i < count; ++i) {
    if (random() % 4 == 0)
      s += "LAYER; " + OneOf(random, std::vector<std::string>{"0", "Walls", "Text", "Hatch"}) + "\n";
    s += RandomEntity(random, symbols, drawing.points);
  }
  s += "LAYER; 0\n";
  if (random() % 3 == 0) s += "VXHIDEF; " + OneOf(random, std::vector<std::string>{"Walls", "Hatch"}) + "\n";
  if (random() % 3 == 0) s += "VXFREEZEF; " + OneOf(random, std::vector<std::string>{"Text", "Hatch"}) + "\n";
  return drawing;
}

// A random answer; Escape and Enter less often than the rest, so that
// commands get past their first prompts.
std::string Answer(std::mt19937& random, const Drawing& drawing) {
  switch (random() % 20) {
    case 0:
    case 1: return drawing.points.empty() ? Point(random) : OneOf(random, drawing.points);
    case 2: return Point(random);
    case 3: return OneOf(random, std::vector<std::string>{"0", "1", "2.5", "-3", "45", "90", "1e6", "0.001", "360"});
    case 4: return OneOf(random, std::vector<std::string>{"3", "0", "-1", "7", "2"});
    case 5: return "all";
    case 6: return "window " + Point(random, -20, 40) + " " + Point(random, 60, 130);
    case 7: return "crossing " + Point(random) + " " + Point(random);
    case 8: return "at " + (drawing.points.empty() ? Point(random) : OneOf(random, drawing.points));
    case 9: return "last";
    case 10: return OneOf(random, std::vector<std::string>{"abc", "A1", "Hatch", "\"two words\"", "*", "W*"});
    case 11: return OneOf(random, std::vector<std::string>{"{press ok}", "{press cancel}"});
    case 12: return "<enter>";
    case 13: return "<esc>";
    case 14: return "<menu " + std::to_string(random() % 3 + 1) + ">";
    case 15: return OneOf(random, std::vector<std::string>{"<key TAB>", "<key h>", "<key F1>", "<key DEL>", "<key +>"});
    case 16: return OneOf(random, std::vector<std::string>{"<hold ctrl>", "<hold shift>", "<release all>", "<rclick>"});
    case 17: return "<move " + Point(random) + ">";
    case 18: return OneOf(random, std::vector<std::string>{"<yes>", "<no>"});
    default: return Point(random, 0, 100);
  }
}

std::string Join(const std::vector<std::string>& tokens) {
  std::string s;
  for (const std::string& t : tokens) s += t + "\n";
  return s;
}

// A registry and host folder of this process, emptied before every session,
// so that what one run stores does not steer the next.
const fs::path& Scratch() {
  // Memory-backed when there is such storage: every run makes a registry.
  static const fs::path dir = (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                              ("vorlix-properties-" + std::to_string(::getpid()));
  return dir;
}

// Leaves no scratch folder behind in memory-backed storage.
struct ScratchRemoved {
  ScratchRemoved() = default;
  ScratchRemoved(const ScratchRemoved&) = delete;
  ScratchRemoved& operator=(const ScratchRemoved&) = delete;
  ~ScratchRemoved() {
    std::error_code ignored;
    fs::remove_all(Scratch(), ignored);
  }
};

struct Run {
  std::ostringstream transcript;
  std::optional<Session> session;

  explicit Run(const Drawing& drawing) {
    fs::remove_all(Scratch());
    fs::create_directories(Scratch() / "home");
    setenv("VORLIX_HOME", (Scratch() / "home").c_str(), 1);
    session.emplace(transcript, SessionOptions{(Scratch() / "registry.sqlite3").string(), "", "", ""});
    if (!drawing.base.empty()) session->Open(drawing.base);
    session->RunText(drawing.script, "drawing.vxs");
  }
  // The whole drawing, removed entities included, as the .kvd writer lays it
  // out; the next free tag left out: tags are never given twice, so UNDO
  // does not take the counter back.
  Bytes Encoded() {
    Bytes bytes = EncodeKvd(session->Doc(), true);
    std::fill_n(bytes.begin() + kKvdNextTagAt, sizeof(std::uint32_t), 0);
    return bytes;
  }
};

// Where two encoded drawings (or parts of them) part, for a message a person can follow.
std::string Difference(const Bytes& got, const Bytes& wanted) {
  const auto parted = std::mismatch(got.begin(), got.end(), wanted.begin(), wanted.end());
  return "the drawing differs from byte " + std::to_string(parted.first - got.begin()) + " (" +
         std::to_string(got.size()) + " bytes, wanted " + std::to_string(wanted.size()) + ")";
}

std::string Describe(const Drawing& drawing, const std::string& command, const std::vector<std::string>& answers) {
  return "drawing: " + (drawing.base.empty() ? "new" : drawing.base) + "\nscript:\n" + drawing.script + command + "\n" +
         Join(answers);
}

enum class Outcome { kChanged, kUnchanged, kWaiting, kRefused, kFault };

// What one command's cases covered: every run is a protocol check; a checked
// case also saves, loads and compares the drawing; a changing case also
// undoes and redoes.
struct Tally {
  int runs = 0;
  int checked = 0;
  int changed = 0;
};

// Runs the command with the answers in a fresh session. A HostFault (a
// broken protocol) or any other exception escapes to the test.
Outcome Try(const Drawing& drawing, const std::string& command, const std::vector<std::string>& answers, Tally& tally) {
  ++tally.runs;
  Run run(drawing);
  const Bytes before = run.Encoded();
  try {
    run.session->RunText(command + "\n" + Join(answers), "command.vxs");
  } catch (const BadInput& e) {
    const std::string message = e.what();
    if (message.find("the script ends while") != std::string::npos) return Outcome::kWaiting;
    return Outcome::kRefused;
  } catch (const std::exception& e) {
    // A broken protocol or a host fault: the case that shows it is the finding.
    ADD_FAILURE() << e.what() << "\n" << Describe(drawing, command, answers);
    return Outcome::kFault;
  }
  return run.Encoded() == before ? Outcome::kUnchanged : Outcome::kChanged;
}

bool Ended(Outcome outcome) { return outcome == Outcome::kChanged || outcome == Outcome::kUnchanged; }

// Answers until the command ends: each step tries random answers until the
// session takes one; past kMaxAnswers, Escape. An answer that ends the
// command without a change is mostly passed over for one that goes on, so
// that most scripts reach the command's work. Empty when no answer fits a
// request or Escape does not end the command.
std::optional<std::vector<std::string>> FindScript(const Drawing& drawing, const std::string& command,
                                                   std::mt19937& random, Tally& tally, std::string& why) {
  std::vector<std::string> answers;
  const Outcome first = Try(drawing, command, answers, tally);
  if (Ended(first)) return answers;
  if (first == Outcome::kFault) return std::nullopt;
  for (int step = 0; step < kMaxAnswers + kEscapesToEnd; ++step) {
    bool taken = false;
    for (int attempt = 0; attempt < kAttempts && !taken; ++attempt) {
      answers.push_back(step < kMaxAnswers ? Answer(random, drawing) : "<esc>");
      const Outcome outcome = Try(drawing, command, answers, tally);
      if (outcome == Outcome::kFault) {
        why = "a fault";
        return std::nullopt;
      }
      const bool pass_over = step < kMaxAnswers && attempt + 1 < kAttempts && random() % 4 != 0;
      if (outcome == Outcome::kChanged || (outcome == Outcome::kUnchanged && !pass_over)) return answers;
      taken = outcome == Outcome::kWaiting;
      if (!taken) answers.pop_back();
    }
    if (!taken) {
      why = "no answer fits after " + Join(answers);
      return std::nullopt;
    }
  }
  why = "Escape does not end the command after " + Join(answers);
  return std::nullopt;
}

// A drawing's settings tables (layers with their hidden and frozen bits, the
// current settings, styles) and its entity lists, as the .kvd writer lays
// them out. UNDO journals the entity lists only: what a command did to the
// settings stays when its entities are undone.
struct Parts {
  Bytes tables;
  Bytes entities;
};

Parts Split(const Bytes& encoded) {
  std::size_t at = kKvdHeaderBytes;
  const std::size_t tables = encoded[kKvdTableCountAt] | encoded[kKvdTableCountAt + 1] << 8;
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t length = encoded[at + 1] | encoded[at + 2] << 8 | encoded[at + 3] << 16 |
                               static_cast<std::size_t>(encoded[at + 4]) << 24;
    at += kKvdTableHeadBytes + length;
  }
  const auto end = encoded.begin() + static_cast<std::ptrdiff_t>(at);
  return {Bytes(encoded.begin(), end), Bytes(end, encoded.end())};
}

void CheckProperties(const Drawing& drawing, const std::string& command, const std::vector<std::string>& answers,
                     Tally& tally) {
  ++tally.checked;
  SCOPED_TRACE(Describe(drawing, command, answers));
  Run run(drawing);
  const Parts before = Split(run.Encoded());
  const std::size_t steps_before = run.session->Doc().Journal().UndoableSteps();
  run.session->RunText(command + "\n" + Join(answers), "command.vxs");
  const Parts after = Split(run.Encoded());
  const Bytes whole = EncodeKvd(run.session->Doc(), true);
  const auto reread = DecodeKvd(whole.data(), whole.size(), "saved.kvd");
  ASSERT_EQ(EncodeKvd(*reread, true), whole) << "the drawing does not load back as it was saved";
  if (after.entities == before.entities) return;
  ++tally.changed;
  // Commands that change texts or place copies pick by pick make an undo
  // step per pick: as many UNDOs as the command made steps give back the
  // drawing of before, and as many REDOs the drawing of after. A command's
  // first mark may reuse the empty step a command that changed nothing left
  // open (LAYER naming the current layer), so the journal can count one step
  // fewer than the command made. A command that changed the drawing inside an
  // earlier command's step fails here: its UNDO takes back more than it did.
  const std::size_t made = run.session->Doc().Journal().UndoableSteps() - steps_before;
  std::size_t steps = 0;
  Parts undone = after;
  while (undone.entities != before.entities && steps < made + 1) {
    run.session->RunText("UNDO\n", "undo.vxs");
    undone = Split(run.Encoded());
    ++steps;
  }
  ASSERT_TRUE(undone.entities == before.entities)
      << "UNDO does not give back the drawing of before: " << Difference(undone.entities, before.entities);
  ASSERT_TRUE(undone.tables == after.tables)
      << "UNDO changes the settings: " << Difference(undone.tables, after.tables);
  for (std::size_t i = 0; i < steps; ++i) run.session->RunText("REDO\n", "redo.vxs");
  const Parts redone = Split(run.Encoded());
  ASSERT_TRUE(redone.entities == after.entities)
      << "REDO does not bring back the drawing of after: " << Difference(redone.entities, after.entities);
  ASSERT_TRUE(redone.tables == after.tables)
      << "REDO changes the settings: " << Difference(redone.tables, after.tables);
}

// The answers cut before each request, Escape there (and again, for commands
// whose Escape steps back a prompt).
void CheckEscapeAtEveryPrompt(const Drawing& drawing, const std::string& command,
                              const std::vector<std::string>& answers, Tally& tally) {
  for (std::size_t cut = 0; cut < answers.size(); ++cut) {
    std::vector<std::string> prefix(answers.begin(), answers.begin() + static_cast<std::ptrdiff_t>(cut));
    Outcome outcome = Outcome::kWaiting;
    for (int i = 0; i < kEscapesToEnd && outcome == Outcome::kWaiting; ++i) {
      prefix.push_back("<esc>");
      outcome = Try(drawing, command, prefix, tally);
    }
    if (Ended(outcome)) CheckProperties(drawing, command, prefix, tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

class CommandProperties : public ::testing::TestWithParam<const char*> {};

TEST_P(CommandProperties, ProtocolDrawingAndUndoHold) {
  const ScratchRemoved removed;
  const std::string command = GetParam();
  int driven = 0;
  Tally tally;
  std::vector<std::string> stuck;
  const int first = EnvNumber("VORLIX_PROPERTY_FIRST_SEED", 0);
  const int seeds = std::max(1, EnvNumber("VORLIX_PROPERTY_SEEDS", 10));
  for (int seed = first; seed < first + seeds; ++seed) {
    std::mt19937 random(SeedOf(command, seed));
    const Drawing drawing = MakeDrawing(random);
    std::string why;
    const auto answers = FindScript(drawing, command, random, tally, why);
    if (!answers) {
      if (HasFailure()) return;
      stuck.push_back(why);
      continue;
    }
    ++driven;
    if (std::getenv("VORLIX_PROPERTY_VERBOSE") != nullptr)
      std::fprintf(stderr, "-- %s seed %d:\n%s%s\n%s", command.c_str(), seed, drawing.script.c_str(), command.c_str(),
                   Join(*answers).c_str());
    CheckProperties(drawing, command, *answers, tally);
    if (HasFatalFailure()) return;
    CheckEscapeAtEveryPrompt(drawing, command, *answers, tally);
    if (HasFatalFailure()) return;
  }
  // A command the driver cannot answer proves nothing: say so.
  EXPECT_GT(driven, 0) << stuck.front();
  RecordProperty("driven", driven);
  RecordProperty("runs", tally.runs);
  RecordProperty("checked", tally.checked);
  RecordProperty("changed", tally.changed);
  std::printf("%s: %d seeds driven, %d runs, %d cases checked, %d of them undone and redone\n", command.c_str(), driven,
              tally.runs, tally.checked, tally.changed);
}

// A command the pack adds joins the cases: the list above is the pack's.
TEST(CommandPropertiesList, NamesEveryCommandThePackRegisters) {
  const ScratchRemoved removed;
  fs::create_directories(Scratch());
  std::ostringstream transcript;
  Session session(transcript, SessionOptions{(Scratch() / "registry.sqlite3").string(), "", "", ""});
  std::vector<std::string> registered;
  for (const PackCommand& command : RegisteredPack().Commands()) registered.push_back(command.name);
  EXPECT_EQ(registered, std::vector<std::string>(std::begin(kCommands), std::end(kCommands)));
}

INSTANTIATE_TEST_SUITE_P(Every, CommandProperties, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
}  // namespace vxh::testing
