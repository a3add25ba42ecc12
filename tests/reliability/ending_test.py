#!/usr/bin/env python3
"""How the programs end when they are told to, or lose their display.

    ending_test.py cli CLI            brevant-cli import and scan under SIGINT/SIGTERM
    ending_test.py gui CLI DRIVER     the windowed program (DRIVER: ending_driver) on a
                                      virtual display of its own (Xvfb with openbox)

ENDING_ONLY=TEXT runs only the window cases whose title holds TEXT.

After every round: the process is gone within 5 s (within 60 s where it
first finishes the file it is importing, however long that takes on a busy
machine: which files it kept is checked instead), no process holds the
engine's lock files or the database, `brevant-cli list` answers within 10 s
with every committed stock (each with all its rows), and `gfix -v -full`
finds no error. Every engine here keeps its lock files in a folder of this
test's own (FIREBIRD_LOCK), so that other programs using the embedded engine
on this machine are neither disturbed nor counted. Rounds are bounded; every
process the test starts is stopped by its id.
"""
import datetime
import os
import pty
import random
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROUNDS = 5
GONE_WITHIN = 5.0
# An import told to stop finishes the file it is reading first.
FINISH_WITHIN = 60.0
LIST_WITHIN = 10.0
READY_WITHIN = 60.0
# Days per stock in the import files: enough lines that a signal finds a file
# being read, however fast the import has become.
CLI_DAYS = 600
WINDOW_DAYS = 600
# 48,000 lines a file.
WINDOW_STOCKS = 80

failures = []
warnings = []  # rounds after which gfix warned


def fail(round_name, text):
    failures.append(f"{round_name}: {text}")
    print(f"FAIL {round_name}: {text}", flush=True)


# ---------------------------------------------------------------- quote files

def trading_days(count):
    days, d = [], datetime.date(2026, 12, 4)
    while len(days) < count:
        if d.weekday() < 5:
            days.append(d)
        d -= datetime.timedelta(days=1)
    return days[::-1]


def write_quotes(path, prefix, stocks, days):
    """One quote file of `stocks` stocks (symbols PREFIX000...) over `days` days."""
    symbols = []
    with open(path, "w") as out:
        out.write("<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\n")
        for s in range(stocks):
            symbol = f"{prefix}{s:03d}"
            symbols.append(symbol)
            for i, day in enumerate(trading_days(days)):
                p = 10 + ((s * 7 + i) % 50) / 10
                out.write(f"{symbol},{prefix} Stock {s},{day:%d%m%Y},{p},{p + 1},{p - 1},"
                          f"{p + 0.5},{1000 + i}\n")
    return symbols


# ---------------------------------------------------------------- the test's world

class World:
    def __init__(self, cli):
        self.cli = cli
        self.dir = tempfile.mkdtemp(prefix="brevant-ending-")
        self.lock = os.path.join(self.dir, "lock")
        os.mkdir(self.lock)
        self.env = dict(os.environ, FIREBIRD_LOCK=self.lock)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.started = []  # every process this test started

    def path(self, name):
        return os.path.join(self.dir, name)

    def spawn(self, args, **kw):
        kw.setdefault("env", self.env)
        p = subprocess.Popen(args, **kw)
        self.started.append(p)
        return p

    def run_cli(self, db, *args, timeout=120):
        done = subprocess.run([self.cli, "--db", db, *args], env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        if "Sanitizer" in done.stderr or "runtime error" in done.stderr:
            fail(f"brevant-cli {' '.join(args[:1])}", done.stderr[-3000:])
        return done

    def stop_all(self):
        for p in self.started:
            if p.poll() is None:
                p.kill()
                p.wait()

    def holders(self, db):
        """Processes with the database or a file of the lock folder open."""
        watched = (os.path.realpath(db), os.path.realpath(self.lock) + "/")
        found = set()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                for fd in os.listdir(f"/proc/{pid}/fd"):
                    target = os.readlink(f"/proc/{pid}/fd/{fd}")
                    if target == watched[0] or target.startswith(watched[1]):
                        found.add(int(pid))
            except OSError:
                continue
        return found

    def check_database(self, name, db, expected):
        """`expected`: symbol -> rows it must have; the listed stocks must be exactly these."""
        start = time.monotonic()
        try:
            listed = self.run_cli(db, "list", timeout=LIST_WITHIN)
        except subprocess.TimeoutExpired:
            fail(name, f"list did not answer within {LIST_WITHIN} s")
            return
        took = time.monotonic() - start
        if listed.returncode != 0:
            fail(name, f"list failed after {took:.1f} s: {listed.stderr.strip()}")
            return
        symbols = {line.rsplit(" , ", 1)[-1] for line in listed.stdout.splitlines() if line}
        if symbols != set(expected):
            missing = sorted(set(expected) - symbols)[:5]
            extra = sorted(symbols - set(expected))[:5]
            fail(name, f"stocks differ: missing {missing}, unexpected {extra}")
        # The first and last stock of each group, whole: a file is stored entirely or not
        # at all.
        groups = {}
        for symbol in sorted(expected):
            groups.setdefault(symbol[:-3], []).append(symbol)
        for symbol in [g[i] for g in groups.values() for i in (0, -1)]:
            bars = self.run_cli(db, "bars", symbol)
            rows = len(bars.stdout.splitlines()) - 1
            # `bars` shows the newest 350 days of a stock.
            if rows != min(expected[symbol], 350):
                fail(name, f"{symbol} has {rows} rows, {expected[symbol]} were committed")
        gfix = subprocess.run(["gfix", "-v", "-full", "-user", "sysdba", db], env=self.env,
                              capture_output=True, text=True, timeout=60)
        report = (gfix.stdout + gfix.stderr).strip()
        # Its summary is headed "validation errors" even when it counts warnings
        # alone (orphan pages after a process was killed outright).
        errors = re.findall(r"Number of [\w ]*errors\s*:\s*[1-9]", report)
        if gfix.returncode != 0 or errors:
            fail(name, f"gfix -v -full: {report}")
        elif report:
            warnings.append(name)
            print(f"  {name}: gfix warns: {' / '.join(report.splitlines()[1:])}", flush=True)

    def check_gone(self, name, proc, since, statuses, db, within=GONE_WITHIN):
        try:
            proc.wait(timeout=max(0.1, within - (time.monotonic() - since)))
        except subprocess.TimeoutExpired:
            fail(name, f"still running {within} s later")
            proc.kill()
            proc.wait()
            return
        took = time.monotonic() - since
        if proc.returncode not in statuses:
            fail(name, f"exit status {proc.returncode}, expected one of {statuses}")
        held = self.holders(db)
        if held:
            fail(name, f"processes {sorted(held)} still hold the engine's lock files")
        return took


# ---------------------------------------------------------------- signals

def pending(pid, sig):
    """Whether `sig` waits to be delivered to process `pid`."""
    mask = 0
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith(("SigPnd:", "ShdPnd:")):
                    mask |= int(line.split()[1], 16)
    except OSError:
        return False  # gone
    return bool(mask & (1 << (sig - 1)))


def deliver(proc, sig, within=10.0):
    """Sends `sig` and waits until the process has taken it. A signal sent
    while the same one is still pending merges with it, so the second of two
    stop signals is sent only once the first has reached the program; on a
    busy machine a process may wait longer than any fixed pause to run."""
    proc.send_signal(sig)
    end = time.monotonic() + within
    while pending(proc.pid, sig) and time.monotonic() < end:
        time.sleep(0.001)


# ---------------------------------------------------------------- brevant-cli

def read_terminal(master, until, timeout):
    """Reads the terminal until `until(text)` holds; returns the text."""
    text, end = "", time.monotonic() + timeout
    while not until(text) and time.monotonic() < end:
        ready, _, _ = select.select([master], [], [], 0.1)
        if ready:
            try:
                text += os.read(master, 4096).decode(errors="replace")
            except OSError:
                break
    return text


def cli_import_round(world, name, files, symbols, signals, wait_for, expected_files,
                     status):
    """Imports `files` with stderr on a terminal (for its progress line), sends `signals`
    once the progress shows `wait_for`, and checks what stayed committed."""
    db = world.path(f"{name}.bvd")
    world.run_cli(db, "init")
    master, slave = pty.openpty()
    proc = world.spawn([world.cli, "--db", db, "import", *files], stdout=subprocess.PIPE,
                       stderr=slave, text=True)
    os.close(slave)
    seen = read_terminal(master, lambda t: wait_for in t, 60)
    if wait_for not in seen:
        fail(name, f"the import never showed {wait_for!r}: {seen[-200:]!r}")
    start = time.monotonic()
    for s in signals:
        deliver(proc, s)
    # The file being read is finished first.
    world.check_gone(name, proc, start, [status], db, within=FINISH_WITHIN)
    tail = read_terminal(master, lambda t: False, 0.3)
    os.close(master)
    if "Sanitizer" in seen + tail or "runtime error" in seen + tail:
        fail(name, (seen + tail)[-3000:])
    counts = f"files {expected_files} lines {expected_files * len(symbols[0]) * CLI_DAYS} stored"
    if counts not in seen + tail:
        fail(name, f"stderr lacks {counts!r}: {(seen + tail)[-300:]!r}")
    expected = {s: CLI_DAYS for group in symbols[:expected_files] for s in group}
    world.check_database(name, db, expected)


def cli_scan_round(world, name, db, sig, status):
    out = world.path(f"{name}.txt")
    master, slave = pty.openpty()
    proc = world.spawn([world.cli, "--db", db, "scan", "--ma", "5,10,3", "--volume", "1000",
                        "--out", out], stdout=subprocess.PIPE, stderr=slave, text=True)
    os.close(slave)
    # Caught while the prices are read: screening from memory is over in moments.
    seen = read_terminal(master, lambda t: "reading prices" in t, 60)
    start = time.monotonic()
    proc.send_signal(sig)
    world.check_gone(name, proc, start, [status], db)
    seen += read_terminal(master, lambda t: False, 0.3)
    os.close(master)
    if "Sanitizer" in seen or "runtime error" in seen:
        fail(name, seen[-3000:])
    if os.path.exists(out):
        fail(name, "a stopped scan wrote its result file")
    line = [l for l in seen.replace("\r", "\n").splitlines() if l.startswith("processed ")]
    if not line:
        fail(name, f"no counts on stderr: {seen[-200:]!r}")
    else:
        processed, total = line[-1].split()[1], line[-1].split()[3].rstrip(",")
        if int(processed) >= int(total):
            fail(name, f"the scan was not stopped: {line[-1]}")


def test_cli(world):
    # Three files of distinct stocks, each long enough to be caught while it is read.
    files, symbols = [], []
    for f in range(3):
        path = world.path(f"part{f}.txt")
        symbols.append(write_quotes(path, f"P{f}S", 100, CLI_DAYS))
        files.append(path)
    for r in range(ROUNDS):
        began = time.monotonic()
        # One signal while the second file is read: that file is finished, the third skipped.
        cli_import_round(world, f"cli import SIGINT {r + 1}", files, symbols,
                         [signal.SIGINT], "file 2 of 3 ", 2, 130)
        cli_import_round(world, f"cli import SIGTERM {r + 1}", files, symbols,
                         [signal.SIGTERM], "file 2 of 3 ", 2, 143)
        cli_import_round(world, f"cli import SIGHUP {r + 1}", files, symbols,
                         [signal.SIGHUP], "file 2 of 3 ", 2, 129)
        # Two: the second file is cut off and rolled back.
        cli_import_round(world, f"cli import SIGINT twice {r + 1}", files, symbols,
                         [signal.SIGINT, signal.SIGINT], "file 2 of 3 ", 1, 130)
        print(f"  cli import round {r + 1}: {time.monotonic() - began:.1f} s", flush=True)
    # Enough rows that a run is caught while it reads them.
    scan_db = world.path("scan.bvd")
    scan_quotes = world.path("scan.txt")
    scan_symbols = write_quotes(scan_quotes, "SCAN", 2000, 100)
    world.run_cli(scan_db, "import", scan_quotes)
    for r in range(ROUNDS):
        cli_scan_round(world, f"cli scan SIGINT {r + 1}", scan_db, signal.SIGINT, 130)
        cli_scan_round(world, f"cli scan SIGTERM {r + 1}", scan_db, signal.SIGTERM, 143)
        cli_scan_round(world, f"cli scan SIGHUP {r + 1}", scan_db, signal.SIGHUP, 129)
    cli_scan_into_head(world, scan_db)
    world.check_database("cli scan database", scan_db, {s: 100 for s in scan_symbols})
    cli_failed_scan(world, scan_db)


def cli_scan_into_head(world, scan_db):
    """`scan | head -1`: the reader leaves after one line, the scan ends quietly."""
    name = "cli scan | head -1"
    start = time.monotonic()
    done = subprocess.run(["bash", "-o", "pipefail", "-c",
                           f"'{world.cli}' --db '{scan_db}' scan --volume 1000 | head -1"],
                          env=world.env, capture_output=True, text=True, timeout=GONE_WITHIN + 60)
    # The counters may stand on stderr when the scan was done before the
    # reader left; nothing else.
    others = [l for l in done.stderr.splitlines() if not l.startswith("processed ")]
    if done.returncode != 0 or others or len(done.stdout.splitlines()) != 1:
        fail(name, f"status {done.returncode}, stdout {done.stdout[:200]!r}, "
                   f"stderr {done.stderr[-500:]!r}")
    print(f"  {name}: {time.monotonic() - start:.1f} s", flush=True)


def cli_failed_scan(world, scan_db):
    """A scan that a database error ends writes no result file either."""
    name = "cli failed scan"
    if not shutil.which("isql-fb"):
        print(f"  {name}: skipped, isql-fb is not installed", flush=True)
        return
    db, out = world.path("failing.bvd"), world.path("failing.txt")
    shutil.copyfile(scan_db, db)
    # Closing prices that no longer read as numbers: the run fails at its first
    # stock. The change is marked as an import marks its own, so that the
    # stored bars no longer count and the scan reads the rows.
    script = (f"CONNECT '{db}' USER 'sysdba' PASSWORD 'x';\n"
              "ALTER TABLE DATATABLE ALTER CLS TYPE VARCHAR(30);\n"
              "UPDATE IMPORTGEN SET GENERATION = GENERATION + 1;\nCOMMIT;\n")
    subprocess.run(["isql-fb", "-q"], input=script, env=world.env, text=True, check=True,
                   capture_output=True, timeout=60)
    scan = world.run_cli(db, "scan", "--volume", "1000", "--out", out)
    if scan.returncode != 1 or os.path.exists(out):
        fail(name, f"status {scan.returncode}, result file written: {os.path.exists(out)}")


# ---------------------------------------------------------------- the windowed program

class Display:
    """Xvfb on a free display number (it picks one) with openbox."""

    def __init__(self, world):
        self.world = world
        read, write = os.pipe()
        self.server = world.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                   "1280x800x24", "-nolisten", "tcp"], pass_fds=(write,),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        end = time.monotonic() + 20
        while not number.endswith(b"\n") and time.monotonic() < end:
            ready, _, _ = select.select([read], [], [], 0.5)
            if ready:
                chunk = os.read(read, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read)
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.decode().strip()
        self.env = dict(world.env, DISPLAY=self.name)
        self.wm = world.spawn(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)

    def kill_server(self):
        if self.server.poll() is None:
            self.server.kill()
            self.server.wait()

    def close(self):
        for p in (self.wm, self.server):
            if p.poll() is None:
                p.kill()
                p.wait()


def start_program(world, display, scenario, db, files=(), log=None):
    """Starts the driver; returns it with the lines it printed up to READY (or its end).
    Its standard error goes to `log` (a sanitizer's report is read there)."""
    errors = open(log, "w") if log else subprocess.DEVNULL
    proc = world.spawn([world.driver, scenario, *files, "--", "--db", db], env=display.env,
                       stdout=subprocess.PIPE, stderr=errors, bufsize=0)
    if log:
        errors.close()
    end, text = time.monotonic() + READY_WITHIN, b""
    while time.monotonic() < end and b"READY " not in text:
        ready, _, _ = select.select([proc.stdout], [], [], 0.2)
        if ready:
            chunk = os.read(proc.stdout.fileno(), 4096)
            if not chunk:
                break
            text += chunk
    return proc, text.decode(errors="replace").splitlines()


def gui_round(world, name, scenario, base_db, base_stocks, end, files=(), file_symbols=()):
    db = world.path("gui.bvd")
    shutil.copyfile(base_db, db)
    log = world.path("program.err")
    failed_before = len(failures)
    display = Display(world)
    try:
        proc, lines = start_program(world, display, scenario, db, files, log)
        if not lines or not lines[-1].startswith("READY"):
            fail(name, f"the program never got ready: {lines}")
            proc.kill()
            proc.wait()
            return
        start = time.monotonic()
        statuses, kept = end(proc, display)
        finishing = scenario == "import" and kept == "finished"
        world.check_gone(name, proc, start, statuses, db,
                         within=FINISH_WITHIN if finishing else GONE_WITHIN)
    finally:
        display.close()
    expected = dict(base_stocks)
    if scenario == "import":
        # Whole files only: the one read at a stop signal is finished, a second signal
        # rolls it back, a lost display keeps what was committed.
        try:
            listed = world.run_cli(db, "list", timeout=LIST_WITHIN).stdout
        except subprocess.TimeoutExpired:
            fail(name, f"list did not answer within {LIST_WITHIN} s")
            return
        done = 0
        while done < len(file_symbols) and f" , {file_symbols[done][0]}\n" in listed + "\n":
            done += 1
        # The signal comes while the first file is read (READY): that one is
        # finished, the others are skipped.
        if kept == "finished" and done != 1:
            fail(name, f"{done} file(s) kept, expected the one read at the signal")
        if kept == "none" and done != 0:
            fail(name, f"{done} file(s) kept after a second signal cut the first one off")
        for group in file_symbols[:done]:
            expected.update({s: WINDOW_DAYS for s in group})
    world.check_database(name, db, expected)
    if len(failures) > failed_before:
        with open(log, errors="replace") as f:
            print(f"  {name}: the program's standard error:\n{f.read()[-3000:]}", flush=True)


# Each way of ending returns the exit statuses it allows and which of the
# import's files it keeps: "finished" (the one being read, finished), "none"
# or "any" whole ones.
def sigterm(proc, display):
    proc.send_signal(signal.SIGTERM)
    return [143], "finished"


def sigterm_twice(proc, display):
    # Back to back, so that the second one reaches the program while the first
    # file is still being read.
    deliver(proc, signal.SIGTERM)
    deliver(proc, signal.SIGTERM)
    return [143], "none"


def display_killed(proc, display):
    display.kill_server()
    return [1], "any"


def sigterm_then_display_killed(proc, display):
    proc.send_signal(signal.SIGTERM)
    time.sleep(random.uniform(0, 1))
    display.kill_server()
    return [143, 1], "any"


def second_instance(world, base_db, stocks):
    """The window twice, and the window with brevant-cli: a clear message, never a hang."""
    name = "second instance"
    db = world.path("second.bvd")
    shutil.copyfile(base_db, db)
    display = Display(world)
    try:
        first, lines = start_program(world, display, "idle", db)
        if not lines or lines[-1] != "READY idle":
            fail(name, f"the first program never got ready: {lines}")
            return
        try:
            cli = world.run_cli(db, "list", timeout=LIST_WITHIN)
        except subprocess.TimeoutExpired:
            fail(name, f"brevant-cli beside the window did not answer within {LIST_WITHIN} s")
            return
        if cli.returncode == 0 or "in use by another program" not in cli.stderr:
            fail(name, f"brevant-cli beside the window: {cli.returncode} {cli.stderr!r}")
        second = world.spawn([world.driver, "idle", "--", "--db", db], env=display.env,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        start = time.monotonic()
        try:
            out, _ = second.communicate(timeout=30)
        except subprocess.TimeoutExpired:
            fail(name, "the second window hangs")
            second.kill()
            out, _ = second.communicate()
        if "MESSAGE The database is in use by another program" not in out:
            fail(name, f"the second window said: {out!r}")
        print(f"  {name}: the second window ended after {time.monotonic() - start:.1f} s",
              flush=True)
        start = time.monotonic()
        first.send_signal(signal.SIGTERM)
        world.check_gone(name, first, start, [143], db)
    finally:
        display.close()
    world.check_database(name, db, stocks)


def test_gui(world):
    base_db = world.path("base.bvd")
    base = world.path("base.txt")
    stocks = {s: 350 for s in write_quotes(base, "BASE", 5, 350)}
    world.run_cli(base_db, "import", base)
    files, symbols = [], []
    for f in range(3):
        path = world.path(f"window{f}.txt")
        symbols.append(write_quotes(path, f"W{f}S", WINDOW_STOCKS, WINDOW_DAYS))
        files.append(path)
    second_instance(world, base_db, stocks)
    cases = [
        ("idle + SIGTERM", "idle", sigterm),
        ("filter dialog + SIGTERM", "filter", sigterm),
        ("import + SIGTERM", "import", sigterm),
        ("display killed, idle", "idle", display_killed),
        ("display killed, filter dialog", "filter", display_killed),
        ("SIGTERM, then display killed", "idle", sigterm_then_display_killed),
        # Two more ways through a running import.
        ("import + SIGTERM twice", "import", sigterm_twice),
        ("display killed, import", "import", display_killed),
    ]
    for r in range(ROUNDS):
        for title, scenario, end in cases:
            if os.environ.get("ENDING_ONLY", title) not in title:
                continue
            name = f"{title} {r + 1}"
            began = time.monotonic()
            gui_round(world, name, scenario, base_db, stocks, end, files, symbols)
            print(f"  {name}: {time.monotonic() - began:.1f} s", flush=True)


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("cli", "gui"):
        print(__doc__)
        return 2
    random.seed(16)
    world = World(sys.argv[2])
    try:
        if sys.argv[1] == "cli":
            test_cli(world)
        else:
            for tool in ("Xvfb", "openbox"):
                if not shutil.which(tool):
                    print(f"SKIP: {tool} is not installed")
                    return 77
            world.driver = sys.argv[3]
            test_gui(world)
    finally:
        world.stop_all()
        shutil.rmtree(world.dir, ignore_errors=True)
    print(f"{len(failures)} failure(s); gfix warned after {len(warnings)} round(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
