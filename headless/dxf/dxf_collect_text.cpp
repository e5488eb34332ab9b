// TEXT, ATTRIB and MTEXT become host texts: the drawing's text defaults give
// the font and style; height, width factor, angle and justification come
// from the DXF.
#include <cmath>
#include <numbers>

#include "headless/ascii_case.h"
#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_collector.h"
#include "headless/dxf/dxf_text.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::dxf {

namespace {

// Left-baseline, aligned and fit texts sit at their first point; the others
// at the alignment point. dxflib leaves an absent alignment point NaN, so only
// the point in use is read.
P2 AnchorOf(const DL_TextData& d) {
  const bool first_point =
      (d.hJustification == 0 || d.hJustification == 3 || d.hJustification == 5) && d.vJustification == 0;
  return first_point ? P2{d.ipx, d.ipy} : P2{d.apx, d.apy};
}

// The drawing keeps one font set for texts; a text of another style keeps
// its place, size and string but not its font, so the reader is told.
void NoteTextStyle(ImportModel& model, const char* type, const std::string& style) {
  if (style.empty() || SameIgnoringCase(style, "Standard")) return;
  ++model.losses[std::string(type) + " text style \"" + style + "\" (drawn in the drawing's text font)"];
}

}  // namespace

Collector::TextSpec Collector::SpecOf(double height, double width, double angle, int justify) {
  TextSpec spec{};
  if (const std::uint8_t* defaults = CurrentRecord(doc_.Tables(), vx::kTableTextDefaults)) {
    std::copy_n(defaults + vx::kTextDefaultsSpec, vx::kTextSpecBytes, spec.data());
  }
  if (height > 0) vx::PutF32(spec.data(), vx::kSpecHeight, static_cast<float>(height));
  vx::PutF32(spec.data(), vx::kSpecWidth, static_cast<float>(width > 0 ? width : 1.0));
  vx::PutF32(spec.data(), vx::kSpecAngle, static_cast<float>(std::remainder(angle, 2 * std::numbers::pi)));
  vx::PutU8(spec.data(), vx::kSpecJustify, static_cast<std::uint8_t>(justify));
  return spec;
}

void Collector::AddTextItem(const char* type, P2 origin, double height, double width, double angle, int justify,
                            const std::string& text) {
  AddRecord(type, TextRecord(origin, SpecOf(height, width, angle, justify).data(), text, Style()));
}

void Collector::addText(const DL_TextData& d) {
  FlushPending();
  NoteTextStyle(model_, "TEXT", d.style);
  bool mirrored = false;
  P2 origin = AnchorOf(d);
  if (!Finite("TEXT", {origin.x, origin.y, d.height, d.xScaleFactor, d.angle})) return;
  if (!PlaneOf("TEXT", mirrored)) return;
  double angle = d.angle;  // dxflib hands TEXT angles in radians
  if (mirrored) origin.x = -origin.x, angle = std::numbers::pi - angle;
  EntityStyle style = Style();
  Record record = TextRecord(
      origin, SpecOf(d.height, d.xScaleFactor, angle, JustifyOfText(d.hJustification, d.vJustification)).data(),
      PlainText(Decode(d.text)), style);
  // Aligned (3) and fit (5) texts run from their first point to the second.
  const bool two_points = (d.hJustification == 3 || d.hJustification == 5) && d.vJustification == 0;
  if (two_points && std::isfinite(d.apx) && std::isfinite(d.apy)) {
    vx::PutU16(record.data(), kHdrDxfFlags,
               static_cast<std::uint16_t>(style.dxf_flags | (d.hJustification == 3 ? kDxfTextAligned : kDxfTextFit)));
    vx::PutF64(record.data(), kTextSecondX, mirrored ? -d.apx : d.apx);
    vx::PutF64(record.data(), kTextSecondY, d.apy);
  }
  AddRecord("TEXT", std::move(record));
}

// An ATTRIB after an INSERT is an attribute of that symbol instance; one on
// its own (a file's oddity) is a text.
void Collector::addAttribute(const DL_AttributeData& d) {
  FlushPending();
  NoteTextStyle(model_, "ATTRIB", d.style);
  P2 origin = AnchorOf(d);
  if (!Finite("ATTRIB", {origin.x, origin.y, d.height, d.xScaleFactor, d.angle})) return;
  bool mirrored = false;
  if (!PlaneOf("ATTRIB", mirrored)) return;
  // A mirrored reference writes its attributes in the plane seen from below.
  double angle = d.angle;
  const double flip = mirrored ? -1 : 1;
  if (mirrored) origin.x = -origin.x, angle = std::numbers::pi - angle;
  if (insert_list_ != target_ || insert_list_ == nullptr || insert_index_ >= target_->size()) {
    AddTextItem("ATTRIB", origin, d.height, d.xScaleFactor, angle, JustifyOfText(d.hJustification, d.vJustification),
                PlainText(Decode(d.text)));
    return;
  }
  AttributeText a;
  a.point = origin;
  const bool two_points = (d.hJustification == 3 || d.hJustification == 5) && d.vJustification == 0;
  if (two_points && std::isfinite(d.apx) && std::isfinite(d.apy)) a.second = {flip * d.apx, d.apy};
  a.value = PlainText(Decode(d.text));
  a.tag = Decode(d.tag);
  Item item;
  item.record = AttributeRecord(
      a, SpecOf(d.height, d.xScaleFactor, angle, JustifyOfText(d.hJustification, d.vJustification)).data(), Style());
  ++model_.converted["ATTRIB"];
  (*target_)[insert_index_].attributes.push_back(std::move(item));
}

void Collector::AddAttributeDefinitions(const std::vector<AttributeDefinition>& definitions) {
  for (const AttributeDefinition& d : definitions) {
    const auto block = model_.blocks.find(AsciiUppered(Decode(d.block)));
    if (block == model_.blocks.end() || block->first.rfind("*PAPER_SPACE", 0) == 0) continue;  // reported
    const bool two_points = d.vertical != 0 || (d.horizontal != 0 && d.horizontal != 3 && d.horizontal != 5);
    AttributeText a;
    a.point = two_points ? d.second : d.point;
    if ((d.horizontal == 3 || d.horizontal == 5) && d.vertical == 0) a.second = d.second;
    a.value = PlainText(Decode(d.value));
    a.tag = Decode(d.tag);
    a.prompt = Decode(d.prompt);
    a.flags = kAttrDefinition;
    if (!Finite("ATTDEF", {a.point.x, a.point.y, a.second.x, a.second.y, d.height, d.width, d.angle})) continue;
    Item item;
    item.record = AttributeRecord(
        a, SpecOf(d.height, d.width, d.angle * std::numbers::pi / 180, JustifyOfText(d.horizontal, d.vertical)).data(),
        StyleOf(d.layer.empty() ? "0" : d.layer, d.colour, -1, d.line_type.empty() ? "BYLAYER" : d.line_type));
    block->second.items.push_back(std::move(item));
    ++model_.converted["ATTDEF"];
  }
}

void Collector::addMTextChunk(const std::string& text) { mtext_chunks_ += text; }

void Collector::addMText(const DL_MTextData& d) {
  FlushPending();
  NoteTextStyle(model_, "MTEXT", d.style);
  const std::string whole = mtext_chunks_ + d.text;
  mtext_chunks_.clear();
  if (!Finite("MTEXT", {d.ipx, d.ipy, d.dirx, d.diry, d.height, d.angle})) return;
  // The direction vector, when given, is the text's x axis; otherwise the
  // rotation in degrees as the file has it (dxflib's own reading of it
  // depends on the program it believes wrote the file).
  const std::size_t index = next_mtext_++;
  const double degrees = index < mtext_rotations_.size() ? mtext_rotations_[index].value_or(0.0) : 0.0;
  const double angle = (d.dirx != 0 || d.diry != 0) ? std::atan2(d.diry, d.dirx) : degrees * std::numbers::pi / 180;
  AddTextItem("MTEXT", {d.ipx, d.ipy}, d.height, 1.0, angle, JustifyOfAttachment(d.attachmentPoint),
              PlainMText(Decode(whole)));
}

}  // namespace vxh::dxf
