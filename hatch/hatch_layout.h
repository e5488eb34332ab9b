// Byte layouts of the hatch options record and the hatch settings record.
// Both are stored whole as registry values, so these offsets are a storage
// format: change them and every saved setting becomes unreadable.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

// ---- Hatch options record ("Options") -------------------------------------------
inline constexpr std::size_t kOptReserved0 = 0;         // 69 bytes, kept as stored
inline constexpr std::size_t kOptFillMethod = 69;       // i32
inline constexpr std::size_t kOptSearchText = 73;       // 32 bytes, NUL-terminated
inline constexpr std::size_t kOptPatternKind = 105;     // i32
inline constexpr std::size_t kOptModify = 109;          // i32, 0 or 1
inline constexpr std::size_t kOptModifyScale = 113;     // f64
inline constexpr std::size_t kOptModifyRotation = 121;  // f64, radians
inline constexpr std::size_t kOptModifyOffsetX = 129;   // f64
inline constexpr std::size_t kOptModifyOffsetY = 137;   // f64
inline constexpr std::size_t kOptKorvexName = 145;      // 200 bytes
inline constexpr std::size_t kOptPatName = 345;         // 200 bytes
inline constexpr std::size_t kOptReserved545 = 545;     // 260 bytes, never read
inline constexpr std::size_t kOptSettingsName = 805;    // 65 bytes
inline constexpr std::size_t kOptShowPreviews = 870;    // i32
inline constexpr std::size_t kHatchOptionsBytes = 874;

inline constexpr std::size_t kOptSearchTextBytes = 32;
inline constexpr std::size_t kOptPatternNameBytes = 200;
inline constexpr std::size_t kOptSettingsNameBytes = 65;

// ---- Hatch settings record (one value per saved name) -----------------------
inline constexpr std::size_t kSetName = 0;            // 65 bytes
inline constexpr std::size_t kSetDistance = 65;       // f64
inline constexpr std::size_t kSetAngle = 73;          // f64, radians
inline constexpr std::size_t kSetOffsetX = 81;        // f64
inline constexpr std::size_t kSetOffsetY = 89;        // f64
inline constexpr std::size_t kSetScanOn = 97;         // 4 x i32
inline constexpr std::size_t kSetScanOffset = 113;    // 4 x f64
inline constexpr std::size_t kSetScanStyle = 145;     // 4 x 200 bytes
inline constexpr std::size_t kSetScaleOffsets = 945;  // i32
inline constexpr std::size_t kHatchSettingsBytes = 949;

inline constexpr std::size_t kSetNameBytes = 65;
inline constexpr std::size_t kScanLineCount = 4;
inline constexpr std::size_t kSetScanStyleBytes = 200;

inline constexpr std::size_t ScanOnOffset(std::size_t i) { return kSetScanOn + 4 * i; }
inline constexpr std::size_t ScanOffsetOffset(std::size_t i) { return kSetScanOffset + 8 * i; }
inline constexpr std::size_t ScanStyleOffset(std::size_t i) { return kSetScanStyle + kSetScanStyleBytes * i; }

static_assert(kOptShowPreviews + 4 == kHatchOptionsBytes);
static_assert(kOptSettingsName + kOptSettingsNameBytes == kOptShowPreviews);
static_assert(kSetScaleOffsets + 4 == kHatchSettingsBytes);
static_assert(ScanStyleOffset(kScanLineCount) == kSetScaleOffsets);

// ---- Pattern kinds and fill methods, numbered as stored ------------------------
inline constexpr std::int32_t kKindSimpleLines = 0;
inline constexpr std::int32_t kKindKorvex = 1;
inline constexpr std::int32_t kKindPatFile = 2;

inline constexpr std::int32_t kMethodScan = 0;
inline constexpr std::int32_t kMethodSmart = 1;
inline constexpr std::int32_t kMethodRegular = 2;

}  // namespace vx
