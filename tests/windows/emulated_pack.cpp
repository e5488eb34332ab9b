// The vorlix program with the pack taken from vorlix.dll, run in a CPU
// emulator, instead of linked in. Every session loads the DLL afresh (its
// start-up code, TLS callbacks and DllMain run as Windows runs them) and
// unloads it at the end, so a script run here goes through the same host as
// the ordinary program and only the pack differs.
//
// The emulator is Python (tests/windows/vxemu); this file embeds it. The
// guest's memory is mapped at the same addresses in this process, so a 32-bit
// guest pointer is a valid pointer here and host operations are called with
// the guest's own buffers. For the same reason this program is linked without
// position independence and its heap is kept in the low 4 GiB (no mmap'd
// chunks): records the host hands to the pack must be addressable by it.
#include <Python.h>
#include <malloc.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "headless/host_error.h"
#include "headless/session/pack_entry.h"

namespace {

// Python's exception as a host fault, so that the run fails with the reason.
[[noreturn]] void ThrowPythonError(const char* during) {
  std::string message = std::string("vorlix.dll in emulation: ") + during;
  PyObject *type = nullptr, *value = nullptr, *trace = nullptr;
  PyErr_Fetch(&type, &value, &trace);
  PyErr_NormalizeException(&type, &value, &trace);
  if (value != nullptr) {
    PyObject* text = PyObject_Str(value);
    if (text != nullptr && PyUnicode_Check(text)) message += std::string(": ") + PyUnicode_AsUTF8(text);
    Py_XDECREF(text);
  }
  PyErr_Restore(type, value, trace);
  PyErr_Print();
  throw vxh::HostFault(message);
}

PyObject* EmulatorModule() {
  static PyObject* module = nullptr;  // imported once per process, like the interpreter itself
  if (module != nullptr) return module;
  Py_InitializeEx(0);
  PyObject* path = PySys_GetObject("path");
  PyObject* dir = PyUnicode_FromString(VORLIX_EMULATOR_DIR);
  if (path == nullptr || dir == nullptr || PyList_Insert(path, 0, dir) != 0) ThrowPythonError("setting sys.path");
  Py_DECREF(dir);
  module = PyImport_ImportModule("vxemu.bridge");
  if (module == nullptr) ThrowPythonError("importing vxemu.bridge");
  return module;
}

void CallEmulator(const char* function, const char* argument) {
  PyObject* result = argument != nullptr ? PyObject_CallMethod(EmulatorModule(), function, "s", argument)
                                         : PyObject_CallMethod(EmulatorModule(), function, nullptr);
  if (result == nullptr) ThrowPythonError(function);
  Py_DECREF(result);
}

std::string DllPath() {
  const char* path = std::getenv("VORLIX_DLL");
  return path != nullptr && *path != '\0' ? path : VORLIX_DLL_PATH;
}

void AttachEmulatedPack(void* /*module*/) { CallEmulator("attach", DllPath().c_str()); }
void DetachEmulatedPack() { CallEmulator("detach", nullptr); }

// Before the first session: large blocks would otherwise come from mmap, far
// above what a 32-bit pointer reaches, and a trimmed heap would pull pages
// away under the emulator's mapping of them.
const bool g_pack_installed = (mallopt(M_MMAP_MAX, 0), mallopt(M_TRIM_THRESHOLD, -1),
                               vxh::InstallPack({&AttachEmulatedPack, &DetachEmulatedPack}), true);

}  // namespace

// The subcommands that read the pack's tables directly have no DLL to ask.
namespace vxcli {

namespace {

int OnlyInTheLinuxProgram(const char* subcommand) {
  std::cerr << "vorlix_emulated runs sessions only; `vorlix " << subcommand << "` shows the pack's tables\n";
  return kExitBadInput;
}

}  // namespace

int ListCommands() { return OnlyInTheLinuxProgram("commands"); }
int About() { return OnlyInTheLinuxProgram("about"); }
int MenuPicture(const std::string& /*file*/, const std::string& /*out*/) { return OnlyInTheLinuxProgram("menu"); }

}  // namespace vxcli
