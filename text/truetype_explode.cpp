// TrueType texts become a group of glyph containers, one per glyph, holding
// the glyph's native outline as spline curve paths and open paths.
#include <cstring>
#include <vector>

#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/win_api.h"
#include "text/explode_records.h"
#include "text/glyph_outline.h"
#include "text/text_access.h"
#include "text/text_explode.h"

namespace vx {

namespace {

// The font every TrueType text is exploded from, and the divisors that
// bring its device units to text heights (the host measures with the same).
constexpr LONG kCellHeight = 360;
constexpr LONG kAverageWidth = 140;
constexpr double kWidthDivisor = 276;
constexpr double kHeightDivisor = 250;
constexpr LONG kWeightBold = 700;
constexpr LONG kWeightNormal = 400;
constexpr BYTE kTrueTypeOnly = 7;
constexpr BYTE kVariableSwiss = 0x22;
constexpr std::uint16_t kFillStyleGlyph = 1;

LOGFONTA FontDescription(const FontEntry& font, std::uint8_t style) {
  LOGFONTA f{};
  f.lfHeight = kCellHeight;
  f.lfWidth = kAverageWidth;
  f.lfWeight = (style & kStyleBold) != 0 ? kWeightBold : kWeightNormal;
  f.lfItalic = (style & kStyleItalic) != 0;
  f.lfUnderline = (style & kStyleUnderline) != 0;
  f.lfStrikeOut = (style & kStyleStrikeOut) != 0;
  f.lfOutPrecision = kTrueTypeOnly;
  f.lfPitchAndFamily = kVariableSwiss;
  std::strncpy(f.lfFaceName, font.name.c_str(), LF_FACESIZE - 1);
  return f;
}

Entity AddContainer(DList* list, Kind kind, Entity source) {
  std::uint8_t record[kGroupSize] = {};
  PutU32(record, kHdrSize, kGroupSize);
  PutI8(record, kHdrKind, static_cast<std::int8_t>(kind));
  Entity e = list->AddRecord(record);
  CopyCStuff(e, source);
  return e;
}

void AddContour(DList* members, const OutlineContour& contour, Entity source) {
  if (contour.empty()) return;
  for (const OutlinePiece& piece : contour) {
    if (piece.spline) {
      AddSplinePath(members, piece.points, source);
    } else {
      AddOpenPath(members, piece.points, source);
    }
  }
  const Point2 first = contour.front().points.front();
  const Point2 last = contour.back().points.back();
  const double a[2] = {first.x, first.y};
  const double b[2] = {last.x, last.y};
  if (FDNSame2(a, b) != 0) {  // 0 means the same point
    const Point2 closing[2] = {last, first};
    AddOpenPath(members, closing, source);
  }
}

// Adds one glyph at the pen and moves the pen by its cell increment. A glyph
// without an outline (a blank) moves the pen all the same, so words keep
// their spaces; one whose outline cannot be had is left out.
void AddGlyph(HDC dc, std::uint8_t code, Point2& pen, DList* list, Entity source) {
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS metrics{};
  const DWORD size = GetGlyphOutlineA(dc, code, GGO_NATIVE, &metrics, 0, nullptr, &identity);
  if (size == GDI_ERROR) return;
  if (size > 0) {
    std::vector<std::uint8_t> buffer(size);
    if (GetGlyphOutlineA(dc, code, GGO_NATIVE, &metrics, size, buffer.data(), &identity) == GDI_ERROR) return;
    Entity glyph = AddContainer(list, kKindGlyphContainer, source);
    PutU16(glyph, kHdrFillStyle, kFillStyleGlyph);
    DList* members = list->MakeMemberList(glyph);
    for (const OutlineContour& contour : ReadGlyphOutline(buffer, pen)) AddContour(members, contour, source);
    EDraw(0, glyph);
  }
  pen.x += metrics.gmCellIncX;
  pen.y += metrics.gmCellIncY;
}

void AddGlyphs(HDC dc, Entity text, DList* target, Point2 anchor) {
  const TextFormatBlock spec = TextFormatBlock::Of(text);
  CTMPSH();
  CTMI2();
  CTMS2(spec.Height() * spec.WidthFactor() / kWidthDivisor, spec.Height() / kHeightDivisor);
  CTMR2(spec.Angle());
  CTMT2(anchor.x, anchor.y);
  Entity group = AddContainer(target, kKindGroup, text);
  DList* members = target->MakeMemberList(group);
  Point2 pen;
  for (const char* c = GetTextString(text); *c != '\0'; ++c) {
    AddGlyph(dc, static_cast<std::uint8_t>(*c), pen, members, text);
    pen.y = 0;
  }
  EDraw(0, group);
  CTMPOP();
}

}  // namespace

bool ExplodeTrueTypeText(DList* list, Entity text, DList* target, const FontEntry& font, Point2 anchor) {
  const LOGFONTA description = FontDescription(font, TextFormatBlock::Of(text).StyleBits());
  HFONT handle = CreateFontIndirectA(&description);
  if (handle == nullptr) return false;
  HWND window = static_cast<HWND>(GetMainWin());
  HDC dc = GetDC(window);
  HGDIOBJ previous = dc != nullptr ? SelectObject(dc, handle) : nullptr;
  if (previous == nullptr) {
    if (dc != nullptr) ReleaseDC(window, dc);
    DeleteObject(handle);
    return false;
  }
  EErase(0, text);
  AddGlyphs(dc, text, target, anchor);
  list->Remove(text);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  DeleteObject(handle);
  return true;
}

}  // namespace vx
