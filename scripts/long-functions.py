#!/usr/bin/env python3
"""Lists the functions longer than a limit in C++ sources, longest first.

    scripts/long-functions.py [--max LINES] DIR...

A function is a brace block whose head ends like a parameter list (with
const, override, noexcept, a trailing return type or an initialiser list)
and that stands at namespace or class level; lambdas and a constructor's
braced member initialisers count towards the function they are in.
Comments and string literals are blanked first.
Exits 1 when any function is longer than the limit (80 lines by default).
"""
import argparse
import os
import re
import sys

SCOPE = re.compile(r'\b(namespace|class|struct|enum|union)\b[^()]*$')
FUNCTION = re.compile(r'\)\s*(const|override|noexcept|final|mutable|->[^{]*)*\s*(:.*)?$')
# A constructor's initialiser list at a member's braces: "Form() : name_{".
INITIALISER = re.compile(r'\)\s*(noexcept\s*)?:[^{]*[\w>]$')
CONTROL = re.compile(r'\b(if|for|while|switch|catch)\s*\(')


def blank_comments_and_strings(src):
    out, i, n = [], 0, len(src)
    while i < n:
        if src.startswith('//', i):
            end = src.find('\n', i)
            i = n if end < 0 else end
        elif src.startswith('/*', i):
            end = src.find('*/', i + 2)
            end = n if end < 0 else end + 2
            out.append('\n' * src.count('\n', i, end))
            i = end
        elif src.startswith('R"', i) and (m := re.match(r'R"([^(\s]*)\(', src[i:])):
            close = ')' + m.group(1) + '"'
            end = src.find(close, i)
            end = n if end < 0 else end + len(close)
            out.append('""' + '\n' * src.count('\n', i, end))
            i = end
        elif src[i] in '"\'':
            quote, j = src[i], i + 1
            while j < n and src[j] != quote and src[j] != '\n':
                j += 2 if src[j] == '\\' else 1
            out.append(quote * 2)
            i = j + 1
        else:
            out.append(src[i])
            i += 1
    return ''.join(out)


def long_functions(path, limit):
    with open(path, encoding='latin-1') as f:
        text = blank_comments_and_strings(f.read())
    stack, found, line, head_start = [], [], 1, 0
    for at, c in enumerate(text):
        if c == '\n':
            line += 1
        elif c == '{':
            head = ' '.join(text[head_start:at].split())
            at_top = all(k == 'scope' for k, _, _ in stack)
            if SCOPE.search(head) or head.endswith('extern ""'):
                kind = 'scope'
            elif at_top and INITIALISER.search(head) and FUNCTION.search(head):
                kind = 'initialiser'  # a member's braces; the body follows
            elif at_top and FUNCTION.search(head) and not CONTROL.search(head):
                kind = 'function'
            else:
                kind = 'block'
            stack.append((kind, line, head[-70:]))
            if kind != 'initialiser':
                head_start = at + 1
        elif c == '}':
            kind = None
            if stack:
                kind, first, head = stack.pop()
                if kind == 'function' and line - first + 1 > limit:
                    found.append((line - first + 1, f'{path}:{first}', head))
            if kind != 'initialiser':
                head_start = at + 1
        elif c == ';':
            head_start = at + 1
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--max', type=int, default=80)
    parser.add_argument('dirs', nargs='+')
    args = parser.parse_args()
    found = []
    for top in args.dirs:
        for root, _, files in os.walk(top):
            for name in sorted(files):
                if name.endswith(('.cpp', '.h')):
                    found += long_functions(os.path.join(root, name), args.max)
    for lines, place, head in sorted(found, reverse=True):
        print(f'{place}: {lines} lines: ...{head}')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
