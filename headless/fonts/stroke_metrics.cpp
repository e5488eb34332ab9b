#include "headless/fonts/stroke_metrics.h"

#include <cstdio>
#include <exception>
#include <map>
#include <optional>
#include <stdexcept>

#include "headless/files/host_paths.h"
#include "headless/files/whole_file.h"
#include "headless/fonts/stroke_font_install.h"
#include "headless/fonts/stroke_font_reader.h"

namespace vxh {

namespace {

constexpr double kFallbackAdvance = 0.6;

std::optional<StrokeFont> LoadStrokeFont(const std::string& name, const std::string& path) {
  EnsureStrokeFontFile(name, path);
  try {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return ReadStrokeFont(*bytes, path);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vorlix: stroke font \"%s\" is measured by estimate: %s\n", name.c_str(), e.what());
    return std::nullopt;
  }
}

// Parsed once per file; a file that failed stays an estimate for the run.
const std::optional<StrokeFont>& CachedStrokeFont(const std::string& name) {
  static std::map<std::string, std::optional<StrokeFont>> cache;
  const std::string path = ResolveHostName("#" + name);
  auto it = cache.find(path);
  if (it == cache.end()) it = cache.emplace(path, LoadStrokeFont(name, path)).first;
  return it->second;
}

}  // namespace

double StrokeRunLength(const std::string& font_name, std::string_view run) {
  const std::optional<StrokeFont>& font = CachedStrokeFont(font_name);
  if (!font) return kFallbackAdvance * static_cast<double>(run.size());
  double units = 0;
  for (unsigned char c : run) units += (c == 0 ? 0 : font->advance[c]) + font->extra_spacing;
  return units / font->em_size;
}

}  // namespace vxh
