#include "headless/fonts/stroke_font_install.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <set>
#include <string>

#include "headless/ascii_case.h"
#include "headless/files/whole_file.h"
#include "headless/fonts/hershey_convert.h"
#include "headless/fonts/hershey_reader.h"
#include "headless/fonts/stroke_font_reader.h"
#include "headless/fonts/stroke_font_writer.h"
#include "headless/host_error.h"

namespace vxh {

namespace {

struct HersheySource {
  const char* font;
  const char* file;
};

// Each source holds the printable ASCII characters in order from the space.
constexpr HersheySource kSources[] = {
    {"Simplex", "futural.jhf"},
    {"Duplex", "futuram.jhf"},
    {"Complex", "timesr.jhf"},
    {"Italic", "timesi.jhf"},
};
constexpr int kFirstHersheyCode = ' ';

const HersheySource* FindSource(std::string_view name) {
  for (const HersheySource& s : kSources)
    if (SameIgnoringCase(name, s.font)) return &s;
  return nullptr;
}

// Files made before the host composed the characters past 127 have no
// strokes for "Ä"; such a file of a built-in font is made again.
bool MadeBeforeComposing(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return false;
  try {
    return ReadStrokeFont(*bytes, path).glyphs[0xC4].empty();
  } catch (const std::exception&) {
    return false;  // a damaged file is reported where it is read
  }
}

}  // namespace

std::string HersheyFolder() {
  if (const char* dir = std::getenv("VORLIX_HERSHEY_DIR"); dir != nullptr && *dir != '\0') return dir;
  return "/usr/share/hershey-fonts";
}

const std::vector<std::string>& BuiltInStrokeFonts() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const HersheySource& s : kSources) out.emplace_back(s.font);
    return out;
  }();
  return names;
}

bool InstallStrokeFont(std::string_view name, const std::string& path) {
  const HersheySource* source = FindSource(name);
  if (source == nullptr) return false;
  const std::string jhf = HersheyFolder() + "/" + source->file;
  const auto text = ReadWholeFile(jhf);
  if (!text) throw BadInput("cannot read the Hershey font " + jhf + " (package hershey-fonts-data)");
  const std::string_view chars(reinterpret_cast<const char*>(text->data()), text->size());
  const StrokeFont font = StrokeFontFromHershey(ReadHershey(chars, jhf), kFirstHersheyCode, jhf);
  WriteFileAtomically(path, WriteStrokeFont(font));
  return true;
}

void EnsureStrokeFontFile(std::string_view name, const std::string& path) {
  std::error_code error;
  if (FindSource(name) == nullptr || (std::filesystem::exists(path, error) && !MadeBeforeComposing(path))) return;
  try {
    InstallStrokeFont(name, path);
  } catch (const std::exception& e) {
    static std::set<std::string> reported;
    if (reported.insert(path).second)
      std::fprintf(stderr, "vorlix: stroke font \"%.*s\" is not available: %s\n", static_cast<int>(name.size()),
                   name.data(), e.what());
  }
}

}  // namespace vxh
