// The host's geometry operations on points and lines, over plane.h.
#include <algorithm>
#include <cmath>

#include "headless/geometry/box.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/plane.h"
#include "headless/tolerances.h"
#include "host/host_api.h"

namespace vx {

namespace {

vxh::P2 Pt(const double* p, const char* operation) {
  vxh::Required(p, operation, "point");
  return {p[0], p[1]};
}

void Out(const vxh::P2& p, double* out, const char* operation) {
  vxh::Required(out, operation, "output point");
  out[0] = p.x;
  out[1] = p.y;
}

}  // namespace

extern "C" {

double KVAPI Dist2P(const double* p, const double* q) { return vxh::Distance(Pt(p, "Dist2P"), Pt(q, "Dist2P")); }

double KVAPI Angle(const double* from, const double* to) {
  return vxh::DirectionAngle(Pt(from, "Angle"), Pt(to, "Angle"));
}

void KVAPI PConv2(const double* p, double distance, double angle, double* out) {
  Out(vxh::PolarPoint(Pt(p, "PConv2"), distance, angle), out, "PConv2");
}

int KVAPI IntL2(const double* a1, const double* a2, const double* b1, const double* b2, double* out) {
  const char* op = "IntL2";
  auto crossing = vxh::IntersectLines(Pt(a1, op), Pt(a2, op), Pt(b1, op), Pt(b2, op));
  if (!crossing) return 0;
  Out(*crossing, out, op);
  return 1;
}

// 3-D points, crossing found in the XY plane; the z of the result is the z of
// the first line at the crossing.
int KVAPI IL3XYPS(const double* a1, const double* a2, const double* b1, const double* b2, double* out) {
  const char* op = "IL3XYPS";
  double t = 0;
  auto crossing = vxh::IntersectLines(Pt(a1, op), Pt(a2, op), Pt(b1, op), Pt(b2, op), &t);
  if (!crossing) return 0;
  Out(*crossing, out, op);
  out[2] = t == 0 ? a1[2] : t == 1 ? a2[2] : a1[2] + t * (a2[2] - a1[2]);
  return 1;
}

double KVAPI DistP2L(const double* p, const double* l1, const double* l2) {
  const char* op = "DistP2L";
  return vxh::SignedDistance(Pt(p, op), Pt(l1, op), Pt(l2, op));
}

double KVAPI P2TL2(const double* p, const double* l1, const double* l2) {
  const char* op = "P2TL2";
  return vxh::ParamOnLine(Pt(p, op), Pt(l1, op), Pt(l2, op));
}

void KVAPI T2PL2(double t, const double* l1, const double* l2, double* out) {
  const char* op = "T2PL2";
  Out(vxh::PointAtParam(t, Pt(l1, op), Pt(l2, op)), out, op);
}

double KVAPI _ANorm(double angle) { return vxh::NormalizeAngle(angle); }

// Rounding can carry a sine or a ratio of lengths just past ±1; the argument
// is clamped so that such a value gives ±π/2 instead of NaN.
double KVAPI _ASIN(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }

int KVAPI FDNSame2(const double* p, const double* q) {
  const vxh::P2 a = Pt(p, "FDNSame2");
  const vxh::P2 b = Pt(q, "FDNSame2");
  const bool same = std::fabs(a.x - b.x) <= vxh::tol::kSamePoint && std::fabs(a.y - b.y) <= vxh::tol::kSamePoint;
  return same ? 0 : 1;
}

void KVAPI GXCheckP2(void* box, const double* p) {
  const vxh::P2 point = Pt(p, "GXCheckP2");
  vxh::WidenBox2(static_cast<std::uint8_t*>(vxh::Required(box, "GXCheckP2", "box")), point.x, point.y);
}

}  // extern "C"

}  // namespace vx
