// Attribute text (kind 37) as the headless host lays it out beyond the fields
// the pack knows (flags, the two part offsets, the string offset, the point):
// the two parts are the tag and the prompt, the string is the value. From the
// point to kAttrTextStart the record mirrors a text's bytes from its origin
// to its string (attribute explode copies them across as one block): the
// second point of aligned and fit texts, the cache flag, the text format
// block. The strings follow, each ended by NUL.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/entity_layout.h"

namespace vxh {

inline constexpr std::size_t kAttrTagOffset = vx::kAttrPart1;           // u32, 0 = no tag
inline constexpr std::size_t kAttrPromptOffset = vx::kAttrPart2;        // u32, 0 = no prompt
inline constexpr std::size_t kAttrValueOffset = vx::kAttrStringOffset;  // u32, 0 = no value

inline constexpr std::size_t kAttrX2 = 62;  // second point, doubles
inline constexpr std::size_t kAttrY2 = 70;
inline constexpr std::size_t kAttrCacheFlag = 94;   // u8, 0 after every change
inline constexpr std::size_t kAttrSpec = 95;        // 23-byte text format block
inline constexpr std::size_t kAttrTextStart = 118;  // where the strings begin
// The same distance from the origin as in a text record.
inline constexpr std::size_t kAttrToText = vx::kAttrX - vx::kTextX;
static_assert(kAttrSpec == vx::kTextSpec + kAttrToText && kAttrCacheFlag == vx::kTextCacheFlag + kAttrToText);
static_assert(kAttrTextStart == vx::kTextString + kAttrToText);
// Flags word at 32 beside the pack's no-transform bit.
inline constexpr std::uint16_t kAttrDefinition = 0x0100;  // an ATTDEF of a block

}  // namespace vxh
