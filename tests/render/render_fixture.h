// Drawings built record by record, rendered to temporary files, and read
// back as pixels or SVG text.
#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "headless/drawing/document.h"
#include "headless/render/render.h"
#include "host/drawing_list.h"
#include "tests/fonts/font_test_support.h"
#include "tests/support/records.h"

namespace rendertest {

using vxtest::Record;

class Picture {
 public:
  explicit Picture(const std::string& path)
      : surface_(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy) {
    cairo_surface_flush(surface_.get());
  }
  bool Ok() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
  int Width() const { return cairo_image_surface_get_width(surface_.get()); }
  int Height() const { return cairo_image_surface_get_height(surface_.get()); }
  // Darkness 0 (white) to 255 (black) of the pixel; outside the picture 0.
  int Ink(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
    const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                               static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
    std::uint32_t argb;
    std::memcpy(&argb, row + 4 * x, 4);
    const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return 255 - (r + g + b) / 3;
  }
  // The darkest pixel within `radius` pixels of (x, y).
  int InkNear(int x, int y, int radius) const {
    int most = 0;
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx) most = std::max(most, Ink(x + dx, y + dy));
    return most;
  }
  // Pixels darker than `level` in the rectangle [x0, x1] × [y0, y1].
  int InkedPixels(int x0, int y0, int x1, int y1, int level = 64) const {
    int count = 0;
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
      for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) count += Ink(x, y) > level;
    return count;
  }

 private:
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
};

class RenderTest : public ::testing::Test {
 protected:
  RenderTest() {
    dir_ = fonts_.Path() / "pictures";
    std::filesystem::create_directories(dir_);
  }

  vx::Entity Add(const Record& record) { return doc_.WorkDL()->AddRecord(record.data()); }
  vx::Entity Add(vx::DList* list, const Record& record) { return list->AddRecord(record.data()); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  vxh::RenderReport Render(const std::string& name) { return vxh::RenderDrawing(doc_, PathOf(name)); }
  // The drawing rendered to a PNG file and read back, with the frame it was
  // drawn in; nothing may be left out.
  std::pair<vxh::PictureFrame, Picture> RenderPng(const std::string& name) {
    const vxh::RenderReport report = Render(name);
    EXPECT_TRUE(report.left_out.empty()) << name;
    return {report.frame, Picture(PathOf(name))};
  }

  std::string ReadText(const std::string& name) const {
    std::ifstream in(PathOf(name));
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // The picture pixel of a drawing point.
  static int Px(const vxh::PictureFrame& f, double x) { return static_cast<int>(std::floor(f.X(x))); }
  static int Py(const vxh::PictureFrame& f, double y) { return static_cast<int>(std::floor(f.Y(y))); }

  fonttest::TempHostFolder fonts_;  // stroke font files are made here
  std::filesystem::path dir_;
  vxh::Document doc_;
};

}  // namespace rendertest
