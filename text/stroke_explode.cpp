// Stroke-font texts become lines and arcs. The strokes are stretched along
// the baseline by the width factor, as the host draws and measures the text,
// so the anchor, the exploded strokes and the picture agree.
#include <string>

#include "host/drawing_list.h"
#include "host/host_api.h"
#include "text/explode_records.h"
#include "text/stroke_font.h"
#include "text/text_access.h"
#include "text/text_explode.h"

namespace vx {

namespace {

void ComposeStrokeMatrix(const StrokeFont& font, const TextFormatBlock& spec, Point2 anchor) {
  const double scale = spec.Height() / font.EmSize();
  CTMPSH();
  CTMI2();
  CTMT2(0, -font.Baseline());
  CTMS2(scale * spec.WidthFactor(), scale);
  CTMR2(spec.Angle());
  CTMT2(anchor.x, anchor.y);
}

void AddStrokes(const StrokeFont& font, const char* text, DList* target, Entity source) {
  double pen_x = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    const auto code = static_cast<std::uint8_t>(*c);
    for (const StrokeShape& shape : font.Strokes(code, pen_x)) {
      Entity e = AddStrokeShape(target, shape, source);
      EDraw(0, e);
      target->Commit(e);
      SetNewTag(e);
    }
    pen_x += font.Advance(code);
  }
}

}  // namespace

bool ExplodeStrokeText(DList* list, Entity text, DList* target, const FontEntry& font, Point2 anchor) {
  const std::string file_name = "#" + font.name;
  std::uint32_t size = 0;
  void* file = LoadFile(file_name.c_str(), &size);
  if (file == nullptr) return false;
  const StrokeFont strokes({static_cast<const std::uint8_t*>(file), size});
  // A file of another format or with a damaged header draws nothing: the text
  // stays rather than vanish without a trace.
  if (!strokes.Usable()) {
    RelMem(file);
    return false;
  }
  EErase(0, text);
  ComposeStrokeMatrix(strokes, TextFormatBlock::Of(text), anchor);
  AddStrokes(strokes, GetTextString(text), target, text);
  CTMPOP();
  list->Remove(text);
  RelMem(file);
  return true;
}

}  // namespace vx
