"""Calls from the guest to the real host operations and the headless host's
Windows functions, with the signatures read from host/*.h.

Guest memory is mapped at the same addresses here, so most pointers pass
through unchanged. What differs between the 32-bit guest and this process is
converted on each call: records with pointer-sized fields are copied into
their 64-bit layout and back, pointer-sized out values are widened and
narrowed, and guest functions handed to the host (handlers, continuations,
dialog routines) become native functions that call into the guest.

A host operation may fail with a host error (a bad script answer, say), which
the host's C++ code throws. No exception can cross this module's frames, so
the program calls host functions for us through vxemu_invoke, which catches
the error and returns it, and hands the host native trampolines instead of
guest functions, which throw it again on the host's side of the guest's
frames (emulated_pack.cpp). The guest frames in between are abandoned, as a
thread's frames are when it is ended.
"""
import ctypes
import struct
import traceback

from .declarations import Record
from .layout import Layout, from_register, signed32
from .machine import GuestFault

CTYPES_INT = {(1, True): ctypes.c_int8, (1, False): ctypes.c_uint8, (2, True): ctypes.c_int16,
              (2, False): ctypes.c_uint16, (4, True): ctypes.c_int32, (4, False): ctypes.c_uint32}
PROMPT_RECORD_FLAG = 1
LARGEST_MODE = 0xFFFF  # ReqData modes above this are drag routines
PICK_REQUEST = 23
MOUSE_HOOK = 7  # WH_MOUSE

# The shape of a call through vxemu_invoke and of a trampoline (emulated_pack.cpp).
INVOKE_WORDS = 16
INVOKE_DOUBLES = 8
TRAMPOLINE_WORDS = 6
MESSAGE_BYTES = 2048
HOST_FAULT = 3
MASK64 = (1 << 64) - 1

_program = ctypes.CDLL(None)
_invoke = _program.vxemu_invoke
_invoke.restype = ctypes.c_int
_invoke.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_uint64), ctypes.POINTER(ctypes.c_double), ctypes.c_int,
                    ctypes.POINTER(ctypes.c_uint64), ctypes.c_char_p, ctypes.c_size_t]
_program.vxemu_trampoline.restype = ctypes.c_void_p
_program.vxemu_trampoline.argtypes = [ctypes.c_int]
_program.vxemu_trampoline_count.restype = ctypes.c_int
GUEST_ENTRY = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_uint64),
                               ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_uint64), ctypes.c_void_p,
                               ctypes.c_size_t)


class HostError(Exception):
    """A host error raised inside a host operation; kind says which (emulated_pack.cpp)."""

    def __init__(self, kind, message):
        super().__init__(message)
        self.kind = kind


class NativeFunction:
    """A host function called with the argument kinds of its declaration; a host
    error it throws comes back as HostError."""

    def __init__(self, function, address):
        self.function = function
        self.address = address
        self.returns_double = function.result.kind == 'double'
        if function.result.kind == 'float' or any(t.kind == 'float' for t, _ in function.params):
            raise ValueError(f'{function.name}: float arguments do not cross to the host')

    def __call__(self, *args):
        words = (ctypes.c_uint64 * INVOKE_WORDS)()
        doubles = (ctypes.c_double * INVOKE_DOUBLES)()
        w = d = 0
        for (t, name), value in zip(self.function.params, args):
            if t.kind == 'double':
                doubles[d] = value
                d += 1
            else:
                words[w] = (value or 0) & MASK64
                w += 1
        if w > INVOKE_WORDS or d > INVOKE_DOUBLES:
            raise GuestFault(f'{self.function.name} has more arguments than a call to the host carries')
        result = ctypes.c_uint64()
        message = ctypes.create_string_buffer(MESSAGE_BYTES)
        kind = _invoke(self.address, words, doubles, self.returns_double, ctypes.byref(result), message,
                       MESSAGE_BYTES)
        if kind:
            raise HostError(kind, message.value.decode('utf-8', 'replace'))
        if self.returns_double:
            return struct.unpack('<d', struct.pack('<Q', result.value))[0]
        return from_register(self.function.result, result.value)


class NativeHost:
    def __init__(self, machine, decls, report):
        self.m = machine
        self.decls = decls
        self.report = report
        self.layouts = {name: Layout(decls, r) for name, r in decls.records.items() if isinstance(r, Record)}
        self.thunks = {}  # (callback type, guest address, key) -> trampoline slot
        self.slots = []  # trampoline slot -> (callback type, guest address, before, convert)
        self.trampolines = {}  # slot -> native address
        self.mouse_record = None  # the guest's copy of the mouse hook's record
        # One session at a time: every trampoline enters the guest through this session.
        self.entry = GUEST_ENTRY(self.guest_entry)
        _program.vxemu_set_guest_entry(self.entry)
        self.kept = {}  # guest address -> native copy the host keeps (registration, prompt records)
        self.registered = None
        self.registered_guest = None
        self.calls = {}
        self.proxies = {}  # native drawing list -> its guest proxy
        self.natives = {}  # guest proxy -> native drawing list
        self.list_ops = None  # the guest's copy of the list operation table
        self.op_tables = {}

    # ---- guest functions as native ones -------------------------------------

    def thunk(self, type_name, guest_address, before=None, convert=None, key=None):
        """A native function (a trampoline) calling guest_address.

        before() runs first and convert() maps the host's arguments; a thunk
        with either is told apart by key, and each call for the same key
        replaces them."""
        if guest_address == 0:
            return 0
        full_key = (type_name, guest_address, key)
        slot = self.thunks.get(full_key)
        if slot is None:
            slot = len(self.slots)
            trampoline = _program.vxemu_trampoline(slot)
            if not trampoline:
                raise GuestFault(f'more than {_program.vxemu_trampoline_count()} guest functions handed to the host')
            self.slots.append(None)
            self.thunks[full_key] = slot
            self.trampolines[slot] = trampoline
        self.slots[slot] = (type_name, guest_address, before, convert)
        return self.trampolines[slot]

    def run_slot(self, slot, words, doubles):
        """Runs the guest function behind a trampoline with the host's arguments."""
        type_name, guest_address, before, convert = self.slots[slot]
        sig = self.decls.callbacks[type_name]
        args, w, d = [], 0, 0
        for t, _ in sig.params:
            if t.kind == 'double':
                args.append(doubles[d])
                d += 1
            else:
                args.append(from_register(t, words[w]))
                w += 1
        if w > TRAMPOLINE_WORDS:
            raise GuestFault(f'{type_name} has more arguments than a trampoline receives')
        if before is not None:
            before()
        if convert is not None:
            args = convert(*args)
        guest_words = []
        for (t, name), value in zip(sig.params, args):
            if t.kind == 'double':
                guest_words += struct.unpack('<2I', struct.pack('<d', value))
            else:
                value &= MASK64
                if t.target == 'DList':
                    value = self.list_proxy(value)
                if t.kind == 'pointer':
                    value = self.m.guest_address(value, f'{type_name} {name}')
                guest_words.append(value & 0xFFFFFFFF)
        result = self.m.call(guest_address, guest_words, stdcall=type_name in self.decls.stdcall_callbacks,
                             what=f'{type_name} at {guest_address:#x}')
        kind = sig.result.kind
        if kind == 'void':
            return 0
        if kind == 'pointer':
            return self.m.native_address(result)
        if (kind == 'int' or kind == 'word') and sig.result.signed:
            return signed32(result) & MASK64
        return result

    def guest_entry(self, slot, words, doubles, result, message, size):
        """Called by a trampoline: 0, or the kind of the host error to throw."""
        try:
            result[0] = self.run_slot(slot, words, doubles)
            return 0
        except HostError as error:
            kind, text = error.kind, str(error)
        except BaseException as error:  # a guest fault: the host fails with it
            traceback.print_exc()
            kind, text = HOST_FAULT, f'vorlix.dll in emulation: {error}'
        data = text.encode('utf-8', 'replace')[:size - 1] + b'\0'
        ctypes.memmove(message, data, len(data))
        return kind

    # ---- guest calls to the host --------------------------------------------

    def stub(self, function, stdcall):
        """A stub handler calling the native function with the guest's arguments."""
        native = NativeFunction(function, ctypes.cast(getattr(_program, function.name), ctypes.c_void_p).value)
        special = getattr(self, 'call_' + function.name, None)
        return self._handler(function, function.guest_words() if stdcall else 0, native, special)

    def _handler(self, function, pop, native, special=None):
        guest_words = function.guest_words()

        def handler(m):
            self.calls[function.name] = self.calls.get(function.name, 0) + 1
            raw, words, index = m.args(guest_words), [], 0
            for t, _ in function.params:
                if t.kind == 'double':
                    words.append(struct.unpack('<d', struct.pack('<2I', raw[index], raw[index + 1]))[0])
                    index += 2
                else:
                    words.append(raw[index])
                    index += 1
            after = []
            if special is not None:
                result = special(native, words, after)
            else:
                args = [self.convert(function, t, name, value, words, after) for (t, name), value in
                        zip(function.params, words)]
                result = native(*args)
            for fn in after:
                fn()
            return self.finish(m, function, result, pop)

        return handler

    def finish(self, m, function, result, pop):
        kind = function.result.kind
        if kind == 'double':
            return m.finish_stub(double=result)
        if kind == 'void' or result is None:
            return m.finish_stub(0, pop)
        if function.result.target == 'DList':
            result = self.list_proxy(result)
        elif function.result.target in self.decls.op_tables and result:
            result = self.table_proxy(function.result.target, result)
        if kind in ('pointer', 'callback') and result >= 1 << 32:
            result = self.m.guest_address(result, function.name)
        return m.finish_stub(result & 0xFFFFFFFF, pop)

    def convert(self, function, t, name, value, words, after):
        if t.kind == 'double':
            return value
        if t.kind == 'int':
            value &= (1 << (8 * t.size)) - 1
            return value - (1 << (8 * t.size)) if t.signed and value >> (8 * t.size - 1) else value
        if t.kind == 'word':
            return signed32(value) if t.signed else value
        if t.kind == 'callback':
            return self.thunk(t.target, value)
        if value == 0:
            return 0
        value = self.m.native_address(value)
        target = t.target
        if target == 'DList':
            return self.native_list(value)
        layout = self.layouts.get(target)
        if layout is not None and layout.differs:
            return self.widen_record(layout, value, not t.const, f'{function.name} {name}', after)
        if target.endswith('*') or target in ('HKEY', 'HMENU', 'HWND', 'HANDLE'):
            slot = ctypes.create_string_buffer(struct.pack('<Q', self.m.u32(value)), 8)
            what = f'{function.name} {name}'
            after.append(lambda: self.m.put_u32(value, self._narrow_word(slot, what)))
            return ctypes.addressof(slot)
        return value

    def _narrow_word(self, slot, what):
        value = struct.unpack('<Q', slot.raw)[0]
        if value >= 1 << 32:
            raise GuestFault(f'{what}: the host gave {value:#x}, which 32-bit code cannot reach')
        return value

    def widen_record(self, layout, guest_address, copy_back, what, after, keep=False):
        native = ctypes.create_string_buffer(layout.native_size)
        layout.widen(self.m.read(guest_address, layout.guest_size), native, self.m.native_address)
        if copy_back:
            after.append(lambda: self.m.write(guest_address, layout.narrow(native.raw, what, self.m.guest_address)))
        if keep:
            self.kept[guest_address] = native
        else:
            after.append(lambda: native)  # alive until the call returns
        return ctypes.addressof(native)

    def prompt_record(self, guest_address, what):
        """A prompt record the host may read while the request waits."""
        layout = self.layouts['PromptRecord']
        return self.widen_record(layout, guest_address, False, what, [], keep=True)

    # ---- operations whose arguments depend on each other ----------------------

    def call_ReqData(self, native, w, after):
        kind, buffer, prompt, mode, next_step, flags, extra = w
        buffer = self.m.native_address(buffer)
        if flags & PROMPT_RECORD_FLAG and prompt:
            prompt = self.prompt_record(prompt, 'ReqData prompt record')
        else:
            prompt = self.m.native_address(prompt)
        mode = self.thunk('DragRoutine', mode) if mode > LARGEST_MODE else signed32(mode)
        continuation = self.thunk('Continuation', next_step)
        if kind == PICK_REQUEST and buffer:
            # The host answers with a 64-bit entity pointer; the pack's buffer holds 32 bits.
            guest_buffer = buffer
            slot = ctypes.create_string_buffer(struct.pack('<Q', self.m.u32(buffer)), 8)
            buffer = ctypes.addressof(slot)
            continuation = self.thunk('Continuation', next_step, before=lambda: self.m.put_u32(
                guest_buffer, self._narrow_word(slot, 'ReqData pick answer')), key=('pick', guest_buffer))
            self.kept[('pick', guest_buffer)] = slot
        return native(signed32(kind), buffer, prompt, mode, continuation, signed32(flags),
                      signed32(extra))

    def call_FormSt(self, native, w, after):
        item, n, title, last = w
        if signed32(n) == 0 and title == 0 and item:
            item = self.prompt_record(item, 'FormSt prompt record')
            last = self.m.native_address(last)  # the buffer the text is formatted into, or 2
        else:
            item = self.m.native_address(item)
        return native(item, signed32(n), self.m.native_address(title), signed32(last))

    def call_XPRegister(self, native, w, after):
        (record,) = w
        self.report.registration(record)
        return native(self.registration_record(record))

    def call_XPUnRegister(self, native, w, after):
        (record,) = w
        self.report.unregistered(record)
        native_record = self.registered if record == self.registered_guest else self.registration_record(record)
        return native(native_record)

    def call_SetWindowsHookExA(self, native, w, after):
        kind, proc, module, thread = w
        convert = None
        if kind == MOUSE_HOOK:
            layout = self.layouts['MOUSEHOOKSTRUCT']
            if self.mouse_record is None:
                self.mouse_record = self.m.system_alloc(layout.guest_size)
            guest_copy = self.mouse_record

            def convert(code, wparam, lparam):
                # The hook's lParam is the host's 64-bit MOUSEHOOKSTRUCT.
                if lparam:
                    native_bytes = ctypes.string_at(lparam, layout.native_size)
                    self.m.write(guest_copy, layout.narrow(native_bytes, 'mouse hook record', self.m.guest_address))
                    lparam = guest_copy
                return code, wparam, lparam
        return native(signed32(kind), self.thunk('HOOKPROC', proc, convert=convert, key='mouse' if convert else None),
                      module, thread)

    def registration_record(self, guest):
        """The 64-bit registration record: the host keeps it until unregistered."""
        m = self.m
        words = struct.unpack('<7I', m.read(guest, 28))
        names, handlers = words[3], words[4]
        count = 0
        if names:
            address = names
            while m.read(address, 1) != b'\0':
                address += len(m.cstring(address)) + 1
                count += 1
        slots = (ctypes.c_uint64 * (count + 2))()
        for i in range(count + 2):
            slots[i] = self.thunk('Handler', m.u32(handlers + 4 * i)) if handlers else 0
        native = (ctypes.c_uint64 * 7)(*words)
        native[4] = ctypes.addressof(slots) if handlers else 0
        self.kept[guest] = (native, slots)
        self.registered, self.registered_guest = ctypes.addressof(native), guest
        return self.registered

    # ---- drawing lists --------------------------------------------------------
    #
    # A drawing list reaches the pack as an object whose first word is its
    # operation table. The guest gets a proxy object in its own memory: the
    # 32-bit table of stubs, and the drawing's file name at its offset. Each
    # stub calls the operation of the real list's own table.

    def list_proxy(self, native_list):
        if native_list == 0:
            return 0
        offset = self.decls.constants['kDListFileName']
        size = self.decls.constants['kDListFileNameBytes']
        guest = self.proxies.get(native_list)
        if guest is None:
            if self.list_ops is None:
                self.list_ops = self._guest_op_table(
                    'DListOps', lambda args: ctypes.c_uint64.from_address(args[0]).value)
            guest = self.m.system_alloc(offset + size)
            self.proxies[native_list], self.natives[guest] = guest, native_list
            self.m.put_u32(guest, self.list_ops)
        self.m.write(guest + offset, ctypes.string_at(native_list + offset, size))
        return guest

    def native_list(self, guest):
        if guest not in self.natives:
            raise GuestFault(f'{guest:#x} is not a drawing list the host gave out')
        return self.natives[guest]

    def table_proxy(self, table, native_table):
        """A guest copy of a table of host functions (the drag views' drawing operations)."""
        key = (table, native_table)
        if key not in self.kept:
            self.kept[key] = self._guest_op_table(table, lambda args: native_table)
        return self.kept[key]

    def _guest_op_table(self, table, locate):
        functions = self.decls.op_tables[table]
        address = self.m.system_alloc(4 * len(functions))
        for index, function in enumerate(functions):

            def call(*args, index=index, function=function):
                table_address = locate(args)
                native = NativeFunction(function, ctypes.c_uint64.from_address(table_address + 8 * index).value)
                result = native(*args)
                if function.name == 'release':
                    self.natives.pop(self.proxies.pop(args[0], None), None)
                return result

            self.m.put_u32(address + 4 * index, self.m.add_stub(self._handler(function, 0, call)))
        return address
