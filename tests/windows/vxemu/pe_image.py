"""Loads a PE32 DLL into the machine as the Windows loader does: sections
mapped at the preferred base (or relocated), imports bound, the implicit TLS
block set up, TLS callbacks and the entry point called with the module
handle."""
import os
import struct

import pefile

from .machine import GuestFault, PAGE, RELOCATION_BASES

DLL_PROCESS_ATTACH, DLL_PROCESS_DETACH = 1, 0


class Image:
    def __init__(self, machine, path):
        self.machine = machine
        self.pe = pefile.PE(path, fast_load=True)
        self.pe.parse_data_directories(directories=[
            pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_IMPORT'],
            pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_BASERELOC'],
            pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_TLS']])
        opt = self.pe.OPTIONAL_HEADER
        if opt.Magic != 0x10b or not self.pe.FILE_HEADER.Characteristics & 0x2000:
            raise GuestFault(f'{path} is not a PE32 DLL')
        self.size = (opt.SizeOfImage + PAGE - 1) & ~(PAGE - 1)
        self.preferred = opt.ImageBase
        self.base = self._map()
        self._copy_sections()
        self.relocated = self.base != self.preferred
        if self.relocated:
            self._relocate(self.base - self.preferred)
        self.entry = self.base + opt.AddressOfEntryPoint
        self.imports = []  # (dll, name, iat address)
        for entry in getattr(self.pe, 'DIRECTORY_ENTRY_IMPORT', []):
            for imp in entry.imports:
                name = imp.name.decode() if imp.name else f'#{imp.ordinal}'
                self.imports.append((entry.dll.decode(), name, imp.address - self.preferred + self.base))

    def _map(self):
        # VORLIX_EMULATOR_RELOCATE=1 loads the DLL away from its preferred base,
        # as Windows does when another module holds that address.
        if os.environ.get('VORLIX_EMULATOR_RELOCATE') != '1' and self.machine.map_fixed(self.preferred, self.size):
            return self.preferred
        for candidate in RELOCATION_BASES:
            if self.machine.map_fixed(candidate, self.size):
                return candidate
        raise GuestFault('no room below the emulator\'s own memory for the DLL')

    def _copy_sections(self):
        m = self.machine
        m.write(self.base, self.pe.get_data(0, self.pe.OPTIONAL_HEADER.SizeOfHeaders))
        for section in self.pe.sections:
            data = section.get_data()[:max(section.Misc_VirtualSize, 0) or len(section.get_data())]
            m.write(self.base + section.VirtualAddress, data)

    def _relocate(self, delta):
        m = self.machine
        for block in getattr(self.pe, 'DIRECTORY_ENTRY_BASERELOC', []):
            for entry in block.entries:
                if entry.type == 3:  # IMAGE_REL_BASED_HIGHLOW
                    address = entry.rva + self.base
                    m.put_u32(address, m.u32(address) + delta)
                elif entry.type != 0:
                    raise GuestFault(f'relocation type {entry.type} is not a PE32 one')

    def bind(self, resolve):
        """Writes resolve(dll, name) into every import address slot."""
        for dll, name, slot in self.imports:
            self.machine.put_u32(slot, resolve(dll, name))

    # ---- TLS ----------------------------------------------------------------

    def tls_callbacks(self):
        tls = getattr(self.pe, 'DIRECTORY_ENTRY_TLS', None)
        if tls is None or not tls.struct.AddressOfCallBacks:
            return []
        callbacks, address = [], self._va(tls.struct.AddressOfCallBacks)
        while self.machine.u32(address):
            callbacks.append(self.machine.u32(address))
            address += 4
        return callbacks

    def setup_tls(self, heap_alloc):
        """The implicit TLS block of the only thread, as slot 0 of the TEB's array."""
        tls = getattr(self.pe, 'DIRECTORY_ENTRY_TLS', None)
        if tls is None:
            return
        m, t = self.machine, tls.struct
        start, end = self._va(t.StartAddressOfRawData), self._va(t.EndAddressOfRawData)
        block = heap_alloc(end - start + t.SizeOfZeroFill + 16)
        m.write(block, m.read(start, end - start) + bytes(t.SizeOfZeroFill))
        array = m.system_alloc(16)
        m.put_u32(array, block)
        m.put_u32(m.teb + 0x2C, array)
        if t.AddressOfIndex:
            m.put_u32(self._va(t.AddressOfIndex), 0)

    def _va(self, va):
        return va - self.preferred + self.base if self.relocated else va

    def dll_main(self, reason):
        """The TLS callbacks, then the entry point, as the loader calls them."""
        m = self.machine
        for callback in self.tls_callbacks():
            m.call(callback, (self.base, reason, 0), stdcall=True, what=f'TLS callback {callback:#x}')
        return m.call(self.entry, (self.base, reason, 0), stdcall=True, what='the DLL entry point')


def u32s(data):
    return struct.unpack(f'<{len(data) // 4}I', data)
