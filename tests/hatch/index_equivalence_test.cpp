// The x index of the boundary must not change a single hatch line: random
// boundaries and patterns are filled once with the index and once with the
// plain walk over the whole boundary list, and the lines compared byte for
// byte. Vertices on a coarse grid put many corners exactly on scan lines.
#include <gtest/gtest.h>

#include <random>

#include "hatch/boundary.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "host/host_api.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

using vxtest::Record;

std::vector<Record> RandomBoundary(std::mt19937& rng) {
  std::uniform_int_distribution<int> grid(0, 40);
  auto at = [&] { return grid(rng) * 0.25; };
  std::vector<Record> out;
  const int shapes = std::uniform_int_distribution<int>(2, 6)(rng);
  for (int s = 0; s < shapes; ++s) {
    switch (std::uniform_int_distribution<int>(0, 4)(rng)) {
      case 0: out.push_back(vxtest::Line(at(), at(), at(), at())); break;
      case 1: out.push_back(vxtest::Circle(at(), at(), 0.5 + grid(rng) * 0.1)); break;
      case 2: out.push_back(vxtest::Arc(at(), at(), 0.5 + grid(rng) * 0.1, grid(rng) * 0.2, grid(rng) * 0.15)); break;
      default: {
        std::vector<std::pair<double, double>> points;
        const int n = std::uniform_int_distribution<int>(3, 12)(rng);
        for (int i = 0; i < n; ++i) points.emplace_back(at(), at());
        out.push_back(vxtest::Poly(s % 2 == 0 ? vx::kKindPolygon : vx::kKindPath, points));
      }
    }
  }
  return out;
}

class IndexedAgainstPlainWalk : public HatchSession, public ::testing::WithParamInterface<int> {
 protected:
  std::vector<Record> Fill(const std::vector<Record>& boundary, vx::ScanMode mode) {
    vx::DList* list = vx::CreateDList("~HatchBorder.kvd", 2);
    std::uint8_t box[vx::kBoxBytes] = {};
    double into[16];
    vx::BuildRotation(vx::kRightAngle - vx::Hatch().prepared.Angle(), into);
    for (const Record& r : boundary) {
      vx::Entity e = vx::ETran(list->AddRecord(r.data()), into);
      vx::EXCheck(e, box);
    }
    vx::Hatch().boundary = list;
    vx::DList* dest = vx::CreateDList("~Lines.kvd", 2);
    vx::FillContext context(list, box, mode);
    vx::HatchPattern(dest, context, nullptr);
    std::vector<Record> lines;
    FromDList(dest)->ForEach([&](vx::Entity e) { lines.emplace_back(e, e + vx::GetU32(e, vx::kHdrSize)); });
    dest->Release();
    list->Release();
    vx::Hatch().boundary = nullptr;
    return lines;
  }
};

TEST_P(IndexedAgainstPlainWalk, GiveTheSameLinesInTheSameOrder) {
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  const std::vector<Record> boundary = RandomBoundary(rng);
  std::uniform_int_distribution<int> choice(0, 2);
  vx::HatchOptions options = vx::DefaultHatchOptions();
  vx::HatchSettings settings = LineSettings(0.25, choice(rng) == 0 ? vx::kRightAngle : 0.3 * choice(rng));
  settings.SetScanOn(1, true);
  settings.SetScanOffset(1, 0.5);
  const int kind = choice(rng);
  options.SetPatternKind(kind);
  options.SetKorvexName(".25 Crosshatch");
  options.SetPatName("R");
  if (kind == vx::kKindPatFile) {
    UsePat("*R\n0, 0,0, 0.1,0.25, 0.5,-0.25,0,-0.25\n90, 0.1,0, 0,-0.5, -0.2,0.4\n45, 0,0, 0,0.35\n", "R", options);
  }
  vx::Hatch().options = options;
  vx::Hatch().prepared = settings;
  const std::vector<Record> indexed = Fill(boundary, vx::ScanMode::kIndexed);
  vx::Hatch().options = options;
  const std::vector<Record> plain = Fill(boundary, vx::ScanMode::kPlainWalk);
  EXPECT_GT(plain.size(), 0u) << "a case that draws nothing proves nothing (kind " << kind << ")";
  ASSERT_EQ(indexed.size(), plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(indexed[i], plain[i]) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(RandomBoundaries, IndexedAgainstPlainWalk, ::testing::Range(1, 25),
                         [](const ::testing::TestParamInfo<int>& info) { return "Seed" + std::to_string(info.param); });

}  // namespace
}  // namespace vxh::testing
