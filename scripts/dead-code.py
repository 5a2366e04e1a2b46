#!/usr/bin/env python3
"""Lists member functions that the program defines and nothing in the program
calls. A function counts as used when its name appears anywhere in the
program's code other than where it is declared or defined: a call, a
handler table, a function pointer, or an override the base class calls.
Names shared by several classes count as used when any of them is, so the
check misses some dead code but never reports live code as dead.

A framework wrapper is there for the program: the program's calls keep it,
and so do the tests, benchmarks and fuzzers of the program, which drive its
windows through the wrappers; the framework's own tests do not (a wrapper
only they call is tested for nothing). Elsewhere, tests and benchmarks count
as callers too (a layout's measures are asked by its tests).

Overrides are called by virtual dispatch (from the framework, or the
platform for an interface it calls), and conversion operators implicitly.

Usage: dead-code.py [ROOT]. Exits 1, listing them, when any is found.
"""
import os
import re
import sys

PROGRAM_DIRS = ("app", "frame", "document", "dates", "view", "panel", "image", "framework")
OTHER_CALLERS = ("tests", "bench", "fuzz")
# The framework's own tests, which are no reason to keep a wrapper.
FRAMEWORK_TESTS = ("tests/native/framework", "tests/win32/framework")
# Called by the platform or the language rather than by name.
CALLED_FROM_OUTSIDE = {"main", "WinMain", "operator"}

# "Type CClass::Name(" at the start of a line of a .cpp file.
OUT_OF_CLASS = re.compile(r"^[A-Za-z_][\w:<>,\*& ]*?\b(C\w+)::(~?[A-Za-z_]\w*)\s*\(")
# A member declared in a class body with its body on the same line.
IN_CLASS = re.compile(
    r"^\s+(?:(?:virtual|static|inline|explicit|constexpr)\s+)*[\w:<>,\*& ]+?[\s\*&]"
    r"([A-Za-z_]\w*)\s*\([^;{]*\)\s*(?:const\s*)?(?:noexcept\s*)?(?:override\s*)?\{")
# Any line that declares or defines a function: a type, then the name.
DECLARATION = re.compile(
    r"^\s*(?:(?:virtual|static|inline|explicit|constexpr|friend)\s+)*(?:const\s+)?"
    r"[A-Za-z_][\w:<>,\*& ]*?[\s\*&]+(?:C\w+::)?(~?[A-Za-z_]\w*)\s*\(")
NOT_A_TYPE = ("return", "else", "delete", "new ", "throw", "case", "goto")
# The name of a member declared as an override.
OVERRIDE = re.compile(r"\b(~?[A-Za-z_]\w*)\s*\([^;{]*\)\s*(?:const\s*)?(?:noexcept\s*)?override\b")
WORD = re.compile(r"[A-Za-z_]\w*")


def source_files(root, folders, skip=()):
    for folder in folders:
        base = os.path.join(root, folder)
        for dirpath, _, names in os.walk(base):
            if os.path.relpath(dirpath, root).replace(os.sep, "/").startswith(skip):
                continue
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    yield os.path.join(dirpath, name)


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    text = re.sub(r"//[^\n]*", "", text)
    return re.sub(r'"(?:\\.|[^"\\\n])*"', '""', text)


def read_all(paths):
    texts = {}
    for path in paths:
        with open(path, encoding="latin-1") as f:
            texts[path] = strip_comments(f.read()).split("\n")
    return texts


def uses(texts):
    """How many lines use each word, less the lines that declare or define it."""
    counts = {}
    for lines in texts.values():
        for line in lines:
            words = set(WORD.findall(line))
            m = DECLARATION.match(line)
            if m and not line.lstrip().startswith(NOT_A_TYPE):
                words.discard(m.group(1))
            for word in words:
                counts[word] = counts.get(word, 0) + 1
    return counts


def definitions(path, lines):
    """(name, class or '', line index) of each member defined in the file."""
    found = []
    for i, line in enumerate(lines):
        m = OUT_OF_CLASS.match(line)
        if m and path.endswith(".cpp"):
            found.append((m.group(2), m.group(1), i))
            continue
        m = IN_CLASS.match(line)
        if m and line[:m.start(1)].rstrip().endswith("operator"):
            continue
        if m and path.endswith(".h") and not line.lstrip().startswith(("return", "if", "for")):
            found.append((m.group(1), "", i))
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    texts = read_all(source_files(root, PROGRAM_DIRS))
    others = read_all(source_files(root, OTHER_CALLERS))
    program_tests = read_all(source_files(root, OTHER_CALLERS, FRAMEWORK_TESTS))
    overrides = {m.group(1) for lines in texts.values() for line in lines
                 for m in OVERRIDE.finditer(line)}

    defined = []
    for path, lines in texts.items():
        for name, owner, index in definitions(path, lines):
            if (name in CALLED_FROM_OUTSIDE or name in overrides or name.startswith("~") or
                    name == owner):
                continue
            defined.append((name, owner, path, index))

    in_program = uses(texts)
    in_others = uses(others)
    in_program_tests = uses(program_tests)
    framework = os.path.join(root, "framework") + os.sep
    dead = sorted({(path, name, owner) for name, owner, path, _ in defined
                   if not in_program.get(name) and
                   not (in_program_tests if path.startswith(framework) else in_others).get(name)})
    for path, name, owner in dead:
        print(f"{os.path.relpath(path, root)}: {owner + '::' if owner else ''}{name} is called nowhere")
    return 1 if dead else 0


if __name__ == "__main__":
    sys.exit(main())
