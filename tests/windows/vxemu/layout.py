"""Values and records as the 32-bit guest holds them and as this 64-bit
process does.

A record whose fields include pointers or pointer-sized integers differs
between the two; its fields are copied one by one, widened or narrowed.
"""
import ctypes
import struct

from .machine import GuestFault


def signed32(value):
    return value - (1 << 32) if value & 0x80000000 else value


def from_register(t, value):
    """The value of type t from a 64-bit register whose upper bits may be anything."""
    if t is None or t.kind == 'void':
        return None
    if t.kind == 'int':
        value &= (1 << (8 * t.size)) - 1
        return value - (1 << (8 * t.size)) if t.signed and value >> (8 * t.size - 1) else value
    if t.kind == 'word' and t.signed:
        return value - (1 << 64) if value >> 63 else value
    return value


class Layout:
    """A record's field offsets in the guest (4-byte pointers) and here (8-byte)."""

    def __init__(self, decls, record):
        self.fields = []  # (ctype, guest offset, native offset, count, sub-layout or None)
        self.guest_size = self.native_size = 0
        guest_align = native_align = 1
        for t, name, count in record.fields:
            sub = None
            if t.kind == 'record':
                sub = Layout(decls, decls.records[t.target])
                gsize, nsize, galign, nalign = sub.guest_size, sub.native_size, sub.guest_align, sub.native_align
            elif t.kind in ('pointer', 'word', 'callback'):
                gsize, nsize, galign, nalign = 4, 8, 4, 8
            else:
                gsize = nsize = galign = nalign = t.size
            self.guest_size = (self.guest_size + galign - 1) // galign * galign
            self.native_size = (self.native_size + nalign - 1) // nalign * nalign
            self.fields.append((t, self.guest_size, self.native_size, count, sub, gsize, nsize))
            self.guest_size += gsize * count
            self.native_size += nsize * count
            guest_align, native_align = max(guest_align, galign), max(native_align, nalign)
        self.guest_align, self.native_align = guest_align, native_align
        self.guest_size = (self.guest_size + guest_align - 1) // guest_align * guest_align
        self.native_size = (self.native_size + native_align - 1) // native_align * native_align
        # Equal sizes do not make equal layouts: padding may take up what a
        # pointer gains (an int, a double, a pointer and a double are 32 bytes
        # on both sides).
        self.differs = self.guest_size != self.native_size or any(
            go != no or gsize != nsize or (sub is not None and sub.differs)
            for _, go, no, _, sub, gsize, nsize in self.fields)

    def widen(self, guest, native, to_native):
        """guest: bytes of the guest record; native: a writable ctypes buffer."""
        for t, go, no, count, sub, gsize, nsize in self.fields:
            for i in range(count):
                g, n = go + i * gsize, no + i * nsize
                if sub is not None:
                    sub_buffer = (ctypes.c_char * nsize).from_buffer(native, n)
                    sub.widen(guest[g:g + gsize], sub_buffer, to_native)
                elif gsize == 4 and nsize == 8:
                    value = struct.unpack_from('<I', guest, g)[0]
                    if t.kind == 'word' and t.signed:
                        value = signed32(value) & 0xFFFFFFFFFFFFFFFF
                    elif t.kind == 'pointer':
                        value = to_native(value)
                    struct.pack_into('<Q', native, n, value)
                else:
                    native[n:n + nsize] = guest[g:g + gsize]

    def narrow(self, native, what, to_guest):
        out = bytearray(self.guest_size)
        for t, go, no, count, sub, gsize, nsize in self.fields:
            for i in range(count):
                g, n = go + i * gsize, no + i * nsize
                if sub is not None:
                    out[g:g + gsize] = sub.narrow(native[n:n + nsize], what, to_guest)
                elif gsize == 4 and nsize == 8:
                    value = struct.unpack_from('<Q', native, n)[0]
                    if t.kind == 'word' and t.signed:
                        value &= 0xFFFFFFFF
                    elif t.kind == 'pointer':
                        value = to_guest(value, what)
                    elif value >= 1 << 32:
                        raise GuestFault(f'{what}: the host gave {value:#x}, which does not fit in 32 bits')
                    struct.pack_into('<I', out, g, value)
                else:
                    out[g:g + gsize] = native[n:n + nsize]
        return bytes(out)
