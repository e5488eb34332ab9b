#include "transform/drag_feedback.h"

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

constexpr std::uint8_t kScaleDecimals = 2;
constexpr std::uint8_t kAngleDecimals = 1;
constexpr std::uint8_t kHeightDecimals = 1;

PromptEntry Entry(const void* value, ValueType type, std::uint8_t decimals) {
  PromptEntry entry;
  entry.value = value;
  entry.type = type;
  entry.width = kWidthCode;
  entry.decimals = decimals;
  return entry;
}

PromptRecord OneValue(const char* text, PromptEntry entry) {
  PromptRecord record;
  record.text = text;
  record.entry[0] = entry;
  return record;
}

std::optional<PromptRecord> ScalePrompt(const double* first, const double* second) {
  if (first == nullptr) return std::nullopt;
  // Deliberately exact: equal factors are the ones no CTRL step has split.
  if (second == nullptr || *second == *first)
    return OneValue(kFeedbackScaleText, Entry(first, kValDouble, kScaleDecimals));
  PromptRecord record = OneValue(kFeedbackScaleXYText, Entry(first, kValDouble, kScaleDecimals));
  record.entry[1] = Entry(second, kValDouble, kScaleDecimals);
  return record;
}

std::optional<PromptRecord> AnglePrompt(const double* first, const float* third) {
  if (first != nullptr) return OneValue(kFeedbackAngleText, Entry(first, kValAngle, kAngleDecimals));
  if (third != nullptr) return OneValue(kFeedbackAngleText, Entry(third, kValAngleF, kAngleDecimals));
  return std::nullopt;
}

}  // namespace

std::optional<PromptRecord> FeedbackPrompt(int mode, const double* first, const double* second, const float* third) {
  switch (mode) {
    case kFeedbackScale: return ScalePrompt(first, second);
    case kFeedbackAngle: return AnglePrompt(first, third);
    case kFeedbackHeight:
      if (third == nullptr) return std::nullopt;
      return OneValue(kFeedbackHeightText, Entry(third, kValFloat, kHeightDecimals));
    default: return std::nullopt;
  }
}

void FillFeedbackRecord(FeedbackRecord& record, double x, double y, double view_height) {
  record.fill(0);
  std::uint8_t* r = record.data();
  PutF64(r, kDragTextX, x);
  PutF64(r, kDragTextY, y);
  PutU8(r, kDragTextZero, 0);
  std::uint8_t* spec = r + kDragTextSpec;
  PutU16(spec, kSpecStyleRef, 0);
  PutF32(spec, kSpecHeight, static_cast<float>(view_height / kFeedbackHeightDivisor));
  PutF32(spec, kSpecWidth, 1.0f);
  PutF32(spec, kSpecAngle, 0.0f);
  PutF32(spec, kSpecHost14, kFeedbackHost14);
  PutU16(spec, kSpecFont, 0);
  PutU8(spec, kSpecStyleBits, 0);
  PutU8(spec, kSpecHost21, 0);
  PutU8(spec, kSpecJustify, kFeedbackJustification);
}

void DrawDragFeedback(DragView* view, const double* point, int mode, const double* first, const double* second,
                      const float* third) {
  const std::optional<PromptRecord> prompt = FeedbackPrompt(mode, first, second, third);
  if (!prompt) return;
  FeedbackRecord record;
  FillFeedbackRecord(record, point[0], point[1], ViewHeight(view));
  FormSt(&*prompt, 0, nullptr, reinterpret_cast<std::intptr_t>(record.data() + kDragTextString));
  GetGDraw2()->text(view, record.data());
}

}  // namespace vx
