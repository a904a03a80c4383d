#!/usr/bin/env python3
"""Runs the store's benchmarks and the same statements in the sqlite3 tool on
the same database file, and prints the times side by side with their ratio.

usage: compare_with_sqlite3.py BUILD_BIN_DIR [WORK_DIR]
"""
import json
import os
import subprocess
import sys
import tempfile
import time

QUERY_BENCHMARKS = ["BM_SuperCategories", "BM_MainCategories", "BM_SubCategories", "BM_Sections",
                    "BM_Categories", "BM_SectionSentenceList", "BM_OrientingSections200", "BM_NumberList100"]


def wall(cmd, stdin_path=None):
    start = time.perf_counter()
    with open(stdin_path or os.devnull, "rb") as stdin:
        subprocess.run(cmd, stdin=stdin, stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def sqlite3_ms(db, statements, work):
    """Mean time of one run of the statements in one sqlite3 process, rows
    formatted and thrown away, the process start-up taken off."""
    repeat = max(1, 200 // len(statements))
    script = os.path.join(work, "run.sql")
    with open(script, "w", encoding="utf-8") as f:
        f.write(".output /dev/null\n")
        for _ in range(repeat):
            f.writelines(s + "\n" for s in statements)
    empty = os.path.join(work, "empty.sql")
    with open(empty, "w", encoding="utf-8") as f:
        f.write(".output /dev/null\nselect 1;\n")
    base = min(wall(["sqlite3", db], empty) for _ in range(5))
    total = min(wall(["sqlite3", db], script) for _ in range(3))
    return (total - base) / repeat * 1000.0


def main():
    bindir = sys.argv[1]
    work = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="store-bench-")
    env = dict(os.environ, VM_BENCH_DIR=os.path.join(work, "data"))
    bench = os.path.join(bindir, "store_bench")
    sqldir = os.path.join(work, "sql")
    db = subprocess.run([bench, "--print-sql", sqldir], env=env, check=True, capture_output=True,
                        text=True).stdout.strip()
    report = subprocess.run([bench, "--benchmark_format=json"], env=env, check=True, capture_output=True,
                            text=True).stdout
    ours = {b["name"].split("/")[0]: b for b in json.loads(report)["benchmarks"]}

    print(f"database: {db} ({os.path.getsize(db) / 1e6:.1f} MB)")
    print(f"{'benchmark':28} {'ours ms':>10} {'sqlite3 ms':>11} {'ratio':>7}")
    for name in QUERY_BENCHMARKS:
        with open(os.path.join(sqldir, name + ".sql"), encoding="utf-8") as f:
            statements = [line.rstrip("\n") for line in f if line.strip()]
        theirs = sqlite3_ms(db, statements, work)
        mine = ours[name]["real_time"]
        print(f"{name:28} {mine:10.2f} {theirs:11.2f} {mine / theirs:7.2f}")

    # The import: our whole build from the tab files against sqlite3 loading
    # the dump of the same rows into a new file, in one transaction too.
    dump = os.path.join(work, "dump.sql")
    with open(dump, "w", encoding="utf-8") as f:
        subprocess.run(["sqlite3", db, ".dump"], stdout=f, check=True)
    target = os.path.join(work, "loaded.rbd")
    times = []
    for _ in range(3):
        if os.path.exists(target):
            os.remove(target)
        times.append(wall(["sqlite3", target], dump))
    theirs = min(times) * 1000.0
    build = ours["BM_ImportBuild"]
    mine = build["real_time"]
    print(f"{'BM_ImportBuild':28} {mine:10.2f} {theirs:11.2f} {mine / theirs:7.2f}"
          f"   ({build['lines']:.0f} lines, {build['lines_per_s']:.0f} lines/s)")
    committed = ours["BM_ImportRowCommitted"]
    print(f"row-committed import: {committed['lines_per_s']:.0f} lines/s")


if __name__ == "__main__":
    main()
