// Answers to the pending request, by the request's kind.
#include <cstring>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "headless/script/selection_expr.h"
#include "headless/script/values.h"
#include "headless/session/pick.h"
#include "headless/session/session_core.h"
#include "headless/text_encoding.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

[[noreturn]] void Misfit(const PendingRequest& r, const std::string& expected, const std::string& text) {
  throw BadInput(expected + " for " + QuoteForMessage(r.prompt) + ", got " + QuoteForMessage(text));
}

void WriteDoubles(void* buffer, std::initializer_list<double> values) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  for (const double v : values) {
    std::memcpy(out, &v, sizeof v);
    out += sizeof v;
  }
}

// Entities on hidden or frozen layers cannot be picked or selected.
bool OnUsableLayer(Document& doc, vx::Entity e) {
  const std::uint8_t* layer = FindRecordById(doc.Tables(), vx::kTableLayers, vx::GetU16(e, vx::kHdrLayer));
  return layer == nullptr || (vx::GetU32(layer, vx::kLayerFlags) & (vx::kLayerHidden | vx::kLayerFrozen)) == 0;
}

bool Matches(Document& doc, const script::SelectTerm& t, vx::Entity e, vx::Entity last, int layer, vx::Entity at) {
  using script::SelectKind;
  switch (t.kind) {
    case SelectKind::kAll: return OnUsableLayer(doc, e);
    case SelectKind::kLast: return e == last;
    case SelectKind::kLayer: return vx::GetU16(e, vx::kHdrLayer) == layer;
    case SelectKind::kAt: return e == at;
    case SelectKind::kWindow:
    case SelectKind::kCrossing: {
      if (!OnUsableLayer(doc, e)) return false;
      const std::optional<Outline> o = OutlineOf(e);
      const PickBox box{t.x1, t.y1, t.x2, t.y2};
      return o && (t.kind == SelectKind::kWindow ? InsideBox(*o, box) : TouchesBox(*o, box));
    }
  }
  return false;
}

}  // namespace

void SessionCore::AnswerText(const std::string& text) {
  const PendingRequest& r = *pending_;
  std::string shown = text;
  int status = vx::kStatusAnswered;
  switch (r.kind) {
    case vx::kReqText:
    case vx::kReqText1:
      if (text.size() > kMaxTextAnswer)
        Misfit(r, "a text of at most " + std::to_string(kMaxTextAnswer) + " characters", text.substr(0, 40) + "...");
      std::memcpy(r.buffer, text.c_str(), text.size() + 1);
      break;
    case vx::kReqPoint2:
    case vx::kReqPoint3: status = AnswerPoint(r, text); break;
    case vx::kReqDistance:
    case vx::kReqReal:
    case vx::kReqAngle: {
      const std::optional<double> n = script::ParseNumber(text);
      if (!n) Misfit(r, r.kind == vx::kReqAngle ? "an angle in degrees" : "a number", text);
      WriteDoubles(r.buffer, {r.kind == vx::kReqAngle ? *n * kDegreesToRadians : *n});
      break;
    }
    case vx::kReqInteger: {
      const std::optional<std::int32_t> n = script::ParseInteger(text);
      if (!n) Misfit(r, "a whole number", text);
      std::memcpy(r.buffer, &*n, sizeof *n);
      break;
    }
    case vx::kReqSelect: status = AnswerSelection(text, shown); break;
    case vx::kReqPick: status = AnswerPick(r, text, shown); break;
  }
  Answer(status, shown);
}

int SessionCore::AnswerPoint(const PendingRequest& r, const std::string& text) {
  const std::optional<script::PointText> p = script::ParsePoint(text);
  if (!p) {
    const std::optional<double> number = script::ParseNumber(text);
    if (number && r.AcceptsNumber()) {
      WriteDoubles(r.buffer, {*number});
      return vx::kStatusNumber;
    }
    Misfit(r, r.AcceptsNumber() ? "a point x,y or a number" : "a point x,y (or @dx,dy)", text);
  }
  const bool flat = r.kind == vx::kReqPoint2;
  if (flat && p->count == 3) Misfit(r, "a 2-D point x,y", text);
  double x = p->x, y = p->y, z = p->z;
  if (p->relative) {
    x += view_.origin[0];
    y += view_.origin[1];
    z += view_.origin[2];
  }
  if (flat) {
    WriteDoubles(r.buffer, {x, y});
    z = 0;
  } else {
    WriteDoubles(r.buffer, {x, y, z});
  }
  view_.PointAt(x, y, z);
  return vx::kStatusAnswered;
}

int SessionCore::AnswerSelection(const std::string& text, std::string& shown) {
  const std::vector<script::SelectTerm> terms = script::ParseSelection(text);
  EntityList& list = doc_->Work();
  vx::Entity last = nullptr;
  list.ForEach([&](vx::Entity e) { last = e; });
  std::vector<std::pair<int, vx::Entity>> resolved;  // layer id or pick per term
  for (const script::SelectTerm& t : terms) {
    int layer = -1;
    vx::Entity at = nullptr;
    if (t.kind == script::SelectKind::kLayer) {
      layer = FindLayer(*doc_, t.layer);
      if (layer < 0) throw BadInput("selection: the drawing has no layer named " + QuoteForMessage(t.layer));
    } else if (t.kind == script::SelectKind::kAt) {
      at = NearestEntity(list, t.x1, t.y1, view_.PickTolerance(),
                         [this](vx::Entity e) { return OnUsableLayer(*doc_, e); });
    }
    resolved.emplace_back(layer, at);
  }
  doc_->ClearSelection();
  int count = 0;
  list.ForEach([&](vx::Entity e) {
    for (std::size_t i = 0; i < terms.size(); ++i) {
      if (!Matches(*doc_, terms[i], e, last, resolved[i].first, resolved[i].second)) continue;
      list.SetSelected(e, true);
      ++count;
      return;
    }
  });
  shown = text + " (" + std::to_string(count) + " selected)";
  return vx::kStatusAnswered;
}

int SessionCore::AnswerPick(const PendingRequest& r, const std::string& text, std::string& shown) {
  const std::optional<script::PointText> p = script::ParsePoint(text);
  if (!p || p->count != 2 || p->relative) Misfit(r, "a point x,y near the entity to pick", text);
  const vx::Entity e = NearestEntity(doc_->Work(), p->x, p->y, view_.PickTolerance(),
                                     [this](vx::Entity c) { return OnUsableLayer(*doc_, c); });
  std::memcpy(r.buffer, &e, sizeof e);
  view_.PointAt(p->x, p->y, 0.0);
  if (e == nullptr) shown = text + " (nothing there)";
  return vx::kStatusAnswered;
}

}  // namespace vxh
