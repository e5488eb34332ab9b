#include "text/stroke_font.h"
#include "host/pack_constants.h"

#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

namespace {

constexpr double kAngleUnit = kPackPi / 128;
constexpr std::uint8_t kLowBits = 0x7F;
constexpr std::size_t kPlainRecordBytes = 2;
constexpr int kTurn = 256;

double I16At(std::span<const std::uint8_t> file, std::size_t offset) {
  return static_cast<std::int16_t>(GetU16(file.data(), offset));
}

StrokeShape ArcRecord(const std::uint8_t* r, double pen_x) {
  StrokeShape arc;
  arc.arc = true;
  arc.centre = {(r[0] & kLowBits) + pen_x, static_cast<double>(r[1] & kLowBits)};
  arc.radius = r[2] & kLowBits;
  int span = static_cast<int>(r[4]) - static_cast<int>(r[3]);
  if (span < 0) span += kTurn;
  arc.start = r[3] * kAngleUnit;
  arc.sweep = span * kAngleUnit;
  return arc;
}

}  // namespace

bool StrokeFont::Usable() const {
  return file_.size() >= kStrokeHeaderBytes && file_[kStrokeFormat] == kStrokeFormatVersion && EmSize() != 0;
}

double StrokeFont::EmSize() const { return I16At(file_, kStrokeEmSize); }
double StrokeFont::Baseline() const { return I16At(file_, kStrokeBaseline); }

double StrokeFont::Advance(std::uint8_t c) const {
  const double own = c == 0 ? 0 : static_cast<std::int8_t>(file_[kStrokeAdvances + c]);
  return own + I16At(file_, kStrokeExtraSpacing);
}

std::vector<StrokeShape> StrokeFont::Strokes(std::uint8_t c, double pen_x) const {
  std::vector<StrokeShape> shapes;
  const double offset = I16At(file_, kStrokeOffsets + 2 * std::size_t{c});
  if (offset < 0) return {};
  Point2 current{0, Baseline()};
  for (std::size_t at = static_cast<std::size_t>(offset);;) {
    if (at >= file_.size()) return {};
    const std::uint8_t* r = file_.data() + at;
    if (r[0] == kStrokeListEnd) return shapes;
    if (file_.size() - at < kPlainRecordBytes) return {};
    const bool arc = (r[1] & kStrokeHighBit) != 0;
    if (arc && file_.size() - at < kStrokeArcBytes) return {};
    if (arc) {
      shapes.push_back(ArcRecord(r, pen_x));
    } else if ((r[0] & kStrokeHighBit) != 0) {
      StrokeShape line;
      line.from = {current.x + pen_x, current.y};
      line.to = {(r[0] & kLowBits) + pen_x, static_cast<double>(r[1])};
      shapes.push_back(line);
    }
    current = {static_cast<double>(r[0] & kLowBits), static_cast<double>(r[1] & kLowBits)};
    at += arc ? kStrokeArcBytes : kPlainRecordBytes;
  }
}

}  // namespace vx
