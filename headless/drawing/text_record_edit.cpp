#include "headless/drawing/text_record_edit.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "headless/drawing/attribute_layout.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

std::uint32_t SizeOf(const std::uint8_t* record) { return vx::GetU32(record, vx::kHdrSize); }

// The string from `at` to its NUL, when the NUL lies inside the record.
std::optional<std::string> StringAt(const std::uint8_t* record, std::size_t at) {
  const std::uint32_t size = SizeOf(record);
  if (at >= size) return std::nullopt;
  const auto* s = reinterpret_cast<const char*>(record + at);
  const std::size_t length = strnlen(s, size - at);
  if (length == size - at) return std::nullopt;
  return std::string(s, length);
}

void ReadFormatBlock(const std::uint8_t* record, std::size_t spec, TextFields& f) {
  f.height = vx::GetF32(record, spec + vx::kSpecHeight);
  f.angle = vx::GetF32(record, spec + vx::kSpecAngle);
}

void WriteFormatBlock(std::uint8_t* record, std::size_t spec, const TextFields& f) {
  if (f.height) vx::PutF32(record, spec + vx::kSpecHeight, *f.height);
  if (f.angle) vx::PutF32(record, spec + vx::kSpecAngle, *f.angle);
}

// Kinds 5 and 33: a fixed part, then the string to the end of the record.
TextFieldsOrProblem ReadTrailing(const std::uint8_t* record, std::size_t string_at, bool has_format) {
  const auto text = StringAt(record, string_at);
  if (!text || string_at + text->size() + 1 != SizeOf(record))
    return {std::nullopt, "Its string does not end where the record ends."};
  TextFields f;
  f.text = *text;
  if (has_format) ReadFormatBlock(record, vx::kTextSpec, f);
  return {f, ""};
}

std::vector<std::uint8_t> WriteTrailing(const std::uint8_t* record, std::size_t string_at, std::size_t cache_flag,
                                        const TextFields& f) {
  std::vector<std::uint8_t> out(record, record + string_at);
  out.insert(out.end(), f.text.begin(), f.text.end());
  out.push_back(0);
  vx::PutU32(out.data(), vx::kHdrSize, static_cast<std::uint32_t>(out.size()));
  vx::PutU8(out.data(), cache_flag, 0);
  return out;
}

// An attribute's three strings, in the order of their offset fields.
constexpr std::array<std::size_t, 3> kAttrParts = {kAttrValueOffset, kAttrTagOffset, kAttrPromptOffset};
constexpr const char* kAttrPartNames[] = {"value", "tag", "prompt"};

bool HasFormatBlock(const std::uint8_t* record) { return SizeOf(record) >= kAttrTextStart; }

// Where an attribute's strings may start: after the fixed fields, and after
// the text format block and second point when the record holds them.
std::size_t FirstStringByte(const std::uint8_t* record) {
  return HasFormatBlock(record) ? kAttrTextStart : vx::kAttrFixedBytes;
}

struct Part {
  std::size_t field;
  std::uint32_t at;
  std::size_t length;
};

// The parts that have a string, by their place in the record; a problem
// when one lies outside the strings' area, has no NUL or overlaps another.
std::vector<Part> AttributeParts(const std::uint8_t* record, std::string& problem) {
  std::vector<Part> parts;
  for (std::size_t i = 0; i < kAttrParts.size(); ++i) {
    const std::uint32_t at = vx::GetU32(record, kAttrParts[i]);
    if (at == 0) continue;
    const auto s = at >= FirstStringByte(record) ? StringAt(record, at) : std::nullopt;
    if (!s) {
      problem = std::string("Its ") + kAttrPartNames[i] + " does not lie inside the record.";
      return {};
    }
    parts.push_back({kAttrParts[i], at, s->size()});
  }
  std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.at < b.at; });
  for (std::size_t i = 1; i < parts.size(); ++i)
    if (parts[i - 1].at + parts[i - 1].length + 1 > parts[i].at) {
      problem = "Two of its strings overlap.";
      return {};
    }
  return parts;
}

std::string PartText(const std::uint8_t* record, std::size_t field) {
  const std::uint32_t at = vx::GetU32(record, field);
  return at == 0 ? std::string() : *StringAt(record, at);
}

TextFieldsOrProblem ReadAttribute(const std::uint8_t* record) {
  if (SizeOf(record) < vx::kAttrFixedBytes) return {std::nullopt, "The record is too short for an attribute."};
  std::string problem;
  AttributeParts(record, problem);
  if (!problem.empty()) return {std::nullopt, problem};
  TextFields f;
  f.text = PartText(record, kAttrValueOffset);
  f.tag = PartText(record, kAttrTagOffset);
  f.prompt = PartText(record, kAttrPromptOffset);
  if (HasFormatBlock(record)) ReadFormatBlock(record, kAttrSpec, f);
  return {f, ""};
}

std::string NewPartText(const TextFields& f, std::size_t field) {
  if (field == kAttrTagOffset) return f.tag.value_or("");
  if (field == kAttrPromptOffset) return f.prompt.value_or("");
  return f.text;
}

std::vector<std::uint8_t> WriteAttribute(const std::uint8_t* record, const TextFields& f) {
  std::string problem;
  const std::vector<Part> parts = AttributeParts(record, problem);
  std::vector<std::uint8_t> out;
  std::array<std::uint32_t, 3> new_at{};
  std::size_t from = 0;
  for (const Part& p : parts) {
    out.insert(out.end(), record + from, record + p.at);
    const std::string text = NewPartText(f, p.field);
    const auto slot = std::find(kAttrParts.begin(), kAttrParts.end(), p.field) - kAttrParts.begin();
    new_at[static_cast<std::size_t>(slot)] = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), text.begin(), text.end());
    from = p.at + p.length;  // its NUL is copied with what follows
  }
  out.insert(out.end(), record + from, record + SizeOf(record));
  for (std::size_t i = 0; i < kAttrParts.size(); ++i) {
    const std::string text = NewPartText(f, kAttrParts[i]);
    if (vx::GetU32(record, kAttrParts[i]) != 0 || text.empty()) continue;
    new_at[i] = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
  }
  for (std::size_t i = 0; i < kAttrParts.size(); ++i) vx::PutU32(out.data(), kAttrParts[i], new_at[i]);
  vx::PutU32(out.data(), vx::kHdrSize, static_cast<std::uint32_t>(out.size()));
  if (HasFormatBlock(record)) {
    WriteFormatBlock(out.data(), kAttrSpec, f);
    vx::PutU8(out.data(), kAttrCacheFlag, 0);
  }
  return out;
}

}  // namespace

bool HostEditorTakes(int kind) {
  return kind == vx::kKindText || kind == vx::kKindTextLike || kind == vx::kKindAttribute;
}

TextFieldsOrProblem ReadTextFields(const std::uint8_t* record) {
  switch (vx::GetI8(record, vx::kHdrKind)) {
    case vx::kKindText: return ReadTrailing(record, vx::kTextString, true);
    case vx::kKindTextLike: return ReadTrailing(record, vx::kTextLikeString, false);
    case vx::kKindAttribute: return ReadAttribute(record);
    default: return {std::nullopt, "The host editor does not edit this kind of entity."};
  }
}

std::vector<std::uint8_t> WithTextFields(const std::uint8_t* record, const TextFields& f) {
  switch (vx::GetI8(record, vx::kHdrKind)) {
    case vx::kKindText: {
      std::vector<std::uint8_t> out = WriteTrailing(record, vx::kTextString, vx::kTextCacheFlag, f);
      WriteFormatBlock(out.data(), vx::kTextSpec, f);
      return out;
    }
    case vx::kKindTextLike: return WriteTrailing(record, vx::kTextLikeString, vx::kTextLikeCacheFlag, f);
    default: return WriteAttribute(record, f);
  }
}

}  // namespace vxh
