"""Start-up and memory of Dawnbell beside the lean program with the same
windows (plain Win32, bench/LeanWindows.c) and the empty window, in one
interleaved run: launched normally, then with the X server, the Wine server,
Wine's own processes and the programs all on one CPU. Called through
run_bench.py --startup (scripts/bench --startup)."""
import datetime
import os
import statistics
import subprocess
import time

import run_bench as rb

STARTS = int(os.environ.get("BENCH_STARTS", "5" if rb.QUICK else "30"))
SETTLE = 5 if rb.QUICK else 20
MEMORY_ROUNDS = int(os.environ.get("BENCH_MEMORY_ROUNDS", "1" if rb.QUICK else "2"))
LEAN = os.path.join(rb.RUN_BUILD, "bench", "LeanWindows.exe")


def switches(pid):
    """Voluntary context switches of every live thread of a process: the
    times it blocked (waiting on the Wine server, the X server, the disk)."""
    total = 0
    try:
        tids = os.listdir("/proc/%d/task" % pid)
    except OSError:
        return None
    for tid in tids:
        status = rb.read("/proc/%d/task/%s/status" % (pid, tid))
        for line in status.splitlines():
            if line.startswith("voluntary_ctxt_switches:"):
                total += int(line.split()[1])
    return total


def set_affinity(pids, cpus):
    """Moves every thread of the processes to the CPUs given."""
    for pid in pids:
        try:
            tids = os.listdir("/proc/%d/task" % pid)
        except OSError:
            continue
        for tid in tids:
            try:
                os.sched_setaffinity(int(tid), cpus)
            except OSError:
                pass


def shared_processes(prefix):
    """What every launch leans on: the X server, the Wine server and Wine's
    system processes of the prefix, and this script."""
    pids = rb.prefix_processes(prefix, set())
    for entry in os.listdir("/proc"):
        if entry.isdigit() and rb.read("/proc/%s/comm" % entry).strip() in ("Xvfb", "Xorg"):
            pids.append(int(entry))
    return pids + [os.getpid()]


def launches(programs, watcher, pinned):
    """STARTS launches of each program, interleaved, after one uncounted
    launch each. For each: seconds from spawn to the X map event, and the
    voluntary switches of the process read as the map event arrives."""
    result = {p.name: {"time": [], "blocks": []} for p in programs}
    for run in range(STARTS + 1):
        for p in programs:
            watcher.drain()
            t0 = time.monotonic()
            proc = p.spawn(pin=pinned)
            seen = watcher.wait(p.title, 60)
            blocks = switches(proc.pid) if seen else None
            if seen and run > 0:
                result[p.name]["time"].append(seen[0].mono - t0)
                if blocks is not None:
                    result[p.name]["blocks"].append(blocks)
            if not seen:
                rb.log("%s: no window within 60 s" % p.name)
            p.close(proc)
            time.sleep(0.3)
        rb.log("%s start-up run %d/%d" % ("pinned" if pinned else "unpinned", run, STARTS))
    return result


def memory(programs):
    """PSS of each program's own process SETTLE seconds after its window
    showed, one program at a time; the smaller of MEMORY_ROUNDS readings."""
    pss = {p.name: [] for p in programs}
    for _ in range(MEMORY_ROUNDS):
        for p in programs:
            proc = p.spawn()
            rb.must(rb.driver(p.prefix, "wait", p.title.strip("^$"), "60000"), p.name + " window")
            time.sleep(SETTLE)
            m = rb.memory(proc.pid)
            if m:
                pss[p.name].append(m[1])
            p.close(proc)
            time.sleep(0.5)
    return {n: min(v) if v else None for n, v in pss.items()}


class PinnedProgram(rb.Program):
    """A Wine program that can be started on CPU 0 alone (set before it
    runs, so every thread it makes inherits it)."""

    def spawn(self, extra_env=None, pin=False):
        return subprocess.Popen([rb.WINE, os.path.basename(self.wine_exe)], cwd=os.path.dirname(self.wine_exe),
                                env=rb.wine_env(self.prefix, extra_env), stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True,
                                preexec_fn=(lambda: os.sched_setaffinity(0, {0})) if pin else None)


def measure():
    os.makedirs(rb.OUT, exist_ok=True)
    load_start = os.getloadavg()
    watcher = rb.MapWatcher()
    programs = [PinnedProgram("Dawnbell", "Dawnbell.exe", "^Dawnbell$", wine_exe=rb.DAWNBELL, prefix=rb.PREFIX)]
    # Other builds of Dawnbell to measure in the same run (before and after a
    # change): BENCH_COMPARE="label=path;label=path".
    for i, item in enumerate(filter(None, os.environ.get("BENCH_COMPARE", "").split(";"))):
        label, path = item.split("=", 1)
        programs.append(PinnedProgram("Dawnbell-%d" % i, "Dawnbell.exe, %s" % label, "^Dawnbell$",
                                      wine_exe=os.path.abspath(path), prefix=rb.PREFIX))
    programs += [
        PinnedProgram("LeanWindows", "lean program, same windows", "^LeanWindows$", wine_exe=LEAN, prefix=rb.PREFIX),
        PinnedProgram("EmptyWindow", "empty window", "^EmptyWindow$", wine_exe=rb.EMPTY, prefix=rb.PREFIX),
    ]
    keeper = rb.start_keeper()
    everything = list(range(os.cpu_count() or 1))
    try:
        rb.log("start-up: %d launches each, unpinned" % STARTS)
        free = launches(programs, watcher, False)
        shared = shared_processes(rb.PREFIX)
        set_affinity(shared, {0})
        try:
            rb.log("start-up: %d launches each, all on CPU 0" % STARTS)
            pinned = launches(programs, watcher, True)
        finally:
            set_affinity(shared, set(everything))
        rb.log("memory")
        pss = memory(programs)
    finally:
        rb.stop(keeper)
    return {"free": free, "pinned": pinned, "pss": pss, "load": [load_start, os.getloadavg()],
            "labels": {p.name: p.label for p in programs}, "names": [p.name for p in programs]}


def ratio_cell(value, reference, unit_fmt):
    return "%s (%.2f ×)" % (unit_fmt(value), value / reference) if reference else unit_fmt(value)


def table(r, arch=rb.ARCH, machine=None, stamp=None):
    """The Markdown result of one run: every figure beside the lean program
    and the empty window of the same run, and the ratios to the lean one."""
    lean = "LeanWindows"
    names = r.get("names", ["Dawnbell", "LeanWindows", "EmptyWindow"])
    dawnbells = [n for n in names if n.startswith("Dawnbell")]
    stamp = stamp or datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    la0, la1 = r["load"]
    lines = []
    add = lines.append
    add("Measured %s on %s, the %s build under %s Wine, warm (a Wine window kept open). Load average "
        "(1, 5, 15 min) %.1f %.1f %.1f at the start, %.1f %.1f %.1f at the end: other work shares the cores, so "
        "absolute figures vary; the ratios compare launches interleaved in this run."
        % (stamp, machine or rb.machine(), arch, "32-bit" if arch == "win32" else "64-bit", la0[0], la0[1], la0[2],
           la1[0], la1[1], la1[2]))
    add("")
    add("| program | launch | median | mean | min | blocks before the window (median) | PSS |")
    add("|---|---|---|---|---|---|---|")
    for mode, title in (("free", "normal"), ("pinned", "one CPU")):
        for n in names:
            t = r[mode][n]["time"]
            b = r[mode][n]["blocks"]
            if not t:
                add("| %s | %s | no window | | | | |" % (r["labels"][n], title))
                continue
            pss = r["pss"].get(n) if mode == "free" else None
            add("| %s | %s | %.0f ms | %.0f ms | %.0f ms | %s | %s |" % (
                r["labels"][n], title, 1000 * statistics.median(t), 1000 * statistics.mean(t), 1000 * min(t),
                "%.0f" % statistics.median(b) if b else "", "%.1f MiB" % (pss / 1024) if pss else ""))
    add("")
    ratios = {}
    for d in dawnbells:
        add("%s ÷ lean program, target ≤ 1.3:" % r["labels"][d])
        add("")
        add("| figure | normal | one CPU |")
        add("|---|---|---|")
        for key, label, f in (("median", "start-up median", statistics.median),
                              ("mean", "start-up mean", statistics.mean),
                              ("blocks", "blocks before the window", statistics.median)):
            cells = []
            for mode in ("free", "pinned"):
                field = "blocks" if key == "blocks" else "time"
                a, b = r[mode][d][field], r[mode][lean][field]
                if not a or not b:
                    cells.append("")
                    continue
                q = f(a) / f(b)
                ratios[(d, key, mode)] = q
                cells.append("%.2f: %s" % (q, rb.verdict(q <= 1.3)))
            add("| %s | %s | %s |" % (label, cells[0], cells[1]))
        if r["pss"].get(d) and r["pss"].get(lean):
            q = r["pss"][d] / r["pss"][lean]
            ratios[(d, "pss", "free")] = q
            add("| PSS %d s after the window showed | %.2f: %s | |" % (SETTLE, q, rb.verdict(q <= 1.3)))
        add("")
    return "\n".join(lines) + "\n", ratios


def main(outfile):
    r = measure()
    text, _ = table(r)
    with open(outfile, "w") as f:
        f.write(text)
    import json
    with open(os.path.splitext(outfile)[0] + ".json", "w") as f:
        json.dump(r, f, indent=1)
    print(text)


def replace_between(text, body, begin="<!-- bench-startup:begin -->", end="<!-- bench-startup:end -->"):
    if text.count(begin) != 1 or text.count(end) != 1 or text.index(begin) > text.index(end):
        raise SystemExit("README: needs exactly one %s ... %s pair" % (begin, end))
    head, rest = text.split(begin)
    return head + begin + "\n" + body + end + rest.split(end)[1]


# --- Phases, from builds configured with -DDAWNBELL_STARTUP_TRACE=ON ---------

PHASES = [
    ("process start to WinMain (libraries loaded)", "process start to WinMain: loading the program and its libraries"),
    ("locale reads", "locale reads"),
    ("common controls", "loading the common controls"),
    ("window: TimerFrm", "main window, whole"),
    ("window: AboutFrm", "about box, whole"),
    ("window: RemindersFrm", "reminders window, whole"),
    ("window: SnoozeFrm", "snooze window, whole"),
    ("read descriptions", "four windows: reading the descriptions (pictures and fonts included)"),
    ("pictures", "four windows: pictures"),
    ("fonts", "four windows: fonts"),
    ("text measurement", "four windows: text measurement"),
    ("class registration", "four windows: class registration"),
    ("build windows", "four windows: making the native windows (fonts, class registration included)"),
    ("tool tips", "four windows: tool tips"),
    ("creation handler", "four windows: creation handlers"),
    ("show main window", "showing the main window"),
    ("process start to main window shown", "process start to main window shown"),
]


def read_trace(path):
    """One startup-trace.txt: name -> (milliseconds, Wine server wake-ups, calls)."""
    result = {}
    with open(path) as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 4:
                result[parts[0]] = (float(parts[1].split()[0]), int(parts[2].split()[0]), int(parts[3]))
    return result


def trace_table(runs_by_build):
    """Median of each phase over the runs of each build (a list of
    (label, [trace dicts]) pairs), side by side."""
    lines = ["| phase | " + " | ".join("%s: ms | server exchanges" % label for label, _ in runs_by_build) + " |",
             "|---|" + "---|---|" * len(runs_by_build)]
    for key, label in PHASES:
        cells = []
        for _, runs in runs_by_build:
            values = [r[key] for r in runs if key in r]
            if not values:
                cells += ["", ""]
                continue
            exchanges = "" if key.startswith("process start") else "%.0f" % statistics.median(v[1] for v in values)
            cells += ["%.1f" % statistics.median(v[0] for v in values), exchanges]
        add = [c for c in cells]
        if any(add):
            lines.append("| %s | %s |" % (label, " | ".join(add)))
    return "\n".join(lines) + "\n"
