#!/usr/bin/env python3
"""Checks the folder graph of the source tree: which folder's files may include
which folder's headers, which libraries its targets may link, and that the core
stays free of widgets.

    ta <- quotes <- store <- screen;   ta <- fbl <- store;
    ta <- formula <- screen <- screen/render;
    ta <- chart <- chart/render;   ta <- ui <- chart/render;
    ui below every */ui folder;   app and cli on top.

Only fbl/ includes the database client's headers and links the loader of its
library; only store/ (with the tests and benchmarks) uses fbl/; quotes/, the
quote-file readers, touches nothing of the database.

Usage: check_layering.py SOURCE_ROOT
Prints every breach as "path:line: message" and exits with 1 when there is one.
"""
import os
import re
import sys

# What each folder may include and link besides itself. A file belongs to the
# longest folder here that holds it; tests/ and bench/ may use anything.
ALLOWED = {
    "ta": set(),
    "quotes": {"ta"},
    "fbl": {"ta"},
    "formula": {"ta"},
    "store": {"ta", "quotes", "fbl"},
    "screen": {"ta", "quotes", "store", "formula"},
    # The back-test's plot, drawn for the window and for PNG files alike.
    "screen/render": {"ta", "quotes", "store", "formula", "screen"},
    "chart": {"ta"},
    # The renderer shares the header-only Latin-1 conversion of ui/.
    "chart/render": {"ta", "chart", "ui"},
    "ui": {"ta"},
    "store/ui": {"ta", "quotes", "store", "ui"},
    "screen/ui": {"ta", "quotes", "store", "formula", "screen", "screen/render", "ui"},
    "chart/ui": {"ta", "chart", "chart/render", "ui"},
    "app": {"ta", "quotes", "store", "formula", "screen", "screen/render", "chart",
            "chart/render", "ui", "store/ui", "screen/ui", "chart/ui"},
    "cli": {"ta", "quotes", "store", "formula", "screen", "screen/render", "chart",
            "chart/render"},
}
ANYTHING = {"tests", "bench"}

# The core has no widgets: no Qt and no QCustomPlot, in its headers or links.
CORE = {"ta", "quotes", "fbl", "formula", "store", "screen", "chart"}
# Only the database layer includes the client library's headers and loads it.
DATABASE_PART = "fbl"

SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cc", ".cpp", ".cxx")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# Qt's headers ("QString", "QtCore/QObject", "qglobal.h") by their capitals:
# a standard header such as <queue> is none of them.
QT_HEADER = re.compile(r"^(Qt\w*(/|$)|Q[A-Z]\w*(\.h)?$|q\w+\.h$)|(?i:qcustomplot)")
QT_LIBRARY = re.compile(r"^(Qt\d*::|QCustomPlot|qcustomplot)")
DATABASE_HEADER = re.compile(r"^(ibase\.h|firebird/|dlfcn\.h)")
DATABASE_LIBRARY = re.compile(r"^(\$\{CMAKE_DL_LIBS\}|dl|fbclient|Firebird)")

# The only headers ta/ may take from outside itself.
STANDARD_HEADERS = set("""
algorithm any array atomic barrier bit bitset charconv chrono cinttypes climits clocale cmath
compare complex concepts condition_variable coroutine csetjmp csignal cstdarg cstddef cstdint
cstdio cstdlib cstring ctime cuchar cwchar cwctype cassert cctype cerrno cfenv cfloat deque
exception execution expected filesystem format forward_list fstream functional future
initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map
memory memory_resource mutex new numbers numeric optional ostream queue random ranges ratio
regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
version
assert.h ctype.h errno.h fenv.h float.h inttypes.h limits.h locale.h math.h setjmp.h signal.h
stdarg.h stddef.h stdint.h stdio.h stdlib.h string.h time.h uchar.h wchar.h wctype.h
""".split())


def part_of(path):
    """The folder of ALLOWED (or tests/bench) that holds `path`, or None."""
    best = None
    for part in list(ALLOWED) + list(ANYTHING):
        if path == part or path.startswith(part + "/"):
            if best is None or len(part) > len(best):
                best = part
    return best


def folder(part):
    return f"{part}/" if part else "a file outside the library folders"


def may_use(user, used):
    """Whether files of folder `user` may include or link folder `used`."""
    if used == "app":  # the top: nothing outside app/, tests/ and bench/ reaches it
        return user in ("app", *ANYTHING)
    if user is None or user in ANYTHING or used == user:
        return True
    if used is None:  # in the tree but in no library folder
        return user != "ta"
    return used in ALLOWED[user]


def source_files(root):
    for top in sorted(os.listdir(root)):
        if top.startswith(".") or top.startswith("build"):
            continue
        folder = os.path.join(root, top)
        if not os.path.isdir(folder):
            continue
        for dirpath, dirnames, filenames in os.walk(folder):
            # A build tree inside a source folder is not source.
            dirnames[:] = sorted(d for d in dirnames if not d.startswith(".")
                                 and not os.path.exists(os.path.join(dirpath, d, "CMakeCache.txt")))
            for name in sorted(filenames):
                yield os.path.relpath(os.path.join(dirpath, name), root)


def resolve(root, including, name, quoted):
    """The tree path an include names, or None outside the tree: a quoted one
    beside the including file first, then (as an angle-bracket one) from the
    root, which is on every target's include path."""
    candidates = [os.path.normpath(name)]
    if quoted:
        candidates.insert(0, os.path.normpath(os.path.join(os.path.dirname(including), name)))
    for candidate in candidates:
        if not candidate.startswith("..") and os.path.isfile(os.path.join(root, candidate)):
            return candidate.replace(os.sep, "/")
    return None


def check_includes(root, path):
    user = part_of(path)
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
        lines = f.readlines()
    for number, line in enumerate(lines, 1):
        m = INCLUDE.match(line)
        if not m:
            continue
        quoted, name = m.group(1) == '"', m.group(2).strip()
        where = f"{path}:{number}: "
        # A project header, in quotes or angle brackets; one that names a
        # library folder counts even when the file is not there.
        target = resolve(root, path, name, quoted)
        used = part_of(target) if target is not None else part_of(name)
        if target is not None or used is not None:
            if not may_use(user, used):
                yield where + f"{folder(user)} includes {used}/ ({name})"
            continue
        # A header from outside the tree.
        standard = name in STANDARD_HEADERS
        if user in CORE and not standard and QT_HEADER.search(name):
            yield where + f"the core ({user}/) includes a widget header ({name})"
        elif user == "ta" and not standard:
            yield where + f"ta/ includes {name}, neither in ta/ nor a standard header"
        elif (user not in ANYTHING and user != DATABASE_PART
              and DATABASE_HEADER.search(name)):
            yield where + f"{folder(user)} includes a database header ({name})"


CMAKE_COMMAND = re.compile(r"\b(add_library|add_executable|target_link_libraries)\s*\(([^)]*)\)",
                           re.DOTALL)
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE"}


def cmake_commands(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        text = re.sub(r"#[^\n]*", "", f.read())
    for m in CMAKE_COMMAND.finditer(text):
        yield m.group(1), m.group(2).split(), text.count("\n", 0, m.start()) + 1


def check_links(root, cmake_files):
    targets = {}  # target name -> folder part
    for path in cmake_files:
        for command, args, _ in cmake_commands(root, path):
            if command != "target_link_libraries" and args:
                targets[args[0]] = part_of(os.path.dirname(path))
    for path in cmake_files:
        for command, args, line in cmake_commands(root, path):
            if command != "target_link_libraries" or not args:
                continue
            user = targets.get(args[0], part_of(os.path.dirname(path)))
            where = f"{path}:{line}: {args[0]} "
            for item in args[1:]:
                if item in LINK_KEYWORDS or item.startswith("$<"):
                    continue
                if item in targets:
                    if not may_use(user, targets[item]):
                        yield where + f"({user}/) links {item} ({targets[item]}/)"
                elif user in CORE and QT_LIBRARY.search(item):
                    yield where + f"(the core, {user}/) links a widget library ({item})"
                elif (user not in ANYTHING and user != DATABASE_PART
                      and DATABASE_LIBRARY.search(item)):
                    yield where + f"({user}/) links a database library ({item})"


def check(root):
    files = list(source_files(root))
    problems = []
    for path in files:
        if path.endswith(SOURCE_SUFFIXES):
            problems += check_includes(root, path)
    problems += check_links(root, [p for p in files if os.path.basename(p) == "CMakeLists.txt"])
    return problems, len(files)


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    problems, count = check(argv[1])
    for p in problems:
        print(p)
    print(f"layering: {count} files checked, {len(problems)} breaches")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
