#include "cli/entity_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "headless/drawing/attribute_layout.h"
#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/drawing/text_record_edit.h"
#include "headless/text_encoding.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxcli {

namespace {

using vx::Entity;

struct Point {
  double x, y;
};

Field PointField(const std::string& key, Point p) {
  return {key, "[" + Num(p.x) + "," + Num(p.y) + "]", "(" + Num(p.x) + ", " + Num(p.y) + ")"};
}

Field PointsField(const std::vector<Point>& points) {
  Field f{"points", "[", ""};
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Field one = PointField("", points[i]);
    f.json += (i ? "," : "") + one.json;
    f.text += (i ? " " : "") + one.text;
  }
  f.json += "]";
  return f;
}

Point PointAt(Entity e, std::size_t at) { return {vx::GetF64(e, at), vx::GetF64(e, at + 8)}; }

std::vector<Point> CountedPoints(Entity e, std::size_t count_at, std::size_t first_at) {
  const std::uint32_t size = vx::GetU32(e, vx::kHdrSize);
  std::size_t count = vx::GetU16(e, count_at);
  // A record shorter than its count says shows the points it holds.
  if (first_at + count * vx::kVertexBytes > size) count = size > first_at ? (size - first_at) / vx::kVertexBytes : 0;
  std::vector<Point> points;
  for (std::size_t i = 0; i < count; ++i) points.push_back(PointAt(e, first_at + i * vx::kVertexBytes));
  return points;
}

void AddPointsOf(Entity e, int kind, std::vector<Field>& out) {
  if (kind == vx::kKindLine) {
    out.push_back(PointsField({PointAt(e, vx::kLineX1), PointAt(e, vx::kLineX2)}));
  } else if (kind == vx::kKindPath || kind == vx::kKindPolygon) {
    out.push_back(PointsField(CountedPoints(e, vx::kPolyCount, vx::kPolyVertices)));
  } else if (kind == vx::kKindPoint) {
    out.push_back(PointsField({PointAt(e, vx::kPointX)}));
  }
}

void AddCircular(Entity e, int kind, std::vector<Field>& out) {
  out.push_back(PointField("center", PointAt(e, vx::kCircleX)));
  out.push_back(NumberField("radius", vx::GetF64(e, vx::kCircleR)));
  if (kind == vx::kKindArc) {
    out.push_back(NumberField("start", vx::GetF64(e, vx::kArcStart)));
    out.push_back(NumberField("sweep", vx::GetF64(e, vx::kArcSweep)));
  }
}

void AddText(Entity e, std::vector<Field>& out) {
  const std::uint8_t* spec = e + vx::kTextSpec;
  out.push_back(PointField("origin", PointAt(e, vx::kTextX)));
  out.push_back(StringField("text", RecordText(e, vx::kTextString)));
  out.push_back(NumberField("height", vx::GetF32(spec, vx::kSpecHeight)));
  out.push_back(NumberField("angle", vx::GetF32(spec, vx::kSpecAngle)));
}

void AddEllipse(Entity e, int kind, std::vector<Field>& out) {
  out.push_back(PointField("center", PointAt(e, vx::kEllipseX)));
  out.push_back(NumberField("major", vx::GetF64(e, vx::kEllipseMajor)));
  out.push_back(NumberField("minor", vx::GetF64(e, vx::kEllipseMinor)));
  out.push_back(NumberField("rotation", vx::GetF64(e, vx::kEllipseRotation)));
  if (kind == vx::kKindEllipticalArc) {
    out.push_back(NumberField("start", vx::GetF64(e, vx::kEllArcStart)));
    out.push_back(NumberField("sweep", vx::GetF64(e, vx::kEllArcSweep)));
  }
}

const char* CurveTypeName(int type) {
  switch (type) {
    case vx::kCurveLines: return "path";
    case vx::kCurveSpline: return "spline";
    case vx::kCurvePSpline: return "pspline";
    case vx::kCurveBezier: return "bezier";
    default: return "unknown";
  }
}

void AddCurve(Entity e, std::vector<Field>& out) {
  out.push_back(StringField("curve_type", CurveTypeName(vx::GetU8(e, vx::kCurveType))));
  out.push_back(PointsField(CountedPoints(e, vx::kCurveCount, vx::kCurveVertices)));
}

// The symbol's placement matrix read as insertion point, scale along its
// own x and y axes (y negative when mirrored) and the angle of its x axis.
void AddSymbol(Entity e, std::vector<Field>& out) {
  constexpr std::size_t kRow = 32;  // 4 doubles a row
  const double a = vx::GetF64(e, vx::kSymMatrix), b = vx::GetF64(e, vx::kSymMatrix + 8);
  const double c = vx::GetF64(e, vx::kSymMatrix + kRow), d = vx::GetF64(e, vx::kSymMatrix + kRow + 8);
  const double sx = std::hypot(a, c);
  const double sy = (a * d - b * c < 0 ? -1 : 1) * std::hypot(b, d);
  out.push_back(StringField("symbol", RecordText(e, vx::kSymName)));
  out.push_back(PointField("insert", {vx::GetF64(e, vx::kSymInsertX), vx::GetF64(e, vx::kSymInsertY)}));
  out.push_back(PointField("scale", {sx, sy}));
  out.push_back(NumberField("angle", std::atan2(c, a)));
}

void AddTextLike(Entity e, std::vector<Field>& out) {
  out.push_back(PointField("origin", PointAt(e, vx::kTextLikeX)));
  out.push_back(StringField("text", RecordText(e, vx::kTextLikeString)));
}

// The strings and format block as the host's editor reads them; a record
// whose offsets do not fit shows its origin alone.
void AddAttribute(Entity e, std::vector<Field>& out) {
  if (vx::GetU32(e, vx::kHdrSize) < vx::kAttrFixedBytes) return;
  out.push_back(PointField("origin", PointAt(e, vx::kAttrX)));
  const vxh::TextFieldsOrProblem read = vxh::ReadTextFields(e);
  if (!read.fields) return;
  const vxh::TextFields& f = *read.fields;
  if (vx::GetU32(e, vxh::kAttrValueOffset) != 0) out.push_back(StringField("text", f.text));
  if (vx::GetU32(e, vxh::kAttrTagOffset) != 0) out.push_back(StringField("tag", *f.tag));
  if (vx::GetU32(e, vxh::kAttrPromptOffset) != 0) out.push_back(StringField("prompt", *f.prompt));
  if (f.height) out.push_back(NumberField("height", *f.height));
  if (f.angle) out.push_back(NumberField("angle", *f.angle));
}

Field NameField(const std::string& key, const std::map<int, std::string>& names, int id) {
  const auto it = names.find(id);
  if (it == names.end()) return {key, "null", "none"};
  return StringField(key, it->second);
}

// 0x00BBGGRR, or 0 for the layer's colour.
Field ColourField(std::uint32_t pen) {
  if ((pen & 0xFFFFFF) == 0) return {"colour", "\"bylayer\"", "by layer"};
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", pen & 0xFF, (pen >> 8) & 0xFF, (pen >> 16) & 0xFF);
  return {"colour", "\"" + std::string(hex) + "\"", hex};
}

}  // namespace

std::string RecordText(const std::uint8_t* record, std::size_t at) {
  const std::uint32_t size = vx::GetU32(record, vx::kHdrSize);
  if (size <= at) return "";
  const char* text = reinterpret_cast<const char*>(record + at);
  return std::string(text, strnlen(text, size - at));
}

std::string Num(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else if (c >= 0x80) {
      out += vxh::Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&c), 1));
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

Field NumberField(const std::string& key, double value) {
  // JSON has no infinities or NaN; a damaged record shows null.
  if (!std::isfinite(value)) return {key, "null", Num(value)};
  return {key, Num(value), Num(value)};
}

Field StringField(const std::string& key, const std::string& value) {
  return {key, JsonString(value), JsonString(value)};
}

TableNames NamesOf(const vxh::Document& document) {
  TableNames names;
  const vxh::SettingsTables& tables = const_cast<vxh::Document&>(document).Tables();
  vxh::ForEachRecord(tables, vx::kTableLayers, [&](const std::uint8_t* r) {
    names.layers[vx::GetU16(r, vx::kLayerId)] = RecordText(r, vx::kLayerName);
  });
  vxh::ForEachRecord(tables, vx::kTableLineStyles, [&](const std::uint8_t* r) {
    names.line_styles[vx::GetU16(r, vx::kLStyleNumber)] = RecordText(r, vx::kLStyleName);
  });
  return names;
}

std::vector<Field> EntityFields(Entity e, const TableNames& names) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  const int layer = vx::GetU16(e, vx::kHdrLayer);
  std::vector<Field> out{{"layer", std::to_string(layer), std::to_string(layer)}};
  AddPointsOf(e, kind, out);
  if (kind == vx::kKindCircle || kind == vx::kKindArc) AddCircular(e, kind, out);
  if (kind == vx::kKindText) AddText(e, out);
  // Fields below came after the first version of the listing; they follow
  // the first ones so that readers of those keep working.
  out.push_back(NameField("layer_name", names.layers, layer));
  out.push_back(ColourField(vx::GetU32(e, vx::kHdrAttr6)));
  out.push_back(NameField("line_style", names.line_styles, vx::GetU16(e, vx::kHdrLineStyle)));
  if (kind == vx::kKindEllipse || kind == vx::kKindEllipticalArc) AddEllipse(e, kind, out);
  if (kind == vx::kKindCurvePath || kind == vx::kKindClosedCurve) AddCurve(e, out);
  if (kind == vx::kKindBezier) out.push_back(PointsField(CountedPoints(e, vx::kBezCount, vx::kBezPoints)));
  if (kind == vx::kKindSymbol) AddSymbol(e, out);
  if (kind == vx::kKindTextLike) AddTextLike(e, out);
  if (kind == vx::kKindAttribute) AddAttribute(e, out);
  return out;
}

}  // namespace vxcli
