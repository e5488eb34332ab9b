// How other programs frame the same DXF text: line ends, a byte order mark,
// group codes padded to three columns. Each framing reads as the same line.
#include <gtest/gtest.h>

#include <string>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/dxf/dxf_file.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

std::string OneLine(const std::string& line_end, bool padded) {
  const char* pairs[][2] = {{"0", "SECTION"}, {"2", "ENTITIES"}, {"0", "LINE"}, {"8", "0"},      {"10", "0.0"},
                            {"20", "0.0"},    {"11", "1.0"},     {"21", "1.0"}, {"0", "ENDSEC"}, {"0", "EOF"}};
  std::string text;
  for (const auto& [code, value] : pairs) {
    const std::string c = code;
    text += (padded ? std::string(3 - c.size(), ' ') : "") + c + line_end + value + line_end;
  }
  return text;
}

TEST(DxfFraming, EveryFramingReadsAsTheSameLine) {
  struct Case {
    const char* what;
    std::string text;
  };
  const std::string bom = "\xEF\xBB\xBF";
  const Case cases[] = {
      {"LF", OneLine("\n", false)},
      {"CR LF", OneLine("\r\n", false)},
      {"padded codes, CR LF", OneLine("\r\n", true)},
      {"byte order mark, LF", bom + OneLine("\n", false)},
      {"byte order mark, padded codes, CR LF", bom + OneLine("\r\n", true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DxfImport import = ReadDxfText(c.text, "framing.dxf");
    EXPECT_TRUE(import.skipped.empty());
    int lines = 0;
    import.doc->Work().ForEach([&](vx::Entity e) {
      ASSERT_EQ(vx::GetI8(e, vx::kHdrKind), vx::kKindLine);
    EXPECT_EQ(vx::GetF64(e, vx::kLineX2), 1.0);
    EXPECT_EQ(vx::GetF64(e, vx::kLineY2), 1.0);
    ++lines;
  });
  EXPECT_EQ(lines, 1);
}
}  // namespace

}  // namespace vxh
}  // namespace vxh
