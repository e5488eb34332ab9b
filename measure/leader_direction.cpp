#include "measure/leader_direction.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

namespace {

constexpr double kPickPixels = 4;
constexpr int kWalkOn = 0;  // a non-zero answer would stop the walk
constexpr double kSamePointDistance = 1e-9;
constexpr std::size_t kPickRawPosition = 36;  // two doubles in resource 4198

struct Nearest {
  double q[2] = {};
  double n[2] = {};
  double distance = std::numeric_limits<double>::infinity();
  bool found = false;
};

bool HasEdges(Entity e) {
  const int kind = GetI8(e, kHdrKind);
  return kind == kKindLine || kind == kKindPath || kind == kKindPolygon;
}

// An undefined parameter counts as the start.
double ClampParam(double t) {
  if (!(t >= 0)) return 0;
  return t >= 1 ? 1 : t;
}

int KeepNearest(DList*, Entity e, std::intptr_t data, std::intptr_t) {
  if (!HasEdges(e)) return kWalkOn;
  Nearest& best = *reinterpret_cast<Nearest*>(data);
  double t = 0;
  if (EGet(e, kQueryParamOf, best.q, &t) == 0) return kWalkOn;
  t = ClampParam(t);
  double point[3] = {};
  if (EGet(e, kQueryPointAt, &t, point) == 0) return kWalkOn;
  const double d = std::hypot(point[0] - best.q[0], point[1] - best.q[1]);
  if (d < best.distance) {
    best = Nearest{{best.q[0], best.q[1]}, {point[0], point[1]}, d, true};
  }
  return kWalkOn;
}

// Four pixels of the active window in drawing units; 0 without a window.
double PickTolerance() {
  const std::uint8_t* window = GetADWin();
  if (window == nullptr) return 0;
  const std::uint32_t pixels = GetU32(window, kWinPixelWidth);
  if (pixels == 0) return 0;
  return kPickPixels * GetF64(window, kWinViewWidth) / pixels;
}

}  // namespace

std::optional<double> LeaderDirection(DList* work, const Vec2& picked) {
  if (work == nullptr) return std::nullopt;
  Nearest best;
  const auto* pick = static_cast<const std::uint8_t*>(RscAdr(kRscPick));
  best.q[0] = GetF64(pick, kPickRawPosition);
  best.q[1] = GetF64(pick, kPickRawPosition + 8);
  work->Walk(KeepNearest, kWalkVisible, reinterpret_cast<std::intptr_t>(&best));
  if (!best.found || !(PickTolerance() > best.distance)) return std::nullopt;
  // A picked point on the found point itself gives no direction (Angle would
  // say 0 degrees); the user is asked for the angle instead.
  if (std::hypot(best.n[0] - picked[0], best.n[1] - picked[1]) <= kSamePointDistance) return std::nullopt;
  return Angle(picked.data(), best.n);
}

}  // namespace vx
