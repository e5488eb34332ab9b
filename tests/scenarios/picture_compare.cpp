#include "tests/scenarios/picture_compare.h"

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace vxtest {
namespace {

// A channel has to move this much for the pixel to count as different, and at
// most this share of the pixels may differ.
constexpr int kChannelThreshold = 48;
constexpr double kDifferingShare = 0.005;

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface Load(const std::string& path) {
  Surface surface(cairo_image_surface_create_from_png(path.c_str()), &cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) surface.reset();
  return surface;
}

std::uint32_t Pixel(cairo_surface_t* surface, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  std::uint32_t value;
  std::memcpy(&value, row + 4 * x, sizeof value);
  return value;
}

bool Differs(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xff), cb = static_cast<int>((b >> shift) & 0xff);
    if (std::abs(ca - cb) > kChannelThreshold) return true;
  }
  return false;
}

}  // namespace

bool PictureDifference::Acceptable() const {
  return problem.empty() && differing_pixels <= static_cast<long>(kDifferingShare * static_cast<double>(total_pixels));
}

std::string PictureDifference::Describe() const {
  if (!problem.empty()) return problem;
  return std::to_string(differing_pixels) + " of " + std::to_string(total_pixels) + " pixels differ";
}

PictureDifference ComparePictures(const std::string& expected_png, const std::string& actual_png) {
  PictureDifference result;
  const Surface expected = Load(expected_png), actual = Load(actual_png);
  if (!expected || !actual) {
    result.problem = "cannot read " + (expected ? actual_png : expected_png) + " as PNG";
    return result;
  }
  cairo_surface_flush(expected.get());
  cairo_surface_flush(actual.get());
  const int width = cairo_image_surface_get_width(expected.get());
  const int height = cairo_image_surface_get_height(expected.get());
  if (width != cairo_image_surface_get_width(actual.get()) || height != cairo_image_surface_get_height(actual.get())) {
    result.problem = "the pictures differ in size";
    return result;
  }
  result.total_pixels = static_cast<long>(width) * height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      result.differing_pixels += Differs(Pixel(expected.get(), x, y), Pixel(actual.get(), x, y));
    }
  }
  return result;
}

}  // namespace vxtest
