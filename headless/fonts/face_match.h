// Finds a TrueType face by family name through fontconfig.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vxh {

inline constexpr const char* kFallbackFamily = "DejaVu Sans";

struct FaceFile {
  std::string path;
  int index = 0;
  bool synthesize_bold = false;    // asked bold, found only a regular weight
  bool synthesize_italic = false;  // asked italic, found only an upright face
};

// The installed TrueType face of that family (case ignored) closest to the
// weight and slant asked for; nothing when the family is not installed as
// TrueType.
std::optional<FaceFile> MatchTrueTypeFace(std::string_view family, bool bold, bool italic);

// MatchTrueTypeFace, falling back to DejaVu Sans when the family is missing
// (said once per family on stderr). Throws HostFault when even the fallback
// is missing.
FaceFile FindTrueTypeFace(std::string_view family, bool bold, bool italic);

}  // namespace vxh
