// Preview frames as pictures: what each drag call drew (entities, rubber
// lines, feedback text, cursor), one SVG file per frame, for `vorlix run
// --frames DIR`.
#pragma once

#include <cstddef>
#include <string>

#include "headless/screen/screen_log.h"
#include "headless/script/event.h"

namespace vxh::screen {

// DIR/frame-0001.svg for the first frame, and so on.
std::string FramePath(const std::string& dir, std::size_t number);

// Draws one frame as the view shows it. Throws BadInput when the file cannot
// be written.
void WriteFrameSvg(const Frame& frame, const script::ViewSpec& view, const std::string& path);

// Writes the frames finished since the last call (numbered on from there);
// nothing when dir is empty. A new session starts counting at 1.
void WriteNewFrames(ScreenState& screen, const std::string& dir, const script::ViewSpec& view);

}  // namespace vxh::screen
