#!/usr/bin/env python3
"""The folders of headless/ form a layered graph: an #include from one folder
into another may never close a loop. The engines below the session take the
state they use as arguments; the running session is reached only through the
accessors declared where they are needed and defined in session/host_state.cpp.
Prints each loop's includes and fails when there is one."""
import collections
import os
import re
import sys

INCLUDE = re.compile(r'\s*#\s*include\s+"headless/([^"]+)"')


def folder_of(relative):
    parts = relative.split('/')
    return parts[0] if len(parts) > 1 else '.'


def include_graph(root):
    graph = collections.defaultdict(lambda: collections.defaultdict(list))
    for directory, _, files in os.walk(root):
        for name in sorted(files):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = os.path.join(directory, name)
            source = folder_of(os.path.relpath(path, root))
            with open(path, encoding='utf-8', errors='replace') as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if m and folder_of(m.group(1)) != source:
                        graph[source][folder_of(m.group(1))].append(f'{path}:{number}: {m.group(1)}')
    return graph


def loops(graph):
    """Strongly connected components with more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in list(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for v in sorted(set(graph) | {w for edges in graph.values() for w in edges}):
        if v not in index:
            visit(v)
    return found


def main():
    root = os.path.join(sys.argv[1] if len(sys.argv) > 1 else '.', 'headless')
    graph = include_graph(root)
    found = loops(graph)
    for component in found:
        print('the folders ' + ', '.join(component) + ' include each other in a loop:')
        for source in component:
            for target in sorted(graph[source]):
                if target in component:
                    for where in graph[source][target]:
                        print('  ' + where)
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
