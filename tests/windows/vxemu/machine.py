"""The 32-bit x86 machine the DLL runs on.

Guest memory is process memory: every guest region is mapped at the same
address in this process (mmap) and handed to Unicorn by pointer, so a guest
pointer, zero-extended, is a valid pointer for the host operations. Pages of
this process below 4 GiB that the guest reaches (the host's heap and data,
where the records it hands out live) are mapped into the guest on first touch.

Calls into the guest never nest emulator runs: a call pushes a return address
that traps, runs until something traps, and when an import stub traps the
emulator has already stopped, so the stub's work (which may call into the
guest again) runs outside any emulation.
"""
import ctypes
import struct

from unicorn import (Uc, UcError, UC_ARCH_X86, UC_MODE_32, UC_PROT_ALL, UC_HOOK_INTR,
                     UC_HOOK_MEM_UNMAPPED)
from unicorn import x86_const as X
from unicorn import unicorn as _unicorn_binding

PAGE = 0x1000
PROT_RWX = 7
MAP_PRIVATE, MAP_ANONYMOUS, MAP_FIXED_NOREPLACE = 0x02, 0x20, 0x100000

_libc = ctypes.CDLL(None, use_errno=True)
_libc.mmap.restype = ctypes.c_void_p
_libc.mmap.argtypes = [ctypes.c_void_p, ctypes.c_size_t, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_long]
_libc.munmap.argtypes = [ctypes.c_void_p, ctypes.c_size_t]

# Guest layout (the DLL's own image goes at its preferred base). The host's
# heap starts anywhere up to 1 GiB past the program (brk randomisation) and
# grows up from there, so the emulator's own regions sit well above that.
STUBS = 0x6F000000        # one trapping stub per import, plus the return trap
STUB_SIZE = 8
SYSTEM = 0x6F100000       # GDT, TEB, TLS, the runtime's data imports
SYSTEM_SIZE = 0x100000
STACK = 0x6F200000
STACK_SIZE = 0x100000
RELOCATION_BASES = range(0x64000000, 0x6F000000, 0x01000000)

# Host memory above 4 GiB (the settings tables the host reserves with mmap)
# is shown to the guest through windows here.
WINDOWS = 0x70000000
WINDOWS_END = 0x7F000000
WINDOW_MAX = 16 << 20

# x87 control word as Windows starts a thread: 53-bit precision, round to
# nearest, every exception masked. MXCSR likewise masks everything.
WINDOWS_FPCW = 0x027F
WINDOWS_MXCSR = 0x1F80


class GuestFault(Exception):
    """The guest did something a Windows process would crash on."""


class Machine:
    def __init__(self):
        self.uc = Uc(UC_ARCH_X86, UC_MODE_32)
        self._register = ctypes.c_uint64()
        self.regions = []  # (address, size) mapped by us in this process
        self.native_pages = []  # (begin, end) of this process's own pages lent to the guest
        self.windows = []  # (guest address, native address, size) of host memory above 4 GiB
        self.next_window = WINDOWS
        self.stubs = []  # index -> handler(machine) or None for the return trap
        self.trap = None
        self.map_fixed(STUBS, 0x10000)
        self.map_fixed(SYSTEM, SYSTEM_SIZE)
        self.map_fixed(STACK, STACK_SIZE)
        self.write(STUBS, b'\xcc' * 0x10000)  # int3 everywhere: every stub traps
        self.return_trap = self.add_stub(None)
        self.system_next = SYSTEM
        self._setup_segments()
        self.uc.hook_add(UC_HOOK_INTR, self._on_interrupt)
        self.uc.hook_add(UC_HOOK_MEM_UNMAPPED, self._on_unmapped)
        self.fld_scratch = self.system_alloc(8)
        # fld qword [scratch]; ret -- how a stub returns a double in ST0.
        self.fld_return = self.system_alloc(8)
        self.write(self.fld_return, b'\xdd\x05' + struct.pack('<I', self.fld_scratch) + b'\xc3')
        self.reg(X.UC_X86_REG_ESP, STACK + STACK_SIZE - 64)
        self.uc.reg_write(X.UC_X86_REG_FPCW, WINDOWS_FPCW)
        self.uc.reg_write(X.UC_X86_REG_MXCSR, WINDOWS_MXCSR)
        self.calls = 0
        self.abandoned = 0  # guest calls a host error unwound

    # ---- memory ---------------------------------------------------------

    def map_fixed(self, address, size):
        """Maps fresh zeroed memory at address, here and in the guest."""
        size = (size + PAGE - 1) & ~(PAGE - 1)
        got = _libc.mmap(address, size, PROT_RWX, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0)
        if got != address:
            if got not in (None, ctypes.c_void_p(-1).value):
                _libc.munmap(got, size)
            return False
        self.regions.append((address, size))
        self.uc.mem_map_ptr(address, size, UC_PROT_ALL, address)
        return True

    def release(self):
        for address, size in self.regions:
            _libc.munmap(address, size)
        self.regions = []

    def system_alloc(self, size, align=16):
        address = (self.system_next + align - 1) & ~(align - 1)
        self.system_next = address + size
        if self.system_next > SYSTEM + SYSTEM_SIZE:
            raise GuestFault('the emulator ran out of system memory')
        return address

    def read(self, address, size):
        return bytes(self.uc.mem_read(address, size))

    def write(self, address, data):
        self.uc.mem_write(address, bytes(data))

    def u32(self, address):
        return struct.unpack('<I', self.read(address, 4))[0]

    def put_u32(self, address, value):
        self.write(address, struct.pack('<I', value & 0xFFFFFFFF))

    def cstring(self, address, limit=1 << 20):
        if address == 0:
            return None
        address = self.native_address(address)
        return ctypes.string_at(address, min(limit, _libc.strlen(ctypes.c_void_p(address))))

    def _on_unmapped(self, uc, access, address, size, value, data):
        return self.lend_native(address)

    def lend_native(self, address):
        """Maps the page run of this process around address into the guest."""
        if address >= 1 << 32:
            return False
        with open('/proc/self/maps') as maps:
            for line in maps:
                span = line.split()[0].split('-')
                begin, end = int(span[0], 16), int(span[1], 16)
                if begin <= address < end and 'r' in line.split()[1]:
                    break
            else:
                return False
        taken = [(b, e + 1) for b, e, _ in self.uc.mem_regions()]
        lo = max([begin] + [e for b, e in taken if e <= address])
        hi = min([end, 1 << 32] + [b for b, e in taken if b > address])
        if not lo <= address < hi:
            return False
        self.uc.mem_map_ptr(lo, hi - lo, UC_PROT_ALL, lo)
        self.native_pages.append((lo, hi))
        return True

    def window(self, native):
        """The guest address at which the guest sees the host's memory at native."""
        for guest, begin, size in self.windows:
            if begin <= native < begin + size:
                return guest + native - begin
        with open('/proc/self/maps') as maps:
            for line in maps:
                span = line.split()[0].split('-')
                low, high = int(span[0], 16), int(span[1], 16)
                if low <= native < high:
                    break
            else:
                raise GuestFault(f'the host handed the DLL {native:#x}, which is not mapped')
        begin = native & ~(PAGE - 1)
        size = min(high, begin + WINDOW_MAX) - begin
        guest = self.next_window
        if guest + size > WINDOWS_END:
            raise GuestFault('no guest address space left to show host memory above 4 GiB')
        self.uc.mem_map_ptr(guest, size, UC_PROT_ALL, begin)
        self.windows.append((guest, begin, size))
        self.next_window = guest + ((size + 0xFFFFF) & ~0xFFFFF)
        return guest + native - begin

    def native_address(self, guest):
        """Where a guest address points in this process (differs only inside windows)."""
        if WINDOWS <= guest < WINDOWS_END:
            for window, begin, size in self.windows:
                if window <= guest < window + size:
                    return begin + guest - window
        return guest

    def guest_address(self, native, what):
        if native < 1 << 32:
            return native
        return self.window(native)

    # ---- registers and stack ----------------------------------------------

    def reg(self, register, value=None):
        """A 32-bit general register, read or written straight through the C API (the
        binding's own reg_read handles every architecture's special registers and
        is ten times slower, which a hatch's thousands of callbacks feel)."""
        if value is None:
            _unicorn_binding._uc.uc_reg_read(self.uc._uch, register, ctypes.byref(self._register))
            return self._register.value & 0xFFFFFFFF
        self._register.value = value & 0xFFFFFFFF
        _unicorn_binding._uc.uc_reg_write(self.uc._uch, register, ctypes.byref(self._register))
        return value

    def arg(self, index):
        """The index-th 32-bit word of the arguments of a call that just trapped."""
        return self.u32(self.reg(X.UC_X86_REG_ESP) + 4 + 4 * index)

    def args(self, count):
        """The first count 32-bit words of the arguments of a call that just trapped."""
        if count == 0:
            return ()
        return struct.unpack(f'<{count}I', self.read(self.reg(X.UC_X86_REG_ESP) + 4, 4 * count))

    def push(self, value):
        esp = self.reg(X.UC_X86_REG_ESP) - 4
        self.reg(X.UC_X86_REG_ESP, esp)
        self.put_u32(esp, value)

    def _setup_segments(self):
        """Flat 32-bit code and data segments, and FS on the thread block."""
        self.teb = self.system_alloc(0x1000, PAGE)
        self.peb = self.system_alloc(0x1000, PAGE)
        gdt = self.system_alloc(32 * 8, 8)

        def descriptor(base, limit, access, flags=0xC):
            return struct.pack('<Q', (limit & 0xFFFF) | ((base & 0xFFFFFF) << 16) | (access << 40) |
                               (((limit >> 16) & 0xF) << 48) | (flags << 52) | (((base >> 24) & 0xFF) << 56))

        self.write(gdt + 1 * 8, descriptor(0, 0xFFFFF, 0xFB))  # code, ring 3
        self.write(gdt + 2 * 8, descriptor(0, 0xFFFFF, 0xF3))  # data, ring 3
        self.write(gdt + 3 * 8, descriptor(self.teb, 0xFFF, 0xF3, 0x4))  # FS: the TEB
        self.write(gdt + 4 * 8, descriptor(0, 0xFFFFF, 0x93))  # stack, ring 0 (Unicorn runs at ring 0)
        self.uc.reg_write(X.UC_X86_REG_GDTR, (0, gdt, 32 * 8 - 1, 0))
        self.uc.reg_write(X.UC_X86_REG_CS, 1 << 3 | 3)
        self.uc.reg_write(X.UC_X86_REG_DS, 2 << 3 | 3)
        self.uc.reg_write(X.UC_X86_REG_ES, 2 << 3 | 3)
        self.uc.reg_write(X.UC_X86_REG_GS, 2 << 3 | 3)
        self.uc.reg_write(X.UC_X86_REG_FS, 3 << 3 | 3)
        self.uc.reg_write(X.UC_X86_REG_SS, 4 << 3)
        self.put_u32(self.teb + 0x00, 0xFFFFFFFF)  # no exception handler registered
        self.put_u32(self.teb + 0x04, STACK + STACK_SIZE)  # stack base
        self.put_u32(self.teb + 0x08, STACK)  # stack limit
        self.put_u32(self.teb + 0x18, self.teb)  # the TEB's own address
        self.put_u32(self.teb + 0x24, 1)  # thread id
        self.put_u32(self.teb + 0x30, self.peb)

    # ---- stubs and calls --------------------------------------------------

    def add_stub(self, handler):
        self.stubs.append(handler)
        return STUBS + (len(self.stubs) - 1) * STUB_SIZE

    def _on_interrupt(self, uc, number, data):
        eip = self.reg(X.UC_X86_REG_EIP)
        index = (eip - 1 - STUBS) // STUB_SIZE
        if number == 3 and STUBS < eip <= STUBS + len(self.stubs) * STUB_SIZE and \
                (eip - 1 - STUBS) % STUB_SIZE == 0:
            self.trap = ('stub', index)
        else:
            self.trap = ('interrupt', number, eip)
        uc.emu_stop()

    def finish_stub(self, result=0, pop_words=0, double=None):
        """Returns from a trapped stub: cdecl leaves the arguments, stdcall pops pop_words."""
        esp = self.reg(X.UC_X86_REG_ESP)
        if double is not None:
            self.write(self.fld_scratch, struct.pack('<d', double))
            if pop_words:
                raise GuestFault('stdcall double returns are not used by the pack')
            return self.fld_return
        ret = self.u32(esp)
        self.reg(X.UC_X86_REG_EAX, result)
        self.reg(X.UC_X86_REG_ESP, esp + 4 + 4 * pop_words)
        return ret

    def call(self, address, args=(), stdcall=False, what=None):
        """Calls guest code at address with 32-bit arguments; returns EAX.

        The callee must keep EBX, ESI, EDI and EBP as the ABI says; the caller's
        EIP needs no saving, since whoever resumes the caller sets it."""
        esp0 = self.reg(X.UC_X86_REG_ESP) - 64  # leave the trapped caller's frame alone
        frame = esp0 - 4 - 4 * len(args)
        self.write(frame, struct.pack(f'<{len(args) + 1}I', self.return_trap, *[a & 0xFFFFFFFF for a in args]))
        self.reg(X.UC_X86_REG_ESP, frame)
        expected = esp0 if stdcall else esp0 - 4 * len(args)
        eip = address
        self.calls += 1
        try:
            return self._run(eip, expected, esp0, stdcall, len(args), what or hex(address))
        except BaseException:
            # A host error on its way to the host's frames above this call: the
            # guest's frames below are given up, its stack is as before the call.
            self.abandoned += 1
            self.reg(X.UC_X86_REG_ESP, esp0 + 64)
            raise

    def _run(self, eip, expected, esp0, stdcall, count, what):
        while True:
            self.trap = None
            try:
                self.uc.emu_start(eip, 0)
            except UcError as error:
                raise GuestFault(f'{error} at EIP {self.reg(X.UC_X86_REG_EIP):#x} in {what}') from None
            trap = self.trap
            if trap is None:
                raise GuestFault(f'emulation stopped without a trap at {self.reg(X.UC_X86_REG_EIP):#x}')
            if trap[0] == 'interrupt':
                raise GuestFault(f'interrupt {trap[1]} at {trap[2]:#x} in {what}')
            handler = self.stubs[trap[1]]
            if handler is None:  # returned to us
                esp = self.reg(X.UC_X86_REG_ESP)
                if esp != expected:
                    raise GuestFault(f'{what} returned with ESP {esp:#x}, expected {expected:#x} '
                                     f'({"stdcall" if stdcall else "cdecl"}, {count} arguments)')
                self.reg(X.UC_X86_REG_ESP, esp0 + 64)
                return self.reg(X.UC_X86_REG_EAX)
            eip = handler(self)

    def st0(self):
        """The double a guest function left on the x87 stack (popped)."""
        fpsw = self.uc.reg_read(X.UC_X86_REG_FPSW)
        value = self.uc.reg_read(X.UC_X86_REG_ST0)
        self.uc.reg_write(X.UC_X86_REG_FPSW, (fpsw & ~0x3800) | (((fpsw >> 11) + 1) & 7) << 11)
        return value
