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

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <utility>

#include "cli/commands.h"
#include "headless/host_error.h"
#include "headless/session/pack_entry.h"

namespace {

// ---- Host errors across the emulator --------------------------------------
//
// A host operation may throw (bad script input, a broken rule of the
// protocol). Between it and the session that catches it lie the emulator's
// Python frames, which C++ exceptions cannot cross. So host operations are
// called through Invoke, which turns the exception into a kind and a message,
// and the native functions the host calls instead of guest code (handlers,
// continuations, ...) are Trampolines, which throw it again as what it was.

enum ErrorKind : int { kNoError = 0, kBadInput = 1, kWriteFailure = 2, kHostFault = 3 };

int CaughtError(char* message, std::size_t size) {
  auto keep = [&](const char* what) {
    std::strncpy(message, what, size - 1);
    message[size - 1] = '\0';
  };
  try {
    throw;
  } catch (const vxh::BadInput& e) {
    keep(e.what());
    return kBadInput;
  } catch (const vxh::WriteFailure& e) {
    keep(e.what());
    return kWriteFailure;
  } catch (const std::exception& e) {
    keep(e.what());
    return kHostFault;
  } catch (...) {
    keep("an exception that is not a std::exception");
    return kHostFault;
  }
}

[[noreturn]] void Rethrow(int kind, const std::string& message) {
  if (kind == kBadInput) throw vxh::BadInput(message);
  if (kind == kWriteFailure) throw vxh::WriteFailure(message);
  throw vxh::HostFault(message);
}

// Any function of up to 16 integer-class and 8 floating-point arguments can
// be called through this type on x86-64: the registers carry the first six
// integer and eight floating-point arguments in the order of each class, and
// integer arguments past the sixth go on the stack in order. (CreateFontA
// takes fourteen.) Extra arguments are harmless: the caller removes them.
using Word = std::uint64_t;
constexpr int kRegisterWords = 6;
constexpr int kDoubles = 8;
template <typename Result>
using AnyCall = Result (*)(Word, Word, Word, Word, Word, Word, double, double, double, double, double, double, double,
                           double, Word, Word, Word, Word, Word, Word, Word, Word, Word, Word);

template <typename Result>
Result CallAny(void* function, const Word* w, const double* d) {
  return reinterpret_cast<AnyCall<Result>>(function)(w[0], w[1], w[2], w[3], w[4], w[5], d[0], d[1], d[2], d[3], d[4],
                                                     d[5], d[6], d[7], w[6], w[7], w[8], w[9], w[10], w[11], w[12],
                                                     w[13], w[14], w[15]);
}

// Python's side of a trampoline: runs the guest function of the slot.
using GuestEntry = int (*)(int slot, const Word* words, const double* doubles, Word* result, char* message,
                           std::size_t size);
GuestEntry g_guest_entry = nullptr;  // set by the emulator as each session loads the DLL

template <int Slot>
Word Trampoline(Word a, Word b, Word c, Word d, Word e, Word f, double d0, double d1, double d2, double d3, double d4,
                double d5, double d6, double d7) {
  const Word words[kRegisterWords] = {a, b, c, d, e, f};
  const double doubles[kDoubles] = {d0, d1, d2, d3, d4, d5, d6, d7};
  Word result = 0;
  char message[2048] = "";
  const int kind = g_guest_entry(Slot, words, doubles, &result, message, sizeof message);
  if (kind != kNoError) Rethrow(kind, message);
  return result;
}

constexpr int kTrampolines = 2048;
template <std::size_t... Slot>
constexpr auto MakeTrampolines(std::index_sequence<Slot...>) {
  using Entry =
      Word (*)(Word, Word, Word, Word, Word, Word, double, double, double, double, double, double, double, double);
  return std::array<Entry, sizeof...(Slot)>{&Trampoline<static_cast<int>(Slot)>...};
}
constexpr auto kTrampolineTable = MakeTrampolines(std::make_index_sequence<kTrampolines>{});

// Python's exception as the host error it carries (attribute `kind`), or as a
// host fault, so that the run fails with the reason.
[[noreturn]] void ThrowPythonError(const char* during) {
  std::string message = std::string("vorlix.dll in emulation: ") + during;
  int kind = kHostFault;
  PyObject *type = nullptr, *value = nullptr, *trace = nullptr;
  PyErr_Fetch(&type, &value, &trace);
  PyErr_NormalizeException(&type, &value, &trace);
  if (value != nullptr) {
    PyObject* kind_object = PyObject_GetAttrString(value, "kind");
    if (kind_object != nullptr && PyLong_Check(kind_object)) kind = static_cast<int>(PyLong_AsLong(kind_object));
    PyErr_Clear();
    Py_XDECREF(kind_object);
    PyObject* text = PyObject_Str(value);
    if (text != nullptr && PyUnicode_Check(text)) {
      const std::string what = PyUnicode_AsUTF8(text);
      message = kind == kHostFault ? message + ": " + what : what;
    }
    Py_XDECREF(text);
  }
  if (kind == kHostFault) {
    PyErr_Restore(type, value, trace);
    PyErr_Print();
  } else {
    Py_XDECREF(type);
    Py_XDECREF(value);
    Py_XDECREF(trace);
  }
  Rethrow(kind, message);
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

// Called by the emulator (vxemu/native.py) through ctypes.
extern "C" {

int vxemu_invoke(void* function, const Word* words, const double* doubles, int returns_double, Word* result,
                 char* message, std::size_t size) {
  try {
    if (returns_double) {
      const double value = CallAny<double>(function, words, doubles);
      std::memcpy(result, &value, sizeof value);
    } else {
      *result = CallAny<Word>(function, words, doubles);
    }
    return kNoError;
  } catch (...) {
    return CaughtError(message, size);
  }
}

void vxemu_set_guest_entry(GuestEntry entry) { g_guest_entry = entry; }

void* vxemu_trampoline(int slot) {
  if (slot < 0 || slot >= kTrampolines) return nullptr;
  return reinterpret_cast<void*>(kTrampolineTable[static_cast<std::size_t>(slot)]);
}

int vxemu_trampoline_count() { return kTrampolines; }

}  // extern "C"

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
