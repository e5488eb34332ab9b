#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "headless/files/whole_file.h"
#include "headless/fonts/hershey_convert.h"
#include "headless/fonts/hershey_reader.h"
#include "headless/fonts/stroke_font_install.h"
#include "headless/fonts/stroke_font_reader.h"
#include "headless/fonts/stroke_font_writer.h"
#include "headless/host_error.h"
#include "host/host_api.h"
#include "tests/fonts/font_test_support.h"

namespace {

TEST(HersheyReader, ReadsBoundsStrokesPenUpsAndContinuedLines) {
  // Glyph 2 continues on the next line; " R" lifts the pen.
  const std::string text =
      "12345  1JZ\n"
      "12345  7MWRFRT RRYQ\r\n"
      "ZR[\n";
  const auto glyphs = vxh::ReadHershey(text, "t.jhf");
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].left, -8);
  EXPECT_EQ(glyphs[0].right, 8);
  EXPECT_TRUE(glyphs[0].strokes.empty());
  ASSERT_EQ(glyphs[1].strokes.size(), 2u);
  EXPECT_EQ(glyphs[1].strokes[0].size(), 2u);
  EXPECT_EQ(glyphs[1].strokes[0][0].y, -12);
  EXPECT_EQ(glyphs[1].strokes[1].size(), 3u);
  EXPECT_EQ(glyphs[1].strokes[1][1].x, -1);
  EXPECT_EQ(glyphs[1].strokes[1][1].y, 8);
}

struct BadJhf {
  const char* name;
  const char* text;
  const char* message;
};

TEST(HersheyReader, ErrorsNameTheFileLineAndProblem) {
  const BadJhf cases[] = {{"Empty", "\n\n", "no glyphs"},
                          {"ShortHeader", "12345  1\n", "a glyph line needs"},
                          {"CountNotANumber", "12345 x1JZ\n", "is not a number"},
                          {"CountMissing", "12345   JZ\n", "vertex count is missing"},
                          {"ZeroCount", "12345  0JZ\n", "must count the bounds pair"},
                          {"CutOff", "12345  1JZ\n12345  4JZRFRT\n", ":2: the glyph ends early: 4 vertices"},
                          {"TooMany", "12345  2JZRFRT\n", "more vertices than the 2"},
                          {"BadCharacter", "12345  2JZ\tF\n", "bad coordinate character"}};
  for (const BadJhf& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      vxh::ReadHershey(c.text, "bad.jhf");
      ADD_FAILURE() << "no error";
    } catch (const vxh::BadInput& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("bad.jhf", 0), 0u) << e.what();
    }
  }
}

std::string ReadText(const std::string& path) {
  const auto bytes = vxh::ReadWholeFile(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

TEST(HersheyConvert, CapitalsAreOneEmTallAndTheFileRoundTrips) {
  const std::string path = vxh::HersheyFolder() + "/futural.jhf";
  const std::string text = ReadText(path);
  ASSERT_FALSE(text.empty()) << path;
  const vxh::StrokeFont font = vxh::StrokeFontFromHershey(vxh::ReadHershey(text, path), ' ', path);
  int top = 0, foot = 127;
  for (const auto& r : font.glyphs['H']) top = std::max<int>(top, r.y), foot = std::min<int>(foot, r.y);
  EXPECT_EQ(foot, font.baseline);
  EXPECT_EQ(top - foot, font.em_size);
  EXPECT_GT(font.advance['W'], font.advance['i']);
  EXPECT_TRUE(font.glyphs[' '].empty());
  EXPECT_GT(font.advance[' '], 0);
  EXPECT_EQ(vxh::ReadStrokeFont(vxh::WriteStrokeFont(font), "futural"), font);
}

TEST(HersheyConvert, AFontWithoutHIsRefused) {
  const auto glyphs = vxh::ReadHershey("12345  3JZRFRT\n", "one.jhf");
  EXPECT_THROW(vxh::StrokeFontFromHershey(glyphs, ' ', "one.jhf"), vxh::BadInput);
}

TEST(HostFiles, StrokeFontsAreMadeOnFirstLoadInTheHostFolder) {
  fonttest::TempHostFolder home;
  for (const std::string& name : vxh::BuiltInStrokeFonts()) {
    std::uint32_t size = 0;
    void* block = vx::LoadFile(("#" + name).c_str(), &size);
    ASSERT_NE(block, nullptr) << name;
    EXPECT_TRUE(std::filesystem::exists(home.Path() / name)) << name;
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    EXPECT_EQ(bytes[size], 0) << "NUL after the data";
    EXPECT_NO_THROW(vxh::ReadStrokeFont({bytes, size}, name));
    vx::RelMem(block);
  }
}

TEST(HostFiles, LoadFileGivesNothingForWhatIsMissingAndReadsOtherNamesAsGiven) {
  fonttest::TempHostFolder home;
  std::uint32_t size = 7;
  EXPECT_EQ(vx::LoadFile("#NoSuchFont", &size), nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_FALSE(std::filesystem::exists(home.Path() / "NoSuchFont"));
  EXPECT_EQ(vx::LoadFile((home.Path() / "absent.txt").c_str(), &size), nullptr);
  EXPECT_EQ(vx::LoadFile(nullptr, &size), nullptr);
  // Other names are read as given.
  const std::string path = (home.Path() / "plain.txt").string();
  vxh::WriteFileAtomically(path, {'a', 'b', 'c'});
  char* text = static_cast<char*>(vx::LoadFile(path.c_str(), &size));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(size, 3u);
  EXPECT_STREQ(text, "abc");
  vx::RelMem(text);
}

TEST(HostFiles, FullFileNameResolvesHashNamesAgainstTheHostFolder) {
  fonttest::TempHostFolder home;
  char out[260];
  ASSERT_EQ(vx::FullFileName("#Simplex", out), 1);
  EXPECT_EQ(std::filesystem::path(out), home.Path() / "Simplex");
  ASSERT_EQ(vx::FullFileName("/tmp/x.pat", out), 1);
  EXPECT_STREQ(out, "/tmp/x.pat");
  EXPECT_EQ(vx::FullFileName(("#" + std::string(300, 'n')).c_str(), out), 0);
  EXPECT_STREQ(out, "");
}

TEST(HostFiles, MissingHersheySourceIsABadInputNamingTheFile) {
  fonttest::TempHostFolder home;
  setenv("VORLIX_HERSHEY_DIR", (home.Path() / "nowhere").c_str(), 1);
  try {
    vxh::InstallStrokeFont("Duplex", (home.Path() / "Duplex").string());
    ADD_FAILURE() << "no error";
  } catch (const vxh::BadInput& e) {
    EXPECT_NE(std::string(e.what()).find("futuram.jhf"), std::string::npos) << e.what();
  }
  unsetenv("VORLIX_HERSHEY_DIR");
  EXPECT_FALSE(std::filesystem::exists(home.Path() / "Duplex"));
}

}  // namespace
