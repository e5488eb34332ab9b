// The owner-drawn entries of the hatch dialog's pattern list: each entry is a
// small host view showing the pattern on the drawing's background, with the
// name written over it.
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "hatch/hatch_dialogs.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "hatch/preview_lines.h"
#include "hatch/registry_access.h"
#include "hatch/registry_keys.h"
#include "host/drag_view.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/line_record.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "host/win_api.h"

namespace vx {

namespace {

constexpr COLORREF kNameColour = 0xFFFFFF;
constexpr COLORREF kSelectedNameColour = 0x00FFFF;
constexpr int kNameIndent = 3;
// List entries are at most this long (the host's limit), NUL included.
constexpr int kEntryBytes = 256;
constexpr std::uint16_t kFrameVertices = 5;

void SetViewExtent(DragView* view, double width, double height) {
  auto* bytes = reinterpret_cast<std::uint8_t*>(view);
  PutF64(bytes, kViewWidth, width);
  PutF64(bytes, kViewHeight, height);
}

void DrawLines(DragView* view, const std::vector<PreviewLine>& lines, std::uint16_t style, COLORREF colour) {
  for (const PreviewLine& l : lines) {
    LineRecord record = MakeLineRecord(l.x1, l.y1, l.x2, l.y2);
    PutU32(record.data(), kHdrAttr6, colour);
    PutU16(record.data(), kHdrLineStyle, style);
    EDrawM(view, record.data());
  }
}

// Saved line settings are read into a record of their own: drawing an entry
// must not change the settings the dialogs are editing.
void PreviewLineSettings(DragView* view, const char* name, COLORREF colour) {
  HatchSettings settings = DefaultHatchSettings();
  if (!ReadRegistryValue(kHatchSettingsKey, name, settings.bytes.data(), settings.bytes.size())) return;
  const double d = settings.Distance();
  if (!(d > 0) || !std::isfinite(d)) return;
  SetViewExtent(view, kLinePreviewWidth * d, kLinePreviewHeight * d);
  for (std::size_t i = 0; i < kScanLineCount; ++i)
    DrawLines(view, LinePreviewLines(settings, i), LineStyleNumber(settings.ScanStyle(i)), colour);
}

// A host fill style: a rectangle filled with it, drawn by the host.
void PreviewFillStyle(DragView* view, const std::uint8_t* style, COLORREF colour) {
  const std::uint32_t size = GetU32(style, kRecSize);
  const int offset = GetI8(style, kFillDataOffset);
  if (offset < 0 || static_cast<std::uint32_t>(offset) + kFillDataFamilies > size) return;
  const double s = GetF64(style, static_cast<std::size_t>(offset) + kFillDataPreview);
  if (!(s > 0) || !std::isfinite(s)) return;
  SetViewExtent(view, kFillPreviewWidth * s, kFillPreviewHeight * s);
  std::array<std::uint8_t, PolySize(kFrameVertices)> record{};
  std::uint8_t* r = record.data();
  PutU32(r, kHdrSize, PolySize(kFrameVertices));
  PutI8(r, kHdrKind, kKindPolygon);
  PutU32(r, kHdrAttr6, colour);
  PutU16(r, kHdrFillStyle, GetU16(style, kFillId));
  PutU16(r, kPolyCount, kFrameVertices);
  const double corners[kFrameVertices][2] = {
      {-2 * s, -0.5 * s}, {2 * s, -0.5 * s}, {2 * s, 0.5 * s}, {-2 * s, 0.5 * s}, {-2 * s, -0.5 * s}};
  for (std::size_t i = 0; i < kFrameVertices; ++i) {
    PutF64(r, kPolyVertices + 16 * i, corners[i][0]);
    PutF64(r, kPolyVertices + 16 * i + 8, corners[i][1]);
  }
  EDrawM(view, r);
}

void PreviewPat(DragView* view, const PatPattern& pattern, COLORREF colour) {
  SetViewExtent(view, kPatPreviewWidth, kPatPreviewHeight);
  DrawLines(view, PatPreviewLines(pattern), 0, colour);
}

void DrawPattern(Dlg* d, int control, const DRAWITEMSTRUCT& item, const char* name) {
  const int rect[4] = {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  DragView* view = CreateXWCtrl(item.hwndItem, rect);
  if (view == nullptr) return;
  const COLORREF colour = LookupColor(GetCurColor());
  const std::intptr_t reference = GetLstData(d, control, static_cast<int>(item.itemID));
  switch (Hatch().command_dialog.kind) {
    case kKindSimpleLines: PreviewLineSettings(view, name, colour); break;
    case kKindKorvex:
      if (reference > 0) PreviewFillStyle(view, reinterpret_cast<const std::uint8_t*>(reference), colour);
      break;
    case kKindPatFile:
      if (reference > 0) PreviewPat(view, *reinterpret_cast<const PatPattern*>(reference), colour);
      break;
    default: break;
  }
  RelXWCtrl(view);
}

void FillBackground(HDC dc, const RECT& item) {
  const RECT grown{item.left - 1, item.top - 1, item.right + 1, item.bottom + 1};
  HBRUSH brush = CreateSolidBrush(LookupColor(GetBkgndColor()));
  FillRect(dc, &grown, brush);
  DeleteObject(brush);
}

void WriteName(HDC dc, const RECT& item, const char* name, bool selected) {
  HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = SetTextColor(dc, selected ? kSelectedNameColour : kNameColour);
  RECT text{item.left + kNameIndent, item.top + kNameIndent, item.right, item.bottom};
  DrawTextA(dc, name, -1, &text, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
  SelectObject(dc, old_font);
}

}  // namespace

void DrawPatternPreview(Dlg* d, int control, void* draw_item) {
  const auto* item = static_cast<const DRAWITEMSTRUCT*>(draw_item);
  char name[kEntryBytes];
  if (item == nullptr || GetLstStr(d, control, static_cast<int>(item->itemID), name) < 0) return;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  FillBackground(item->hDC, item->rcItem);
  DrawPattern(d, control, *item, name);
  WriteName(item->hDC, item->rcItem, name, selected);
  if (selected) {
    RECT edge = item->rcItem;
    DrawEdge(item->hDC, &edge, EDGE_SUNKEN, BF_RECT);
  }
}

}  // namespace vx
