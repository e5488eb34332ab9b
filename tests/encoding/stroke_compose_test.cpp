// The built-in stroke fonts carry the characters of code page 1252 past 127,
// in files the host writes and reads back, and a file made before they were
// composed is made again.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "headless/files/host_paths.h"
#include "headless/files/whole_file.h"
#include "headless/fonts/stroke_font_install.h"
#include "headless/fonts/stroke_font_reader.h"
#include "headless/fonts/stroke_font_writer.h"
#include "tests/encoding/cp1252_reference.h"
#include "tests/fonts/font_test_support.h"

namespace vxh {
namespace {

StrokeFont ReadFontFile(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  EXPECT_TRUE(bytes.has_value()) << path;
  return bytes ? ReadStrokeFont(*bytes, path) : StrokeFont{};
}

class StrokeCompose : public ::testing::TestWithParam<std::string> {
 protected:
  fonttest::TempHostFolder folder_;
};

TEST_P(StrokeCompose, EveryPrintableCharacterPast127HasStrokesAndAnAdvance) {
  const std::string path = ResolveHostName("#" + GetParam());
  ASSERT_TRUE(InstallStrokeFont(GetParam(), path));
  const StrokeFont font = ReadFontFile(path);
  for (int code = 0x80; code < 256; ++code) {
    const auto byte = static_cast<unsigned char>(code);
    if (!enctest::Printable(byte)) continue;
    EXPECT_FALSE(font.glyphs[byte].empty()) << "0x" << std::hex << code;
    EXPECT_GT(font.advance[byte], 0) << "0x" << std::hex << code;
  }
  EXPECT_TRUE(font.glyphs[0xA0].empty()) << "the no-break space is a space";
  EXPECT_EQ(font.advance[0xA0], font.advance[' ']);
  for (const int hole : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_TRUE(font.glyphs[hole].empty()) << hole;
}

TEST_P(StrokeCompose, AFileMadeBeforeComposingIsMadeAgain) {
  const std::string path = ResolveHostName("#" + GetParam());
  ASSERT_TRUE(InstallStrokeFont(GetParam(), path));
  StrokeFont old = ReadFontFile(path);
  for (int code = 0x80; code < 256; ++code) {
    old.glyphs[static_cast<std::size_t>(code)].clear();
    old.advance[static_cast<std::size_t>(code)] = 0;
  }
  WriteFileAtomically(path, WriteStrokeFont(old));
  EnsureStrokeFontFile(GetParam(), path);
  EXPECT_FALSE(ReadFontFile(path).glyphs[0xC4].empty());
}

INSTANTIATE_TEST_SUITE_P(Fonts, StrokeCompose, ::testing::ValuesIn(BuiltInStrokeFonts()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vxh
