// Byte layout of the .kvd file (docs/kvd_format.md).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vxh {

inline constexpr std::uint8_t kKvdMagic[8] = {'V', 'X', 'K', 'V', 'D', '\r', '\n', 0x1A};
inline constexpr std::size_t kKvdMagicBytes = sizeof kKvdMagic;
inline constexpr std::size_t kKvdVersionAt = 8;      // u32
inline constexpr std::size_t kKvdNextTagAt = 12;     // u32
inline constexpr std::size_t kKvdTableCountAt = 16;  // u16
inline constexpr std::size_t kKvdHeaderBytes = 18;

// Per table: u8 number, u32 length, the table's bytes.
inline constexpr std::size_t kKvdTableHeadBytes = 5;

// Per entity: u8 flags, u32 tag, the record (its size from its own first
// u32), then the member list when flagged.
inline constexpr std::uint8_t kKvdRemoved = 0x1;
inline constexpr std::uint8_t kKvdHasMembers = 0x2;
inline constexpr std::uint8_t kKvdKnownFlags = kKvdRemoved | kKvdHasMembers;
inline constexpr std::size_t kKvdEntityHeadBytes = 5;
inline constexpr std::size_t kKvdSmallestEntity = kKvdEntityHeadBytes + 32;

inline constexpr std::uint8_t kKvdEnd[4] = {'K', 'E', 'N', 'D'};

}  // namespace vxh
