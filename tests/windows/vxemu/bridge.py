"""Loads vorlix.dll into the emulator for one session of the host and unloads
it at the end; called by vorlix_emulated (emulated_pack.cpp).

When VORLIX_EMULATOR_REPORT names a file, each session appends one JSON line
to it: what the DLL registered, what it unregistered, the blocks it left on
the heap, and the host operations it called.
"""
import faulthandler
import json
import os
import struct
import sys
import time

from unicorn.x86_const import UC_X86_REG_ESP

from .declarations import Declarations
from .machine import GuestFault, Machine
from .native import NativeHost
from .pe_image import DLL_PROCESS_ATTACH, DLL_PROCESS_DETACH, Image
from .runtime import Runtime, format_printf

SOURCE_DIR = os.path.normpath(os.path.join(os.path.dirname(__file__), '..', '..', '..'))
_declarations = None  # the headers do not change while the program runs
faulthandler.enable()  # a crash in a host operation names the call that led to it


def declarations():
    global _declarations
    if _declarations is None:
        _declarations = Declarations(SOURCE_DIR)
    return _declarations


class Report:
    def __init__(self, machine):
        self.m = machine
        self.data = {'registered': None, 'unregistered': []}

    def registration(self, record):
        m = self.m
        words = list(struct.unpack('<7I', m.read(record, 28)))
        names, address = [], words[3]
        while address and m.read(address, 1) != b'\0':
            names.append(m.cstring(address).decode('cp1252'))
            address += len(names[-1]) + 1
        handlers = []
        if words[4]:
            for i in range(len(names) + 2):
                handlers.append(m.u32(words[4] + 4 * i))
        self.data['registered'] = {
            'record': record, 'words': words, 'title': (m.cstring(words[2]) or b'').decode('cp1252'),
            'names': names, 'handlers': handlers}

    def unregistered(self, record):
        self.data['unregistered'].append(record)


class Emulation:
    def __init__(self, dll_path):
        started = time.monotonic()
        self.decls = declarations()
        self.m = Machine()
        self.report = Report(self.m)
        self.runtime = Runtime(self.m, lambda text: sys.stderr.write(text + '\n'))
        self.native = NativeHost(self.m, self.decls, self.report)
        self.image = Image(self.m, dll_path)
        self.unresolved = []
        self.image.bind(self.resolve)
        self.image.setup_tls(lambda size: self.m.system_alloc(size))
        self.report.data['image'] = {'base': self.image.base, 'preferred': self.image.preferred,
                                     'relocated': self.image.relocated}
        self.report.data['load_seconds'] = time.monotonic() - started

    def resolve(self, dll, name):
        # The tests make one import fault as a broken guest would, to see the
        # fault cross the host's and the guest's frames back to the CLI.
        if name == os.environ.get('VXEMU_FAULT_AT'):
            def injected(m):
                raise GuestFault(f'injected fault at {name}')
            return self.m.add_stub(injected)
        library = dll.lower()
        if library == 'msvcrt.dll' and name in self.runtime.data:
            return self.runtime.data[name]
        if (library, name) in self.runtime.functions:
            return self.m.add_stub(python_stub(name, *self.runtime.functions[(library, name)]))
        if library == 'kvw7.exe' and name in self.decls.host_ops:
            return self.m.add_stub(self.native.stub(self.decls.host_ops[name], stdcall=False))
        if name == 'wsprintfA':
            return self.m.add_stub(self._wsprintf)
        if name in self.decls.windows:
            return self.m.add_stub(self.native.stub(self.decls.windows[name], stdcall=True))
        self.unresolved.append(f'{dll}!{name}')

        def missing(m):
            raise GuestFault(f'the DLL called {dll}!{name}, which the emulator does not provide')
        return self.m.add_stub(missing)

    def _wsprintf(self, m):
        out, fmt = m.arg(0), m.arg(1)
        text = format_printf(m, m.cstring(fmt), m.reg(UC_X86_REG_ESP) + 12, windows=True)
        m.write(out, text + b'\0')
        return m.finish_stub(len(text))

    def attach(self):
        started = time.monotonic()
        self.runtime.phase = 'start-up'
        result = self.image.dll_main(DLL_PROCESS_ATTACH)
        self.report.data['attach_result'] = result
        self.report.data['attach_seconds'] = time.monotonic() - started
        self.runtime.phase = 'pack'

    def detach(self):
        started = time.monotonic()
        self.runtime.phase = 'unload'
        try:
            result = self.image.dll_main(DLL_PROCESS_DETACH)
            self.report.data['detach_result'] = result
            self.report.data['detach_seconds'] = time.monotonic() - started
            self.report.data['blocks_left'] = [
                {'address': a, 'size': s, 'phase': p} for a, (s, p) in sorted(self.runtime.blocks.items())]
            self.report.data['open_files'] = len(self.runtime.files)
            self.report.data['host_calls'] = self.native.calls
            self.report.data['guest_calls'] = self.m.calls
            self.report.data['abandoned_calls'] = self.m.abandoned
            self.report.data['unresolved_imports'] = self.unresolved
        finally:
            path = os.environ.get('VORLIX_EMULATOR_REPORT')
            if path:
                with open(path, 'a') as f:
                    f.write(json.dumps(self.report.data) + '\n')
            self.m.release()


def python_stub(name, convention, count, fn):
    pop = count if convention == 'stdcall' else 0

    def handler(m):
        result = fn(*m.args(count))
        if convention == 'cdecl-double':
            return m.finish_stub(double=result)
        return m.finish_stub((result or 0) & 0xFFFFFFFF, pop)
    handler.__name__ = name
    return handler


_current = None  # the session's loaded DLL (one session at a time)


def attach(dll_path):
    global _current
    if _current is not None:
        raise GuestFault('the DLL is already loaded')
    _current = Emulation(dll_path)
    try:
        _current.attach()
    except BaseException:
        _current.m.release()
        _current = None
        raise


def detach():
    global _current
    emulation, _current = _current, None
    if emulation is not None:
        emulation.detach()
