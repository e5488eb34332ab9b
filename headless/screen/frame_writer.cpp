#include "headless/screen/frame_writer.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "headless/host_error.h"
#include "headless/render/entity_painter.h"
#include "headless/render/picture_frame.h"
#include "headless/text_encoding.h"
#include "host/drag_view.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::screen {

namespace {

constexpr double kCursorArmPixels = 12.0;
constexpr double kLineWidth = 1.0;
constexpr double kSmallestTextPixels = 6.0;

PictureFrame ViewFrame(const script::ViewSpec& v) {
  PictureFrame f;
  f.width = v.width_px;
  f.height = v.height_px;
  const double width = v.x2 - v.x1;
  f.scale = width != 0 ? v.width_px / width : 1.0;
  f.offset_x = -v.x1 * f.scale;
  f.offset_y = v.y2 * f.scale;
  return f;
}

void PaintLine(cairo_t* cr, const PictureFrame& f, const Primitive& p) {
  const std::size_t d = p.three_d ? 3 : 2;
  if (p.points.size() < 2 * d) return;
  cairo_move_to(cr, f.X(p.points[0]), f.Y(p.points[1]));
  cairo_line_to(cr, f.X(p.points[d]), f.Y(p.points[d + 1]));
  cairo_set_source_rgb(cr, 0.8, 0.3, 0.1);
  cairo_stroke(cr);
}

void PaintCircle(cairo_t* cr, const PictureFrame& f, const Primitive& p) {
  if (p.points.size() < 2) return;
  cairo_new_sub_path(cr);
  cairo_arc(cr, f.X(p.points[0]), f.Y(p.points[1]), p.radius * f.scale, 0, 6.283185307179586);
  cairo_set_source_rgb(cr, 0.8, 0.3, 0.1);
  cairo_stroke(cr);
}

void PaintText(cairo_t* cr, const PictureFrame& f, const Primitive& p) {
  if (p.points.size() < 2 || p.record.size() < vx::kDragTextString) return;
  const double height = vx::GetF32(p.record.data(), vx::kDragTextSpec + vx::kSpecHeight) * f.scale;
  cairo_set_font_size(cr, height > kSmallestTextPixels ? height : kSmallestTextPixels);
  cairo_move_to(cr, f.X(p.points[0]), f.Y(p.points[1]));
  cairo_set_source_rgb(cr, 0.1, 0.4, 0.1);
  cairo_show_text(cr, Cp1252ToUtf8(p.text).c_str());
  cairo_new_path(cr);
}

void PaintCursor(cairo_t* cr, const PictureFrame& f, const std::array<double, 3>& c) {
  const double x = f.X(c[0]), y = f.Y(c[1]);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_move_to(cr, x - kCursorArmPixels, y);
  cairo_line_to(cr, x + kCursorArmPixels, y);
  cairo_move_to(cr, x, y - kCursorArmPixels);
  cairo_line_to(cr, x, y + kCursorArmPixels);
  cairo_stroke(cr);
}

void PaintPrimitive(cairo_t* cr, const PictureFrame& f, EntityPainter& painter, const Primitive& p) {
  switch (p.kind) {
    case PrimitiveKind::kEntity:
      if (p.record.size() >= vx::kHeaderBytes) painter.Paint(const_cast<std::uint8_t*>(p.record.data()));
      for (const PlacedRecord& member : p.members) {
        painter.Paint(const_cast<std::uint8_t*>(member.record.data()), member.placement);
      }
      break;
    case PrimitiveKind::kLine: PaintLine(cr, f, p); break;
    case PrimitiveKind::kCircle: PaintCircle(cr, f, p); break;
    case PrimitiveKind::kText: PaintText(cr, f, p); break;
    case PrimitiveKind::kSetting: break;
  }
}

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPtr = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

// A frame that cannot be written is work not done, not bad input.
void RequireWritten(cairo_surface_t* surface, const std::string& path) {
  const cairo_status_t status = cairo_surface_status(surface);
  if (status != CAIRO_STATUS_SUCCESS)
    throw WriteFailure("cannot write the preview frame \"" + path + "\": " + cairo_status_to_string(status));
}

}  // namespace

std::string FramePath(const std::string& dir, std::size_t number) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%04zu.svg", number);
  return (std::filesystem::path(dir) / name).string();
}

void WriteFrameSvg(const Frame& frame, const script::ViewSpec& view, const PictureStyles& styles,
                   const std::string& path) {
  const PictureFrame f = ViewFrame(view);
  SurfacePtr surface(cairo_svg_surface_create(path.c_str(), f.width, f.height), cairo_surface_destroy);
  RequireWritten(surface.get(), path);
  ContextPtr cr(cairo_create(surface.get()), cairo_destroy);
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_paint(cr.get());
  cairo_set_line_width(cr.get(), kLineWidth);
  EntityPainter painter(cr.get(), f, styles);
  for (const Primitive& p : frame.primitives) PaintPrimitive(cr.get(), f, painter, p);
  PaintCursor(cr.get(), f, frame.cursor);
  cr.reset();
  cairo_surface_finish(surface.get());
  RequireWritten(surface.get(), path);
}

void WriteNewFrames(ScreenState& screen, const std::string& dir, const script::ViewSpec& view,
                    const SettingsTables& tables) {
  const std::vector<Frame>& frames = screen.Frames();
  std::size_t& written = screen.WrittenFrames();
  if (written > frames.size()) written = 0;  // the frames were forgotten
  if (dir.empty()) {
    written = frames.size();
    return;
  }
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const PictureStyles styles(tables);
  for (; written < frames.size(); ++written) WriteFrameSvg(frames[written], view, styles, FramePath(dir, written + 1));
}

}  // namespace vxh::screen
