// The library's entry point on Windows. The DLL exports nothing: loading it is
// what registers the pack with the host, and unloading it unregisters it.
//
// Only the Windows build compiles this file; the headless host calls
// PackAttach and PackDetach itself.
#if defined(_WIN32)

#include "frame/entry_point.h"
#include "host/win_api.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
  switch (reason) {
    case DLL_PROCESS_ATTACH: vx::PackAttach(module); break;
    case DLL_PROCESS_DETACH: vx::PackDetach(); break;
    default:
      // The pack keeps no per-thread state and starts no threads, so thread
      // attach and detach have nothing to do.
      break;
  }
  // Registration failures are the host's to report; refusing the load would
  // only hide the pack without saying why.
  return TRUE;
}

#endif  // _WIN32
