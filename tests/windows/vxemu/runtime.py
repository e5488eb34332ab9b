"""The parts of kernel32 and of the Microsoft C runtime (msvcrt.dll) that the
DLL's start-up code, the C++ runtime linked into it and the pack call, for a
process with one thread.

The heap is this process's own malloc, so blocks are addressable by the host
operations as they are by the guest; every block is recorded with the phase
of the DLL's life that allocated it, which is how the unload check knows
what the pack left behind.
"""
import ctypes
import math
import struct

from .machine import GuestFault

_libc = ctypes.CDLL(None)
for _name in ('malloc', 'calloc', 'realloc'):
    getattr(_libc, _name).restype = ctypes.c_void_p
_libc.malloc.argtypes = [ctypes.c_size_t]
_libc.calloc.argtypes = [ctypes.c_size_t, ctypes.c_size_t]
_libc.realloc.argtypes = [ctypes.c_void_p, ctypes.c_size_t]
_libc.free.argtypes = [ctypes.c_void_p]

STRING_FUNCTIONS = {
    # name: (argument count, returns a pointer)
    'memchr': (3, True), 'memcmp': (3, False), 'memcpy': (3, True), 'memmove': (3, True),
    'memset': (3, True), 'strchr': (2, True), 'strcmp': (2, False), 'strcpy': (2, True),
    'strcspn': (2, False), 'strlen': (1, False), 'strncmp': (3, False), 'strncpy': (3, True),
    'strrchr': (2, True), 'atoi': (1, False),
}


class GuestAbort(GuestFault):
    pass


class Runtime:
    def __init__(self, machine, log):
        self.m = machine
        self.log = log
        self.blocks = {}  # address -> (size, phase)
        self.phase = 'start-up'
        self.tls = {}
        self.next_tls = 0
        self.files = {}  # FILE* -> open Python file
        self.handles = 0x100
        self.errno = machine.system_alloc(4)
        self.data = {
            '__mb_cur_max': self._data(struct.pack('<i', 1)),
            '_iob': self._data(bytes(32 * 20)),
        }
        self.strings = {}
        self.functions = {}
        self._register()

    def _data(self, content):
        address = self.m.system_alloc(len(content))
        self.m.write(address, content)
        return address

    def static_string(self, text):
        if text not in self.strings:
            self.strings[text] = self._data(text.encode() + b'\0')
        return self.strings[text]

    # ---- the heap -----------------------------------------------------------

    def alloc(self, size, zero=False):
        address = _libc.calloc(1, max(size, 1)) if zero else _libc.malloc(max(size, 1))
        if not address or address + size >= 1 << 32:
            raise GuestFault(f'no 32-bit addressable memory for a block of {size} bytes')
        self.blocks[address] = (size, self.phase)
        return address

    def free(self, address):
        if address == 0:
            return
        if address not in self.blocks:
            raise GuestFault(f'free of {address:#x}, which is not a block the heap gave out')
        del self.blocks[address]
        _libc.free(address)

    def realloc(self, address, size):
        if address == 0:
            return self.alloc(size)
        if address not in self.blocks:
            raise GuestFault(f'realloc of {address:#x}, which is not a block the heap gave out')
        moved = _libc.realloc(address, max(size, 1))
        if not moved or moved + size >= 1 << 32:
            raise GuestFault(f'no 32-bit addressable memory for a block of {size} bytes')
        phase = self.blocks.pop(address)[1]
        self.blocks[moved] = (size, phase)
        return moved

    # ---- registration -------------------------------------------------------

    def _register(self):
        f = self.functions
        stdcall = {
            'CloseHandle': (1, lambda h: 1),
            'CreateSemaphoreW': (4, lambda *a: self._handle()),
            'ReleaseSemaphore': (3, lambda *a: 1),
            'WaitForSingleObject': (2, lambda *a: 0),
            'InitializeCriticalSection': (1, lambda cs: 0),
            'DeleteCriticalSection': (1, lambda cs: 0),
            'EnterCriticalSection': (1, lambda cs: 0),
            'LeaveCriticalSection': (1, lambda cs: 0),
            'GetLastError': (0, lambda: self.m.u32(self.m.teb + 0x34)),
            'SetLastError': (1, lambda e: self.m.put_u32(self.m.teb + 0x34, e)),
            'GetModuleHandleA': (1, lambda name: 0),
            'GetModuleHandleW': (1, lambda name: 0),
            'LoadLibraryA': (1, lambda name: 0),
            'LoadLibraryW': (1, lambda name: 0),
            'GetProcAddress': (2, lambda module, name: 0),
            'FreeLibrary': (1, lambda module: 1),
            'Sleep': (1, lambda ms: 0),
            'IsDBCSLeadByteEx': (2, lambda page, byte: 0),
            'TlsAlloc': (0, self._tls_alloc),
            'TlsFree': (1, lambda i: int(self.tls.pop(i, None) is not None or True)),
            'TlsGetValue': (1, lambda i: self.tls.get(i, 0)),
            'TlsSetValue': (2, self._tls_set),
            'VirtualProtect': (4, self._virtual_protect),
            'VirtualQuery': (3, self._virtual_query),
            'MultiByteToWideChar': (6, self._multi_byte_to_wide),
            'WideCharToMultiByte': (8, self._wide_to_multi_byte),
        }
        for name, (count, fn) in stdcall.items():
            f[('kernel32.dll', name)] = ('stdcall', count, fn)
        cdecl = {
            '__setusermatherr': (1, lambda fn: 0),
            '_amsg_exit': (1, self._amsg_exit),
            '_errno': (0, lambda: self.errno),
            '_initterm': (2, self._initterm),
            '_lock': (1, lambda n: 0),
            '_unlock': (1, lambda n: 0),
            'abort': (0, self._abort),
            'malloc': (1, lambda size: self.alloc(size)),
            'calloc': (2, lambda n, size: self.alloc(n * size, zero=True)),
            'realloc': (2, self.realloc),
            'free': (1, self.free),
            'fopen': (2, self._fopen),
            'fclose': (1, self._fclose),
            'fputs': (2, lambda s, fp: self._write(fp, self.m.cstring(s)) or 0),
            'fputc': (2, lambda c, fp: self._write(fp, bytes([c & 0xFF])) or c & 0xFF),
            'fwrite': (4, lambda p, size, n, fp: self._write(fp, self.m.read(p, size * n)) or n),
            'vfprintf': (3, lambda fp, fmt, va: self._vfprintf(fp, fmt, va)),
            'localeconv': (0, self._localeconv),
            'setlocale': (2, lambda category, name: self.static_string('C')),
            'strerror': (1, lambda n: self.static_string(f'error {n}')),
            'wcslen': (1, self._wcslen),
            '_read': (3, lambda *a: self._unsupported('_read')),
            '_close': (1, lambda *a: self._unsupported('_close')),
        }
        for name, (count, fn) in cdecl.items():
            f[('msvcrt.dll', name)] = ('cdecl', count, fn)
        f[('msvcrt.dll', '_hypot')] = ('cdecl-double', 4, lambda *w: math.hypot(
            *struct.unpack('<2d', struct.pack('<4I', *w))))
        for name, (count, returns_pointer) in STRING_FUNCTIONS.items():
            f[('msvcrt.dll', name)] = ('cdecl', count, self._string_function(name, count, returns_pointer))

    def _string_function(self, name, count, returns_pointer):
        """The C library's own function on the guest's memory, seen at the same addresses here."""
        native = getattr(_libc, name)
        native.argtypes = [ctypes.c_size_t] * count
        native.restype = ctypes.c_size_t if returns_pointer else ctypes.c_int

        def call(*args):
            result = native(*[self.m.native_address(a) for a in args])
            return self.m.guest_address(result, name) if returns_pointer and result else result
        return call

    def _unsupported(self, name):
        raise GuestFault(f'{name} is not provided by the emulated C runtime')

    def _handle(self):
        self.handles += 4
        return self.handles

    def _tls_alloc(self):
        self.next_tls += 1
        self.tls[self.next_tls] = 0
        return self.next_tls

    def _tls_set(self, index, value):
        self.tls[index] = value
        return 1

    def _virtual_protect(self, address, size, protect, old):
        if old:
            self.m.put_u32(old, 0x40)
        return 1

    def _virtual_query(self, address, info, length):
        page = address & ~0xFFF
        self.m.write(info, struct.pack('<7I', page, page, 0x40, 0x1000, 0x1000, 0x40, 0x1000000))
        return 28

    def _multi_byte_to_wide(self, page, flags, text, count, out, size):
        data = self.m.cstring(text) + b'\0' if count == 0xFFFFFFFF else self.m.read(text, count)
        wide = data.decode('cp1252', errors='replace').encode('utf-16-le')
        if size:
            self.m.write(out, wide[:size * 2])
        return len(wide) // 2

    def _wide_to_multi_byte(self, page, flags, text, count, out, size, default, used):
        if count == 0xFFFFFFFF:
            count = self._wcslen(text) + 1
        data = self.m.read(text, count * 2).decode('utf-16-le').encode('cp1252', errors='replace')
        if size:
            self.m.write(out, data[:size])
        return len(data)

    def _wcslen(self, text):
        n = 0
        while self.m.read(text + 2 * n, 2) != b'\0\0':
            n += 1
        return n

    def _amsg_exit(self, code):
        raise GuestAbort(f'the C runtime stopped the process (_amsg_exit {code})')

    def _abort(self):
        raise GuestAbort('the DLL called abort()')

    def _initterm(self, begin, end):
        for slot in range(begin, end, 4):
            fn = self.m.u32(slot)
            if fn not in (0, 0xFFFFFFFF):
                self.m.call(fn, (), what=f'initialiser {fn:#x}')
        return 0

    def _localeconv(self):
        if 'lconv' not in self.strings:
            point, empty = self.static_string('.'), self.static_string('')
            self.strings['lconv'] = self._data(struct.pack('<6I', point, empty, empty, empty, empty, empty) +
                                               struct.pack('<4I', empty, empty, empty, empty) + bytes(8))
        return self.strings['lconv']

    # ---- files ----------------------------------------------------------------

    def _fopen(self, name, mode):
        path, how = self.m.cstring(name).decode('cp1252'), self.m.cstring(mode).decode()
        python_mode = how[0] + 'b' + ('+' if '+' in how else '')
        try:
            f = open(path, python_mode)
        except OSError:
            self.m.put_u32(self.errno, 2)
            return 0
        fp = self.alloc(32, zero=True)
        self.blocks[fp] = (32, 'file')
        self.files[fp] = (f, 'b' not in how)
        return fp

    def _stream(self, fp):
        if fp in self.files:
            return self.files[fp]
        iob = self.data['_iob']
        if fp in (iob + 32, iob + 64):
            return None, False
        raise GuestFault(f'{fp:#x} is not an open FILE')

    def _write(self, fp, data):
        f, text = self._stream(fp)
        if f is None:
            self.log('guest wrote to the console: ' + data.decode('cp1252', errors='replace'))
            return
        f.write(data.replace(b'\n', b'\r\n') if text else data)

    def _fclose(self, fp):
        f, _ = self._stream(fp)
        if f is not None:
            f.close()
            del self.files[fp]
            self.free(fp)
        return 0

    def _vfprintf(self, fp, fmt, va):
        text = format_printf(self.m, self.m.cstring(fmt), va)
        self._write(fp, text)
        return len(text)


def format_printf(m, fmt, va, windows=False):
    """printf (or wsprintf) formatting of guest arguments read from va onwards."""
    out, i = bytearray(), 0
    while i < len(fmt):
        c = fmt[i:i + 1]
        if c != b'%':
            out += c
            i += 1
            continue
        j = i + 1
        while j < len(fmt) and fmt[j:j + 1] in b'-+ #0123456789.lhI6':
            j += 1
        spec, conv = fmt[i + 1:j].decode(), fmt[j:j + 1].decode()
        i = j + 1
        flags = spec.replace('l', '').replace('h', '').replace('I64', '')
        if conv == '%':
            out += b'%'
            continue
        if conv in 'fFeEgG':
            value = struct.unpack('<d', m.read(va, 8))[0]
            va += 8
        else:
            value = m.u32(va)
            va += 4
        if conv in 'di':
            value = value - (1 << 32) if value & 0x80000000 else value
            out += ('%' + flags + 'd').__mod__(value).encode()
        elif conv in 'uxXo':
            out += ('%' + flags + conv).__mod__(value).encode()
        elif conv in 'fFeEgG':
            out += ('%' + flags + conv).__mod__(value).encode()
        elif conv == 'c':
            out += ('%' + flags + 's').__mod__(chr(value & 0xFF)).encode('latin-1')
        elif conv == 's':
            text = m.cstring(value) if value else b'(null)'
            out += ('%' + flags + 's').__mod__(text.decode('latin-1')).encode('latin-1')
        elif conv == 'p':
            out += b'%08X' % value
        else:
            raise GuestFault(f'format conversion %{spec}{conv} is not supported')
    return bytes(out)
