// The feedback text a drag draws beside the cursor: the scale, the two
// scales, the angle or a text height, formatted by the host.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "host/drag_view.h"
#include "host/prompt_record.h"
#include "transform/transform_state.h"

namespace vx {

inline constexpr char kFeedbackScaleText[] = "Scale !01";
inline constexpr char kFeedbackScaleXYText[] = "X: !01 Y: !02";
inline constexpr char kFeedbackAngleText[] = "Angle: !01";
inline constexpr char kFeedbackHeightText[] = "Height: !01";

// The prompt record for a mode and its values; none when the mode shows
// nothing with the values given. first and second are doubles, third a
// single-precision value (the text placement's height or angle).
std::optional<PromptRecord> FeedbackPrompt(int mode, const double* first, const double* second, const float* third);

// The text record handed to the 2-D drawing object: cursor point, a text
// format block sized to the view, and the formatted string.
inline constexpr std::size_t kFeedbackTextBytes = 256;
inline constexpr std::size_t kFeedbackRecordBytes = kDragTextString + kFeedbackTextBytes;
using FeedbackRecord = std::array<std::uint8_t, kFeedbackRecordBytes>;

// The height is the view's visible height divided by this.
inline constexpr double kFeedbackHeightDivisor = 20.0;
inline constexpr float kFeedbackHost14 = 150.0f;
inline constexpr std::uint8_t kFeedbackJustification = 9;

// Everything but the string, which FormSt writes from kDragTextString on.
void FillFeedbackRecord(FeedbackRecord& record, double x, double y, double view_height);

void DrawDragFeedback(DragView* view, const double* point, int mode, const double* first, const double* second,
                      const float* third);

}  // namespace vx
