#!/usr/bin/env python3
"""Prints the slowest tests of one or more CTest runs, from the JUnit files
that `ctest --output-junit` writes.

usage: slowest_tests.py COUNT STAGE=JUNIT_FILE...
"""
import sys
import xml.etree.ElementTree as ElementTree


def main(argv):
    if len(argv) < 3 or not argv[1].isdigit() or not all("=" in a for a in argv[2:]):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    count, timed = int(argv[1]), []
    for argument in argv[2:]:
        stage, path = argument.split("=", 1)
        for case in ElementTree.parse(path).getroot().iter("testcase"):
            if case.get("status") != "notrun":
                timed.append((float(case.get("time", 0)), stage, case.get("name")))
    timed.sort(key=lambda t: -t[0])
    print(f"The {min(count, len(timed))} slowest of {len(timed)} test runs:")
    width = max((len(stage) for _, stage, _ in timed), default=0)
    for seconds, stage, name in timed[:count]:
        print(f"  {seconds:7.1f} s  {stage:<{width}}  {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
