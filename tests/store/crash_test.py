#!/usr/bin/env python3
"""A three-file import killed with SIGKILL at random moments.

After each kill: gfix validates the file without an error, the database opens
and its four indexes are active after that open, each file's quote rows are
either all present or all absent (and the files stored are the first ones),
rows that were there before the import are untouched, and importing the
cut-off files again gives exactly one copy of every quote row and of every
action row; the stock table and the stored bars, when current, hold exactly
the quote table, and a first screening's fill makes them current. Half of the
rounds start from a new database (the indexes are switched off for the load),
half from one that already holds many rows (the rows go in with the indexes
maintained).

Every engine here keeps its lock files in a folder of this test's own
(FIREBIRD_LOCK): the processes it kills leave theirs behind, and other
programs using the embedded engine on this machine never meet them.

usage: crash_test.py BREVANT_CLI CRASH_CHECK [ROUNDS [SEED]]
"""
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

USER, PASSWORD = "sysdba", "duvaridaz"
STEP_TIMEOUT = 300  # seconds for any one process


def quote_file(path, prefix, stocks, days):
    """Writes a quote file; returns (lines, action rows) it stores."""
    lines, actions = 0, 0
    with open(path, "w") as f:
        f.write("<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\n")
        for d in range(days):
            day, month, year = 1 + d % 28, 1 + (d // 28) % 12, 2000 + d // 336
            for s in range(stocks):
                close = 10 + (s * 7 + d * 3) % 50 + 0.25
                tail = ""
                if s % 10 == 0 and d % 15 == 0:
                    tail, actions = ",*Dividend,0.25,,:,", actions + 1
                if s % 10 == 5 and d % 40 == 0:
                    tail, actions = ",*Dividend,0.5,*Split,2:1,", actions + 2
                f.write("%s%03d,%s Corp %d,%02d%02d%04d,%.2f,%.2f,%.2f,%.2f,%d%s\n"
                        % (prefix, s, prefix, s, day, month, year, close - 0.5, close + 1,
                           close - 1, close, 1000 + s * 10 + d, tail))
                lines += 1
    return lines, actions


def run(args, check=True):
    r = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                       timeout=STEP_TIMEOUT)
    if check and r.returncode != 0:
        raise AssertionError("%s: exit %d\n%s" % (" ".join(args), r.returncode, r.stdout))
    return r.stdout


def validate(db):
    """gfix's validation must find no error. A killed process may leave
    warnings (pages it had allocated and not yet linked, "orphans"), which
    are harmless and returned for the log."""
    out = run(["gfix", "-v", "-full", "-user", USER, "-password", PASSWORD, db])
    errors = [line for line in out.splitlines()
              if re.search(r"errors\s*:\s*[1-9]", line) or "error" in line.lower()
              and "summary of validation errors" not in line.lower()]
    if errors:
        raise AssertionError("gfix -v -full reports:\n" + out)
    return sum(int(n) for n in re.findall(r"warnings\s*:\s*(\d+)", out))


def contents(check, db):
    """(inactive indexes, {prefix: rows}, action rows) after an open. The stock
    table and the stored bars hold the quote table whenever they are current,
    and they are current after a first screening's fill."""
    inactive, rows, actions = None, {}, None
    out = run([check, db])
    differences = [line for line in out.splitlines() if "differs:" in line]
    if differences or "after a fill stock tables current" not in out:
        raise AssertionError("stock tables:\n" + out)
    for line in out.splitlines():
        word = line.split()
        if word[0] == "inactive":
            inactive = int(word[1])
        elif word[0] == "rows":
            rows[word[1]] = int(word[2])
        elif word[0] == "actions":
            actions = int(word[1])
    return inactive, rows, actions


def import_files(cli, db, paths):
    return subprocess.Popen([cli, "--db", db, "import"] + paths, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def main():
    cli, check = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else int(time.time())
    rng = random.Random(seed)
    print("seed %d, %d rounds" % (seed, rounds), flush=True)
    work = tempfile.mkdtemp(prefix="brevant-crash-")
    os.environ["FIREBIRD_LOCK"] = os.path.join(work, "lock")
    os.mkdir(os.environ["FIREBIRD_LOCK"])
    try:
        files = [("F1", 120, 150), ("F2", 120, 150), ("F3", 60, 60)]
        paths, expected = [], {}
        for prefix, stocks, days in files:
            paths.append(os.path.join(work, prefix + ".txt"))
            expected[prefix] = quote_file(paths[-1], prefix, stocks, days)
        all_actions = sum(a for _, a in expected.values())
        # A database already holding many more rows than the three files.
        base = os.path.join(work, "base.BVD")
        base_rows, base_actions = quote_file(os.path.join(work, "F0.txt"), "F0", 400, 400)
        run([cli, "--db", base, "import", os.path.join(work, "F0.txt")])
        # The import is what is killed, not the creation of the file: a new
        # database is made whole first.
        empty = os.path.join(work, "empty.BVD")
        run([cli, "--db", empty, "init"])
        starts = {"new": empty, "filled": base}
        db = os.path.join(work, "BREVDATA.BVD")

        # How long an import runs uncut, from each start.
        full = {}
        for start in ("new", "filled"):
            shutil.copy(starts[start], db)
            began = time.monotonic()
            if import_files(cli, db, paths).wait(timeout=STEP_TIMEOUT) != 0:
                raise AssertionError("uncut import failed")
            full[start] = time.monotonic() - began
        print("uncut import: %.2f s into a new database, %.2f s into a filled one"
              % (full["new"], full["filled"]), flush=True)

        for r in range(rounds):
            start = "new" if r % 2 == 0 else "filled"
            shutil.copy(starts[start], db)
            p = import_files(cli, db, paths)
            delay = rng.uniform(0, full[start] * 1.1)
            try:
                p.wait(timeout=delay)
                killed = False
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait(timeout=STEP_TIMEOUT)
                killed = True

            warnings = validate(db)
            inactive, rows, actions = contents(check, db)
            assert inactive == 0, "round %d: %d indexes inactive after the open" % (r, inactive)
            if start == "filled":
                assert rows.get("F0") == base_rows, "round %d: earlier rows changed" % r
            stored = [prefix for prefix, _, _ in files if rows.get(prefix, 0) > 0]
            for prefix, _, _ in files:
                n = rows.get(prefix, 0)
                assert n in (0, expected[prefix][0]), \
                    "round %d: file %s has %d of its %d rows" % (r, prefix, n, expected[prefix][0])
            assert stored == [f[0] for f in files[:len(stored)]], \
                "round %d: files stored out of order: %s" % (r, stored)
            print("round %2d: %s, %s after %.2f s, files stored: %s, action rows %d, "
                  "validation warnings %d"
                  % (r, start, "killed" if killed else "finished", delay,
                     " ".join(stored) or "none", actions, warnings), flush=True)

            missing = [paths[i] for i, (prefix, _, _) in enumerate(files) if prefix not in stored]
            if missing:
                run([cli, "--db", db, "import"] + missing)
            validate(db)
            inactive, rows, actions = contents(check, db)
            assert inactive == 0, "round %d: indexes inactive after the import again" % r
            for prefix, _, _ in files:
                assert rows.get(prefix) == expected[prefix][0], \
                    "round %d: file %s has %s rows after the import again" % (
                        r, prefix, rows.get(prefix))
            want = all_actions + (base_actions if start == "filled" else 0)
            assert actions == want, "round %d: %d action rows, expected %d" % (r, actions, want)
        print("crash test: ok")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
