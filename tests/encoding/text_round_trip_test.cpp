// Every printable character of code page 1252 typed in a UTF-8 script lands
// in the record as its one byte and comes out of the transcript and of
// `vorlix list` as UTF-8 again.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "tests/cli/cli_runner.h"
#include "tests/encoding/cp1252_reference.h"
#include "tests/fonts/font_test_support.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

std::vector<unsigned char> PrintableBytes() {
  std::vector<unsigned char> bytes;
  for (int b = 0; b < 256; ++b)
    if (enctest::Printable(static_cast<unsigned char>(b))) bytes.push_back(static_cast<unsigned char>(b));
  return bytes;
}

std::string Utf8(unsigned char byte) { return *enctest::ReferenceUtf8(byte); }

// The character quoted for a script: only '"' and '\' need a backslash.
std::string Quoted(unsigned char byte) {
  return std::string("\"") + (byte == '"' || byte == '\\' ? "\\" : "") + Utf8(byte) + "\"";
}

std::string TextOf(vx::Entity e) { return reinterpret_cast<const char*>(e + vx::kTextString); }

class TextEncodingSession : public SessionTest {};

TEST_F(TextEncodingSession, EveryPrintableCharacterIsItsByteInTheRecordAndUtf8InTheTranscript) {
  const std::vector<unsigned char> bytes = PrintableBytes();
  ASSERT_EQ(bytes.size(), 216u) << "94 of ASCII, 27 of 0x80-0x9F, 95 of 0xA1-0xFF";
  std::string script;
  for (const unsigned char b : bytes) script += "TEXT;0,0;" + Quoted(b) + "\n";
  Run(script);
  const std::vector<vx::Entity> texts = Entities();
  ASSERT_EQ(texts.size(), bytes.size());
  std::vector<std::string> answers;
  for (const std::string& line : TranscriptLines())
    if (line.starts_with("= ") && line != "= 0,0") answers.push_back(line.substr(2));
  ASSERT_EQ(answers.size(), bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    EXPECT_EQ(TextOf(texts[i]), std::string(1, static_cast<char>(bytes[i]))) << "byte " << int{bytes[i]};
    EXPECT_EQ(SizeOf(texts[i]), vx::TextSize(1));
    EXPECT_EQ(answers[i], bytes[i] == '\\' ? "\\\\" : Utf8(bytes[i])) << "byte " << int{bytes[i]};
  }
}

struct ScriptFault {
  const char* name;
  std::string script;
  std::string message_start;
};

void PrintTo(const ScriptFault& c, std::ostream* os) { *os << c.name; }

class TextEncodingFaults : public SessionTest, public ::testing::WithParamInterface<ScriptFault> {};

// A script with a fault runs not at all, so no record ever holds what the
// code page cannot; messages quote the script in UTF-8.
TEST_P(TextEncodingFaults, NothingIsDrawnAndTheMessageNamesThePlace) {
  const std::string message = ErrorOf<BadInput>(GetParam().script);
  EXPECT_TRUE(message.starts_with(GetParam().message_start)) << message;
  if (GetParam().message_start.find("UTF-8") != std::string::npos ||
      GetParam().message_start.find("U+") != std::string::npos) {
    EXPECT_TRUE(Entities().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Encoding, TextEncodingFaults,
    ::testing::Values(
        ScriptFault{"HanAfterGoodTexts", "TEXT;0,0;gut\nTEXT;0,0;\xE2\x82\xAC \xE4\xB8\xAD",
                    "test.vxs:2:12: the character U+4E2D \"\xE4\xB8\xAD\" has no place in code page 1252"},
        ScriptFault{"Latin1BytesInAScript",
                    "TEXT;0,0;\"Gr\xF6\xDF"
                    "e\"",
                    "test.vxs:1:13: invalid UTF-8 (bytes F6)"},
        ScriptFault{"MisfitQuotesTheTokenInUtf8", "LINE;\xC3\xA4\xC3\xB6",
                    "test.vxs:1:6: a point x,y (or @dx,dy) for \"First point:\", got \"\xC3\xA4\xC3\xB6\""},
        ScriptFault{"UnknownCommandInUtf8",
                    "\xC3\x9C"
                    "BER",
                    "test.vxs:1:1: unknown command \"\xC3\x9C"
                    "BER\""}));

// ---- Through the program --------------------------------------------------

std::string JsonEscaped(unsigned char byte) {
  if (byte == '"') return "\\\"";
  if (byte == '\\') return "\\\\";
  return Utf8(byte);
}

TEST(TextEncodingCli, ListShowsUtf8WithJsonEscapes) {
  const std::string dir = vxtest::ScratchDir("encoding-list");
  std::string all_script, all_json;
  for (const unsigned char b : PrintableBytes()) {
    all_script += b == '"' || b == '\\' ? std::string("\\") + static_cast<char>(b) : Utf8(b);
    all_json += JsonEscaped(b);
  }
  vxtest::WriteFile(dir + "/s.vxs", "TEXT;0,0;\"" + all_script + "\"\nTEXT;0,5;\"tab\there\"\n");
  ASSERT_EQ(vxtest::RunCli("run " + dir + "/s.vxs --out " + dir + "/d.kvd").status, 0);
  const vxtest::CliResult json = vxtest::RunCli("list --json " + dir + "/d.kvd");
  ASSERT_EQ(json.status, 0) << json.out;
  EXPECT_NE(json.out.find("\"text\":\"" + all_json + "\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"text\":\"tab\\u0009here\""), std::string::npos) << json.out;
  const vxtest::CliResult text = vxtest::RunCli("list " + dir + "/d.kvd");
  EXPECT_NE(text.out.find("\"" + all_json + "\""), std::string::npos) << text.out;
}

}  // namespace
}  // namespace vxh::testing

namespace vxh::testing {
namespace {

// File names typed in a script or handed over by the pack are code page 1252
// inside the host and UTF-8 on disk.
class HostFileNames : public fonttest::OwnHostFolder, public ::testing::Test {
 protected:
  std::ostringstream transcript_;
  Session session_{transcript_};
};

TEST_F(HostFileNames, SaveAndOpenWriteAndReadTheUtf8Name) {
  const std::string name = "Pl\xC3\xA4n \xE2\x80\x93 1.kvd";
  session_.RunText("TEXT;0,0;x\nSAVE;\"#" + name + "\"\nTEXT;5,5;y\nOPEN;\"#" + name + "\"\n", "t.vxs");
  EXPECT_TRUE(std::filesystem::exists(home.Path() / name));
  int texts = 0;
  session_.Doc().Work().ForEach([&](vx::Entity) { ++texts; });
  EXPECT_EQ(texts, 1) << "the drawing read back is the one saved";
  const std::string pack_name = session_.Doc().WorkDL()->file_name;
  EXPECT_TRUE(pack_name.ends_with("Pl\xE4n \x96 1.kvd")) << "the pack reads the name in its code page";
}

TEST_F(HostFileNames, LoadFileTakesThePacksCodePageName) {
  vxtest::WriteFile((home.Path() / "L\xC3\xB6g.txt").string(), "hi");
  std::uint32_t size = 0;
  void* block = vx::LoadFile("#L\xF6g.txt", &size);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(size, 2u);
  vx::RelMem(block);
}

}  // namespace
}  // namespace vxh::testing
