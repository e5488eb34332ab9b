// The host's plug-in API: every host operation the pack calls, under its own
// name. The headless host defines them on Linux; on Windows they are imports
// of the host executable.
#pragma once

#include <cstdint>

#include "host/drag_view.h"
#include "host/drawing_list.h"
#include "host/kv_types.h"

namespace vx {

// ---- Registration ---------------------------------------------------------

// Seven words; pointers are 32 bits on the Windows target.
struct RegistrationRecord {
  std::uintptr_t word1;     // 0, the host's
  std::uintptr_t word2;     // 0, the host's
  const char* title;        // "Vorlix release 1026"
  const char* names;        // NUL-separated names, ended by an empty name
  const Handler* handlers;  // About, then one per name, then 0
  std::uintptr_t word6;     // 0
  void* module;             // the library's module handle
};
static_assert(sizeof(RegistrationRecord) == 7 * sizeof(void*));

// ---- Requests ---------------------------------------------------------------

// ReqData kinds.
inline constexpr int kReqText = 0;
inline constexpr int kReqText1 = 1;
inline constexpr int kReqPoint2 = 5;
inline constexpr int kReqPoint3 = 7;
inline constexpr int kReqDistance = 9;
inline constexpr int kReqAngle = 11;
inline constexpr int kReqReal = 15;
inline constexpr int kReqInteger = 19;
inline constexpr int kReqSelect = 22;
inline constexpr int kReqPick = 23;

// Request modes; any value that is not one of these is a DragRoutine.
inline constexpr std::intptr_t kModeDefault = 1;
inline constexpr std::intptr_t kModePlain = 4;
inline constexpr std::intptr_t kModeRubberLine = 5;
inline constexpr std::intptr_t kModeRubberBox = 6;
inline std::intptr_t DragMode(DragRoutine routine) { return reinterpret_cast<std::intptr_t>(routine); }

// Request flags.
inline constexpr int kReqPromptRecord = 0x1;
inline constexpr int kReqAcceptNumber = 0x20;

// A prompt is a text, a host message number, or (flags bit 0) a PromptRecord.
inline const void* HostMessage(int number) {
  return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(number));
}
inline constexpr int kMsgSelectEntities = 4197;
inline constexpr std::uintptr_t kLargestMessageNumber = 0xFFFF;

// Message box styles for FormSt with n = -1, and its answers.
inline constexpr int kBoxMessage = 33;
inline constexpr int kBoxWarning = 35;
inline constexpr int kBoxError = 36;
inline constexpr int kBoxYesNo = 5;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Host resources for RscAdr.
inline constexpr int kRscCursorOrigin = 4140;
inline constexpr int kRscHostPath = 4144;
inline constexpr int kRscCursor = 4147;  // three doubles
inline constexpr int kRscPick = 4198;    // raw pick position at byte 36

// Registry request record for RMGetValue / RMSetValue.
inline constexpr std::uintptr_t kCurrentUser = 0x80000001u;
inline constexpr std::uint32_t kRegBinary = 3;
struct RegRequest {
  std::uintptr_t root;  // kCurrentUser
  const char* key;      // "Software\\Quoravia\\Vorlix\\..."
  const char* name;     // value name
  void* data;
  std::uint32_t size;
  std::uint32_t type;   // kRegBinary
  std::uint32_t size2;  // the size again
  std::uint32_t zero;
};

// Open-file record for GetOpenFN.
struct OpenFileRecord {
  const char* initial;    // initial name
  char* result;           // receives the chosen name
  const char* extension;  // default extension
  const void* filter;     // a host string number or a text
  std::uint32_t result_size;
  std::uint32_t flags;
  std::uint32_t must_exist;
  std::uint32_t zero;
};

// Dialogs. A dialog is defined from a template of the pack's resources
// (DefDlg), its controls are bound to the pack's fields, then it runs modally
// (Dialog) and returns the id of the button that closed it.
struct Dlg;
// Runs once when the dialog opens, after the bound controls show their fields.
using DlgInit = void (*)(Dlg* dialog);
// Runs after a bound control has changed its field.
using DlgChange = void (*)(Dlg* dialog, int control);
// A pressed button: 0 keeps the dialog open, anything else closes it with the
// button's id. A button bound without one closes the dialog with its id.
using DlgPress = int (*)(Dlg* dialog, int control);
// Draws an owner-drawn button or list item; draw_item is a DRAWITEMSTRUCT.
using DlgDraw = void (*)(Dlg* dialog, int control, void* draw_item);

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// Edit fields take the value type codes of prompt records (prompt_record.h):
// the width is the most characters the edit takes, the decimals as there
// (255 = the host's default).

extern "C" {

// Registration (the host keeps the record's address until unregistered).
int KVAPI XPRegister(RegistrationRecord* record);
int KVAPI XPUnRegister(RegistrationRecord* record);

// Requests and messages.
int KVAPI ReqData(int kind, void* buffer, const void* prompt, std::intptr_t mode, Continuation next, int flags,
                  int extra);
void KVAPI CmdEnd();
int KVAPI FormSt(const void* item, int n, const char* title, std::intptr_t last);
void KVAPI ProgressMsg(const char* text);
void KVAPI ShowProgress(int done, int total);
int KVAPI ExecScriptCopy(const char* script);
int KVAPI SetVar(const char* name, const char* value);

// Entities.
DList* KVAPI GetWorkDL();
DList* KVAPI CreateDList(const char* file_name, int mode);
int KVAPI EGet(Entity entity, int query, const void* in, void* out);
int KVAPI EInfo(Entity entity, int query);
Entity KVAPI ETran(Entity entity, const double* matrix);
int KVAPI ESplit(Entity entity, double t, Entity* first, Entity* second);
int KVAPI EExplode(Entity entity, ExplodeCallback callback, std::intptr_t data);
int KVAPI EStretch(Entity entity, const double* box, const double* matrix);
int KVAPI EEdit(Entity entity);
int KVAPI EPick(Entity entity, const double* point);
void KVAPI EXCheck(Entity entity, void* box);
int KVAPI FindAllInts(Entity a, Entity b, double** points);
DList* KVAPI PartLoad(const char* file_name);
int KVAPI PartInsert(DList* part, DList* work, const double* matrix, DList* target);

// Screen.
void KVAPI EDraw(int mode, Entity entity);
void KVAPI EErase(int mode, Entity entity);
void KVAPI EMark(int mode, Entity entity);
void KVAPI EDrawM(DragView* view, Entity record);
void KVAPI ClearSelect();
void KVAPI ShowChanges();
void KVAPI Redraw();

// Matrix stack; each call appends its operation after those on the CTM.
void KVAPI CTMI2();
void KVAPI CTMI3();
void KVAPI CTMT2(double dx, double dy);
void KVAPI CTMT3(double dx, double dy, double dz);
void KVAPI CTMR2(double angle);
void KVAPI CTMS2(double sx, double sy);
void KVAPI CTMS3(double sx, double sy, double sz);
void KVAPI CTMMUL2(const double* matrix);
void KVAPI CTMPSH();
void KVAPI CTMPOP();
void KVAPI STCTM(double* matrix);            // 16 doubles
void KVAPI LDSymTM(const double* instance);  // 3 rows of 4 doubles
void KVAPI TRNP2(double* point);
void KVAPI TRNP2M(double* points, int count);

// Geometry.
double KVAPI Dist2P(const double* p, const double* q);
double KVAPI Angle(const double* from, const double* to);
void KVAPI PConv2(const double* p, double distance, double angle, double* out);
int KVAPI IntL2(const double* a1, const double* a2, const double* b1, const double* b2, double* out);
int KVAPI IL3XYPS(const double* a1, const double* a2, const double* b1, const double* b2, double* out);
double KVAPI DistP2L(const double* p, const double* l1, const double* l2);
double KVAPI P2TL2(const double* p, const double* l1, const double* l2);
void KVAPI T2PL2(double t, const double* l1, const double* l2, double* out);
double KVAPI _ANorm(double angle);
double KVAPI _ASIN(double x);
int KVAPI FDNSame2(const double* p, const double* q);
void KVAPI GXCheckP2(void* box, const double* p);
double KVAPI LenText2(const std::uint8_t* text_record);
void KVAPI XCheckGText2(const std::uint8_t* text_record, double* min, double* max);

// Cursor and drag views.
void KVAPI SetCursorOrg2(double x, double y);
void KVAPI SetCursorOrg3(double x, double y, double z);
void* KVAPI RscAdr(int resource);
void KVAPI ProcCsrSnap(int mode);
void KVAPI XHReqCsr(DragView* view);
void KVAPI XHReqCsr3(DragView* view);
const GDraw2* KVAPI GetGDraw2();
const GDraw3* KVAPI GetGDraw3();
std::uint8_t* KVAPI GetADWin();
void* KVAPI GetMainWin();

// Dialogs and their controls.
Dlg* KVAPI DefDlg(const char* resource, int a, int b, DlgInit init, int c, int d);
void KVAPI __EDCTL(Dlg* dialog, int control, void* value, int type, int width, int decimals);
void KVAPI __BTNCTL(Dlg* dialog, int control, DlgPress press, DlgDraw draw);
// Ticked while (*value & mask) != 0; ticking sets those bits, unticking clears
// them. Mask 0 means the whole value (ticked = non-zero, ticking stores 1).
void KVAPI __CHKCTL(Dlg* dialog, int control, int* value, int mask, DlgChange change);
// Selected while *value == choice; selecting stores choice.
void KVAPI __RBCTL(Dlg* dialog, int control, int* value, int choice, DlgChange change);
// A combo box bound to its text (type kValText, a buffer of `size` bytes) or
// to the index of its entry (type kValInt, an int; -1 = none).
void KVAPI __CMBCTL(Dlg* dialog, int control, void* value, int type, int size, DlgChange change);
// A list box bound to the index of its selected entry (-1 = none); owner-drawn
// lists call draw for every entry shown.
void KVAPI __LSTCTL(Dlg* dialog, int control, int* selection, DlgChange change, DlgDraw draw);
int KVAPI Dialog(Dlg* dialog, void* module, int zero);
void KVAPI RelDlg(Dlg* dialog);
void KVAPI UpdCtl(Dlg* dialog, int control);
void KVAPI UpdCtlA(Dlg* dialog);
void KVAPI ShowCtl(Dlg* dialog, int control);
void KVAPI HideCtl(Dlg* dialog, int control);
void KVAPI FocusCtl(Dlg* dialog, int control);
void KVAPI EnAbCtl(Dlg* dialog, int control);
void KVAPI DsAbCtl(Dlg* dialog, int control);
void* KVAPI GetDlgWin(Dlg* dialog);
void KVAPI ClrLstStr(Dlg* dialog, int control);
int KVAPI AddLstStr(Dlg* dialog, int control, const char* text);
int KVAPI FndLstStr(Dlg* dialog, int control, const char* text);
int KVAPI GetLstStr(Dlg* dialog, int control, int index, char* out);
void KVAPI SetLstData(Dlg* dialog, int control, int index, std::intptr_t data);
std::intptr_t KVAPI GetLstData(Dlg* dialog, int control, int index);
void KVAPI ClrCmbStr(Dlg* dialog, int control);
int KVAPI AddCmbStr(Dlg* dialog, int control, const char* text);
int KVAPI FndCmbStr(Dlg* dialog, int control, const char* text);
int KVAPI GetCmbStr(Dlg* dialog, int control, int index, char* out);
void KVAPI StCopy(char* destination, const char* source);
int KVAPI StLen(const char* text);
// 1 when text matches pattern: "*" any run of characters, "?" any one
// character, a leading "=" matches texts that start with the rest. Case is
// ignored.
int KVAPI StMatch(const char* pattern, const char* text);
int KVAPI TSpecDialog(std::uint8_t* text_spec, int mode);
int KVAPI GetBkgndColor();
int KVAPI GetCurColor();
std::uint32_t KVAPI LookupColor(int colour);
// A host view window over `rect` (left, top, right, bottom in pixels of the
// parent window): a view record as drag routines get it (drag_view.h), whose
// visible width and height the caller sets before drawing; the view is
// centred on the origin. EDrawM and the GetGDraw2 object draw into it, and
// RelXWCtrl releases it. Null when the host cannot make one.
DragView* KVAPI CreateXWCtrl(void* parent, const int* rect);
void KVAPI RelXWCtrl(DragView* view);

// Layers, styles and entity settings.
std::uint8_t* KVAPI GetCurLayer();
void KVAPI SetCurLayer(int layer);
std::uint8_t* KVAPI FindLayerID(int layer);
std::uint8_t* KVAPI FindLayerName(const char* name);
int KVAPI AskLayerFrozen(int layer);
std::uint8_t* KVAPI FindLStyleName(const char* name);
std::uint8_t* KVAPI FindFStyleName(const char* name);
std::uint8_t* KVAPI FindFStyleID(int id);
void KVAPI SetCurLStyle(int style);
void KVAPI SetCurFStyle(int style);
void KVAPI SetCStuff(Entity entity);
void KVAPI CopyCStuff(Entity destination, Entity source);
void KVAPI SetNewTag(Entity entity);

// Files and registry.
void* KVAPI LoadFile(const char* name, std::uint32_t* size);
void KVAPI RelMem(void* block);
int KVAPI FullFileName(const char* name, char* out);
// 1 and the chosen name in record->result, or 0 when cancelled.
int KVAPI GetOpenFN(const char* title, OpenFileRecord* record);
int KVAPI RMGetValue(RegRequest* request);
int KVAPI RMSetValue(RegRequest* request);

}  // extern "C"

}  // namespace vx
