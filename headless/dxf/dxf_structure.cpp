#include "headless/dxf/dxf_structure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "headless/host_error.h"

namespace vxh::dxf {

namespace {

// Entities that only frame others.
const std::set<std::string_view> kFraming = {"BLOCK", "ENDBLK", "SEQEND", "VERTEX", "ENDSEC", "SECTION", "EOF"};

class LineReader {
 public:
  LineReader(const std::string& bytes, const std::string& name) : bytes_(bytes), name_(name) {}

  [[noreturn]] void Fail(const std::string& problem) const { throw BadInput("DXF file \"" + name_ + "\": " + problem); }

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  // The bytes read so far, line ends included.
  std::size_t Consumed() const { return std::min(pos_, bytes_.size()); }
  std::size_t LineNumber() const { return line_; }

  // A view into the file's bytes, which outlive the pass.
  std::string_view Next(const char* what) {
    if (AtEnd())
      Fail(std::string("the file ends where ") + what + " should follow (line " + std::to_string(line_ + 1) +
           "): it is truncated");
    const std::size_t end = bytes_.find('\n', pos_);
    const std::size_t stop = end == std::string::npos ? bytes_.size() : end;
    std::string_view line(bytes_.data() + pos_, stop - pos_);
    pos_ = stop + 1;
    ++line_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineBytes)
      Fail("line " + std::to_string(line_) + " is longer than " + std::to_string(kMaxLineBytes) + " bytes");
    return line;
  }

 private:
  const std::string& bytes_;
  const std::string& name_;
  std::size_t pos_ = 0;
  std::size_t line_ = 0;
};

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

int GroupCode(LineReader& r, std::string_view line) {
  const std::string_view text = Trim(line);
  int code = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    r.Fail("line " + std::to_string(r.LineNumber()) + ": group code \"" + std::string(text.substr(0, 40)) +
           "\" is not a number");
  }
  if (code < 0 || code > kMaxGroupCode) {
    r.Fail("line " + std::to_string(r.LineNumber()) + ": group code " + std::to_string(code) + " is out of range");
  }
  return code;
}

// Group codes whose values are floating-point numbers.
bool IsRealCode(int code) {
  return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) || (code >= 210 && code <= 239) ||
         (code >= 460 && code <= 469) || (code >= 1010 && code <= 1059);
}

// dxflib reads "nan" and "inf" as zero, so a broken coordinate would pass
// unseen: every real value must be a finite number.
// A number as dxflib reads it (a decimal comma too); nothing when it is none.
std::optional<double> Number(std::string_view value) {
  double v = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), v);
  if (!value.empty() && error == std::errc() && end == value.data() + value.size()) return v;
  // The rare forms from_chars leaves to strtod: a leading '+', a comma.
  std::string text(value);
  for (char& c : text) c = c == ',' ? '.' : c;
  char* stop = nullptr;
  v = std::strtod(text.c_str(), &stop);
  if (text.empty() || stop != text.c_str() + text.size()) return std::nullopt;
  return v;
}

void CheckReal(LineReader& r, std::string_view value, std::string_view entity) {
  const std::optional<double> v = Number(value);
  if (v && std::isfinite(*v)) return;
  const std::string where = entity.empty() ? "a value" : "a " + std::string(entity) + " has a value";
  r.Fail(where + (v ? " that is not a finite number" : " that is not a number") + " (\"" +
         std::string(value.substr(0, 40)) + "\" at line " + std::to_string(r.LineNumber()) + ")");
}

void CheckNotBinary(const std::string& bytes, LineReader& r) {
  static constexpr char kBinarySentinel[] = "AutoCAD Binary DXF";
  if (bytes.compare(0, sizeof kBinarySentinel - 1, kBinarySentinel) == 0) {
    r.Fail("binary DXF is not supported; save the drawing as ASCII DXF");
  }
  if (bytes.find('\0') != std::string::npos)
    r.Fail("the file holds binary data (a NUL byte); it is not an ASCII DXF file");
  if (bytes.empty()) r.Fail("the file is empty");
}

double Real(std::string_view value) { return Number(value).value_or(0); }

int Integer(std::string_view value) {
  int v = 0;
  std::from_chars(value.data(), value.data() + value.size(), v);
  return v;
}

void TakeDefinitionValue(AttributeDefinition& d, int code, std::string_view value) {
  switch (code) {
    case 8: d.layer = value; break;
    case 6: d.line_type = value; break;
    case 62: d.colour = Integer(value); break;
    case 1: d.value = value; break;
    case 2: d.tag = value; break;
    case 3: d.prompt = value; break;
    case 10: d.point.x = Real(value); break;
    case 20: d.point.y = Real(value); break;
    case 11: d.second.x = Real(value); break;
    case 21: d.second.y = Real(value); break;
    case 40: d.height = Real(value); break;
    case 41: d.width = Real(value); break;
    case 50: d.angle = Real(value); break;
    case 70: d.flags = Integer(value); break;
    case 72: d.horizontal = Integer(value); break;
    case 74: d.vertical = Integer(value); break;
    default: break;
  }
}

// Pattern definition lines of a HATCH: after the count (78), each line is an
// angle (53), base point (43, 44), offset (45, 46), dash count (79) and dashes
// (49).
class PatternReader {
 public:
  void Start(std::vector<PatternLine>& lines) {
    lines_ = &lines;
    in_pattern_ = false;
  }
  void Stop() {
    Finish();
    lines_ = nullptr;
  }
  void Take(int code, std::string_view value) {
    if (lines_ == nullptr) return;
    if (code == 78) in_pattern_ = true;
    if (!in_pattern_) return;
    switch (code) {
      case 53: Finish(), open_ = true, angle_ = Real(value), origin_ = {}, offset_ = {}, dashes_.clear(); break;
      case 43: origin_.x = Real(value); break;
      case 44: origin_.y = Real(value); break;
      case 45: offset_.x = Real(value); break;
      case 46: offset_.y = Real(value); break;
      case 49: dashes_.push_back(Real(value)); break;
      case 98:
      case 47:
      case 450: Finish(), in_pattern_ = false; break;
      default: break;
    }
  }

 private:
  void Finish() {
    if (open_ && lines_ != nullptr) lines_->push_back(PatternLineOf(angle_, origin_, offset_, dashes_));
    open_ = false;
  }

  std::vector<PatternLine>* lines_ = nullptr;
  bool in_pattern_ = false;
  bool open_ = false;
  double angle_ = 0;
  P2 origin_, offset_;
  std::vector<double> dashes_;
};

}  // namespace

DxfOutline ScanDxf(const std::string& bytes, const std::string& name) {
  LineReader r(bytes, name);
  CheckNotBinary(bytes, r);
  DxfOutline outline;
  std::string_view section, previous_value, entity, block;
  int previous_code = -1;
  bool ended = false;
  PatternReader patterns;
  while (!r.AtEnd() && !ended) {
    const int code = GroupCode(r, r.Next("a group code"));
    const std::string_view value = Trim(r.Next("a group value"));
    if (previous_code == 0 && previous_value == "SECTION") {
      if (code != 2) r.Fail("line " + std::to_string(r.LineNumber()) + ": a SECTION without its name");
      section = value;
    }
    if (previous_code == 9 && previous_value == "$ACADVER") outline.utf8 = value >= "AC1021";
    if (previous_code == 9 && previous_value == "$DWGCODEPAGE") outline.code_page = value;
    if (IsRealCode(code)) CheckReal(r, value, entity);
    patterns.Take(code, value);
    if (entity == "ATTDEF" && section == "BLOCKS" && !outline.attribute_definitions.empty()) {
      TakeDefinitionValue(outline.attribute_definitions.back(), code, value);
    }
    if (entity == "BLOCK" && code == 2) block = value;
    // Only the first: MTEXT with columns repeats code 50 for their heights.
    if (entity == "MTEXT" && code == 50 && !outline.mtext_rotations.empty() && !outline.mtext_rotations.back())
      outline.mtext_rotations.back() = Real(value);
    if (entity == "DIMENSION" && !outline.dimension_blocks.empty()) {
      DimensionBlock& d = outline.dimension_blocks.back();
      if (code == 2)
        d.name = value;
      else if (code == 10)
        d.definition.x = Real(value);
      else if (code == 20)
        d.definition.y = Real(value);
    }
    if (code == 0) {
      patterns.Stop();
      if (value == "HATCH" && (section == "ENTITIES" || section == "BLOCKS")) {
        outline.hatch_patterns.emplace_back();
        patterns.Start(outline.hatch_patterns.back());
      }
      if (value == "DIMENSION" && (section == "ENTITIES" || section == "BLOCKS"))
        outline.dimension_blocks.emplace_back();
      if (value == "MTEXT" && (section == "ENTITIES" || section == "BLOCKS")) outline.mtext_rotations.emplace_back();
      if (value == "ATTDEF" && section == "BLOCKS") {
        outline.attribute_definitions.emplace_back();
        outline.attribute_definitions.back().block = block;
      }
      entity = value;
      if (value == "EOF")
        ended = true;
      else if (value == "ENDSEC")
        section = {};
      else if ((section == "ENTITIES" || section == "BLOCKS") && !kFraming.count(value))
        ++outline.entity_types[std::string(value)];
    }
    previous_code = code;
    previous_value = value;
  }
  if (!ended) r.Fail("there is no EOF marker at the end: the file is truncated or not a DXF file");
  outline.bytes_through_eof = r.Consumed();
  return outline;
}

}  // namespace vxh::dxf
