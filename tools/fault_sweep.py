#!/usr/bin/env python3
"""Fault sweep over the scenario transcripts: one failing CATIA call at a time.

For every scenario of tests/scenario/transcripts that starts a program (and plans no fault of
its own), the sweep runs the scenario once as it is (the clean run), lists the CATIA members
that the program calls after `start` (qvl-scenario --calls), and then runs it again once for
each member and each of the call numbers 1 and 3 (when the clean run makes that many calls),
with `fail TYPE.MEMBER N` inserted right after `start`. Each faulty run is kept (--keep) and compared with the clean run:

  crash            the runner stopped on a fault of the program ("the program failed")
  script-error     the run stopped on a fault of the script (exit 2 otherwise, e.g. the program
                   asked a question the clean run did not ask)
  hang             the run did not end within the time limit
  plain-lacking    the run showed the very messages of the clean run, ending in a success
                   message, over output that lacks content of the clean run: the fault this
                   sweep looks for
  process-piece    as plain-lacking, but the failed member only looks up a named piece that a
                   user's process may simply not have; silent by design
  same-lacking     the same messages as the clean run, which tell of a failure (or do not end
                   in a success message), over output that lacks content
  reported         the messages differ from the clean run's (a failure or an incomplete message)
  plain-differs    the clean run's messages over output that differs but lacks nothing
  same             the clean run's messages and output

Output content is compared as a multiset of facts read from the kept disk: every file (the
SVG pictures aside), and in every drawing each view, text, table row and component, and the
number of lines of each view; and from the transcript the order of the children of every
product that the script dumps. A fact of the clean run that the faulty run does not have is
content that the faulty run lacks.

Usage: tools/fault_sweep.py [--runner PATH] [--only SUBSTRING] [--jobs N] [--report FILE]
Standard library only; slow (thousands of runs): a tool to run by hand, not a test.
"""

import argparse
import collections
import concurrent.futures
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TRANSCRIPTS = ROOT / "tests" / "scenario" / "transcripts"

# Members that only look up a named piece of the process: a tool or tool assembly of an
# operation, a tool attribute and an operation parameter by name. A user's process may lack any
# of them, and the program cannot tell such a lack from a failed call, so their failure stays
# silent by design. (A piece that a template lacks, a frame, notes block or title text, is named
# in the run's final message.)
PROCESS_PIECE_MEMBERS = {
    "ManufacturingOperation.Tool",
    "ManufacturingOperation.ToolAssembly",
    "ManufacturingTool.GetAttribute",
    "ManufacturingToolAssembly.GetAttribute",
    "Parameters.Item",
}

SHEET_VIEWS = ("Main View", "Background View")
SUCCESS_TEXTS = ("操作完成！ ", "排序完成,记得保存!")
MILLSHEET_DONE = "操作完成!\r\n\r\n文件保存在\r\n"
INCOMPLETE_MARK = "以下内容没有写入加工单:"
# Texts of the messages that tell of a failure.
FAILURE_MARKS = ("个文件出现了一点问题", "加工单没有保存", "排序没有完成", INCOMPLETE_MARK)
RUN_TIMEOUT = 60


def is_success(text):
    if text in SUCCESS_TEXTS:
        return True
    return text.startswith(MILLSHEET_DONE) and INCOMPLETE_MARK not in text


def prepared_lines(scn):
    """The scenario's lines with `world` made absolute, so it runs from any folder."""
    lines = scn.read_text(encoding="utf-8").split("\n")
    out = []
    for line in lines:
        m = re.match(r"^(\s*world\s+)(\S+|\"[^\"]*\")(.*)$", line)
        if m:
            target = m.group(2).strip('"')
            line = f'{m.group(1)}"{(scn.parent / target).resolve()}"{m.group(3)}'
        out.append(line)
    return out


def start_line(lines):
    for number, line in enumerate(lines, 1):
        tokens = line.split("#", 1)[0].split()
        if tokens and tokens[0] == "start":
            return number
    return None


def facts_of_disk(folder):
    facts = collections.Counter()
    for path in sorted(Path(folder).rglob("*")):
        if not path.is_file() or path.suffix == ".svg":
            continue
        rel = path.relative_to(folder).as_posix()
        facts[("file", rel)] += 1
        if path.suffix != ".CATDrawing":
            continue
        try:
            drawing = json.loads(path.read_text(encoding="utf-8"))
        except (ValueError, UnicodeDecodeError):
            continue
        for sheet in drawing.get("sheets", []):
            sname = sheet.get("name")
            for view in sheet.get("views", []):
                vname = view.get("name")
                # Every sheet has a main and a background view: they count by what they hold.
                if vname not in SHEET_VIEWS:
                    facts[("view", rel, sname, vname)] += 1
                if view.get("lines"):
                    facts[("lines", rel, sname, vname, len(view["lines"]))] += 1
                for text in view.get("texts", []):
                    facts[("text", rel, sname, text.get("text"))] += 1
                for table in view.get("tables", []):
                    # Rows by their number, cells by their text: a table whose cells were not
                    # merged, or whose unticked columns stayed, lacks nothing.
                    cells = table.get("cells", [])
                    for rows in range(1, len(cells) + 1):
                        facts[("rows", rel, sname, table.get("name"), rows)] += 1
                    for row in cells:
                        for cell in row:
                            if cell:
                                facts[("cell", rel, sname, table.get("name"), cell)] += 1
                for component in view.get("components", []):
                    facts[("component", rel, sname, vname, component.get("source"))] += 1
    return facts


def run(runner, script_text, work, calls=False):
    """Runs a scenario; returns (status, stderr, messages, facts, call log lines)."""
    scn = work / "run.scn"
    scn.write_text(script_text, encoding="utf-8")
    keep = work / "disk"
    if keep.exists():
        shutil.rmtree(keep)
    args = [str(runner), str(scn), "--keep", str(keep)]
    if calls:
        args += ["--calls", str(work / "calls.log")]
    try:
        done = subprocess.run(args, capture_output=True, timeout=RUN_TIMEOUT, cwd=work)
    except subprocess.TimeoutExpired:
        return "hang", "", [], collections.Counter(), []
    stderr = done.stderr.decode("utf-8", "replace")
    messages = []
    orders = collections.Counter()
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        try:
            event = json.loads(line)
        except ValueError:
            continue
        if event.get("event") == "message":
            messages.append(event.get("text", ""))
        content = event.get("content") if event.get("event") == "document" else None
        if isinstance(content, dict) and content.get("kind") == "Product":
            # The order of a product's children as the script dumped it (what Orderloom sorts).
            children = tuple(child.get("name") for child in content.get("children", []))
            orders[("order", event.get("name"), children)] += 1
    if done.returncode != 0:
        status = "crash" if "the program failed" in stderr or done.returncode < 0 else "script-error"
    else:
        status = "ok"
    facts = (facts_of_disk(keep) if keep.exists() else collections.Counter()) + orders
    log = []
    if calls and (work / "calls.log").exists():
        log = (work / "calls.log").read_text(encoding="utf-8").splitlines()
    return status, stderr, messages, facts, log


def classify(clean, faulty, member):
    status, _, messages, facts, _ = faulty
    if status != "ok":
        return status
    lacking = clean[3] - facts
    if messages != clean[2]:
        return "reported"
    if lacking:
        told = any(mark in text for text in messages for mark in FAILURE_MARKS)
        if messages and is_success(messages[-1]) and not told:
            return "process-piece" if member in PROCESS_PIECE_MEMBERS else "plain-lacking"
        return "same-lacking"
    return "plain-differs" if facts != clean[3] else "same"


def sweep_scenario(runner, scn, calls_wanted):
    lines = prepared_lines(scn)
    at = start_line(lines)
    if at is None:
        return scn.name, []
    with tempfile.TemporaryDirectory(prefix="qvl-sweep-") as tmp:
        work = Path(tmp)
        clean = run(runner, "\n".join(lines), work, calls=True)
        if clean[0] != "ok":
            return scn.name, [("(clean run)", 0, "clean-" + clean[0], "")]
        counts = collections.Counter()
        for entry in clean[4]:
            number, member = entry.split()[:2]
            if int(number) > at:
                counts[member] += 1
        results = []
        for member in sorted(counts):
            for n in calls_wanted:
                if counts[member] < n:
                    continue
                script = lines[:at] + [f"fail {member} {n}"] + lines[at:]
                faulty = run(runner, "\n".join(script), work)
                lacking = clean[3] - faulty[3]
                detail = "; ".join(repr(f) for f in list(lacking)[:3])
                results.append((member, n, classify(clean, faulty, member), detail))
        return scn.name, results


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runner", default=str(ROOT / "build" / "scenario" / "qvl-scenario"))
    parser.add_argument("--only", default="", help="only scenarios whose name holds this text")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--report", help="write every run's class to this JSON file")
    parser.add_argument("--calls", default="1,3", help="call numbers to fail (default 1,3)")
    args = parser.parse_args()
    calls_wanted = [int(n) for n in args.calls.split(",")]

    # Scenarios that stop on a script fault have no clean run; scenarios that inject faults of
    # their own already end in a failure report that would cover a second fault.
    scenarios = [
        scn
        for scn in sorted(TRANSCRIPTS.glob("*.scn"))
        if args.only in scn.name
        and not scn.with_suffix(".error").exists()
        and not re.search(r"^\s*fail\s", scn.read_text(encoding="utf-8"), re.MULTILINE)
    ]
    began = time.monotonic()
    totals = collections.Counter()
    report = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        futures = [pool.submit(sweep_scenario, args.runner, scn, calls_wanted) for scn in scenarios]
        for future in concurrent.futures.as_completed(futures):
            name, results = future.result()
            report[name] = [
                {"member": m, "n": n, "class": c, "lacking": d} for m, n, c, d in results
            ]
            for member, n, cls, detail in results:
                totals[cls] += 1
                if cls in ("plain-lacking", "crash", "hang", "clean-crash", "clean-script-error"):
                    print(f"{cls}: {name} fail {member} {n}  {detail}", flush=True)
    elapsed = time.monotonic() - began
    runs = sum(totals.values())
    print(f"\n{len(scenarios)} scenarios, {runs} faulty runs, {elapsed:.0f} s")
    for cls, count in sorted(totals.items(), key=lambda item: -item[1]):
        print(f"  {cls:15} {count}")
    if args.report:
        Path(args.report).write_text(json.dumps(report, ensure_ascii=False, indent=1), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
