#!/usr/bin/python3
"""vorlix.dll in a CPU emulator, against the Linux build.

Runs vorlix_emulated (the CLI with the pack loaded from the DLL in Unicorn)
and checks what the DLL does when Windows loads it, when the host runs its
commands and when it is unloaded; then runs scenario folders through both
programs and requires the same transcript, the same registry, the same files
in the host folder and the same drawing.

Exits 77 (CTest's skip) with the reason when the DLL, the emulator program or
the Python packages are missing.
"""
import argparse
import concurrent.futures
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77

# How many runs go at once: the runs are separate processes.
JOBS = max(2, os.cpu_count() or 2)

# A script that starts none of the pack's commands only shows the DLL load and
# unload, which every run checks anyway; it is left to the Linux tests.
STARTS_A_PACK_COMMAND = re.compile(r'^\s*(VX[A-Z0-9]+|ABOUT)\b', re.I | re.M)

# libstdc++'s emergency exception pool (eh_alloc.cc) for a target whose long is
# 32 bits: 32 objects of 512 bytes plus 32 dependent-exception records of 80
# bytes on i686. It is allocated by a static initialiser at start-up and never
# freed, by design; nothing else may outlive the unload.
EMERGENCY_POOL_BYTES = 32 * 512 + 32 * 80


class Failure(Exception):
    pass


def skip(reason):
    print(f'skipped: {reason}')
    sys.exit(SKIP)


def check(condition, message):
    if not condition:
        raise Failure(message)


class Programs:
    def __init__(self, build, source):
        self.build, self.source = build, source
        self.linux = os.path.join(build, 'vorlix')
        self.emulated = os.path.join(build, 'tests', 'windows', 'vorlix_emulated')
        self.dll = os.path.join(build, 'windows', 'vorlix.dll')

    def run(self, program, args, cwd, env=None, report=None):
        environment = dict(os.environ)
        environment.update(env or {})
        environment.pop('VORLIX_EMULATOR_REPORT', None)
        if report:
            environment['VORLIX_EMULATOR_REPORT'] = report
        environment['VORLIX_DLL'] = self.dll
        return subprocess.run([program] + args, cwd=cwd, env=environment, capture_output=True, text=True,
                              timeout=60)


def sessions(report_path):
    with open(report_path) as f:
        return [json.loads(line) for line in f if line.strip()]


def about_text(names):
    """The About text built from the registered names, five to a line."""
    text = 'User commands:\n'
    for i, name in enumerate(names):
        text += ('\n' if i % 5 == 0 else ', ') + name
    return text


def escape(text):
    return text.replace('\\', '\\\\').replace('\n', '\\n').replace('\r', '\\r').replace('\t', '\\t')


def check_record_layouts(source, guest_compiler, host_compiler):
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import record_layouts
    from vxemu.declarations import Declarations
    decls = Declarations(source)
    problems = record_layouts.problems(decls, source, guest_compiler, host_compiler)
    check(not problems, '\n'.join(problems))
    print(f'the {record_layouts.count(decls)} records exchanged with the host are laid out as both compilers lay '
          'them out')


def check_load_and_unload(programs, scratch, relocate=False):
    """Registration, About and unload of one session that shows the About box."""
    script = os.path.join(scratch, 'about.vxs')
    with open(script, 'w') as f:
        f.write('ABOUT\n')
    report = os.path.join(scratch, 'about-relocated.jsonl' if relocate else 'about.jsonl')
    r = programs.run(programs.emulated, ['run', script, '--registry', os.path.join(scratch, 'reg')], scratch,
                     report=report, env={'VORLIX_EMULATOR_RELOCATE': '1' if relocate else '0'})
    check(r.returncode == 0, f'ABOUT through the DLL failed ({r.returncode}):\n{r.stdout}{r.stderr}')
    (session,) = sessions(report)
    reg = session['registered']
    check(reg is not None, 'the DLL never called XPRegister')
    commands = [line.split()[0] for line in programs.run(programs.linux, ['commands'], scratch).stdout.splitlines()
                if line.strip()]
    check(len(commands) == 53, f'the Linux build lists {len(commands)} commands, not 53')
    words = reg['words']
    check(words[0] == 0 and words[1] == 0 and words[5] == 0, f'record words 1, 2 and 6 are not 0: {words}')
    check(reg['title'] == 'Vorlix release 1026', f'title {reg["title"]!r}')
    check(reg['names'] == commands, f'the name block differs from the command table:\n{reg["names"]}')
    handlers = reg['handlers']
    check(len(handlers) == 55 and handlers[54] == 0, f'{len(handlers)} handler slots, last {handlers[-1]:#x}')
    check(all(handlers[:54]) and len(set(handlers[:54])) == 54,
          'a handler slot is 0 or shared by two commands (or with About)')
    base = session['image']['base']
    check(session['image']['relocated'] == relocate, f'the DLL was {"not " * relocate}relocated')
    check(words[6] == base, f'word 7 is {words[6]:#x}, the module handle is {base:#x}')
    check(session['attach_result'] == 1 and session['detach_result'] == 1, 'DllMain did not report success')
    expected_box = '> ABOUT\n[About Vorlix] ' + escape(about_text(commands)) + '\n'
    check(r.stdout == expected_box, f'About box:\n{r.stdout}\nexpected:\n{expected_box}')
    problems = unload_problems(session)
    check(not problems, 'unload: ' + '; '.join(problems))
    if relocate:
        print(f'relocated from {session["image"]["preferred"]:#x} to {base:#x}: registration, About and unload '
              'as at the preferred base')
        return commands
    print(f'load: {session["load_seconds"]:.3f} s to map and bind, DllMain attach {session["attach_seconds"]:.3f} s, '
          f'detach {session["detach_seconds"]:.3f} s; registered "{reg["title"]}" with 53 names and 55 slots; '
          f'unload left only the {EMERGENCY_POOL_BYTES}-byte C++ emergency exception pool')
    return commands


def check_guest_fault(programs, scratch):
    """A fault of the guest three frames deep (the host's session calls the
    command's callback, which walks the drawing through the host, whose walk
    calls the guest's visitor, which faults in a host call) ends the run with
    the fault named, as a failure and not a crash, and the DLL unloaded."""
    script = os.path.join(scratch, 'fault.vxs')
    with open(script, 'w') as f:
        f.write('BOX;0,0;4,4\nVXHATCHSTANDARD;all\n')
    report = os.path.join(scratch, 'fault.jsonl')
    r = programs.run(programs.emulated, ['run', script, '--registry', os.path.join(scratch, 'fault-reg')], scratch,
                     report=report, env={'VXEMU_FAULT_AT': 'EDraw'})
    output = r.stdout + r.stderr
    check(r.returncode == 1, f'a guest fault gave status {r.returncode}, not 1 (a failure):\n{output}')
    check('injected fault at EDraw' in output, f'the fault is not named:\n{output}')
    check(os.path.exists(report) and all(s.get('detach_result') == 1 for s in sessions(report)),
          'the DLL was not unloaded after the fault')
    print('a guest fault inside a nested callback ends the run with status 1, named, the DLL unloaded')


def check_every_slot(programs, scratch, commands):
    """Every name starts its own command: the first steps of each agree with Linux.

    Returns the groups of commands whose first steps look alike, which this
    cannot tell apart (two of them swapped would pass)."""
    script = os.path.join(scratch, 'slots.vxs')
    with open(script, 'w') as f:
        for name in commands:
            f.write(f'{name}\n<esc>\n')
    results = []
    out = os.path.join(scratch, 'slots')  # the same folder for both: paths show in prompts
    for program in (programs.linux, programs.emulated):
        os.makedirs(out)
        r = programs.run(program, ['run', script, '--registry', os.path.join(out, 'reg'),
                                   '--transcript', os.path.join(out, 'transcript')], out,
                         env={'VORLIX_HOME': out + '/'})
        results.append((r.returncode, read(os.path.join(out, 'transcript'))))
        os.rename(out, os.path.join(scratch, 'slots.' + os.path.basename(program)))
    check(results[0] == results[1], 'starting every command differs between Linux and the DLL:\n' +
          first_difference(results[0][1], results[1][1]))
    first_steps = {}
    for block in re.split(r'^(?=> )', results[0][1] or '', flags=re.M):
        lines = block.splitlines()
        if lines and lines[0].startswith('> '):
            first_steps.setdefault('\n'.join(lines[1:]), []).append(lines[0][2:].strip())
    check(sorted(n for names in first_steps.values() for n in names) == sorted(commands),
          'the transcript of starting every command does not show each command once')
    return [names for names in first_steps.values() if len(names) > 1]


def check_alike_commands_run(alike, case_list):
    """Commands that start alike must each be run further by a compared case, where
    a swapped slot would show."""
    scripts = '\n'.join(read(script) for _, script, _ in case_list)
    unrun = [name for names in alike for name in names
             if not re.search(r'(^|[;\s])' + name + r'($|[;\s])', scripts, re.I | re.M)]
    check(not unrun, f'commands that start like others and that no compared case runs: {unrun}')


def read(path, binary=False):
    if not os.path.exists(path):
        return None
    with open(path, 'rb' if binary else 'r', **({} if binary else {'encoding': 'utf-8', 'errors': 'replace'})) as f:
        return f.read()


def first_difference(a, b):
    a, b = (a or '').splitlines(), (b or '').splitlines()
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return f'line {i + 1}:\n  Linux: {x}\n  DLL:   {y}'
    return f'Linux has {len(a)} lines, the DLL run {len(b)}'


def cases(source, names):
    """(name, script, scenario folder or None): every scenario folder, every example script, and the
    scripts (or folders laid out as scenario folders) here for what no scenario folder reaches."""
    scenarios = os.path.join(source, 'tests', 'scenarios')
    found = [(name, os.path.join(scenarios, name, 'script.vxs'), os.path.join(scenarios, name))
             for name in sorted(os.listdir(scenarios)) if os.path.exists(os.path.join(scenarios, name, 'script.vxs'))]
    examples = os.path.join(source, 'examples')
    found += [('examples/' + name, os.path.join(examples, name), None)
              for name in sorted(os.listdir(examples)) if name.endswith('.vxs')]
    extra = os.path.join(source, 'tests', 'windows', 'scripts')
    for name in sorted(os.listdir(extra)):
        if name.endswith('.vxs'):
            found.append(('windows/' + name, os.path.join(extra, name), None))
        elif os.path.exists(os.path.join(extra, name, 'script.vxs')):  # laid out as a scenario folder
            found.append(('windows/' + name, os.path.join(extra, name, 'script.vxs'), os.path.join(extra, name)))
    if not names:
        found = [c for c in found if STARTS_A_PACK_COMMAND.search(read(c[1]))]
    else:
        found = [c for c in found if c[0] in names]
        missing = set(names) - {c[0] for c in found}
        check(not missing, f'no such scenario: {", ".join(sorted(missing))}')
    return found


def unload_problems(session):
    """What the DLL's unload left wrong: another record, blocks besides the pool, open files."""
    problems = []
    reg = session.get('registered')
    if reg is None or session.get('unregistered') != [reg['record']]:
        problems.append(f'XPUnRegister calls {session.get("unregistered")} for the registered record '
                        f'{reg and reg["record"]}')
    left = session.get('blocks_left', [])
    pool = [b for b in left if b['phase'] == 'start-up' and b['size'] == EMERGENCY_POOL_BYTES]
    if len(pool) != 1 or len(left) != 1:
        problems.append(f'blocks left on the heap after unload (besides the emergency pool): '
                        f'{[b for b in left if b not in pool[:1]]}')
    if session.get('open_files'):
        problems.append(f'{session["open_files"]} files left open')
    if session.get('unresolved_imports'):
        problems.append(f'imports the emulator lacks: {session["unresolved_imports"]}')
    return problems


def run_scenario(programs, program, script, folder, out):
    """One run of a scenario folder as the scenario runner does it; returns its results."""
    os.makedirs(out)
    folder = folder or os.path.join(out, 'none')
    registry = os.path.join(out, 'registry.sqlite3')
    calls = read(os.path.join(folder, 'registry'))
    for line in (calls or '').splitlines():
        line = line.strip()
        if line and not line.startswith('#'):
            args = shlex.split(line.replace('{dir}', folder))  # as the scenario runner's shell reads it
            r = programs.run(programs.linux, ['registry'] + args + ['--registry', registry], out)
            check(r.returncode == 0, f'registry {line}: {r.stderr}')
    env = {}
    home = os.path.join(out, 'home')
    if os.path.isdir(os.path.join(folder, 'home')) or os.path.isdir(os.path.join(folder, 'expected.home')):
        if os.path.isdir(os.path.join(folder, 'home')):
            shutil.copytree(os.path.join(folder, 'home'), home)
        os.makedirs(home, exist_ok=True)
        env['VORLIX_HOME'] = home + '/'
    args = ['run', script, '--out', os.path.join(out, 'out.kvd'),
            '--transcript', os.path.join(out, 'transcript'), '--registry', registry]
    for name in ('in.kvd', 'in.dxf'):
        if os.path.exists(os.path.join(folder, name)):
            args += ['--in', os.path.join(folder, name)]
    report = os.path.join(out, 'emulator.jsonl') if program == programs.emulated else None
    r = programs.run(program, args, out, env=env, report=report)
    results = {'status': r.returncode, 'transcript': read(os.path.join(out, 'transcript'))}
    if report is not None:
        if not os.path.exists(report):
            results['unload'] = 'the DLL was never unloaded'
        else:
            problems = [p for session in sessions(report) for p in unload_problems(session)]
            if problems:
                results['unload'] = '; '.join(problems)
    if r.returncode != 0:
        results['output'] = r.stdout + r.stderr
    drawing = os.path.join(out, 'out.kvd')
    if os.path.exists(drawing):
        results['json'] = programs.run(programs.linux, ['list', '--json', drawing], out).stdout
    if os.path.exists(registry):
        results['registry'] = registry_dump(programs, registry, out)
    if os.path.isdir(home):
        for name in sorted(os.listdir(home)):
            data = read(os.path.join(home, name), binary=True)
            # The DLL writes text files as Windows does, with lines ending in CR LF.
            results['home/' + name] = data.replace(b'\r\n', b'\n')
    return results


def registry_dump(programs, registry, cwd):
    """Every key and value, with each value's bytes in hex."""
    listing = programs.run(programs.linux, ['registry', 'list', '--registry', registry], cwd).stdout
    dump, key = [], None
    for line in listing.splitlines():
        dump.append(line)
        if line.startswith('['):
            key = line[1:-1]
            continue
        m = re.match(r'^\s*"(.*)" ', line)
        if m and key is not None:
            value = programs.run(programs.linux, ['registry', 'get', key, m.group(1), '--registry', registry], cwd)
            dump.append('    ' + value.stdout.strip())
    return '\n'.join(dump)


def compare(programs, scratch, case):
    """Runs one case through both programs; returns (name, failure or None, timing)."""
    name, script, folder = case
    # Both runs use the same folder, since the transcript may show its paths.
    base = os.path.join(scratch, name.replace('/', '_'))
    out = os.path.join(base, 'run')
    started = time.monotonic()
    linux = run_scenario(programs, programs.linux, script, folder, out)
    os.rename(out, os.path.join(base, 'linux'))
    middle = time.monotonic()
    emulated = run_scenario(programs, programs.emulated, script, folder, out)
    os.rename(out, os.path.join(base, 'dll'))
    timing = (middle - started, time.monotonic() - middle)
    differing = [key for key in sorted(set(linux) | set(emulated)) if linux.get(key) != emulated.get(key)]
    if not differing:
        return name, None, timing
    key = differing[0]
    if key == 'transcript':
        detail = first_difference(linux.get(key), emulated.get(key))
    elif key == 'unload':
        detail = f'DLL: {emulated[key]}'
    else:
        detail = f'Linux: {linux.get(key)!r}\n  DLL:   {emulated.get(key)!r}'
    return name, (f'{name}: {", ".join(differing)} differ; {key}:\n  {detail}\n'
                  f'{emulated.get("output", "")[-3000:]}'), timing


def differential(programs, scratch, case_list):
    with concurrent.futures.ThreadPoolExecutor(JOBS) as pool:
        results = list(pool.map(lambda case: compare(programs, scratch, case), case_list))
    failures = [failure for _, failure, _ in results if failure]
    passed = [(name, timing) for name, failure, timing in results if not failure]
    linux_time = sum(t[0] for _, t in passed)
    dll_time = sum(t[1] for _, t in passed)
    print(f'identical through the DLL ({len(passed)} of {len(results)}; {linux_time:.1f} s of Linux runs, '
          f'{dll_time:.1f} s of DLL runs): ' + ', '.join(f'{name} {t[1]:.1f} s' for name, t in passed))
    if failures:
        raise Failure('not identical through the DLL:\n' + '\n'.join(failures))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--build', required=True)
    parser.add_argument('--source', required=True)
    parser.add_argument('--scenarios', nargs='*', help='scenario folders (or examples/NAME.vxs) to compare '
                        '(default: all)')
    parser.add_argument('--keep', action='store_true', help='keep the scratch folder')
    parser.add_argument('--guest-compiler', default='i686-w64-mingw32-g++', help='the compiler of the DLL')
    parser.add_argument('--host-compiler', default='c++', help='the compiler of the host')
    args = parser.parse_args()
    programs = Programs(os.path.abspath(args.build), os.path.abspath(args.source))
    try:
        import pefile  # noqa: F401
        import unicorn  # noqa: F401
    except ImportError as error:
        skip(f'the emulator needs python3-unicorn and python3-pefile ({error})')
    if not os.path.exists(programs.dll):
        skip(f'{programs.dll} is not built (no i686-w64-mingw32-g++, or VORLIX_WINDOWS_DLL=OFF)')
    for program in (programs.linux, programs.emulated):
        if not os.path.exists(program):
            skip(f'{program} is not built')
    scratch = tempfile.mkdtemp(prefix='vorlix-emulator-')
    started = time.monotonic()
    try:
        check_record_layouts(programs.source, args.guest_compiler, args.host_compiler)
        commands = check_load_and_unload(programs, scratch)
        check_load_and_unload(programs, scratch, relocate=True)
        check_guest_fault(programs, scratch)
        alike = check_every_slot(programs, scratch, commands)
        case_list = cases(programs.source, args.scenarios)
        if not args.scenarios:
            check_alike_commands_run(alike, case_list)
        print(f'every command slot starts the command of its name (first steps identical to Linux; the '
              f'{sum(map(len, alike))} that start like another are each run further by a compared case)')
        differential(programs, scratch, case_list)
    except Failure as failure:
        print(f'FAIL: {failure}')
        print(f'(scratch files kept in {scratch})')
        return 1
    print(f'all checks passed in {time.monotonic() - started:.1f} s')
    if not args.keep:
        shutil.rmtree(scratch)
    return 0


if __name__ == '__main__':
    sys.exit(main())
