"""The emulator's record layouts against the compilers' own.

The emulator computes where each field of a record exchanged with the host
lies in the 32-bit guest and in this 64-bit process, from the headers' text.
Here both compilers are asked instead: a source file of static_asserts, one
per field's offset and size and one per record's size, must compile with the
mingw compiler that builds the DLL (which takes the Windows records from
windows.h) and with the compiler that builds the host.
"""
import os
import subprocess

from vxemu.declarations import Record
from vxemu.layout import Layout


def assertions(decls, guest):
    """C++ static_asserts of every exchanged record's layout on one side."""
    lines = []
    for name, record in sorted(decls.records.items()):
        if not isinstance(record, Record):
            continue
        layout = Layout(decls, record)
        size = layout.guest_size if guest else layout.native_size
        lines.append(f'static_assert(sizeof({name}) == {size}, "sizeof({name})");')
        for (t, field, count), (_, go, no, _, _, gsize, nsize) in zip(record.fields, layout.fields):
            offset, bytes_ = (go, gsize * count) if guest else (no, nsize * count)
            lines.append(f'static_assert(offsetof({name}, {field}) == {offset}, "offsetof({name}, {field})");')
            lines.append(f'static_assert(sizeof({name}::{field}) == {bytes_}, "sizeof({name}::{field})");')
    return lines


def source(decls, guest):
    headers = sorted(f'host/{header}' for header in decls.texts)
    return '\n'.join(['#include <cstddef>'] + [f'#include "{h}"' for h in headers] +
                     ['using namespace vx;'] + assertions(decls, guest)) + '\n'


def problems(decls, source_dir, guest_compiler, native_compiler):
    """What the compilers reject, or an empty list."""
    found = []
    for compiler, guest in ((guest_compiler, True), (native_compiler, False)):
        r = subprocess.run([compiler, '-std=c++20', '-fsyntax-only', '-Wno-invalid-offsetof', '-I', source_dir,
                            '-x', 'c++', '-'], input=source(decls, guest), capture_output=True, text=True,
                           timeout=120)
        if r.returncode != 0:
            side = 'the 32-bit guest' if guest else 'this 64-bit process'
            failed = [line for line in r.stderr.splitlines() if 'static assertion failed' in line or 'error' in line]
            found.append(f'{os.path.basename(compiler)} disagrees with the layouts for {side}:\n  ' +
                         '\n  '.join(failed[:20]))
    return found


def count(decls):
    return sum(1 for r in decls.records.values() if isinstance(r, Record))
