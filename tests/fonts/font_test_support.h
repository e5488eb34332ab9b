// A host folder of its own for font tests, and a reader of native glyph
// outlines that checks their layout as it goes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "host/record.h"
#include "host/win_api.h"

namespace fonttest {

// Points VORLIX_HOME at a fresh folder for the life of the object, so font
// files are made there and not in the user's host folder.
class TempHostFolder {
 public:
  TempHostFolder() {
    const char* old = std::getenv("VORLIX_HOME");
    if (old != nullptr) old_ = old;
    had_old_ = old != nullptr;
    // The process id too: tests run in parallel processes, and the sanitizers
    // give every process the same addresses.
    path_ =
        std::filesystem::temp_directory_path() / ("vorlix-fonts-" + std::to_string(::getpid()) + "-" +
                                                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                                  "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::remove_all(path_);
    setenv("VORLIX_HOME", path_.c_str(), 1);
  }
  ~TempHostFolder() {
    if (had_old_)
      setenv("VORLIX_HOME", old_.c_str(), 1);
    else
      unsetenv("VORLIX_HOME");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::string old_;
  bool had_old_ = false;
};

// The host folder made at once, for sessions that read it when they start.
struct OwnHostFolder {
  OwnHostFolder() { std::filesystem::create_directories(home.Path()); }
  TempHostFolder home;
};

struct Fx {
  double x, y;
};

struct Curve {
  int type;
  std::vector<Fx> points;
};

struct Contour {
  Fx start;
  std::vector<Curve> curves;
};

inline double FixedAt(const std::uint8_t* p) { return vx::GetI32(p, 0) / 65536.0; }

// Walks the buffer as a GGO_NATIVE reader does; every layout rule broken is
// a test failure.
inline std::vector<Contour> ReadNative(const std::vector<std::uint8_t>& buffer) {
  std::vector<Contour> contours;
  std::size_t at = 0;
  while (at < buffer.size()) {
    const std::uint8_t* h = buffer.data() + at;
    const std::uint32_t cb = vx::GetU32(h, 0);
    EXPECT_EQ(vx::GetU32(h, 4), TT_POLYGON_TYPE);
    EXPECT_GE(cb, sizeof(TTPOLYGONHEADER));
    EXPECT_LE(at + cb, buffer.size()) << "a contour runs past the buffer";
    if (cb < sizeof(TTPOLYGONHEADER) || at + cb > buffer.size()) return contours;
    Contour c{{FixedAt(h + 8), FixedAt(h + 12)}, {}};
    std::size_t in = sizeof(TTPOLYGONHEADER);
    while (in < cb) {
      const std::uint16_t type = vx::GetU16(h + in, 0), count = vx::GetU16(h + in, 2);
      EXPECT_TRUE(type == TT_PRIM_LINE || type == TT_PRIM_QSPLINE) << type;
      EXPECT_GT(count, 0);
      EXPECT_LE(in + 4 + 8u * count, cb) << "a curve runs past its contour";
      if (in + 4 + 8u * count > cb) return contours;
      Curve curve{type, {}};
      for (std::size_t k = 0; k < count; ++k)
        curve.points.push_back({FixedAt(h + in + 4 + 8 * k), FixedAt(h + in + 8 + 8 * k)});
      c.curves.push_back(curve);
      in += 4 + 8u * count;
    }
    contours.push_back(c);
    at += cb;
  }
  return contours;
}

}  // namespace fonttest
