#!/usr/bin/python3
"""The emulator's conversions between the 32-bit guest and this 64-bit process,
against ctypes as the reference: ctypes truncates integers to a C type and lays
out structures as the C compiler does (and on x86-64 a structure of 32-bit
fields and doubles is laid out as 32-bit Windows lays out the same record with
pointers in place of the 32-bit fields).

Exits 77 (CTest's skip) with the reason when the emulator is not installed.
"""
import ctypes
import os
import random
import struct
import sys
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

try:
    import unicorn  # noqa: F401 -- the emulator's modules import it
except ImportError as error:
    print(f'skipped: the emulator needs python3-unicorn ({error})')
    sys.exit(77)

from vxemu.declarations import Declarations, Record  # noqa: E402
from vxemu.layout import Layout, from_register  # noqa: E402
from vxemu.machine import GuestFault  # noqa: E402

DECLS = Declarations(os.path.normpath(os.path.join(HERE, '..', '..')))
REFERENCE_INT = {(1, True): ctypes.c_int8, (1, False): ctypes.c_uint8, (2, True): ctypes.c_int16,
                 (2, False): ctypes.c_uint16, (4, True): ctypes.c_int32, (4, False): ctypes.c_uint32}
# Registers as the caller may leave them: upper bits are garbage for narrow types.
REGISTERS = [0, 1, 0x7F, 0x80, 0xFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xDEADBEEF00000001,
             0xFFFFFFFFFFFFFF80, 0x123456789ABCDEF0, (1 << 64) - 1, 1 << 63]


class FromRegister(unittest.TestCase):
    def test_every_scalar_type_as_ctypes_truncates_it(self):
        types_ = ['char', 'BYTE', 'SHORT', 'WORD', 'int', 'UINT', 'BOOL', 'LONG', 'DWORD', 'COLORREF',
                  'std::int16_t', 'std::uint32_t']
        for text in types_:
            t = DECLS.ctype(text)
            for raw in REGISTERS:
                with self.subTest(type=text, register=hex(raw)):
                    self.assertEqual(from_register(t, raw), REFERENCE_INT[(t.size, t.signed)](raw).value)

    def test_pointer_sized_integers_keep_all_64_bits(self):
        for text, reference in (('LPARAM', ctypes.c_int64), ('LRESULT', ctypes.c_int64), ('WPARAM', ctypes.c_uint64),
                                ('std::uintptr_t', ctypes.c_uint64), ('std::intptr_t', ctypes.c_int64)):
            for raw in REGISTERS:
                with self.subTest(type=text, register=hex(raw)):
                    self.assertEqual(from_register(DECLS.ctype(text), raw), reference(raw).value)


# Records made up for the test, each with its fields as C types and the ctypes
# type of each field in the guest and here.
GUEST_TYPE = {'pointer': ctypes.c_uint32, 'LPARAM': ctypes.c_int32, 'WPARAM': ctypes.c_uint32}
NATIVE_TYPE = {'pointer': ctypes.c_uint64, 'LPARAM': ctypes.c_int64, 'WPARAM': ctypes.c_uint64}
SCALAR_TYPE = {'char': ctypes.c_int8, 'SHORT': ctypes.c_int16, 'int': ctypes.c_int32, 'DWORD': ctypes.c_uint32,
               'double': ctypes.c_double}
RECORDS = {
    'PointerFirst': [('char *', 'text', 1), ('int', 'n', 1)],
    'PointerAfterChar': [('char', 'c', 1), ('void *', 'p', 1), ('SHORT', 's', 1)],
    'DoubleAndPointers': [('int', 'n', 1), ('double', 'x', 1), ('void *', 'p', 1), ('double', 'y', 1)],
    'Words': [('LPARAM', 'l', 1), ('WPARAM', 'w', 1), ('DWORD', 'd', 1)],
    'Arrays': [('char', 'name', 5), ('void *', 'slots', 3), ('SHORT', 'tail', 1)],
    'Nested': [('char', 'c', 1), ('PointerAfterChar', 'inner', 2), ('DWORD', 'd', 1)],
    'NestedDouble': [('char', 'c', 1), ('DoubleAndPointers', 'inner', 1)],  # aligned to 8 in both
}


def field_kind(t):
    return 'pointer' if t.kind == 'pointer' else t.text if t.kind == 'word' else None


def make_decls():
    decls = types.SimpleNamespace(records={})
    for name, fields in RECORDS.items():
        record = Record(name)
        for text, field, count in fields:
            t = (types.SimpleNamespace(kind='record', target=text, text=text) if text in RECORDS
                 else DECLS.ctype(text))
            record.fields.append((t, field, count))
        decls.records[name] = record
    return decls


def reference_structure(decls, name, guest):
    fields = []
    for t, field, count in decls.records[name].fields:
        if t.kind == 'record':
            c = reference_structure(decls, t.target, guest)
        elif field_kind(t):
            c = (GUEST_TYPE if guest else NATIVE_TYPE)[field_kind(t)]
        else:
            c = SCALAR_TYPE[t.text]
        fields.append((field, c * count if count > 1 else c))
    return type(name + ('Guest' if guest else 'Native'), (ctypes.Structure,), {'_fields_': fields})


def leaves(decls, name, prefix=''):
    """(path, C type) of every scalar in a record, arrays unrolled."""
    for t, field, count in decls.records[name].fields:
        for i in range(count):
            path = f'{prefix}{field}' + (f'[{i}]' if count > 1 else '')
            if t.kind == 'record':
                yield from leaves(decls, t.target, path + '.')
            else:
                yield path, t


def get(structure, path):
    value = structure
    for part in path.split('.'):
        name, _, index = part.partition('[')
        value = getattr(value, name)
        if index:
            value = value[int(index[:-1])]
    return value


def set_(structure, path, value):
    *outer, last = path.split('.')
    for part in outer:
        name, _, index = part.partition('[')
        structure = getattr(structure, name)
        if index:
            structure = structure[int(index[:-1])]
    name, _, index = last.partition('[')
    if index:
        getattr(structure, name)[int(index[:-1])] = value
    else:
        setattr(structure, name, value)


def layouts_differ(guest, native):
    if ctypes.sizeof(guest) != ctypes.sizeof(native):
        return True
    for (name, g), (_, n) in zip(guest._fields_, native._fields_):
        if (getattr(guest, name).offset, getattr(guest, name).size) != \
                (getattr(native, name).offset, getattr(native, name).size):
            return True
        element_g, element_n = (g._type_, n._type_) if issubclass(g, ctypes.Array) else (g, n)
        if issubclass(element_g, ctypes.Structure) and layouts_differ(element_g, element_n):
            return True
    return False


POINTER_BASE = 0x7F0000000000  # where the made-up mapping puts guest pointers here


class Records(unittest.TestCase):
    def setUp(self):
        self.decls = make_decls()

    def test_layouts_are_the_compilers_layouts(self):
        for name in RECORDS:
            layout = Layout(self.decls, self.decls.records[name])
            guest, native = (reference_structure(self.decls, name, g) for g in (True, False))
            with self.subTest(record=name):
                self.assertEqual((layout.guest_size, layout.native_size), (ctypes.sizeof(guest), ctypes.sizeof(native)))
                offsets = [(f[1], f[2]) for f in layout.fields]
                expected = [(getattr(guest, n).offset, getattr(native, n).offset) for n, _ in guest._fields_]
                self.assertEqual(offsets, expected)
                self.assertEqual(layout.differs, layouts_differ(guest, native))

    def test_values_widen_and_narrow_back_unchanged(self):
        rng = random.Random(24)
        for name in RECORDS:
            layout = Layout(self.decls, self.decls.records[name])
            guest_type, native_type = (reference_structure(self.decls, name, g) for g in (True, False))
            for trial in range(20):
                guest = guest_type()
                expected = {}
                for path, t in leaves(self.decls, name):
                    kind = field_kind(t)
                    if t.kind == 'double':
                        value = rng.choice([0.0, -1.5, 1e300, rng.uniform(-1e6, 1e6)])
                        expected[path] = value
                    elif kind == 'pointer':
                        value = rng.choice([0, 1, 0x7FFFFFFF, 0xFFFFFFFF, rng.getrandbits(32)])
                        expected[path] = POINTER_BASE + value if value else 0
                    elif kind == 'LPARAM':
                        value = rng.choice([-1, -0x80000000, 0x7FFFFFFF, rng.randint(-2**31, 2**31 - 1)])
                        expected[path] = value
                    else:
                        c = SCALAR_TYPE.get(t.text) or GUEST_TYPE[kind]
                        value = c(rng.getrandbits(64)).value
                        expected[path] = value
                    set_(guest, path, value)
                guest_bytes = bytes(guest)
                native = ctypes.create_string_buffer(layout.native_size)
                layout.widen(guest_bytes, native, lambda v: POINTER_BASE + v if v else 0)
                seen = native_type.from_buffer_copy(native.raw)
                back = layout.narrow(native.raw, name, lambda v, what: v - POINTER_BASE if v else 0)
                with self.subTest(record=name, trial=trial):
                    self.assertEqual({p: get(seen, p) for p in expected}, expected)
                    self.assertEqual(back, guest_bytes)

    def test_a_host_value_32_bit_code_cannot_hold_is_refused(self):
        layout = Layout(self.decls, self.decls.records['Words'])
        native = reference_structure(self.decls, 'Words', False)()
        for field, value, refused in (('w', 1 << 32, True), ('w', 0xFFFFFFFF, False), ('l', -1, False),
                                      ('l', 1 << 40, False)):  # a signed word keeps its low 32 bits, as a cast does
            setattr(native, field, value)
            with self.subTest(field=field, value=hex(value)):
                if refused:
                    self.assertRaises(GuestFault, layout.narrow, bytes(native), 'Words', lambda v, what: v)
                else:
                    layout.narrow(bytes(native), 'Words', lambda v, what: v)
            setattr(native, field, 0)


if __name__ == '__main__':
    unittest.main()
