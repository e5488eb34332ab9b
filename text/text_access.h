// Access to the strings of the text-bearing entities (texts, text-like
// entities, attribute-like texts): their string, their insertion point, and
// replacing the string, which resizes the record and may move it. Also the
// transform from a text inside a symbol instance to the drawing.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/entity_layout.h"
#include "host/kv_types.h"
#include "host/point_types.h"
#include "host/record.h"

namespace vx {

// The string inside the record, or null: a kind without a string, a kind-37
// entity without one yet, or a record whose string or part offsets do not lie
// inside it (such a record is treated as a text that does not apply).
char* GetTextString(Entity record);

// The bytes of the insertion point (two doubles) inside the record, or null
// for a kind that carries no text. Whether it gives one is the test for a
// text-bearing entity.
std::uint8_t* GetTextOrigin(Entity record);
Point2 ReadTextOrigin(const std::uint8_t* origin);

// Replaces the string of the record, which belongs to `list`, and returns the
// record, which may have moved. `context` is the symbol instance holding the
// text, or null. A record of another kind, or one whose layout does not allow
// the change, is returned unchanged.
Entity SetTextString(DList* list, Entity record, std::string_view text, bool redraw, Entity context);

// Carries a point of a text inside the symbol instance `context` to the
// drawing. Nothing happens without a context, or for an attribute-like text
// that the instance does not transform.
void TransformToDrawing(double* point, Entity context, Entity record);

// True for an attribute-like text entity with its no-transform bit set.
bool IgnoresSymbolTransform(Entity record);

// The text format block (23 bytes at kTextSpec of a kind-5 record): the style
// the text editor changes. The host's own dialog for it is TSpecDialog.
class TextFormatBlock {
 public:
  explicit TextFormatBlock(std::uint8_t* block) : block_(block) {}
  static TextFormatBlock Of(Entity text) { return TextFormatBlock(text + kTextSpec); }

  std::uint16_t StyleReference() const { return GetU16(block_, kSpecStyleRef); }
  void DetachStyle() { PutU16(block_, kSpecStyleRef, 0); }
  float Height() const { return GetF32(block_, kSpecHeight); }
  void SetHeight(float h) { PutF32(block_, kSpecHeight, h); }
  float WidthFactor() const { return GetF32(block_, kSpecWidth); }
  float Angle() const { return GetF32(block_, kSpecAngle); }
  void SetAngle(float a) { PutF32(block_, kSpecAngle, a); }
  std::uint16_t Font() const { return GetU16(block_, kSpecFont); }
  std::uint8_t StyleBits() const { return GetU8(block_, kSpecStyleBits); }
  void SetStyleBits(std::uint8_t bits) { PutU8(block_, kSpecStyleBits, bits); }
  std::uint8_t Justification() const { return GetU8(block_, kSpecJustify); }
  void SetJustification(std::uint8_t j) { PutU8(block_, kSpecJustify, j); }
  std::uint8_t* Bytes() { return block_; }

 private:
  std::uint8_t* block_;
};

}  // namespace vx
