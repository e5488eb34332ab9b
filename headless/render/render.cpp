#include "headless/render/render.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cctype>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "headless/ascii_case.h"
#include "headless/drawing/document.h"
#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "headless/render/entity_figure.h"
#include "headless/render/entity_walk.h"
#include "headless/render/figure_extents.h"
#include "headless/render/figure_painter.h"
#include "headless/render/picture_styles.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

// Large enough to read a sheet's texts, small enough to open anywhere.
constexpr double kPictureWidth = 1600;
constexpr double kPictureHeight = 1200;

enum class Format { kPng, kSvg, kPdf };

Format FormatOf(const std::string& path) {
  if (HasExtension(path, ".png")) return Format::kPng;
  if (HasExtension(path, ".svg")) return Format::kSvg;
  if (HasExtension(path, ".pdf")) return Format::kPdf;
  throw BadInput("cannot draw into " + path + ": use .png, .svg or .pdf");
}

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

SurfacePtr MakeSurface(Format format, const std::string& path, const PictureFrame& frame) {
  cairo_surface_t* surface = nullptr;
  switch (format) {
    case Format::kPng:
      surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(frame.width),
                                           static_cast<int>(frame.height));
      break;
    case Format::kSvg: surface = cairo_svg_surface_create(path.c_str(), frame.width, frame.height); break;
    case Format::kPdf: surface = cairo_pdf_surface_create(path.c_str(), frame.width, frame.height); break;
  }
  return SurfacePtr(surface, &cairo_surface_destroy);
}

void CheckSurface(cairo_surface_t* surface, const std::string& path) {
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    throw BadInput("cannot write " + path + ": " + cairo_status_to_string(cairo_surface_status(surface)));
}

// A figure for every entity shown, or a count of what could not be drawn.
// Fonts that cannot be opened and similar failures of one entity leave that
// entity out, not the picture.
template <typename Use>
void ForEachFigure(Document& document, const PictureStyles& styles, RenderReport& report, Use use,
                   const FilledGroupVisitor& filled_group = nullptr) {
  VisitPlaced(
      document.Work(), styles,
      [&](vx::Entity e, const Matrix& placement) {
        try {
          if (std::optional<Figure> figure = FigureOf(e, styles)) return use(e, *figure, placement);
        } catch (const std::exception&) {
        }
        ++report.left_out[vx::GetI8(e, vx::kHdrKind)];
      },
      filled_group);
}

// The closed outlines among a filled group's members, which bound its region.
std::vector<Shape> ClosedOutlines(const EntityList& members, const PictureStyles& styles) {
  std::vector<Shape> out;
  members.ForEach([&](vx::Entity e) {
    if (!styles.LayerVisible(vx::GetU16(e, vx::kHdrLayer))) return;
    try {
      std::optional<Figure> figure = FigureOf(e, styles);
      if (figure && figure->outline && figure->outline->Closed()) out.push_back(std::move(*figure->outline));
    } catch (const std::exception&) {
    }
  });
  return out;
}

void Paint(Document& document, const PictureStyles& styles, cairo_t* cr, RenderReport& report) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  FigurePainter painter(cr, report.frame, styles);
  ForEachFigure(
      document, styles, report,
      [&](vx::Entity e, const Figure& figure, const Matrix& placement) {
        painter.Paint(figure, LookOf(e, styles, report.frame), placement);
      },
      [&](vx::Entity group, const EntityList& members, const Matrix& placement) {
        painter.FillRegion(ClosedOutlines(members, styles), LookOf(group, styles, report.frame), placement);
      });
}

void Write(Format format, cairo_surface_t* surface, const std::string& path) {
  if (format == Format::kPng && cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw BadInput("cannot write " + path);
  cairo_surface_finish(surface);
  CheckSurface(surface, path);
}

}  // namespace

RenderReport RenderDrawing(Document& document, const std::string& path) {
  const Format format = FormatOf(path);
  const PictureStyles styles(document.Tables());

  RenderReport measured;
  Box2 extents;
  ForEachFigure(document, styles, measured, [&](vx::Entity, const Figure& figure, const Matrix& placement) {
    WidenByFigure(extents, figure, placement, styles);
  });
  RenderReport report;
  report.frame = FitPicture(extents, kPictureWidth, kPictureHeight);

  SurfacePtr surface = MakeSurface(format, path, report.frame);
  CheckSurface(surface.get(), path);
  cairo_t* cr = cairo_create(surface.get());
  Paint(document, styles, cr, report);
  cairo_destroy(cr);
  Write(format, surface.get(), path);
  return report;
}

void RenderDocument(Document& document, const std::string& path) {
  const RenderReport report = RenderDrawing(document, path);
  for (const auto& [kind, count] : report.left_out)
    std::fprintf(stderr, "vorlix: %s leaves out %d %s entit%s it cannot draw\n", path.c_str(), count,
                 KindName(kind).c_str(), count == 1 ? "y" : "ies");
}

}  // namespace vxh
