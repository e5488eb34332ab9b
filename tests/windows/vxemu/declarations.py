"""Reads the host interface from the pack's own headers.

The host operations (declared with KVAPI in host/*.h), the Windows functions
the headless host provides (host/win_api.h), the callback types and the
records exchanged with the host are all taken from the C++ declarations, so
the emulated host never restates a signature or a layout. Each C type is
reduced to what crossing between the 32-bit guest and this 64-bit process
needs: its size on each side and whether it is a pointer, a callback or a
record to convert.
"""
import os
import re
from dataclasses import dataclass, field

SCALARS = {
    # type: (size, signed)
    'int': (4, True), 'unsigned int': (4, False), 'UINT': (4, False), 'BOOL': (4, True),
    'LONG': (4, True), 'LSTATUS': (4, True), 'DWORD': (4, False), 'REGSAM': (4, False),
    'COLORREF': (4, False), 'std::uint32_t': (4, False), 'std::int32_t': (4, True),
    'SHORT': (2, True), 'WORD': (2, False), 'std::uint16_t': (2, False), 'std::int16_t': (2, True),
    'char': (1, True), 'CHAR': (1, True), 'BYTE': (1, False), 'std::uint8_t': (1, False),
    'ValueType': (1, False),
}
# Pointer-sized integers: 4 bytes in the guest, 8 here.
WORDS = {'std::uintptr_t': False, 'std::intptr_t': True, 'WPARAM': False, 'LPARAM': True,
         'LRESULT': True}
POINTER_ALIASES = {'LPSTR', 'LPCSTR', 'LPVOID', 'LPBYTE', 'LPDWORD', 'PBYTE', 'HANDLE', 'HWND',
                   'HINSTANCE', 'HMODULE', 'HHOOK', 'HDC', 'HGDIOBJ', 'HFONT', 'HBRUSH', 'HCURSOR', 'HMENU',
                   'HKEY', 'Entity'}


@dataclass
class CType:
    """One C type as it crosses the boundary."""
    text: str
    kind: str  # 'void', 'int', 'word', 'double', 'float', 'pointer', 'callback'
    size: int = 4  # guest bytes
    signed: bool = True
    target: str = ''  # for pointers: the pointed-to type's text, without const
    const: bool = False


@dataclass
class Function:
    name: str
    result: CType
    params: list  # of (CType, name)
    variadic: bool = False

    def guest_words(self):
        return sum(2 if t.kind == 'double' else 1 for t, _ in self.params)


@dataclass
class Record:
    name: str
    fields: list = field(default_factory=list)  # (CType, name, count)


def _strip_comments(text):
    text = re.sub(r'/\*.*?\*/', ' ', text, flags=re.S)
    return re.sub(r'//[^\n]*', ' ', text)


class Declarations:
    def __init__(self, source_dir):
        host = os.path.join(source_dir, 'host')
        self.texts = {}
        for name in sorted(os.listdir(host)):
            if name.endswith('.h'):
                with open(os.path.join(host, name), encoding='utf-8') as f:
                    self.texts[name] = _strip_comments(f.read())
        all_text = '\n'.join(self.texts.values())
        self.constants = {m.group(1): int(m.group(2), 0) for m in re.finditer(
            r'constexpr\s+(?:std::)?\w+\s+(\w+)\s*=\s*(0x[0-9A-Fa-f]+|\d+)u?\s*;', all_text)}
        self.callbacks = {}
        # Windows calls its callbacks (hook procedures) with __stdcall; the host
        # calls the pack's with the C convention.
        self.stdcall_callbacks = set()
        for header, text in self.texts.items():
            for m in re.finditer(r'using\s+(\w+)\s*=\s*([\w:\s\*]+?)\s*\(\s*\*\s*\)\s*\(([^)]*)\)\s*;', text):
                self.callbacks[m.group(1)] = Function(m.group(1), self.ctype(m.group(2)), self.params(m.group(3)))
                if header == 'win_api.h':
                    self.stdcall_callbacks.add(m.group(1))
        self.records = {}
        for m in re.finditer(r'struct\s+(\w+)\s*\{(.*?)\}\s*;', all_text, flags=re.S):
            self.records[m.group(1)] = self._record(m.group(1), m.group(2))
        # Tables of function pointers the host hands out (the drawing list's
        # operations), in field order.
        self.op_tables = {}
        for m in re.finditer(r'struct\s+(\w+)\s*\{(.*?)\}\s*;', all_text, flags=re.S):
            entries = re.findall(r'([\w:]+(?:\s*\*)*)\s*\(\s*\*\s*(\w+)\s*\)\s*\(([^)]*)\)\s*;', m.group(2))
            if entries:
                self.op_tables[m.group(1)] = [Function(name, self.ctype(result), self.params(' '.join(params.split())))
                                              for result, name, params in entries]
        self.host_ops = self._functions(all_text, kvapi=True)
        win_text = self.texts['win_api.h']
        block = win_text[win_text.index('#else') if '#else' in win_text else 0:]
        self.windows = self._functions(block, kvapi=False)

    # ---- types ----------------------------------------------------------

    def ctype(self, text):
        text = ' '.join(text.replace('*', ' * ').split())
        const = text.startswith('const ') or ' const' in text
        bare = text.replace('const ', '').replace(' const', '').strip()
        if bare.endswith('*'):
            target = bare[:-1].strip()
            return CType(text, 'pointer', 4, False, target, const)
        if bare == 'void':
            return CType(text, 'void', 0)
        if bare == 'double':
            return CType(text, 'double', 8)
        if bare == 'float':
            return CType(text, 'float', 4)
        if bare in SCALARS:
            size, signed = SCALARS[bare]
            return CType(text, 'int', size, signed)
        if bare in WORDS:
            return CType(text, 'word', 4, WORDS[bare])
        if bare in POINTER_ALIASES:
            target = {'LPSTR': 'char', 'LPCSTR': 'char', 'LPBYTE': 'BYTE', 'PBYTE': 'BYTE',
                      'LPDWORD': 'DWORD', 'Entity': 'std::uint8_t'}.get(bare, 'void')
            return CType(text, 'pointer', 4, False, target, bare == 'LPCSTR')
        if bare in ('Continuation', 'Handler', 'DragRoutine', 'WalkCallback', 'ExplodeCallback', 'DlgInit',
                    'DlgChange', 'DlgPress', 'DlgDraw', 'HOOKPROC'):
            return CType(text, 'callback', 4, False, bare)
        raise ValueError(f'unknown C type {text!r} in host/*.h')

    def params(self, text):
        text = text.strip()
        if text in ('', 'void'):
            return []
        out = []
        for part in text.split(','):
            part = part.strip()
            if part == '...':
                out.append((None, '...'))
                continue
            m = re.match(r'^(.*?)(\w+)$', part)
            type_text, name = (m.group(1), m.group(2)) if m and m.group(1).strip() else (part, '')
            if type_text.strip() in ('', 'const') or type_text.strip().endswith('::'):
                type_text, name = part, ''
            out.append((self.ctype(type_text), name))
        return out

    def _functions(self, text, kvapi):
        functions = {}
        marker = r'KVAPI\s+' if kvapi else ''
        pattern = re.compile(r'(?:(?<=[;{}])|^)\s*((?:const\s+)?[\w:]+(?:\s*\*)*)\s+' + marker +
                             r'(\w+)\s*\(([^;{}]*?)\)\s*;', re.S | re.M)
        for m in pattern.finditer(text):
            result, name, params = m.group(1), m.group(2), m.group(3)
            if kvapi is False and ('KVAPI' in m.group(0) or result in ('return', 'using')):
                continue
            try:
                plist = self.params(' '.join(params.split()))
                rtype = self.ctype(result)
            except ValueError:
                if kvapi:
                    raise
                continue
            variadic = any(t is None for t, _ in plist)
            plist = [(t, n) for t, n in plist if t is not None]
            functions[name] = Function(name, rtype, plist, variadic)
        return functions

    def _record(self, name, body):
        record = Record(name)
        for statement in body.split(';'):
            statement = ' '.join(statement.split())
            if not statement or '(' in statement or statement.startswith(('static', 'using', '#')):
                if '(*' in statement:  # a function pointer field
                    m = re.search(r'\(\s*\*\s*(\w+)\s*\)', statement)
                    record.fields.append((CType(statement, 'pointer', 4, False, 'function'), m.group(1), 1))
                elif re.match(r'^[\w:\s]+\[[^\]]*\(', statement):
                    return None  # an array sized by an expression: not exchanged field by field
                continue
            statement = statement.split('=')[0].strip()
            m = re.match(r'^(.*?)(\w+)\s*(?:\[([^\]]+)\])?$', statement)
            if not m:
                continue
            type_text, field_name, count = m.group(1).strip(), m.group(2), m.group(3)
            if count is not None and not count.strip().isdigit():
                count = self.constants.get(count.strip())
                if count is None:
                    return None  # an array sized by an expression: not exchanged field by field
            count = int(count) if count is not None else 1
            if type_text in self.records or type_text in ('POINT', 'RECT', 'FIXED', 'POINTFX'):
                record.fields.append((CType(type_text, 'record', 0, False, type_text), field_name, count))
                continue
            try:
                record.fields.append((self.ctype(type_text), field_name, count))
            except ValueError:
                return None
        return record
