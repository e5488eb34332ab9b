#include "text/text_access.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "host/drawing_list.h"
#include "host/host_api.h"

namespace vx {

namespace {

std::uint32_t SizeOf(const std::uint8_t* record) { return GetU32(record, kHdrSize); }
int KindOf(const std::uint8_t* record) { return GetI8(record, kHdrKind); }

// A NUL-terminated string at `offset` that ends inside the record.
bool StringEndsInside(const std::uint8_t* record, std::size_t offset) {
  const std::uint32_t size = SizeOf(record);
  if (offset >= size) return false;
  return std::memchr(record + offset, 0, size - offset) != nullptr;
}

// The variable part of an attribute-like text, checked: every offset the
// string replacement reads or moves lies inside the record.
struct AttributeParts {
  std::uint32_t size = 0;
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  std::uint32_t string = 0;  // 0: no string yet
  std::uint32_t length = 0;  // of the string, NUL not counted
};

bool PartOffsetFits(std::uint32_t offset, const AttributeParts& a) {
  if (offset == 0) return true;
  if (offset >= a.size) return false;
  // A part that starts inside the string would be moved by its own change.
  return a.string == 0 || offset < a.string || offset > a.string + a.length;
}

std::optional<AttributeParts> ReadAttributeParts(const std::uint8_t* record) {
  AttributeParts a;
  a.size = SizeOf(record);
  if (a.size < kAttrFixedBytes) return std::nullopt;
  a.first = GetU32(record, kAttrPart1);
  a.second = GetU32(record, kAttrPart2);
  a.string = GetU32(record, kAttrStringOffset);
  if (a.string != 0) {
    if (a.string < kAttrFixedBytes || !StringEndsInside(record, a.string)) return std::nullopt;
    a.length = static_cast<std::uint32_t>(std::strlen(reinterpret_cast<const char*>(record + a.string)));
  } else if (a.size < kAttrFirstString) {
    return std::nullopt;  // no room where a first string is made
  }
  if (!PartOffsetFits(a.first, a) || !PartOffsetFits(a.second, a)) return std::nullopt;
  return a;
}

void ShiftPartsFrom(Entity record, std::uint32_t from, std::int64_t by) {
  for (std::size_t field : {kAttrPart1, kAttrPart2}) {
    const std::uint32_t offset = GetU32(record, field);
    if (offset >= from && offset != 0) PutU32(record, field, static_cast<std::uint32_t>(offset + by));
  }
}

// Appends the instance transform of a symbol (and the shift of its
// definition's base point) to the current matrix. The headless host folds the
// base point into the instance matrix and leaves the definition reference 0;
// the definition's own layout is the host's, so a set reference is not read.
void LoadSymbolTransform(Entity context) {
  std::array<double, 12> rows;
  std::memcpy(rows.data(), context + kSymMatrix, sizeof rows);
  LDSymTM(rows.data());
}

bool UsesSymbolTransform(Entity context, Entity record) {
  return context != nullptr && SizeOf(context) >= kSymName && !IgnoresSymbolTransform(record);
}

// Runs `action` on the record while it is carried into the drawing by the
// symbol transform, then puts its leading bytes back as they were.
template <typename Action>
void WithRecordInDrawing(Entity record, Entity context, Action action) {
  std::array<std::uint8_t, kAttrTransformedBytes> saved;
  const std::size_t kept = std::min<std::size_t>(saved.size(), SizeOf(record));
  std::memcpy(saved.data(), record, kept);
  CTMPSH();
  CTMI2();
  LoadSymbolTransform(context);
  ETran(record, nullptr);
  CTMPOP();
  action(record);
  std::memcpy(record, saved.data(), kept);
}

Entity ReplaceFixedString(DList* list, Entity record, std::size_t string_at, std::uint32_t (*size_for)(std::uint32_t),
                          std::size_t cache_flag, std::string_view text, bool redraw) {
  if (redraw) EErase(0, record);
  Entity e = list->OpenForChange(record);
  e = list->Resize(e, size_for(static_cast<std::uint32_t>(text.size())));
  std::memcpy(e + string_at, text.data(), text.size());
  e[string_at + text.size()] = 0;
  PutU8(e, cache_flag, 0);
  if (redraw) EDraw(0, e);
  return e;
}

// Gives an attribute-like text without a string an empty one at its first
// string place, moving what lay there one byte up.
Entity MakeEmptyString(DList* list, Entity e, AttributeParts& a) {
  e = list->Resize(e, a.size + 1);
  std::memmove(e + kAttrFirstString + 1, e + kAttrFirstString, a.size - kAttrFirstString);
  PutU32(e, kAttrStringOffset, kAttrFirstString);
  ShiftPartsFrom(e, kAttrFirstString, 1);
  e[kAttrFirstString] = 0;
  a.size += 1;
  a.string = kAttrFirstString;
  a.length = 0;
  return e;
}

Entity ReplaceAttributeString(DList* list, Entity record, std::string_view text, Entity context) {
  std::optional<AttributeParts> parts = ReadAttributeParts(record);
  if (!parts) return record;
  AttributeParts& a = *parts;
  const bool transformed = UsesSymbolTransform(context, record);
  if (transformed) {
    WithRecordInDrawing(record, context, [](Entity e) { EErase(0, e); });
  } else {
    EErase(0, record);
  }
  Entity e = list->OpenForChange(record);
  if (a.string == 0) e = MakeEmptyString(list, e, a);
  const std::int64_t d = static_cast<std::int64_t>(text.size()) - a.length;
  if (d > 0) {
    e = list->Resize(e, static_cast<std::uint32_t>(a.size + d));
    std::memmove(e + a.string + d, e + a.string, a.size - a.string);
  } else if (d < 0) {
    std::memmove(e + a.string, e + a.string - d, a.size - (a.string - d));
    e = list->Resize(e, static_cast<std::uint32_t>(a.size + d));
  }
  if (d != 0) ShiftPartsFrom(e, a.string, d);
  std::memcpy(e + a.string, text.data(), text.size());
  e[a.string + text.size()] = 0;
  if (transformed) {
    WithRecordInDrawing(e, context, [](Entity drawn) { EDraw(0, drawn); });
  } else {
    EDraw(0, e);
  }
  return e;
}

}  // namespace

bool IgnoresSymbolTransform(Entity record) {
  return KindOf(record) == kKindAttribute && SizeOf(record) >= kAttrFixedBytes &&
         (GetU16(record, kAttrFlags) & kAttrNoTransform) != 0;
}

char* GetTextString(Entity record) {
  if (record == nullptr) return nullptr;
  std::size_t at = 0;
  switch (KindOf(record)) {
    case kKindText: at = kTextString; break;
    case kKindTextLike: at = kTextLikeString; break;
    case kKindAttribute: {
      const std::optional<AttributeParts> a = ReadAttributeParts(record);
      if (!a || a->string == 0) return nullptr;
      at = a->string;
      break;
    }
    default: return nullptr;
  }
  if (!StringEndsInside(record, at)) return nullptr;
  return reinterpret_cast<char*>(record + at);
}

std::uint8_t* GetTextOrigin(Entity record) {
  if (record == nullptr) return nullptr;
  switch (KindOf(record)) {
    case kKindText: return SizeOf(record) >= TextSize(0) ? record + kTextX : nullptr;
    case kKindTextLike: return SizeOf(record) >= TextLikeSize(0) ? record + kTextLikeX : nullptr;
    case kKindAttribute: return SizeOf(record) >= kAttrFixedBytes ? record + kAttrX : nullptr;
    default: return nullptr;
  }
}

Point2 ReadTextOrigin(const std::uint8_t* origin) { return {GetF64(origin, 0), GetF64(origin, 8)}; }

Entity SetTextString(DList* list, Entity record, std::string_view text, bool redraw, Entity context) {
  if (record == nullptr || list == nullptr || GetTextOrigin(record) == nullptr) return record;
  switch (KindOf(record)) {
    case kKindText:
      if (!StringEndsInside(record, kTextString)) return record;
      return ReplaceFixedString(list, record, kTextString, &TextSize, kTextCacheFlag, text, redraw);
    case kKindTextLike:
      if (!StringEndsInside(record, kTextLikeString)) return record;
      return ReplaceFixedString(list, record, kTextLikeString, &TextLikeSize, kTextLikeCacheFlag, text, redraw);
    case kKindAttribute: return ReplaceAttributeString(list, record, text, context);
    default: return record;
  }
}

void TransformToDrawing(double* point, Entity context, Entity record) {
  if (!UsesSymbolTransform(context, record)) return;
  // Loaded on an identity matrix: whatever a command left on the current one
  // must not move the point.
  CTMPSH();
  CTMI2();
  LoadSymbolTransform(context);
  TRNP2M(point, 1);
  CTMPOP();
}

}  // namespace vx
