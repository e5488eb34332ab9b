#include "headless/win/windows_reset.h"

#include "headless/dialogs/dialog_object.h"
#include "headless/win/clock.h"
#include "headless/win/gdi_text.h"
#include "headless/win/hook_chain.h"
#include "headless/win/message_queue.h"
#include "headless/win/popup_menu.h"
#include "headless/win/windows.h"

namespace vxh::win {

void ResetWindowsServices() {
  dialogs::ReleaseAllDialogs();
  ResetHooks();
  ResetWindows();
  ClearPostedMessages();
  ResetMenus();
  ClearDrawnTexts();
  ResetClock();
}

}  // namespace vxh::win
