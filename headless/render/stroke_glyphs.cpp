#include "headless/render/stroke_glyphs.h"

#include <exception>
#include <map>
#include <optional>

#include "headless/files/host_paths.h"
#include "headless/files/whole_file.h"
#include "headless/fonts/stroke_font_install.h"
#include "headless/fonts/stroke_font_reader.h"

namespace vxh {

namespace {

// Stroke-font arc angles come in steps of π/128.
constexpr double kArcStep = kTwoPi / 256;
constexpr int kArcSteps = 256;

std::optional<StrokeFont> LoadFont(const std::string& name) {
  const std::string path = ResolveHostName("#" + name);
  EnsureStrokeFontFile(name, path);
  try {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return ReadStrokeFont(*bytes, path);
  } catch (const std::exception&) {
    return std::nullopt;  // the text metrics already said so on stderr
  }
}

struct GlyphScale {
  double x, y;      // drawing units per font unit
  double baseline;  // font units
  P2 At(double pen, double gx, double gy) const { return {(pen + gx) * x, (gy - baseline) * y}; }
};

// An arc sweeps (end - start) mod 256 steps; equal ends make a whole circle,
// the only arc that could want them.
void AddArc(PathBuilder& path, const StrokeRecord& r, double pen, const GlyphScale& s) {
  const int steps = ((r.end - r.start) % kArcSteps + kArcSteps) % kArcSteps;
  const double sweep = (steps == 0 ? kArcSteps : steps) * kArcStep;
  path.AddPiece(
      Piece::Ellipse(s.At(pen, r.x, r.y), {r.radius * s.x, 0}, {0, r.radius * s.y}, r.start * kArcStep, sweep));
}

void AddGlyph(PathBuilder& path, const std::vector<StrokeRecord>& glyph, double pen, const GlyphScale& s) {
  P2 at{};
  for (const StrokeRecord& r : glyph) {
    const P2 p = s.At(pen, r.x, r.y);
    switch (r.kind) {
      case StrokeRecord::kMove: at = p; break;
      case StrokeRecord::kLine:
        // Each line is its own sub-path; round caps and joins make the
        // strokes meet as a pen would.
        path.MoveTo(at);
        path.LineTo(p);
        at = p;
        break;
      case StrokeRecord::kArc: AddArc(path, r, pen, s); break;
    }
  }
}

}  // namespace

const StrokeFont* StrokeFontNamed(const std::string& name) {
  static std::map<std::string, std::optional<StrokeFont>> fonts;
  auto it = fonts.find(name);
  if (it == fonts.end()) it = fonts.emplace(name, LoadFont(name)).first;
  return it->second ? &*it->second : nullptr;
}

void AddStrokeLine(PathBuilder& path, const StrokeFont& font, std::string_view line, double height,
                   double width_factor) {
  if (font.em_size <= 0) return;
  const GlyphScale scale{height * width_factor / font.em_size, height / font.em_size,
                         static_cast<double>(font.baseline)};
  double pen = 0;  // font units
  for (unsigned char c : line) {
    if (c == 0) continue;
    AddGlyph(path, font.glyphs[c], pen, scale);
    pen += font.advance[c] + font.extra_spacing;
  }
}

}  // namespace vxh
