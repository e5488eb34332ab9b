#include <cmath>
#include <numbers>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_colour.h"
#include "headless/dxf/dxf_export_writer.h"
#include "headless/dxf/dxf_records.h"
#include "headless/dxf/dxf_text.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::dxf {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
constexpr int kSolidLineStyle = 1;
constexpr int kTextAlignedCode = 3;  // TEXT horizontal justification
constexpr int kTextFitCode = 5;

double F64(vx::Entity e, std::size_t at) { return vx::GetF64(e, at); }
std::uint32_t SizeOf(vx::Entity e) { return vx::GetU32(e, vx::kHdrSize); }

std::vector<double> ReadPoints(vx::Entity e, std::size_t at, std::size_t count) {
  std::vector<double> xy(2 * count);
  for (std::size_t i = 0; i < 2 * count; ++i) xy[i] = F64(e, at + 8 * i);
  return xy;
}

// MTEXT reads backslashes and braces as formatting.
std::string MTextOf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\\P";
      ++i;
    } else if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  return out;
}

bool IsMemberContainer(int kind) {
  return kind == vx::kKindGroup || kind == vx::kKindGlyphContainer || kind == vx::kKindArrowComposite ||
         kind == vx::kKindContainer;
}

const char* KindDescription(int kind) {
  switch (kind) {
    case vx::kKindDimLinear:
    case vx::kKindDimRadial:
    case vx::kKindDimArc:
    case vx::kKindDimOrdinate: return "dimension";
    case vx::kKindTextLike: return "text-like entity";
    case vx::kKindAttribute: return "attribute";
    default: return "entity of a kind without geometry";
  }
}

}  // namespace

EntityWriter::EntityWriter(DL_Dxf& dxf, DL_WriterA& out, const Document& doc,
                           const std::map<std::string, std::string>& blocks)
    : dxf_(dxf), out_(out), doc_(doc), blocks_(blocks) {
  ForEachRecord(doc.Tables(), vx::kTableLayers, [&](const std::uint8_t* r) {
    layers_[vx::GetU16(r, vx::kLayerId)] = reinterpret_cast<const char*>(r + vx::kLayerName);
    layer_styles_[vx::GetU16(r, vx::kLayerId)] = LayerLineStyle(r);
  });
  ForEachRecord(doc.Tables(), vx::kTableLineStyles, [&](const std::uint8_t* r) {
    line_styles_[vx::GetU16(r, vx::kLStyleNumber)] = reinterpret_cast<const char*>(r + vx::kLStyleName);
  });
  ReadFillStyles(doc);
}

int LayerLineStyle(const std::uint8_t* layer) {
  if (vx::GetU32(layer, vx::kRecSize) < vx::kLayerLineStyle + 2) return kSolidLineStyle;
  return vx::GetU16(layer, vx::kLayerLineStyle);
}

std::string EntityWriter::LineType(int style) const {
  if (style == kSolidLineStyle) return kContinuous;
  const auto found = line_styles_.find(style);
  return found == line_styles_.end() ? kContinuous : found->second;
}

// "By layer" and "by block" are written back while the entity's style is
// still the one they gave; a style changed since is the entity's own.
std::string EntityWriter::LineTypeOf(vx::Entity e) const {
  const int style = vx::GetU16(e, vx::kHdrLineStyle);
  const std::uint16_t flags = vx::GetU16(e, kHdrDxfFlags);
  const auto layer_style = layer_styles_.find(vx::GetU16(e, vx::kHdrLayer));
  if ((flags & kDxfLineTypeByLayer) != 0 && layer_style != layer_styles_.end() && layer_style->second == style) {
    return "BYLAYER";
  }
  if ((flags & kDxfLineTypeByBlock) != 0 && style == kSolidLineStyle) return "BYBLOCK";
  return LineType(style);
}

DL_Attributes EntityWriter::AttributesOf(vx::Entity e) const {
  const auto layer = layers_.find(vx::GetU16(e, vx::kHdrLayer));
  const std::string linetype = LineTypeOf(e);
  const std::uint32_t colour = vx::GetU32(e, vx::kHdrAttr6) & 0xFFFFFF;
  const std::uint16_t flags = vx::GetU16(e, kHdrDxfFlags);
  const int pen = (flags & kDxfColourForeground) != 0 ? kAciForeground
                  : (flags & kDxfColourByBlock) != 0  ? kAciByBlock
                                                      : kAciByLayer;
  const int aci = colour == 0 ? pen : AciNearest(RgbOfHost(colour));
  // A colour that is an index's own is written as the index alone, as the
  // file that gave it had it.
  const bool indexed = colour == 0 || RgbOfAci(aci) == RgbOfHost(colour);
  const int true_colour = indexed ? -1 : static_cast<int>(RgbOfHost(colour));
  return DL_Attributes(layer == layers_.end() ? "0" : layer->second, aci, true_colour, -1, linetype);
}

void EntityWriter::WriteList(const EntityList& list) {
  list.ForEach([&](vx::Entity e) { Write(list, e); });
}

void EntityWriter::Write(const EntityList& list, vx::Entity e) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  const DL_Attributes a = AttributesOf(e);
  if (WriteFace(e, a)) return;
  if (const FillInfo* fill = FillOf(e); fill != nullptr && (IsLoop(e) || kind == vx::kKindGroup)) {
    WriteHatch(list, e, *fill, a);
    if ((vx::GetU16(e, kHdrDxfFlags) & kDxfHatchOnly) != 0) return;
  }
  switch (kind) {
    case vx::kKindPoint:
      dxf_.writePoint(out_, DL_PointData(F64(e, vx::kPointX), F64(e, vx::kPointY), F64(e, vx::kPointZ)), a);
      return;
    case vx::kKindLine:
      dxf_.writeLine(
          out_, DL_LineData(F64(e, vx::kLineX1), F64(e, vx::kLineY1), 0, F64(e, vx::kLineX2), F64(e, vx::kLineY2), 0),
          a);
      return;
    case vx::kKindPath:
    case vx::kKindPolygon: WritePoly(e, a, vx::kPolyCount, vx::kPolyVertices, kind == vx::kKindPolygon); return;
    case vx::kKindText: WriteText(e, a); return;
    case vx::kKindCircle:
      dxf_.writeCircle(out_, DL_CircleData(F64(e, vx::kCircleX), F64(e, vx::kCircleY), 0, F64(e, vx::kCircleR)), a);
      return;
    case vx::kKindArc: {
      const double start = F64(e, vx::kArcStart), sweep = F64(e, vx::kArcSweep);
      dxf_.writeArc(out_,
                    DL_ArcData(F64(e, vx::kCircleX), F64(e, vx::kCircleY), 0, F64(e, vx::kCircleR), start * kDegrees,
                               (start + sweep) * kDegrees),
                    a);
      return;
    }
    case vx::kKindEllipse: WriteEllipse(e, a, false); return;
    case vx::kKindEllipticalArc: WriteEllipse(e, a, true); return;
    case vx::kKindSymbol: WriteInsert(list, e, a); return;
    case vx::kKindAttribute:
      if (vx::GetU32(e, vx::kHdrSize) < kAttrTextStart) break;
      if ((vx::GetU16(e, vx::kAttrFlags) & kAttrDefinition) != 0)
        WriteAttribute(e, a, nullptr);
      else if (!writing_block_)
        ++skipped_["attribute outside a symbol instance"];
      return;
    case vx::kKindCurvePath:
    case vx::kKindClosedCurve: WriteCurve(e, a); return;
    case vx::kKindBezier: {
      const std::size_t count = vx::GetU16(e, vx::kBezCount);
      WriteBezierSpline(ReadPoints(e, vx::kBezPoints, count), false, a);
      return;
    }
    case vx::kKindWall: WriteWall(e, a); return;
    default:
      if (IsMemberContainer(kind)) {
        // Groups have no DXF twin that every reader keeps; their members are
        // written in their place.
        if (const EntityList* members = list.Members(e)) WriteList(*members);
        return;
      }
      ++skipped_[KindDescription(kind)];
  }
}

void EntityWriter::WritePoly(vx::Entity e, const DL_Attributes& a, std::size_t count_at, std::size_t points_at,
                             bool closed) {
  std::size_t count = vx::GetU16(e, count_at);
  if (count == 0 || points_at + 16 * count > SizeOf(e)) return;
  const std::vector<double> xy = ReadPoints(e, points_at, count);
  // A closed outline repeats its first vertex; LWPOLYLINE closes by a flag.
  if (closed && count > 1 && xy[0] == xy[2 * count - 2] && xy[1] == xy[2 * count - 1]) --count;
  dxf_.writePolyline(out_, DL_PolylineData(static_cast<int>(count), 0, 0, closed ? 1 : 0), a);
  for (std::size_t i = 0; i < count; ++i) dxf_.writeVertex(out_, DL_VertexData(xy[2 * i], xy[2 * i + 1], 0, 0));
  dxf_.writePolylineEnd(out_);
}

void EntityWriter::WriteText(vx::Entity e, const DL_Attributes& a) {
  const std::string text(reinterpret_cast<const char*>(e + vx::kTextString));
  const std::uint8_t* spec = e + vx::kTextSpec;
  const double x = F64(e, vx::kTextX), y = F64(e, vx::kTextY);
  const double height = vx::GetF32(spec, vx::kSpecHeight);
  const double width = vx::GetF32(spec, vx::kSpecWidth);
  const double angle = vx::GetF32(spec, vx::kSpecAngle);
  const int justify = vx::GetU8(spec, vx::kSpecJustify);
  if (text.find("\r\n") != std::string::npos) {
    const int v = justify <= 8 ? justify / 3 : 0, h = justify <= 8 ? justify % 3 : 0;
    dxf_.writeMText(out_,
                    DL_MTextData(x, y, 0, std::cos(angle), std::sin(angle), 0, height, 0, 3 * (2 - v) + h + 1, 1, 1,
                                 1.0, MTextOf(text), "STANDARD", angle),
                    a);
    return;
  }
  DxfJustify j = DxfJustifyOf(justify);
  double x2 = x, y2 = y;
  // An aligned or fit text goes back to its two points while it has them.
  const std::uint16_t flags = vx::GetU16(e, kHdrDxfFlags);
  if ((flags & (kDxfTextAligned | kDxfTextFit)) != 0 && std::isfinite(F64(e, kTextSecondX)) &&
      std::isfinite(F64(e, kTextSecondY)) && (F64(e, kTextSecondX) != x || F64(e, kTextSecondY) != y)) {
    j = {(flags & kDxfTextAligned) != 0 ? kTextAlignedCode : kTextFitCode, 0};
    x2 = F64(e, kTextSecondX), y2 = F64(e, kTextSecondY);
  }
  dxf_.writeText(out_,
                 DL_TextData(x, y, 0, x2, y2, 0, height, width > 0 ? width : 1.0, 0, j.horizontal, j.vertical, text,
                             "STANDARD", angle),
                 a);  // dxflib writes TEXT angles in degrees itself
}

void EntityWriter::WriteEllipse(vx::Entity e, const DL_Attributes& a, bool arc) {
  double major = F64(e, vx::kEllipseMajor), minor = F64(e, vx::kEllipseMinor);
  double rotation = F64(e, vx::kEllipseRotation);
  double start = arc ? F64(e, vx::kEllArcStart) : 0;
  const double sweep = arc ? F64(e, vx::kEllArcSweep) : 2 * std::numbers::pi;
  if (minor > major) {
    // DXF needs the major axis first: turn the axes a quarter and the
    // parameter with them.
    std::swap(major, minor);
    rotation += std::numbers::pi / 2;
    start -= std::numbers::pi / 2;
  }
  if (!(major > 0)) return;
  dxf_.writeEllipse(out_,
                    DL_EllipseData(F64(e, vx::kEllipseX), F64(e, vx::kEllipseY), 0, major * std::cos(rotation),
                                   major * std::sin(rotation), 0, minor / major, start, start + sweep),
                    a);
}

void EntityWriter::WriteWall(vx::Entity e, const DL_Attributes& a) {
  const double x1 = F64(e, vx::kWallX1), y1 = F64(e, vx::kWallY1), x2 = F64(e, vx::kWallX2), y2 = F64(e, vx::kWallY2);
  const double length = std::hypot(x2 - x1, y2 - y1);
  if (!(length > 0)) return;
  const double half = F64(e, vx::kWallWidth) / 2;
  const double nx = -(y2 - y1) / length * half, ny = (x2 - x1) / length * half;
  dxf_.writePolyline(out_, DL_PolylineData(4, 0, 0, 1), a);
  for (const auto& [px, py] :
       {std::pair{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}}) {
    dxf_.writeVertex(out_, DL_VertexData(px, py, 0, 0));
  }
  dxf_.writePolylineEnd(out_);
}

}  // namespace vxh::dxf
