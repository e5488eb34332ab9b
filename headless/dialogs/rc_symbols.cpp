#include "headless/dialogs/rc_symbols.h"

#include <array>

namespace vxh::dialogs {

namespace {

struct Symbol {
  std::string_view name;
  std::uint32_t value;
};

constexpr std::array<Symbol, 54> kSymbols{{
    {"IDOK", 1},
    {"IDCANCEL", 2},
    {"IDC_STATIC", 0xFFFFFFFFu},
    {"WS_POPUP", 0x80000000u},
    {"WS_CHILD", 0x40000000u},
    {"WS_VISIBLE", 0x10000000u},
    {"WS_DISABLED", 0x08000000u},
    {"WS_CAPTION", 0x00C00000u},
    {"WS_BORDER", 0x00800000u},
    {"WS_VSCROLL", 0x00200000u},
    {"WS_HSCROLL", 0x00100000u},
    {"WS_SYSMENU", 0x00080000u},
    {"WS_GROUP", 0x00020000u},
    {"WS_TABSTOP", 0x00010000u},
    {"WS_EX_CLIENTEDGE", 0x200u},
    {"WS_EX_STATICEDGE", 0x20000u},
    {"WS_EX_TRANSPARENT", 0x20u},
    {"DS_MODALFRAME", 0x80u},
    {"DS_SETFONT", 0x40u},
    {"DS_3DLOOK", 0x4u},
    {"DS_CENTER", 0x800u},
    {"DS_FIXEDSYS", 0x8u},
    {"DS_SHELLFONT", 0x48u},
    {"BS_PUSHBUTTON", 0x0u},
    {"BS_DEFPUSHBUTTON", 0x1u},
    {"BS_CHECKBOX", 0x2u},
    {"BS_AUTOCHECKBOX", 0x3u},
    {"BS_RADIOBUTTON", 0x4u},
    {"BS_GROUPBOX", 0x7u},
    {"BS_AUTORADIOBUTTON", 0x9u},
    {"BS_OWNERDRAW", 0xBu},
    {"BS_MULTILINE", 0x2000u},
    {"ES_LEFT", 0x0u},
    {"ES_MULTILINE", 0x4u},
    {"ES_AUTOVSCROLL", 0x40u},
    {"ES_AUTOHSCROLL", 0x80u},
    {"ES_READONLY", 0x800u},
    {"ES_WANTRETURN", 0x1000u},
    {"ES_NUMBER", 0x2000u},
    {"SS_LEFT", 0x0u},
    {"SS_CENTER", 0x1u},
    {"SS_RIGHT", 0x2u},
    {"SS_ICON", 0x3u},
    {"SS_NOTIFY", 0x100u},
    {"LBS_NOTIFY", 0x1u},
    {"LBS_SORT", 0x2u},
    {"LBS_OWNERDRAWFIXED", 0x10u},
    {"LBS_HASSTRINGS", 0x40u},
    {"LBS_NOINTEGRALHEIGHT", 0x100u},
    {"CBS_DROPDOWN", 0x2u},
    {"CBS_DROPDOWNLIST", 0x3u},
    {"CBS_SORT", 0x100u},
    {"CBS_AUTOHSCROLL", 0x40u},
    {"CBS_HASSTRINGS", 0x200u},
}};

}  // namespace

std::optional<std::uint32_t> RcSymbolValue(std::string_view name) {
  for (const Symbol& s : kSymbols)
    if (s.name == name) return s.value;
  return std::nullopt;
}

}  // namespace vxh::dialogs
