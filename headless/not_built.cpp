// Host operations the headless host does not provide yet. Each one fails
// loudly, naming itself, so a command that reaches one stops with a clear
// error instead of acting on made-up results.
#include "headless/host_error.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vx {

extern "C" {

// ---- Entities ---------------------------------------------------------------
int KVAPI ESplit(Entity, double, Entity*, Entity*) { vxh::NotBuilt("ESplit"); }
int KVAPI EExplode(Entity, ExplodeCallback, std::intptr_t) { vxh::NotBuilt("EExplode"); }
int KVAPI EStretch(Entity, const double*, const double*) { vxh::NotBuilt("EStretch"); }
int KVAPI EEdit(Entity) { vxh::NotBuilt("EEdit"); }
int KVAPI EPick(Entity, const double*) { vxh::NotBuilt("EPick"); }
int KVAPI FindAllInts(Entity, Entity, double**) { vxh::NotBuilt("FindAllInts"); }
DList* KVAPI PartLoad(const char*) { vxh::NotBuilt("PartLoad"); }
int KVAPI PartInsert(DList*, DList*, const double*, DList*) { vxh::NotBuilt("PartInsert"); }

// ---- Geometry of texts and cursor snapping --------------------------------
double KVAPI LenText2(const std::uint8_t*) { vxh::NotBuilt("LenText2"); }
void KVAPI XCheckGText2(const std::uint8_t*, double*, double*) { vxh::NotBuilt("XCheckGText2"); }
void KVAPI ProcCsrSnap(int) { vxh::NotBuilt("ProcCsrSnap"); }

// ---- Dialogs and their controls --------------------------------------------
Dlg* KVAPI DefDlg(const char*, int, int, DlgInit, int, int) { vxh::NotBuilt("DefDlg"); }
void KVAPI __EDCTL(Dlg*, int, void*, int, int, int) { vxh::NotBuilt("__EDCTL"); }
void KVAPI __BTNCTL(Dlg*, int, DlgPress, DlgDraw) { vxh::NotBuilt("__BTNCTL"); }
void KVAPI __CHKCTL(Dlg*, int, int*, int, DlgChange) { vxh::NotBuilt("__CHKCTL"); }
void KVAPI __RBCTL(Dlg*, int, int*, int, DlgChange) { vxh::NotBuilt("__RBCTL"); }
void KVAPI __CMBCTL(Dlg*, int, char*, int, DlgChange) { vxh::NotBuilt("__CMBCTL"); }
void KVAPI __LSTCTL(Dlg*, int, int*, DlgChange, DlgDraw) { vxh::NotBuilt("__LSTCTL"); }
int KVAPI Dialog(Dlg*, void*, int) { vxh::NotBuilt("Dialog"); }
void KVAPI RelDlg(Dlg*) { vxh::NotBuilt("RelDlg"); }
void KVAPI UpdCtl(Dlg*, int) { vxh::NotBuilt("UpdCtl"); }
void KVAPI UpdCtlA(Dlg*) { vxh::NotBuilt("UpdCtlA"); }
void KVAPI ShowCtl(Dlg*, int) { vxh::NotBuilt("ShowCtl"); }
void KVAPI HideCtl(Dlg*, int) { vxh::NotBuilt("HideCtl"); }
void KVAPI FocusCtl(Dlg*, int) { vxh::NotBuilt("FocusCtl"); }
void KVAPI EnAbCtl(Dlg*, int) { vxh::NotBuilt("EnAbCtl"); }
void KVAPI DsAbCtl(Dlg*, int) { vxh::NotBuilt("DsAbCtl"); }
void* KVAPI GetDlgWin(Dlg*) { vxh::NotBuilt("GetDlgWin"); }
void KVAPI ClrLstStr(Dlg*, int) { vxh::NotBuilt("ClrLstStr"); }
int KVAPI AddLstStr(Dlg*, int, const char*) { vxh::NotBuilt("AddLstStr"); }
int KVAPI FndLstStr(Dlg*, int, const char*) { vxh::NotBuilt("FndLstStr"); }
int KVAPI GetLstStr(Dlg*, int, int, char*) { vxh::NotBuilt("GetLstStr"); }
void KVAPI SetLstData(Dlg*, int, int, std::intptr_t) { vxh::NotBuilt("SetLstData"); }
std::intptr_t KVAPI GetLstData(Dlg*, int, int) { vxh::NotBuilt("GetLstData"); }
void KVAPI ClrCmbStr(Dlg*, int) { vxh::NotBuilt("ClrCmbStr"); }
int KVAPI AddCmbStr(Dlg*, int, const char*) { vxh::NotBuilt("AddCmbStr"); }
int KVAPI FndCmbStr(Dlg*, int, const char*) { vxh::NotBuilt("FndCmbStr"); }
int KVAPI GetCmbStr(Dlg*, int, int, char*) { vxh::NotBuilt("GetCmbStr"); }
int KVAPI TSpecDialog(std::uint8_t*, int) { vxh::NotBuilt("TSpecDialog"); }
void* KVAPI CreateXWCtrl(void*, const int*) { vxh::NotBuilt("CreateXWCtrl"); }

// ---- Strings and colours -----------------------------------------------------
void KVAPI StCopy(char*, const char*) { vxh::NotBuilt("StCopy"); }
int KVAPI StLen(const char*) { vxh::NotBuilt("StLen"); }
int KVAPI StMatch(const char*, const char*) { vxh::NotBuilt("StMatch"); }
int KVAPI GetBkgndColor() { vxh::NotBuilt("GetBkgndColor"); }
int KVAPI GetCurColor() { vxh::NotBuilt("GetCurColor"); }
std::uint32_t KVAPI LookupColor(int) { vxh::NotBuilt("LookupColor"); }

// ---- Files and registry ------------------------------------------------------
void* KVAPI LoadFile(const char*, std::uint32_t*) { vxh::NotBuilt("LoadFile"); }
void KVAPI RelMem(void*) { vxh::NotBuilt("RelMem"); }
int KVAPI FullFileName(const char*, char*) { vxh::NotBuilt("FullFileName"); }
int KVAPI GetOpenFN(const char*, OpenFileRecord*) { vxh::NotBuilt("GetOpenFN"); }
int KVAPI RMGetValue(RegRequest*) { vxh::NotBuilt("RMGetValue"); }
int KVAPI RMSetValue(RegRequest*) { vxh::NotBuilt("RMSetValue"); }

}  // extern "C"

}  // namespace vx

// ---- Windows services ----------------------------------------------------------
extern "C" {

HHOOK SetWindowsHookExA(int, HOOKPROC, HINSTANCE, DWORD) { vxh::NotBuilt("SetWindowsHookExA"); }
BOOL UnhookWindowsHookEx(HHOOK) { vxh::NotBuilt("UnhookWindowsHookEx"); }
LRESULT CallNextHookEx(HHOOK, int, WPARAM, LPARAM) { vxh::NotBuilt("CallNextHookEx"); }
SHORT GetAsyncKeyState(int) { vxh::NotBuilt("GetAsyncKeyState"); }
BOOL GetKeyboardState(PBYTE) { vxh::NotBuilt("GetKeyboardState"); }
int ToAscii(UINT, UINT, const BYTE*, WORD*, UINT) { vxh::NotBuilt("ToAscii"); }
BOOL PostMessageA(HWND, UINT, WPARAM, LPARAM) { vxh::NotBuilt("PostMessageA"); }
LRESULT SendMessageA(HWND, UINT, WPARAM, LPARAM) { vxh::NotBuilt("SendMessageA"); }
HWND GetFocus() { vxh::NotBuilt("GetFocus"); }
HWND GetParent(HWND) { vxh::NotBuilt("GetParent"); }
DWORD GetCurrentThreadId() { vxh::NotBuilt("GetCurrentThreadId"); }
DWORD GetTickCount() { vxh::NotBuilt("GetTickCount"); }
BOOL GetCursorPos(POINT*) { vxh::NotBuilt("GetCursorPos"); }
HCURSOR SetCursor(HCURSOR) { vxh::NotBuilt("SetCursor"); }
HCURSOR LoadCursorA(HINSTANCE, LPCSTR) { vxh::NotBuilt("LoadCursorA"); }
HWND GetDlgItem(HWND, int) { vxh::NotBuilt("GetDlgItem"); }
BOOL ShowWindow(HWND, int) { vxh::NotBuilt("ShowWindow"); }
BOOL SetWindowTextA(HWND, LPCSTR) { vxh::NotBuilt("SetWindowTextA"); }
int wsprintfA(LPSTR, LPCSTR, ...) { vxh::NotBuilt("wsprintfA"); }

HFONT CreateFontA(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                  DWORD, LPCSTR) {
  vxh::NotBuilt("CreateFontA");
}
HFONT CreateFontIndirectA(const LOGFONTA*) { vxh::NotBuilt("CreateFontIndirectA"); }
HDC GetDC(HWND) { vxh::NotBuilt("GetDC"); }
int ReleaseDC(HWND, HDC) { vxh::NotBuilt("ReleaseDC"); }
HGDIOBJ SelectObject(HDC, HGDIOBJ) { vxh::NotBuilt("SelectObject"); }
BOOL DeleteObject(HGDIOBJ) { vxh::NotBuilt("DeleteObject"); }
DWORD GetGlyphOutlineA(HDC, UINT, UINT, GLYPHMETRICS*, DWORD, LPVOID, const MAT2*) {
  vxh::NotBuilt("GetGlyphOutlineA");
}
COLORREF GetBkColor(HDC) { vxh::NotBuilt("GetBkColor"); }
COLORREF SetBkColor(HDC, COLORREF) { vxh::NotBuilt("SetBkColor"); }
DWORD GetSysColor(int) { vxh::NotBuilt("GetSysColor"); }
int DrawTextA(HDC, LPCSTR, int, RECT*, UINT) { vxh::NotBuilt("DrawTextA"); }

HMENU CreatePopupMenu() { vxh::NotBuilt("CreatePopupMenu"); }
BOOL InsertMenuItemA(HMENU, UINT, BOOL, const MENUITEMINFOA*) { vxh::NotBuilt("InsertMenuItemA"); }
BOOL TrackPopupMenu(HMENU, UINT, int, int, int, HWND, const RECT*) { vxh::NotBuilt("TrackPopupMenu"); }
BOOL DestroyMenu(HMENU) { vxh::NotBuilt("DestroyMenu"); }

HINSTANCE ShellExecuteA(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, int) { vxh::NotBuilt("ShellExecuteA"); }

LSTATUS RegOpenKeyExA(HKEY, LPCSTR, DWORD, REGSAM, HKEY*) { vxh::NotBuilt("RegOpenKeyExA"); }
LSTATUS RegEnumValueA(HKEY, DWORD, LPSTR, LPDWORD, LPDWORD, LPDWORD, LPBYTE, LPDWORD) {
  vxh::NotBuilt("RegEnumValueA");
}
LSTATUS RegDeleteValueA(HKEY, LPCSTR) { vxh::NotBuilt("RegDeleteValueA"); }
LSTATUS RegCloseKey(HKEY) { vxh::NotBuilt("RegCloseKey"); }

}  // extern "C"
