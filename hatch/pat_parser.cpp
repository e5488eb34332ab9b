// The PAT-file reader: a single pass with a cursor and a small state machine.
// A header line "*name[,description]" starts a pattern; each following line
// holds angle, x-origin, y-origin, delta-x, delta-y and optional dashes. A
// line's first value is told apart from a dash by having no comma before it.
#include <cstring>
#include <string>

#include "hatch/hatch_records.h"
#include "hatch/pat_list.h"
#include "host/number_reader.h"

namespace vx {

namespace {

enum class Field { kIgnore, kAngle, kOriginX, kOriginY, kDeltaX, kDeltaY, kDashes };

class PatReader {
 public:
  PatReader(const char* text, PatList& list) : pos_(text), list_(list) {}

  void Run() {
    while (*pos_ != '\0') Step();
    AppendPending();
  }

 private:
  void Step() {
    const char c = *pos_;
    if (c == '*') return StartPattern();
    if (c == ',') {
      comma_ = true;
      ++pos_;
      return;
    }
    if (c == ';') return SkipComment();
    if ((c >= '0' && c <= '9') || c == '.' || c == '-') return ReadValue();
    ++pos_;  // blanks, line ends, plus signs and anything else
  }

  void StartPattern() {
    AppendPending();
    ++pos_;
    const std::size_t length = std::strcspn(pos_, "\r\n");
    list_.patterns.push_front(PatPattern{std::string(pos_, length < kPatNameMax ? length : kPatNameMax), {}});
    pos_ += length;
    field_ = Field::kAngle;
    comma_ = false;
  }

  void SkipComment() {
    pos_ += std::strcspn(pos_, "\r\n");
    while (*pos_ == '\r' || *pos_ == '\n') ++pos_;
  }

  void ReadValue() {
    const char* before = pos_;
    const DecimalReading number = ReadDecimal(pos_);
    if (pos_ == before) ++pos_;  // never stand still on a stray character
    if (number.ok) Take(number.value);
    comma_ = false;
  }

  void Take(double value) {
    switch (field_) {
      case Field::kIgnore: return;
      case Field::kAngle: StartFamily(value); return;
      case Field::kOriginX:
        work_.origin_x = value;
        field_ = Field::kOriginY;
        return;
      case Field::kOriginY:
        work_.origin_y = value;
        field_ = Field::kDeltaX;
        return;
      case Field::kDeltaX:
        work_.delta_x = value;
        field_ = Field::kDeltaY;
        return;
      case Field::kDeltaY:
        work_.delta_y = value;
        work_.dashes.clear();
        work_.period = 0;
        pending_ = true;
        field_ = Field::kDashes;
        return;
      case Field::kDashes: TakeDashOrNewLine(value); return;
    }
  }

  void StartFamily(double degrees) {
    work_.angle = degrees * kDegrees;
    field_ = Field::kOriginX;
  }

  void TakeDashOrNewLine(double value) {
    if (!comma_) {
      AppendPending();
      StartFamily(value);
      return;
    }
    if (static_cast<int>(work_.dashes.size()) >= kPatMaxDashes) return;
    work_.dashes.push_back(static_cast<float>(value));
    // float += double, as the stored period has always been summed.
    work_.period = static_cast<float>(work_.period + (value < 0 ? -value : value));
  }

  // A family with delta-y 0 would lay all its lines on top of each other; it
  // is dropped, as is any family read before the first pattern header.
  void AppendPending() {
    if (!pending_) return;
    pending_ = false;
    if (list_.patterns.empty() || work_.delta_y == 0.0) return;
    list_.patterns.front().families.push_front(work_);
  }

  const char* pos_;
  PatList& list_;
  Field field_ = Field::kIgnore;
  bool comma_ = false;
  bool pending_ = false;
  PatFamily work_;
};

}  // namespace

void ParsePatText(const char* text, std::size_t size, PatList& list) {
  if (text == nullptr) return;
  // The shared number reader needs a terminated text; the file buffer may not
  // have one.
  const void* nul = std::memchr(text, 0, size);
  const std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : size;
  const std::string terminated(text, length);
  PatReader(terminated.c_str(), list).Run();
}

const PatPattern* FindPatPattern(const PatList& list, std::string_view name) {
  for (const PatPattern& pattern : list.patterns) {
    if (pattern.name == name) return &pattern;
  }
  return nullptr;
}

}  // namespace vx
