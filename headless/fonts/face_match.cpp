#include "headless/fonts/face_match.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "headless/ascii_case.h"
#include "headless/host_error.h"

namespace vxh {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// fontconfig always answers with some face; it is ours only when one of its
// family names is the one asked for.
bool HasFamily(FcPattern* match, std::string_view family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (SameIgnoringCase(reinterpret_cast<const char*>(name), family)) return true;
  return false;
}

bool IsTrueType(FcPattern* match) {
  FcChar8* format = nullptr;
  return FcPatternGetString(match, FC_FONTFORMAT, 0, &format) == FcResultMatch &&
         std::string_view(reinterpret_cast<const char*>(format)) == "TrueType";
}

Pattern Query(std::string_view family, bool bold, bool italic) {
  Pattern p(FcPatternCreate());
  const std::string name(family);
  FcPatternAddString(p.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(p.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(p.get(), FC_OUTLINE, FcTrue);
  FcConfigSubstitute(nullptr, p.get(), FcMatchPattern);
  FcDefaultSubstitute(p.get());
  return p;
}

// fontconfig keeps its configuration for the process; handing it back at exit
// keeps leak checkers quiet about it.
bool StartFontconfig() {
  if (FcInit() != FcTrue) return false;
  std::atexit(FcFini);
  return true;
}

}  // namespace

std::optional<FaceFile> MatchTrueTypeFace(std::string_view family, bool bold, bool italic) {
  static const bool ready = StartFontconfig();
  if (!ready || family.empty()) return std::nullopt;
  Pattern query = Query(family, bold, italic);
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, query.get(), &result));
  if (!match || !HasFamily(match.get(), family) || !IsTrueType(match.get())) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  FaceFile face;
  face.path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &face.index);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  face.synthesize_bold = bold && weight < FC_WEIGHT_DEMIBOLD;
  face.synthesize_italic = italic && slant == FC_SLANT_ROMAN;
  return face;
}

FaceFile FindTrueTypeFace(std::string_view family, bool bold, bool italic) {
  if (auto face = MatchTrueTypeFace(family, bold, italic)) return *face;
  static std::set<std::string> reported;
  if (!family.empty() && reported.insert(std::string(family)).second)
    std::fprintf(stderr, "vorlix: font \"%.*s\" is not installed; using %s\n", static_cast<int>(family.size()),
                 family.data(), kFallbackFamily);
  if (auto face = MatchTrueTypeFace(kFallbackFamily, bold, italic)) return *face;
  throw HostFault(std::string("no TrueType font: \"") + kFallbackFamily +
                  "\" is not installed (package fonts-dejavu-core)");
}

}  // namespace vxh
