// Byte accessors for packed little-endian records. Fields may sit at odd
// offsets, so every access copies bytes; never cast a record to a struct.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "records are little-endian and read in place");

namespace vx {

template <typename T>
inline T Get(const std::uint8_t* rec, std::size_t offset) {
  T value;
  std::memcpy(&value, rec + offset, sizeof value);
  return value;
}

template <typename T>
inline void Put(std::uint8_t* rec, std::size_t offset, T value) {
  std::memcpy(rec + offset, &value, sizeof value);
}

inline std::uint8_t GetU8(const std::uint8_t* r, std::size_t o) { return r[o]; }
inline std::int8_t GetI8(const std::uint8_t* r, std::size_t o) { return static_cast<std::int8_t>(r[o]); }
inline std::uint16_t GetU16(const std::uint8_t* r, std::size_t o) { return Get<std::uint16_t>(r, o); }
inline std::uint32_t GetU32(const std::uint8_t* r, std::size_t o) { return Get<std::uint32_t>(r, o); }
inline std::int32_t GetI32(const std::uint8_t* r, std::size_t o) { return Get<std::int32_t>(r, o); }
inline float GetF32(const std::uint8_t* r, std::size_t o) { return Get<float>(r, o); }
inline double GetF64(const std::uint8_t* r, std::size_t o) { return Get<double>(r, o); }

inline void PutU8(std::uint8_t* r, std::size_t o, std::uint8_t v) { r[o] = v; }
inline void PutI8(std::uint8_t* r, std::size_t o, std::int8_t v) { r[o] = static_cast<std::uint8_t>(v); }
inline void PutU16(std::uint8_t* r, std::size_t o, std::uint16_t v) { Put(r, o, v); }
inline void PutU32(std::uint8_t* r, std::size_t o, std::uint32_t v) { Put(r, o, v); }
inline void PutI32(std::uint8_t* r, std::size_t o, std::int32_t v) { Put(r, o, v); }
inline void PutF32(std::uint8_t* r, std::size_t o, float v) { Put(r, o, v); }
inline void PutF64(std::uint8_t* r, std::size_t o, double v) { Put(r, o, v); }

}  // namespace vx
