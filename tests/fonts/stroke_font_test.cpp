#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/fonts/stroke_font_reader.h"
#include "headless/fonts/stroke_font_writer.h"
#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace {

using vxh::StrokeFont;
using vxh::StrokeRecord;

StrokeFont SampleFont() {
  StrokeFont font;
  font.em_size = 21;
  font.baseline = 7;
  font.extra_spacing = 2;
  font.advance['A'] = 18;
  font.advance['o'] = 14;
  font.advance[200] = 9;
  font.glyphs['A'] = {{StrokeRecord::kMove, 1, 7}, {StrokeRecord::kLine, 9, 28}, {StrokeRecord::kLine, 17, 7}};
  font.glyphs['o'] = {{StrokeRecord::kArc, 7, 12, 5, 0, 255}, {StrokeRecord::kMove, 126, 127}};
  font.glyphs[200] = {{StrokeRecord::kLine, 126, 0}};
  return font;
}

TEST(StrokeFontFile, WriterAndReaderAgreeAndTheFieldsSitWhereTheExplodeReadsThem) {
  const std::vector<std::uint8_t> bytes = vxh::WriteStrokeFont(SampleFont());
  EXPECT_EQ(vxh::ReadStrokeFont(bytes, "sample"), SampleFont());
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(vx::GetI8(bytes.data(), 'A'), 18);
  EXPECT_EQ(vx::Get<std::int16_t>(bytes.data(), 768), 21);
  EXPECT_EQ(vx::Get<std::int16_t>(bytes.data(), 772), 7);
  EXPECT_EQ(vx::Get<std::int16_t>(bytes.data(), 776), 2);
  // The "o": an arc record, b2 with its high bit, then the end mark.
  const auto o = static_cast<std::size_t>(vx::Get<std::int16_t>(bytes.data(), 256 + 2 * 'o'));
  const std::vector<std::uint8_t> expected = {7, 12 | 0x80, 5, 0, 255, 126, 127, 0xFF};
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + o, bytes.begin() + o + expected.size()), expected);
}

TEST(StrokeFontFile, ArcWithB2Of0x85HasItsCentreAtY5) {
  std::vector<std::uint8_t> bytes = vxh::WriteStrokeFont(StrokeFont{});
  const std::size_t at = bytes.size();
  bytes.insert(bytes.end(), {3, 0x85, 2, 0, 64, 0xFF});
  vx::Put<std::int16_t>(bytes.data(), 256 + 2 * 'x', static_cast<std::int16_t>(at));
  const StrokeFont font = vxh::ReadStrokeFont(bytes, "arc");
  ASSERT_EQ(font.glyphs['x'].size(), 1u);
  EXPECT_EQ(font.glyphs['x'][0], (StrokeRecord{StrokeRecord::kArc, 3, 5, 2, 0, 64}));
}

struct BadFile {
  const char* name;
  std::vector<std::uint8_t> bytes;
  const char* message;
};

std::vector<std::uint8_t> Damaged(void (*damage)(std::vector<std::uint8_t>&)) {
  std::vector<std::uint8_t> bytes = vxh::WriteStrokeFont(SampleFont());
  damage(bytes);
  return bytes;
}

TEST(StrokeFontFile, DamageIsABadInputNamingTheProblem) {
  const BadFile cases[] = {
      {"Empty", {}, "shorter than its 778-byte header"},
      {"WrongFormat", Damaged([](auto& b) { b[0] = 1; }), "format 1, expected 2"},
      {"OffsetIntoHeader", Damaged([](auto& b) { vx::Put<std::int16_t>(b.data(), 256 + 2 * 'A', 10); }),
       "character 65: stroke list offset 10 lies outside the file"},
      {"NegativeOffset", Damaged([](auto& b) { vx::Put<std::int16_t>(b.data(), 256 + 2 * 'A', -4); }), "negative"},
      {"ListWithoutEnd", Damaged([](auto& b) { b.pop_back(); }), "runs past the end of the file"},
      {"ZeroEmSize", Damaged([](auto& b) { vx::Put<std::int16_t>(b.data(), 768, 0); }), "em size 0"}};
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      vxh::ReadStrokeFont(c.bytes, "f.vxf");
      ADD_FAILURE() << "no error";
    } catch (const vxh::BadInput& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("f.vxf"), std::string::npos) << e.what();
    }
  }
}

TEST(StrokeFontFile, WriterRefusesWhatTheLayoutCannotHold) {
  StrokeFont line_at_127;
  line_at_127.glyphs['a'] = {{StrokeRecord::kLine, 127, 0}};
  StrokeFont too_high;
  too_high.glyphs['b'] = {{StrokeRecord::kMove, 3, 130}};
  StrokeFont advance_for_zero;
  advance_for_zero.advance[0] = 4;
  StrokeFont too_long;
  for (int c = 1; c < 256; ++c) too_long.glyphs[c].assign(100, {StrokeRecord::kArc, 1, 1, 1, 0, 9});
  for (const StrokeFont* font : {&line_at_127, &too_high, &advance_for_zero, &too_long})
    EXPECT_THROW(vxh::WriteStrokeFont(*font), vxh::BadInput);
}

}  // namespace
