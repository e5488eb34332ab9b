#include "headless/win/popup_menu.h"

#include <cstdint>
#include <map>
#include <string>

#include "headless/host_error.h"
#include "headless/script/event.h"
#include "headless/script/modal_input.h"
#include "headless/win/windows_state.h"

namespace vxh::win {

namespace {

template <class State>
auto& Items(State& state, HMENU menu, const char* operation) {
  const auto it = state.menus.find(menu);
  if (it == state.menus.end()) throw HostFault(std::string(operation) + ": not a menu made with CreatePopupMenu");
  return it->second;
}

MenuItem ItemFrom(const MENUITEMINFOA& info) {
  MenuItem item;
  item.separator = (info.fMask & MIIM_FTYPE) != 0 && (info.fType & MFT_SEPARATOR) != 0;
  if ((info.fMask & MIIM_ID) != 0) item.id = info.wID;
  if ((info.fMask & (MIIM_STRING | MIIM_FTYPE)) != 0 && !item.separator && info.dwTypeData != nullptr)
    item.text = info.dwTypeData;
  return item;
}

std::size_t InsertPosition(const std::vector<MenuItem>& items, UINT item, BOOL by_position) {
  if (by_position) return item < items.size() ? item : items.size();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].id == item) return i;
  return items.size();
}

// The identifier of the N-th item, counted from 1 without separators.
UINT ChosenId(const std::vector<MenuItem>& items, int n) {
  int count = 0;
  for (const MenuItem& item : items)
    if (!item.separator && ++count == n) return item.id;
  throw BadInput("<menu " + std::to_string(n) + ">: the menu has " + std::to_string(count) + " items");
}

int Track(HMENU menu, UINT flags, HWND owner) {
  const std::vector<MenuItem>& items = Items(RunningWindows("TrackPopupMenu"), menu, "TrackPopupMenu");
  script::ModalInput& session = script::RunningModalInput("TrackPopupMenu");
  session.Log().Prompt("menu: " + DescribeMenu(items));
  const script::Event event = session.NextModalEvent("the popup menu", {script::EventKind::kMenu});
  if (event.kind != script::EventKind::kMenu) {
    session.Log().Answer("<esc>");
    return 0;
  }
  const UINT id = ChosenId(items, event.number);
  session.Log().Answer("<menu " + std::to_string(event.number) + ">");
  if ((flags & TPM_RETURNCMD) != 0) return static_cast<int>(id);
  PostMessageA(owner, WM_COMMAND, id, 0);
  return TRUE;
}

}  // namespace

const std::vector<MenuItem>& MenuItems(const WindowsState& state, HMENU menu) {
  return Items(state, menu, "MenuItems");
}

std::string DescribeMenu(const std::vector<MenuItem>& items) {
  std::string out;
  for (const MenuItem& item : items) {
    if (!out.empty()) out += " | ";
    out += item.separator ? "-" : item.text;
  }
  return out;
}

}  // namespace vxh::win

extern "C" {

HMENU CreatePopupMenu() {
  vxh::win::WindowsState& state = vxh::win::RunningWindows("CreatePopupMenu");
  const HMENU menu = reinterpret_cast<HMENU>(state.next_menu++);
  state.menus[menu] = {};
  return menu;
}

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL by_position, const MENUITEMINFOA* info) {
  if (info == nullptr) return FALSE;
  vxh::win::WindowsState& state = vxh::win::RunningWindows("InsertMenuItemA");
  std::vector<vxh::win::MenuItem>& items = vxh::win::Items(state, menu, "InsertMenuItemA");
  const std::size_t at = vxh::win::InsertPosition(items, item, by_position);
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), vxh::win::ItemFrom(*info));
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int, int, int, HWND owner, const RECT*) {
  return vxh::win::Track(menu, flags, owner);
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int, int, HWND owner, TPMPARAMS*) {
  return vxh::win::Track(menu, flags, owner);
}

BOOL DestroyMenu(HMENU menu) { return vxh::win::RunningWindows("DestroyMenu").menus.erase(menu) == 1 ? TRUE : FALSE; }

}  // extern "C"
