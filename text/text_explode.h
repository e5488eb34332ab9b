// Text explode: texts in stroke and TrueType fonts replaced by the lines,
// arcs and glyph outlines that draw them.
#pragma once

#include "host/kv_types.h"
#include "host/point_types.h"
#include "text/font_table.h"

namespace vx {

// Explodes the text `text` of `list` into `target`; a text whose font is not
// known or cannot be read stays as it is and is redrawn.
void ExplodeText(DList* list, Entity text, DList* target);

// The point the exploded glyphs start from: the insertion point moved back
// by half or the whole length for centred and right-aligned texts.
Point2 ExplodeAnchor(Entity text);

// The two kinds of fonts; each erases and removes the text when it explodes
// it and returns false when it leaves the text as it is.
bool ExplodeStrokeText(DList* list, Entity text, DList* target, const FontEntry& font, Point2 anchor);
bool ExplodeTrueTypeText(DList* list, Entity text, DList* target, const FontEntry& font, Point2 anchor);

}  // namespace vx
