#include "headless/dxf/dxf_collector.h"

#include <cctype>
#include <cmath>
#include <numbers>
#include <string_view>

#include "headless/ascii_case.h"
#include "headless/dxf/dxf_colour.h"
#include "headless/dxf/dxf_text.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"

namespace vxh::dxf {

namespace {

// Arrays of INSERTs beyond this many copies are refused rather than built.
constexpr long kMaxInsertCopies = 1000000;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

// [0, 2 pi)
double NormalAngle(double a) {
  double r = std::fmod(a, 2 * std::numbers::pi);
  if (r < 0) r += 2 * std::numbers::pi;
  return r >= 2 * std::numbers::pi ? 0 : r;
}

}  // namespace

Collector::Collector(Document& doc, ImportModel& model, const std::string& file_name, DxfDecoder& decoder)
    : doc_(doc),
      model_(model),
      file_name_(file_name),
      decoder_(decoder),
      tables_(doc, model),
      target_(&model.entities) {}

void Collector::Fail(const std::string& problem) {
  if (model_.error.empty()) model_.error = "DXF file \"" + file_name_ + "\": " + problem;
}

bool Collector::Finite(const char* type, std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) {
      Fail(std::string("a ") + type + " has a value that is not a finite number");
      return false;
    }
  }
  return true;
}

EntityStyle Collector::StyleOf(const std::string& layer, int colour, int true_colour, const std::string& line_type) {
  EntityStyle style;
  style.layer = tables_.Layer(Decode(layer));
  style.line_style = tables_.LineStyle(Decode(line_type), style.layer, style.dxf_flags);
  style.colour = HostColour(colour, true_colour);
  if (style.colour == 0 && colour == kAciForeground) style.dxf_flags |= kDxfColourForeground;
  if (style.colour == 0 && colour == kAciByBlock) style.dxf_flags |= kDxfColourByBlock;
  return style;
}

EntityStyle Collector::Style() {
  const DL_Attributes a = getAttributes();
  return StyleOf(a.getLayer(), a.getColor(), a.getColor24(), a.getLinetype());
}

bool Collector::PlaneOf(const char* type, bool& mirrored) {
  const DL_Extrusion* e = getExtrusion();
  const double* n = e == nullptr ? nullptr : e->getDirection();
  mirrored = false;
  if (n == nullptr) return true;
  if (std::fabs(n[0]) > tol::kDxfNormalAxis || std::fabs(n[1]) > tol::kDxfNormalAxis ||
      std::fabs(n[2]) < tol::kDxfNormalAxis) {
    ++model_.losses[std::string(type) + " tilted out of the drawing plane"];
    return false;
  }
  mirrored = n[2] < 0;
  return true;
}

bool Collector::InModel() { return !paper_block_ && !getAttributes().isInPaperSpace(); }

void Collector::Add(const char* type, Item item) {
  if (std::string_view(type) != "INSERT") insert_list_ = nullptr;
  if (!InModel()) {
    // The drawing has one space; paper space holds sheets and viewports.
    ++model_.converted[type];
    ++model_.losses[std::string(type) + " in paper space (the drawing has model space only)"];
    return;
  }
  ++model_.converted[type];
  target_->push_back(std::move(item));
}

void Collector::AddRecord(const char* type, Record record) {
  Item item;
  item.record = std::move(record);
  Add(type, std::move(item));
}

void Collector::Finish() {
  FlushPending();
  tables_.Finish();
}

void Collector::FlushPending() {
  FlushPolyline();
  FlushSpline();
  FlushHatch();
}

// ---- Tables and blocks ---------------------------------------------------------

void Collector::addLayer(const DL_LayerData& data) {
  FlushPending();
  const int colour = getAttributes().getColor();
  tables_.DefineLayer(Decode(data.name), data.off || colour < 0, (data.flags & 1) != 0, std::abs(colour),
                      Decode(getAttributes().getLinetype()));
}

// dxflib hands a line type's dashes before the line type itself.
void Collector::addLinetypeDash(double length) {
  if (Finite("line type", {length})) dashes_.push_back(length);
}

void Collector::addLinetype(const DL_LinetypeData& data) {
  FlushPending();
  tables_.DefineLineStyle(Decode(data.name), dashes_);
  dashes_.clear();
}

void Collector::addBlock(const DL_BlockData& data) {
  FlushPending();
  if (!Finite("BLOCK", {data.bpx, data.bpy})) return;
  const std::string key = AsciiUppered(Decode(data.name));
  paper_block_ = key.rfind("*PAPER_SPACE", 0) == 0;
  Block& block = model_.blocks[key];
  block = Block{{data.bpx, data.bpy}, {}};
  target_ = &block.items;
}

void Collector::endBlock() {
  FlushPending();
  target_ = &model_.entities;
  paper_block_ = false;
}

// ---- Simple entities --------------------------------------------------------------

void Collector::addPoint(const DL_PointData& d) {
  FlushPending();
  if (Finite("POINT", {d.x, d.y, d.z})) AddRecord("POINT", PointRecord(d.x, d.y, d.z, Style()));
}

void Collector::addLine(const DL_LineData& d) {
  FlushPending();
  if (Finite("LINE", {d.x1, d.y1, d.x2, d.y2})) AddRecord("LINE", LineRecord({d.x1, d.y1}, {d.x2, d.y2}, Style()));
}

void Collector::addCircle(const DL_CircleData& d) {
  FlushPending();
  bool mirrored = false;
  if (!Finite("CIRCLE", {d.cx, d.cy, d.radius}) || !PlaneOf("CIRCLE", mirrored) || !(d.radius > 0)) return;
  AddRecord("CIRCLE", CircleRecord({mirrored ? -d.cx : d.cx, d.cy}, d.radius, Style()));
}

void Collector::addArc(const DL_ArcData& d) {
  FlushPending();
  bool mirrored = false;
  if (!Finite("ARC", {d.cx, d.cy, d.radius, d.angle1, d.angle2}) || !PlaneOf("ARC", mirrored) || !(d.radius > 0)) {
    return;
  }
  // DXF arcs run counter-clockwise from the start to the end angle, in degrees.
  double sweep = NormalAngle(Radians(d.angle2 - d.angle1));
  if (sweep == 0) sweep = 2 * std::numbers::pi;
  // Seen from below, the arc runs the other way round a mirrored centre.
  const double start = mirrored ? NormalAngle(std::numbers::pi - Radians(d.angle2)) : NormalAngle(Radians(d.angle1));
  AddRecord("ARC", ArcRecord({mirrored ? -d.cx : d.cx, d.cy}, d.radius, start, sweep, Style()));
}

void Collector::AddFaceOutline(const char* type, const double* x, const double* y, bool solid_order,
                               std::uint16_t face) {
  FlushPending();
  if (!Finite(type, {x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]})) return;
  // SOLID and TRACE lie in their own plane; 3DFACE corners are drawing points.
  bool mirrored = false;
  if (face != 0 && !PlaneOf(type, mirrored)) return;
  const double flip = mirrored ? -1 : 1;
  // SOLID and TRACE list their corners as 1, 2, 4, 3 around the outline.
  const int order[4] = {0, 1, solid_order ? 3 : 2, solid_order ? 2 : 3};
  std::vector<P2> outline;
  for (int i : order) {
    const P2 p{flip * x[i], y[i]};
    if (outline.empty() || p.x != outline.back().x || p.y != outline.back().y) outline.push_back(p);
  }
  if (outline.size() > 1 && outline.back().x == outline.front().x && outline.back().y == outline.front().y) {
    outline.pop_back();
  }
  EntityStyle style = Style();
  if (face != 0) {
    // SOLID and TRACE are filled; their outline is no line of the drawing.
    style.dxf_flags |= face | kDxfHatchOnly;
    style.fill_style = tables_.FillStyle("SOLID", {});
  }
  AddRecord(type, PolyRecord(vx::kKindPolygon, outline, style));
}

void Collector::addSolid(const DL_SolidData& d) { AddFaceOutline("SOLID", d.x, d.y, true, kDxfSolidFace); }
void Collector::addTrace(const DL_TraceData& d) {
  AddFaceOutline("TRACE", d.x, d.y, true, kDxfSolidFace | kDxfTraceFace);
}
void Collector::add3dFace(const DL_3dFaceData& d) { AddFaceOutline("3DFACE", d.x, d.y, false, 0); }

// ---- Block references ---------------------------------------------------------------

// A DIMENSION shows the block it names; the block is in drawing coordinates.
void Collector::AddDimension(const DL_DimensionData& d) {
  FlushPending();
  const auto same = [&](const DimensionBlock& b) {
    return std::fabs(b.definition.x - d.dpx) <= tol::kDxfRelative * std::max(1.0, std::fabs(d.dpx)) &&
           std::fabs(b.definition.y - d.dpy) <= tol::kDxfRelative * std::max(1.0, std::fabs(d.dpy));
  };
  while (next_dimension_ < dimension_blocks_.size() && !same(dimension_blocks_[next_dimension_])) ++next_dimension_;
  if (next_dimension_ >= dimension_blocks_.size()) return;  // left uncounted: reported
  const std::string name = dimension_blocks_[next_dimension_++].name;
  if (name.empty()) return;
  Item item;
  item.block = AsciiUppered(Decode(name));
  item.block_as_group = true;
  item.record = GroupRecord(Style());
  Add("DIMENSION", std::move(item));
}

void Collector::addInsert(const DL_InsertData& d) {
  FlushPending();
  bool mirrored = false;
  if (!Finite("INSERT", {d.ipx, d.ipy, d.sx, d.sy, d.sz, d.angle, d.colSp, d.rowSp}) || !PlaneOf("INSERT", mirrored)) {
    return;
  }
  const long cols = std::max(1, d.cols), rows = std::max(1, d.rows);
  if (cols * rows > kMaxInsertCopies) {
    Fail("an INSERT array of " + std::to_string(cols) + " x " + std::to_string(rows) + " copies is too large");
    return;
  }
  const double a = Radians(d.angle), c = std::cos(a), s = std::sin(a);
  const double flip = mirrored ? -1 : 1;
  const EntityStyle style = Style();
  for (long row = 0; row < rows; ++row) {
    for (long col = 0; col < cols; ++col) {
      const double ox = col * d.colSp, oy = row * d.rowSp;
      Item item;
      item.block = AsciiUppered(Decode(d.name));
      item.placement = {flip * c * d.sx,
                        -flip * s * d.sy,
                        0,
                        flip * (d.ipx + c * ox - s * oy),
                        s * d.sx,
                        c * d.sy,
                        0,
                        d.ipy + s * ox + c * oy,
                        0,
                        0,
                        d.sz,
                        0};
      item.record = SymbolRecord(Decode(d.name), item.placement, style);
      if (row == 0 && col == 0 && InModel()) {
        insert_list_ = target_;
        insert_index_ = target_->size();
      }
      Add("INSERT", std::move(item));
    }
  }
  // An array is one INSERT of the file.
  if (InModel()) model_.converted["INSERT"] -= static_cast<int>(cols * rows - 1);
}

}  // namespace vxh::dxf
