// The Windows services the pack uses, as a minimal subset with their Windows
// names, types and constants. On Windows this is <windows.h>; on Linux the
// headless host defines the functions and delivers scripted events through
// them as Windows would.
#pragma once

#if defined(_WIN32)
#include <windows.h>

// After <windows.h>, which it builds on.
#include <shellapi.h>
#else

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using LONG = std::int32_t;
using SHORT = std::int16_t;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using PBYTE = BYTE*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;
using HANDLE = void*;
using HWND = struct HWND__*;
using HINSTANCE = struct HINSTANCE__*;
using HMODULE = HINSTANCE;
using HHOOK = struct HHOOK__*;
using HDC = struct HDC__*;
using HGDIOBJ = void*;
using HFONT = struct HFONT__*;
using HBRUSH = struct HBRUSH__*;
using HCURSOR = struct HCURSOR__*;
using HMENU = struct HMENU__*;
using HKEY = struct HKEY__*;
using LSTATUS = LONG;
using REGSAM = DWORD;
using HOOKPROC = LRESULT (*)(int code, WPARAM wparam, LPARAM lparam);

#define CALLBACK
#define WINAPI
#define TRUE 1
#define FALSE 0
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))

struct POINT {
  LONG x;
  LONG y;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
struct FIXED {
  WORD fract;
  SHORT value;
};
struct POINTFX {
  FIXED x;
  FIXED y;
};
struct MAT2 {
  FIXED eM11;
  FIXED eM12;
  FIXED eM21;
  FIXED eM22;
};
struct GLYPHMETRICS {
  UINT gmBlackBoxX;
  UINT gmBlackBoxY;
  POINT gmptGlyphOrigin;
  SHORT gmCellIncX;
  SHORT gmCellIncY;
};
struct TTPOLYGONHEADER {
  DWORD cb;
  DWORD dwType;
  POINTFX pfxStart;
};
struct TTPOLYCURVE {
  WORD wType;
  WORD cpfx;
  POINTFX apfx[1];
};
static_assert(sizeof(TTPOLYGONHEADER) == 16);
static_assert(sizeof(POINTFX) == 8);

constexpr int LF_FACESIZE = 32;
struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];
};

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;
  RECT rcItem;
  std::uintptr_t itemData;
};

struct MOUSEHOOKSTRUCT {
  POINT pt;
  HWND hwnd;
  UINT wHitTestCode;
  std::uintptr_t dwExtraInfo;
};

struct TPMPARAMS {
  UINT cbSize;
  RECT rcExclude;
};

struct MENUITEMINFOA {
  UINT cbSize;
  UINT fMask;
  UINT fType;
  UINT fState;
  UINT wID;
  HMENU hSubMenu;
  void* hbmpChecked;
  void* hbmpUnchecked;
  std::uintptr_t dwItemData;
  LPSTR dwTypeData;
  UINT cch;
  void* hbmpItem;
};

// Hooks.
constexpr int WH_KEYBOARD = 2;
constexpr int WH_MOUSE = 7;
constexpr int HC_ACTION = 0;

// Messages.
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_NCLBUTTONUP = 0x00A2;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_NCRBUTTONDOWN = 0x00A4;
constexpr UINT WM_NCRBUTTONUP = 0x00A5;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr int LB_ERR = -1;

// Virtual keys.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;

// Show states, colours, text drawing, fonts, glyph outlines.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNORMAL = 1;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNTEXT = 18;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_INTERNAL = 0x1000;
constexpr DWORD VARIABLE_PITCH = 2;
constexpr DWORD FF_SWISS = 0x20;
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 1;
constexpr UINT ODS_SELECTED = 1;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int DEFAULT_GUI_FONT = 17;
constexpr UINT BDR_SUNKENOUTER = 0x2;
constexpr UINT BDR_SUNKENINNER = 0x8;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT BF_RECT = 0xF;
constexpr UINT DT_LEFT = 0x0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr DWORD DEFAULT_CHARSET = 1;
constexpr UINT GGO_METRICS = 0;
constexpr UINT GGO_NATIVE = 2;
constexpr DWORD GDI_ERROR = 0xFFFFFFFFu;
constexpr WORD TT_POLYGON_TYPE = 24;
constexpr WORD TT_PRIM_LINE = 1;
constexpr WORD TT_PRIM_QSPLINE = 2;
constexpr WORD TT_PRIM_CSPLINE = 3;

// Cursors and menus.
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
constexpr UINT MIIM_STRING = 0x40;
constexpr UINT MIIM_ID = 0x2;
constexpr UINT MIIM_FTYPE = 0x100;
constexpr UINT MFT_STRING = 0;
constexpr UINT MFT_SEPARATOR = 0x800;
constexpr UINT TPM_RETURNCMD = 0x100;
constexpr UINT TPM_LEFTALIGN = 0;
constexpr UINT TPM_RIGHTBUTTON = 0x2;
constexpr UINT TPM_NONOTIFY = 0x80;

// Registry.
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

extern "C" {
HHOOK SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE module, DWORD thread);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wparam, LPARAM lparam);
SHORT GetAsyncKeyState(int key);
BOOL GetKeyboardState(PBYTE state);
int ToAscii(UINT key, UINT scan, const BYTE* state, WORD* out, UINT flags);
BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
HWND GetFocus();
HWND GetParent(HWND window);
DWORD GetCurrentThreadId();
DWORD GetTickCount();
BOOL GetCursorPos(POINT* point);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR LoadCursorA(HINSTANCE module, LPCSTR name);
HWND GetDlgItem(HWND dialog, int control);
BOOL ShowWindow(HWND window, int show);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int wsprintfA(LPSTR out, LPCSTR format, ...);

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strike_out, DWORD charset, DWORD out_precision, DWORD clip_precision, DWORD quality,
                  DWORD pitch_and_family, LPCSTR face);
HFONT CreateFontIndirectA(const LOGFONTA* font);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
DWORD GetGlyphOutlineA(HDC dc, UINT character, UINT format, GLYPHMETRICS* metrics, DWORD size, LPVOID buffer,
                       const MAT2* matrix);
COLORREF GetBkColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);
HBRUSH CreateSolidBrush(COLORREF colour);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);
HGDIOBJ GetStockObject(int object);
DWORD GetSysColor(int index);
int DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format);

HMENU CreatePopupMenu();
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL by_position, const MENUITEMINFOA* info);
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, TPMPARAMS* params);
BOOL DestroyMenu(HMENU menu);

HINSTANCE ShellExecuteA(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show);

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR sub_key, DWORD options, REGSAM access, HKEY* result);
LSTATUS RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD name_size, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD data_size);
LSTATUS RegDeleteValueA(HKEY key, LPCSTR name);
LSTATUS RegCloseKey(HKEY key);
}  // extern "C"

#endif  // !_WIN32
