#include "headless/session/host_command_support.h"

#include <algorithm>

#include "headless/current.h"
#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/files/host_paths.h"
#include "headless/session/session_core.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::hostcmd {

namespace {

std::vector<std::uint8_t> NewRecord(int kind, std::uint32_t size) {
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kHdrSize, size);
  vx::PutI8(r.data(), vx::kHdrKind, static_cast<std::int8_t>(kind));
  return r;
}

void PutPoint(std::vector<std::uint8_t>& r, std::size_t offset, const Pt& p) {
  vx::PutF64(r.data(), offset, p.x);
  vx::PutF64(r.data(), offset + 8, p.y);
}

}  // namespace

void AskPoint(Pt& buffer, const char* prompt, std::intptr_t mode, vx::Continuation next) {
  vx::ReqData(vx::kReqPoint2, &buffer, prompt, mode, next, 0, 0);
}

void AskText(char* buffer, const char* prompt, vx::Continuation next) {
  vx::ReqData(vx::kReqText, buffer, prompt, vx::kModeDefault, next, 0, 0);
}

void AskInteger(std::int32_t& buffer, const char* prompt, vx::Continuation next) {
  vx::ReqData(vx::kReqInteger, &buffer, prompt, vx::kModeDefault, next, 0, 0);
}

void SetOrigin(const Pt& p) { vx::SetCursorOrg2(p.x, p.y); }

void ShowError(const char* text) { vx::FormSt(text, -1, "Error", vx::kBoxError); }

void ShowMessage(const char* text) { vx::FormSt(text, -1, "Message", vx::kBoxMessage); }

vx::Entity DrawingStep::Add(const std::vector<std::uint8_t>& record) {
  vx::DList* work = CurrentDocument().WorkDL();
  if (!marked_) {
    work->UndoMark();
    marked_ = true;
  }
  const vx::Entity entity = work->AddRecord(record.data());
  vx::SetCStuff(entity);
  work->Commit(entity);
  work->Unmark(entity);
  return entity;
}

std::vector<std::uint8_t> PointRecord(const Pt& p) {
  std::vector<std::uint8_t> r = NewRecord(vx::kKindPoint, vx::kPointSize);
  PutPoint(r, vx::kPointX, p);
  return r;
}

std::vector<std::uint8_t> LineRecord(const Pt& a, const Pt& b) {
  std::vector<std::uint8_t> r = NewRecord(vx::kKindLine, vx::kLineSize);
  PutPoint(r, vx::kLineX1, a);
  PutPoint(r, vx::kLineX2, b);
  return r;
}

std::vector<std::uint8_t> PolyRecord(int kind, const std::vector<Pt>& points) {
  std::vector<Pt> vertices = points;
  if (kind == vx::kKindPolygon && !points.empty()) vertices.push_back(points.front());
  const auto count = static_cast<std::uint32_t>(vertices.size());
  std::vector<std::uint8_t> r = NewRecord(kind, vx::PolySize(count));
  vx::PutU16(r.data(), vx::kPolyCount, static_cast<std::uint16_t>(count));
  for (std::uint32_t i = 0; i < count; ++i) PutPoint(r, vx::kPolyVertices + i * vx::kVertexBytes, vertices[i]);
  return r;
}

std::vector<std::uint8_t> CircleRecord(const Pt& centre, double radius) {
  std::vector<std::uint8_t> r = NewRecord(vx::kKindCircle, vx::kCircleSize);
  PutPoint(r, vx::kCircleX, centre);
  vx::PutF64(r.data(), vx::kCircleR, radius);
  return r;
}

std::vector<std::uint8_t> ArcRecord(const Pt& centre, double radius, double start, double sweep) {
  std::vector<std::uint8_t> r = NewRecord(vx::kKindArc, vx::kArcSize);
  PutPoint(r, vx::kCircleX, centre);
  vx::PutF64(r.data(), vx::kCircleR, radius);
  vx::PutF64(r.data(), vx::kArcStart, start);
  vx::PutF64(r.data(), vx::kArcSweep, sweep);
  return r;
}

std::vector<std::uint8_t> TextRecord(const Pt& origin, const std::string& text) {
  std::vector<std::uint8_t> r = NewRecord(vx::kKindText, vx::TextSize(static_cast<std::uint32_t>(text.size())));
  PutPoint(r, vx::kTextX, origin);
  vx::PutU8(r.data(), vx::kTextCacheFlag, 0);
  if (const std::uint8_t* defaults = CurrentRecord(CurrentDocument().Tables(), vx::kTableTextDefaults)) {
    std::copy_n(defaults + vx::kTextDefaultsSpec, vx::kTextSpecBytes, r.begin() + vx::kTextSpec);
  }
  std::copy(text.begin(), text.end(), r.begin() + vx::kTextString);
  return r;
}

std::string ResolveHostFile(const std::string& name) { return ResolveHostName(name); }

}  // namespace vxh::hostcmd
