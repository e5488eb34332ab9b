#include "headless/fonts/freetype_faces.h"

#include <map>
#include <utility>

#include "headless/host_error.h"

namespace vxh {

namespace {

class FaceCache {
 public:
  FaceCache() {
    if (FT_Init_FreeType(&library_) != 0) throw HostFault("FreeType cannot start");
  }
  ~FaceCache() {
    for (auto& [key, face] : faces_) FT_Done_Face(face);
    FT_Done_FreeType(library_);
  }
  FaceCache(const FaceCache&) = delete;
  FaceCache& operator=(const FaceCache&) = delete;

  FT_Face Open(const std::string& path, int index) {
    const auto key = std::make_pair(path, index);
    if (auto it = faces_.find(key); it != faces_.end()) return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, path.c_str(), index, &face) != 0)
      throw HostFault("FreeType cannot open the font " + path);
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    faces_.emplace(key, face);
    return face;
  }

 private:
  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces_;
};

}  // namespace

FT_Face OpenFace(const std::string& path, int index) {
  static FaceCache cache;
  return cache.Open(path, index);
}

}  // namespace vxh
