// A session whose registry is a scratch file, with helpers that store hatch
// records straight into that registry and read back the hatch lines made.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "hatch/hatch_records.h"
#include "hatch/registry_keys.h"
#include "headless/drawing/document.h"
#include "headless/registry/registry_store.h"
#include "headless/session/session.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/session/session_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {

inline std::filesystem::path ScratchFolder(std::string name) {
  for (char& c : name) c = c == '/' ? '_' : c;  // parameterised test names hold slashes
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vorlix-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// In a namespace of its own: the transform tests have a Segment of another
// layout in vxh::testing, and two classes of one name in one program let the
// linker mix their vector code (a read past the end under the sanitizer).
namespace hatch_lines {
struct Segment {
  double x1, y1, x2, y2;
  std::uint16_t style;
  double Length() const { return std::hypot(x2 - x1, y2 - y1); }
};
}  // namespace hatch_lines
using hatch_lines::Segment;

// Every record of a list, members after their container, for byte-for-byte
// comparisons of a drawing before and after.
inline std::vector<std::vector<std::uint8_t>> Snapshot(EntityList& list) {
  std::vector<std::vector<std::uint8_t>> out;
  list.ForEach([&](vx::Entity e) {
    out.emplace_back(e, e + vx::GetU32(e, vx::kHdrSize));
    if (EntityList* members = list.Members(e)) {
      for (auto& member : Snapshot(*members)) out.push_back(std::move(member));
    }
  });
  return out;
}

// The scratch folder and registry path, made before the session that uses them.
struct ScratchRegistry {
  ScratchRegistry()
      : dir(ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name())),
        registry_path((dir / "registry.sqlite3").string()) {}
  ~ScratchRegistry() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  std::filesystem::path dir;
  std::string registry_path;
};

class HatchSession : private ScratchRegistry, public SessionTest {
 protected:
  HatchSession() : SessionTest({registry_path, "", "", ""}) {}

  using ScratchRegistry::dir;
  using ScratchRegistry::registry_path;

  registry::Store Registry() const { return registry::Store(registry_path); }

  // Adds the record to the drawing as a finished entity.
  void Draw(const vxtest::Record& record) {
    vx::DList* work = session.Doc().WorkDL();
    work->Commit(work->AddRecord(record.data()));
  }

  // Stores the settings record under `name` and makes the options use it.
  void UseSettings(const vx::HatchSettings& settings, vx::HatchOptions options = vx::DefaultHatchOptions()) {
    vx::HatchSettings named = settings;
    named.SetName("Test");
    Store(vx::kHatchSettingsKey, "Test", named.bytes.data(), named.bytes.size());
    options.SetSettingsName("Test");
    options.SetPatternKind(vx::kKindSimpleLines);
    StoreOptions(options);
  }

  void StoreOptions(const vx::HatchOptions& options) {
    Store(vx::kHatchKey, vx::kOptionsValue, options.bytes.data(), options.bytes.size());
  }

  // Registers a PAT file with the given text and makes the options use `name`.
  void UsePat(const std::string& text, const std::string& name, vx::HatchOptions options = vx::DefaultHatchOptions()) {
    const std::string file = (dir / ("p" + std::to_string(pat_files_++) + ".pat")).string();
    std::ofstream(file, std::ios::binary) << text;
    Store(vx::kPatFilesKey, file, nullptr, 0);
    options.SetPatternKind(vx::kKindPatFile);
    options.SetPatName(name);
    StoreOptions(options);
  }

  void Store(const char* key, const std::string& name, const std::uint8_t* data, std::size_t size) {
    Registry().Set(key, name, 3, std::vector<std::uint8_t>(data, data + size));
  }

  // A record as the registry holds it; none when it is missing or of another size.
  template <typename Record>
  std::optional<Record> Stored(const char* key, const std::string& name) const {
    const std::optional<registry::Value> value = Registry().Get(key, name);
    Record record;
    if (!value || value->data.size() != record.bytes.size()) return std::nullopt;
    std::copy(value->data.begin(), value->data.end(), record.bytes.begin());
    return record;
  }
  std::optional<vx::HatchOptions> StoredOptions() const {
    return Stored<vx::HatchOptions>(vx::kHatchKey, vx::kOptionsValue);
  }
  std::optional<vx::HatchSettings> StoredSettings(const std::string& name) const {
    return Stored<vx::HatchSettings>(vx::kHatchSettingsKey, name);
  }

  // The members of the last group of the drawing: the lines of the last hatch.
  std::vector<Segment> HatchLines() {
    const std::vector<vx::Entity> all = Entities();
    if (all.empty() || vx::GetI8(all.back(), vx::kHdrKind) != vx::kKindGroup) {
      ADD_FAILURE() << "the drawing does not end with a group";
      return {};
    }
    return LinesOf(session.Doc().Work(), all.back());
  }

  static std::vector<Segment> LinesOf(EntityList& list, vx::Entity group) {
    std::vector<Segment> out;
    EntityList* members = list.Members(group);
    if (members == nullptr) return out;
    members->ForEach([&](vx::Entity e) {
      EXPECT_EQ(vx::GetI8(e, vx::kHdrKind), vx::kKindLine);
      out.push_back({vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1), vx::GetF64(e, vx::kLineX2),
                     vx::GetF64(e, vx::kLineY2), vx::GetU16(e, vx::kHdrLineStyle)});
    });
    return out;
  }

  static double TotalLength(const std::vector<Segment>& lines) {
    double total = 0;
    for (const Segment& s : lines) total += s.Length();
    return total;
  }

 private:
  int pat_files_ = 0;
};

// Where each line starts across the drawing: the x of lines running along y.
inline std::vector<double> SortedX(const std::vector<Segment>& lines) {
  std::vector<double> xs;
  for (const Segment& s : lines) xs.push_back(s.x1);
  std::sort(xs.begin(), xs.end());
  return xs;
}

inline std::vector<double> Range(double from, double to, double step) {
  std::vector<double> out;
  for (double x = from; x <= to + 1e-9; x += step) out.push_back(x);
  return out;
}

inline void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << i;
}

// Settings of one continuous family at the given distance and angle.
inline vx::HatchSettings LineSettings(double distance, double angle) {
  vx::HatchSettings s = vx::DefaultHatchSettings();
  s.SetDistance(distance);
  s.SetAngle(angle);
  return s;
}

}  // namespace vxh::testing
