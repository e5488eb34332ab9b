#include "headless/fonts/hershey_reader.h"

#include <cctype>

#include "headless/host_error.h"

namespace vxh {

namespace {

constexpr std::size_t kNumberColumns = 5;
constexpr std::size_t kCountColumns = 3;
constexpr std::size_t kHeaderColumns = kNumberColumns + kCountColumns;
constexpr char kOrigin = 'R';

class LineSource {
 public:
  LineSource(std::string_view text, const std::string& source) : text_(text), source_(source) {}

  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    ++number_;
    return true;
  }

  [[noreturn]] void Fail(const std::string& problem) const {
    throw BadInput(source_ + ":" + std::to_string(number_) + ": " + problem);
  }

 private:
  std::string_view text_;
  const std::string& source_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

bool IsBlank(std::string_view line) {
  for (char c : line)
    if (!std::isspace(static_cast<unsigned char>(c))) return false;
  return true;
}

// A right-aligned decimal field; spaces before the digits only.
int ReadField(std::string_view field, LineSource& lines, const char* what) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  if (i == field.size()) lines.Fail(std::string("the glyph ") + what + " is missing");
  int value = 0;
  for (; i < field.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(field[i])))
      lines.Fail(std::string("the glyph ") + what + " \"" + std::string(field) + "\" is not a number");
    value = value * 10 + (field[i] - '0');
  }
  return value;
}

int Coordinate(char c, LineSource& lines) {
  if (c < '!' || c > '~') lines.Fail(std::string("bad coordinate character '") + c + "'");
  return c - kOrigin;
}

HersheyGlyph DecodeGlyph(std::string_view pairs, LineSource& lines) {
  HersheyGlyph glyph;
  glyph.left = Coordinate(pairs[0], lines);
  glyph.right = Coordinate(pairs[1], lines);
  std::vector<HersheyPoint> stroke;
  for (std::size_t i = 2; i + 1 < pairs.size(); i += 2) {
    if (pairs[i] == ' ' && pairs[i + 1] == kOrigin) {
      if (!stroke.empty()) glyph.strokes.push_back(std::move(stroke));
      stroke.clear();
      continue;
    }
    stroke.push_back({Coordinate(pairs[i], lines), Coordinate(pairs[i + 1], lines)});
  }
  if (!stroke.empty()) glyph.strokes.push_back(std::move(stroke));
  return glyph;
}

HersheyGlyph ReadGlyph(std::string_view header, LineSource& lines) {
  if (header.size() < kHeaderColumns + 2)
    lines.Fail("a glyph line needs a 5-column number, a 3-column vertex count and the bounds");
  ReadField(header.substr(0, kNumberColumns), lines, "number");
  const int count = ReadField(header.substr(kNumberColumns, kCountColumns), lines, "vertex count");
  if (count < 1) lines.Fail("the glyph vertex count must count the bounds pair");
  const std::size_t wanted = 2 * static_cast<std::size_t>(count);
  std::string pairs(header.substr(kHeaderColumns));
  std::string_view more;
  while (pairs.size() < wanted && lines.Next(more)) pairs += more;
  if (pairs.size() < wanted)
    lines.Fail("the glyph ends early: " + std::to_string(count) + " vertices announced, " +
               std::to_string(pairs.size() / 2) + " found");
  if (!IsBlank(std::string_view(pairs).substr(wanted)))
    lines.Fail("more vertices than the " + std::to_string(count) + " announced");
  pairs.resize(wanted);
  return DecodeGlyph(pairs, lines);
}

}  // namespace

std::vector<HersheyGlyph> ReadHershey(std::string_view text, const std::string& source) {
  LineSource lines(text, source);
  std::vector<HersheyGlyph> glyphs;
  std::string_view line;
  while (lines.Next(line)) {
    if (IsBlank(line)) continue;
    glyphs.push_back(ReadGlyph(line, lines));
  }
  if (glyphs.empty()) throw BadInput(source + ": no glyphs");
  return glyphs;
}

}  // namespace vxh
