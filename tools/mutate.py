#!/usr/bin/env python3
"""Mutation testing of the portable sources: one small change at a time.

For each chosen source file, every mutant (one relational or arithmetic
operator changed, an integer constant moved by one, && and || swapped, or one
statement deleted) is written into a scratch copy of the sources, the native
test programs that link the file's library are rebuilt and run with a time
limit, and the file is put back. A mutant is killed when a test fails, crashes
or runs past the limit; it survives when every test passes. A mutant that does
not compile counts for neither side.

The worktree itself is never written: the sources are copied into
build/mutate/src (unchanged files keep their times, so only what changed is
rebuilt) and built in build/mutate/build (Ninja, Release, warnings not fatal).

    tools/mutate.py core/decimal_add.cpp
    tools/mutate.py core functions --max 20 --seed 7
    tools/mutate.py ui/box_text.cpp --list
    tools/mutate.py core/decimal_add.cpp --only 3,17
"""

import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SCRATCH = ROOT / "build" / "mutate"
SOURCE_COPY = SCRATCH / "src"
BUILD = SCRATCH / "build"

# Native test programs that link each portable library, and so can see a
# mutant of its sources. Windows-only sources have no native test.
CORE_TESTS = ["core_tests", "functions_tests", "eval_tests"]
TESTS_OF_LIBRARY = {
    "core": CORE_TESTS,
    "functions": ["functions_tests", "eval_tests"],
    "eval": ["eval_tests"],
    "storage_format": ["storage_tests"],
    "box_text": ["ui_text_tests"],
    "calculator_state": ["eval_tests", "storage_tests", "ui_text_tests"],
}


def library_of(relative):
    """The native library a source file belongs to, or None."""
    parts = Path(relative).parts
    if parts[0] in ("core", "functions", "eval"):
        return parts[0]
    if relative == "storage/calculation_file_text.cpp":
        return "storage_format"
    if relative == "ui/box_text.cpp":
        return "box_text"
    if relative in ("ui/calculator_state.cpp", "ui/saved_calculation_text.cpp"):
        return "calculator_state"
    return None


# ---- Mutants ------------------------------------------------------------------

def code_mask(line):
    """The line with string and character literals and // comments blanked,
    so that operators and numbers are only found in code."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\" and i + 1 < len(line):
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            # A digit separator (1'000) is not a character literal.
            if c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < len(line) and line[i + 1].isalnum():
                out.append(c)
            else:
                quote = c
                out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "/"}
COMPOUND = {"+=": "-=", "-=": "+=", "*=": "/=", "/=": "*="}
LOGICAL = {"&&": "||", "||": "&&"}

# Binary operators are written with a blank either side in this code, which
# tells them from template brackets, pointers and unary signs.
SPACED_OPERATOR = re.compile(r"(?<= )(<=|>=|==|!=|\+=|-=|\*=|/=|&&|\|\||<|>|\+|-|\*|/|%)(?= )")
INCREMENT = re.compile(r"\+\+|--")
INTEGER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
# A statement that does something and can go without breaking the syntax:
# an assignment, increment, call or single-line if/while, or break/continue.
DELETABLE = re.compile(
    r"^\s*(?:"
    r"[A-Za-z_][\w.\[\]>-]*\s*(?:=|\+=|-=|\*=|/=|%=)[^=].*"  # assignment
    r"|(?:\+\+|--)[A-Za-z_][\w.]*"                            # ++x
    r"|[A-Za-z_][\w.\[\]>-]*(?:\+\+|--)"                      # x++
    r"|[A-Za-z_][\w.:>-]*\(.*\)"                              # call
    r"|if \(.*"                                               # single-line if
    r"|break|continue"
    r")\s*;\s*$")
DECLARATION_START = re.compile(
    r"^\s*(?:const|constexpr|static|auto|unsigned|signed|int|bool|char|double|float|long|short|void|"
    r"std::|DecimalNumber\s|DigitRun\s|struct|return|using|typedef)\b")


def statement_starts_here(previous_code):
    """True when the line after previous_code begins a new statement."""
    stripped = previous_code.rstrip()
    return stripped == "" or stripped.endswith((";", "{", "}", ":"))


def balanced(text):
    return text.count("(") == text.count(")") and text.count("{") == text.count("}")


def mutants_of(path):
    """Every mutant of one file: (index, line number, description, new line)."""
    lines = path.read_text().split("\n")
    found = []
    previous_code = ""
    in_block_comment = False
    for number, line in enumerate(lines, start=1):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("#") or stripped.startswith("//") or not stripped:
            if stripped and not stripped.startswith("//"):
                previous_code = ""
            continue
        mask = code_mask(line)
        if "static_assert" in mask:
            previous_code = mask
            continue

        def add(start, end, replacement, kind):
            new_line = line[:start] + replacement + line[end:]
            found.append((number, f"{kind}: '{line[start:end]}' -> '{replacement}'", new_line, start))

        for m in SPACED_OPERATOR.finditer(mask):
            op = m.group(1)
            # `template <` and the like are not comparisons.
            if op in ("<", ">") and re.search(r"\btemplate\s*$", mask[:m.start()]):
                continue
            for table, kind in ((RELATIONAL, "relational"), (ARITHMETIC, "arithmetic"),
                                (COMPOUND, "arithmetic"), (LOGICAL, "logical")):
                if op in table:
                    add(m.start(), m.end(), table[op], kind)
                    break
        for m in INCREMENT.finditer(mask):
            add(m.start(), m.end(), "--" if m.group(0) == "++" else "++", "arithmetic")
        for m in INTEGER.finditer(mask):
            # Array extents and bit widths in type names stay.
            value = int(m.group(1))
            add(m.start(), m.end(), str(value + 1), "constant")
            if value > 0:
                add(m.start(), m.end(), str(value - 1), "constant")
        code = mask.strip()
        if (DELETABLE.match(mask) and not DECLARATION_START.match(mask) and balanced(code)
                and statement_starts_here(previous_code)):
            indent = line[:len(line) - len(line.lstrip())]
            found.append((number, f"delete: '{stripped}'", indent + ";", len(indent)))
        previous_code = mask
    found.sort(key=lambda item: (item[0], item[3]))
    return [(index, number, description, new_line)
            for index, (number, description, new_line, _) in enumerate(found, start=1)]


# ---- Scratch tree ---------------------------------------------------------------

def sync_sources():
    """Copies the worktree's tracked and untracked source files into the
    scratch copy; unchanged files are left alone so nothing rebuilds."""
    listed = subprocess.run(
        ["git", "ls-files", "--cached", "--others", "--exclude-standard", "-z"],
        cwd=ROOT, check=True, capture_output=True).stdout.decode().split("\0")
    wanted = set()
    for relative in listed:
        if not relative or relative.startswith("build/"):
            continue
        source = ROOT / relative
        if not source.is_file():
            continue
        wanted.add(relative)
        target = SOURCE_COPY / relative
        if target.is_file():
            a, b = source.stat(), target.stat()
            if a.st_size == b.st_size and source.read_bytes() == target.read_bytes():
                continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
    for path in SOURCE_COPY.rglob("*"):
        if path.is_file() and str(path.relative_to(SOURCE_COPY)) not in wanted:
            path.unlink()


def configure():
    if (BUILD / "build.ninja").is_file():
        return
    subprocess.run(["cmake", "-S", str(SOURCE_COPY), "-B", str(BUILD), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Release", "-DTALLYMASTER_WERROR=OFF"],
                   check=True, stdout=subprocess.DEVNULL)


def build(targets, jobs):
    result = subprocess.run(["ninja", "-C", str(BUILD), f"-j{jobs}", *targets],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return result.returncode == 0, result.stdout.decode(errors="replace")


def run_tests(programs, timeout):
    """'passed', 'failed' or 'timeout' for the test programs in turn."""
    deadline = time.monotonic() + timeout
    for program in programs:
        left = deadline - time.monotonic()
        if left <= 0:
            return "timeout"
        process = subprocess.Popen([str(BUILD / program), "--gtest_fail_fast", "--gtest_brief=1"],
                                   cwd=BUILD, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        try:
            code = process.wait(timeout=left)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return "timeout"
        if code != 0:
            return "failed"
    return "passed"


# ---- Driver -----------------------------------------------------------------------

def chosen_files(arguments):
    files = []
    for argument in arguments:
        path = (ROOT / argument).resolve()
        if path.is_dir():
            files.extend(sorted(p for p in path.glob("*.cpp")))
        elif path.is_file():
            files.append(path)
        else:
            sys.exit(f"mutate: no such file or folder: {argument}")
    chosen = []
    for path in files:
        relative = str(path.relative_to(ROOT))
        if library_of(relative) is None:
            print(f"mutate: {relative} has no native test program (Windows only); left out")
            continue
        chosen.append(relative)
    return chosen


def sample(mutants, relative, maximum, seed, only):
    if only:
        return [m for m in mutants if m[0] in only]
    if maximum and len(mutants) > maximum:
        picked = random.Random(f"{seed}:{relative}").sample(mutants, maximum)
        return sorted(picked)
    return mutants


class Restorer:
    """Puts the original text back into the scratch copy, whatever happens."""

    def __init__(self):
        self.path = None
        self.original = None

    def hold(self, path):
        self.path = path
        self.original = path.read_text()

    def restore(self):
        if self.path is not None and self.path.read_text() != self.original:
            self.path.write_text(self.original)

    def release(self):
        self.restore()
        self.path = None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("paths", nargs="+", help="source files or folders (their .cpp files)")
    parser.add_argument("--max", type=int, default=0, help="at most N mutants per file, sampled")
    parser.add_argument("--seed", default="1", help="seed of the sample (default 1)")
    parser.add_argument("--only", default="", help="comma-separated mutant numbers (one file)")
    parser.add_argument("--list", action="store_true", help="only print the mutants")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds per test run (default: 10 x the clean run, at least 10)")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--json", help="also write one JSON line per mutant to this file")
    args = parser.parse_args()

    only = {int(n) for n in args.only.split(",") if n}
    files = chosen_files(args.paths)
    if only and len(files) != 1:
        sys.exit("mutate: --only needs exactly one file")
    plan = []
    for relative in files:
        mutants = mutants_of(ROOT / relative)
        picked = sample(mutants, relative, args.max, args.seed, only)
        plan.append((relative, len(mutants), picked))

    if args.list:
        for relative, total, picked in plan:
            print(f"== {relative}: {len(picked)} of {total} mutants")
            for index, number, description, _ in picked:
                print(f"{relative}:{number} #{index} {description}")
        return 0

    restorer = Restorer()

    def interrupted(signum, frame):
        restorer.restore()
        raise KeyboardInterrupt

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)

    SOURCE_COPY.mkdir(parents=True, exist_ok=True)
    sync_sources()
    configure()
    log = open(args.json, "a") if args.json else None
    totals = {}
    survivors = []
    started = time.monotonic()
    try:
        for relative, total, picked in plan:
            programs = TESTS_OF_LIBRARY[library_of(relative)]
            ok, output = build(programs, args.jobs)
            if not ok:
                print(output)
                sys.exit(f"mutate: the unmutated sources do not build ({relative})")
            clean_start = time.monotonic()
            if run_tests(programs, 600) != "passed":
                sys.exit(f"mutate: the tests fail without a mutant ({' '.join(programs)})")
            clean = time.monotonic() - clean_start
            timeout = args.timeout or max(10.0, 10 * clean)
            print(f"== {relative}: {len(picked)} of {total} mutants; tests {' '.join(programs)} "
                  f"({clean:.1f} s clean, limit {timeout:.0f} s)", flush=True)
            path = SOURCE_COPY / relative
            counts = totals.setdefault(str(Path(relative).parent), {"killed": 0, "survived": 0,
                                                                     "stillborn": 0, "timeout": 0})
            restorer.hold(path)
            lines = restorer.original.split("\n")
            for index, number, description, new_line in picked:
                mutated = list(lines)
                mutated[number - 1] = new_line
                path.write_text("\n".join(mutated))
                try:
                    ok, _ = build(programs, args.jobs)
                    outcome = run_tests(programs, timeout) if ok else "stillborn"
                finally:
                    restorer.restore()
                if outcome == "failed":
                    counts["killed"] += 1
                elif outcome == "timeout":
                    counts["killed"] += 1
                    counts["timeout"] += 1
                elif outcome == "passed":
                    counts["survived"] += 1
                    survivors.append(f"{relative}:{number} #{index} {description}")
                else:
                    counts["stillborn"] += 1
                label = {"failed": "killed", "timeout": "killed (timeout)", "passed": "SURVIVED",
                         "stillborn": "does not compile"}[outcome]
                print(f"{relative}:{number} #{index} {description}: {label}", flush=True)
                if log:
                    log.write(json.dumps({"file": relative, "line": number, "mutant": index,
                                          "change": description, "outcome": outcome}) + "\n")
                    log.flush()
            restorer.release()
    except KeyboardInterrupt:
        print("mutate: interrupted; the file is restored", file=sys.stderr)
        return 130
    finally:
        restorer.release()
        if log:
            log.close()
        # The scratch tree holds the last mutant's objects; rebuild them from
        # the restored file at the next run (Ninja sees the new file time).

    print(f"\n== score ({time.monotonic() - started:.0f} s)")
    for folder, c in sorted(totals.items()):
        compiled = c["killed"] + c["survived"]
        score = 100.0 * c["killed"] / compiled if compiled else 0.0
        print(f"{folder}: {c['killed']} of {compiled} killed ({score:.1f}%), "
              f"{c['timeout']} by timeout, {c['stillborn']} do not compile")
    print(f"survivors ({len(survivors)}):")
    for line in survivors:
        print(f"  {line}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
