#include "headless/render/render.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "headless/drawing/document.h"
#include "headless/host_error.h"
#include "headless/render/entity_painter.h"
#include "headless/render/picture_frame.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

constexpr double kPictureWidth = 1600;
constexpr double kPictureHeight = 1200;

enum class Format { kPng, kSvg, kPdf };

Format FormatOf(const std::string& path) {
  std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".png") return Format::kPng;
  if (ext == ".svg") return Format::kSvg;
  if (ext == ".pdf") return Format::kPdf;
  throw BadInput("cannot draw into " + path + ": use .png, .svg or .pdf");
}

// Layers the picture leaves out: hidden or frozen ones.
std::unordered_map<int, bool> InvisibleLayers(Document& document) {
  std::unordered_map<int, bool> invisible;
  const std::uint8_t* table = document.WorkDL()->SettingsTable(vx::kTableLayers);
  if (!table) return invisible;
  for (std::size_t at = vx::kTableFirstRecord;;) {
    const std::uint32_t size = vx::GetU32(table, at + vx::kRecSize);
    if (size == 0) break;
    const std::uint32_t flags = vx::GetU32(table, at + vx::kLayerFlags);
    if (flags & (vx::kLayerHidden | vx::kLayerFrozen))
      invisible[vx::GetU16(table, at + vx::kLayerId)] = true;
    at += size;
  }
  return invisible;
}

using Visitor = std::function<void(vx::Entity)>;

// Visits every visible entity, members of groups and containers included.
void VisitVisible(const EntityList& list, const std::unordered_map<int, bool>& invisible,
                  const Visitor& visit) {
  list.ForEach([&](vx::Entity e) {
    if (invisible.count(vx::GetU16(e, vx::kHdrLayer))) return;
    if (const EntityList* members = list.Members(e)) {
      VisitVisible(*members, invisible, visit);
      return;
    }
    visit(e);
  });
}

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

SurfacePtr MakeSurface(Format format, const std::string& path, const PictureFrame& frame) {
  cairo_surface_t* surface = nullptr;
  switch (format) {
    case Format::kPng:
      surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(frame.width),
                                           static_cast<int>(frame.height));
      break;
    case Format::kSvg:
      surface = cairo_svg_surface_create(path.c_str(), frame.width, frame.height);
      break;
    case Format::kPdf:
      surface = cairo_pdf_surface_create(path.c_str(), frame.width, frame.height);
      break;
  }
  return SurfacePtr(surface, &cairo_surface_destroy);
}

void CheckSurface(cairo_surface_t* surface, const std::string& path) {
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    throw BadInput("cannot write " + path + ": " +
                   cairo_status_to_string(cairo_surface_status(surface)));
}

}  // namespace

void RenderDocument(Document& document, const std::string& path) {
  const Format format = FormatOf(path);
  const auto invisible = InvisibleLayers(document);

  Extents extents;
  VisitVisible(document.Work(), invisible, [&](vx::Entity e) { AddExtents(e, extents); });
  const PictureFrame frame = FitPicture(extents, kPictureWidth, kPictureHeight);

  SurfacePtr surface = MakeSurface(format, path, frame);
  CheckSurface(surface.get(), path);
  cairo_t* cr = cairo_create(surface.get());
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  EntityPainter painter(cr, frame);
  VisitVisible(document.Work(), invisible, [&](vx::Entity e) { painter.Paint(e); });
  cairo_destroy(cr);

  if (format == Format::kPng &&
      cairo_surface_write_to_png(surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw BadInput("cannot write " + path);
  cairo_surface_finish(surface.get());
  CheckSurface(surface.get(), path);
}

}  // namespace vxh
