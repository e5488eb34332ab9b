// The dimension scale table: eight entries (on flag, factor) that size the
// current dimension style and arrow settings from the current text height,
// and its 64-byte registry value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/drawing_list.h"
#include "measure/measure_state.h"

namespace vx {

inline constexpr std::size_t kDimScaleTableBytes = 64;
inline constexpr const char* kDimScaleKey = "Software\\Quoravia\\Vorlix\\";
inline constexpr const char* kDimScaleValue = "VXDimScale";

// The scale factor a run starts with: the current text height, or 0.2 when
// the drawing has no text defaults.
float DefaultDimScale(DList* work);

std::array<std::uint8_t, kDimScaleTableBytes> EncodeDimScale(const DimScaleState& table);
void DecodeDimScale(const std::uint8_t* bytes, DimScaleState& table);

// Replaces the table by the stored one; without a stored table it stays.
void ReadDimScale(DimScaleState& table);
void WriteDimScale(const DimScaleState& table);

// Writes scale × factor into the target of every ticked entry; a missing
// settings table skips its targets.
void ApplyDimScale(DList* work, const DimScaleState& table, float scale);

}  // namespace vx
