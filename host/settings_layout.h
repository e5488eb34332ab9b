// Settings tables reached through the drawing list's settings-table operation.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

// Table numbers.
inline constexpr int kTableCurrent = 0;
inline constexpr int kTableLayers = 4;
inline constexpr int kTableFillStyles = 5;
inline constexpr int kTableLineStyles = 7;
inline constexpr int kTableFonts = 8;
inline constexpr int kTableDimStyles = 9;
inline constexpr int kTableTextDefaults = 10;

// Table header: the current record's id and its offset from the table start.
inline constexpr std::size_t kTableCurrentId = 9;       // u16
inline constexpr std::size_t kTableCurrentOffset = 11;  // u32
inline constexpr std::size_t kTableFirstRecord = 15;
inline constexpr std::size_t kLineStyleFirstRecord = 19;

inline constexpr std::size_t FirstRecordOffset(int table) {
  return table == kTableLineStyles ? kLineStyleFirstRecord : kTableFirstRecord;
}

// Every record: u32 size (0 ends the table), u16 id.
inline constexpr std::size_t kRecSize = 0;
inline constexpr std::size_t kRecId = 4;

// Current settings (table 0).
inline constexpr std::size_t kCurWord8 = 8;         // u32
inline constexpr std::size_t kCurByte116 = 116;     // u8
inline constexpr std::size_t kCurWord117 = 117;     // u32
inline constexpr std::size_t kCurWord121 = 121;     // u32
inline constexpr std::size_t kCurAttrNumber = 165;  // f32, the attribute byte as a number
inline constexpr std::size_t kCurArrows = 201;      // 10 bytes
inline constexpr std::size_t kCurrentRecordBytes = 211;

// Layers (table 4).
inline constexpr std::size_t kLayerId = 4;     // u16
inline constexpr std::size_t kLayerFlags = 8;  // u32
inline constexpr std::size_t kLayerName = 12;  // NUL-terminated
inline constexpr std::uint32_t kLayerHidden = 0x1;
inline constexpr std::uint32_t kLayerFrozen = 0x2;

// Fill styles (table 5).
inline constexpr std::size_t kFillId = 4;    // u16
inline constexpr std::size_t kFillType = 6;  // u8, 3 = line-family style
inline constexpr std::size_t kFillName = 9;  // NUL-terminated
inline constexpr std::uint8_t kFillTypeLineFamilies = 3;

// Line styles (table 7).
inline constexpr std::size_t kLStyleNumber = 4;  // u16
inline constexpr std::size_t kLStyleName = 9;    // NUL-terminated

// Fonts (table 8).
inline constexpr std::size_t kFontNumber = 4;  // u16
inline constexpr std::size_t kFontType = 6;    // u8: 0 stroke, 1 TrueType
inline constexpr std::size_t kFontName = 16;   // NUL-terminated
inline constexpr std::uint8_t kFontStroke = 0;
inline constexpr std::uint8_t kFontTrueType = 1;

// Dimension styles (table 9): the 116-byte style block from 4.
inline constexpr std::size_t kDimStyleId = 4;
inline constexpr std::size_t kDimStyleBlock = 4;

// Text defaults (table 10): the 23-byte text specification at record + 4.
inline constexpr std::size_t kTextDefaultsSpec = 4;

}  // namespace vx

namespace vx {

// Line-family pattern data of a fill style record (type 3): byte 7 of the
// record is the signed offset of the data; offsets below are from the data.
inline constexpr std::size_t kFillDataOffset = 7;     // i8
inline constexpr std::size_t kFillDataCount = 8;      // u32 family count
inline constexpr std::size_t kFillDataScale = 12;     // f32 pattern scale
inline constexpr std::size_t kFillDataFamilies = 16;  // families, one after another
// A family: angle, origin x, origin y, period, spacing (f32); dash count (i32);
// then the dashes (f32).
inline constexpr std::size_t kFamAngle = 0;
inline constexpr std::size_t kFamOriginX = 4;
inline constexpr std::size_t kFamOriginY = 8;
inline constexpr std::size_t kFamPeriod = 12;
inline constexpr std::size_t kFamSpacing = 16;
inline constexpr std::size_t kFamDashCount = 20;
inline constexpr std::size_t kFamDashes = 24;

}  // namespace vx

namespace vx {

// Layouts of the headless host's settings tables beyond the fields the pack
// reads (docs/settings_tables.md).

// Table header bytes 0 to 8.
inline constexpr std::size_t kTableLength = 0;        // u32 bytes in use, terminator included
inline constexpr std::size_t kTableNumber = 4;        // u8
inline constexpr std::size_t kLStyleTableScale = 15;  // f32, line styles only

// Current settings (table 0).
inline constexpr std::size_t kCurArrowLength = 201;  // f32, first of the arrow settings
inline constexpr std::size_t kCurArrowHeight = 205;  // f32
inline constexpr std::size_t kCurArrowStyle = 209;   // u16

// Layers (table 4).
inline constexpr std::size_t kLayerColour = 6;      // u16 colour index
inline constexpr std::size_t kNameFieldBytes = 32;  // name fields, NUL included
// u16 line style number of the layer: what entities drawn "by layer" take.
// Records written before it existed end at the name; they read as style 1.
inline constexpr std::size_t kLayerLineStyle = kLayerName + kNameFieldBytes;
inline constexpr std::uint32_t kLayerRecordBytes = kLayerLineStyle + 2;

// Line styles (table 7): after the name, a dash count and the dashes (f32,
// positive drawn, negative gap).
inline constexpr std::size_t kLStyleDashCount = kLStyleName + kNameFieldBytes;  // u16
inline constexpr std::size_t kLStyleDashes = kLStyleDashCount + 2;

// Fill styles (table 5): the pattern data follows the name field; it opens
// with a double, the preview size of the pattern.
inline constexpr std::size_t kFillData = kFillName + kNameFieldBytes;
inline constexpr std::size_t kFillDataPreview = 0;  // f64
inline constexpr std::size_t kFamilyFixedBytes = kFamDashes;

// Fonts (table 8).
inline constexpr std::uint32_t kFontRecordBytes = kFontName + kNameFieldBytes;

// Dimension style block (table 9 record + 4, and entity byte 32).
inline constexpr std::size_t kDimBlockId = 0;            // u16
inline constexpr std::size_t kDimBlockExtendPast = 4;    // f32
inline constexpr std::size_t kDimBlockOffsetPoint = 8;   // f32
inline constexpr std::size_t kDimBlockBaseline = 20;     // f32
inline constexpr std::size_t kDimBlockArrowLength = 28;  // f32
inline constexpr std::size_t kDimBlockArrowHeight = 32;  // f32
inline constexpr std::size_t kDimBlockTextHeight = 40;   // f32
inline constexpr std::size_t kDimBlockBytes = 116;
inline constexpr std::uint32_t kDimStyleRecordBytes = kDimStyleBlock + kDimBlockBytes;

// Text defaults (table 10).
inline constexpr std::uint32_t kTextDefaultsRecordBytes = kTextDefaultsSpec + 23;

// Active drawing window record (GetADWin).
inline constexpr std::size_t kWinViewWidth = 324;   // double, visible width in drawing units
inline constexpr std::size_t kWinPixelWidth = 372;  // u32, window width in pixels
inline constexpr std::size_t kWinRecordBytes = 376;

}  // namespace vx

namespace vx {

// The host's stroke-font files ("#name" through LoadFile; docs/fonts.md).
inline constexpr std::size_t kStrokeFormat = 0;          // u8, kStrokeFormatVersion
inline constexpr std::size_t kStrokeAdvances = 0;        // i8 at c, character codes 1 to 255
inline constexpr std::size_t kStrokeOffsets = 256;       // i16 at 256 + 2c: stroke list of c
inline constexpr std::size_t kStrokeEmSize = 768;        // i16 font units per text height
inline constexpr std::size_t kStrokeBaseline = 772;      // i16 baseline in font units
inline constexpr std::size_t kStrokeExtraSpacing = 776;  // i16 added to every advance
inline constexpr std::size_t kStrokeHeaderBytes = 778;   // stroke lists follow
inline constexpr std::uint8_t kStrokeFormatVersion = 2;
inline constexpr std::uint8_t kStrokeListEnd = 0xFF;  // b1 that ends a stroke list
inline constexpr std::uint8_t kStrokeHighBit = 0x80;  // b1: line; b2: arc
inline constexpr std::size_t kStrokeArcBytes = 5;     // b1, b2, radius, start, end

}  // namespace vx
