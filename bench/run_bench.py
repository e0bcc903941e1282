#!/usr/bin/env python3
"""Measures Dawnbell under Wine beside an empty Win32 window program (same
toolchain, same Wine) and beside the alarm clocks packaged for this system,
in one run, and writes the results as a Markdown table.

Called by scripts/bench, which builds the programs, installs the peers and
prepares the X display, the Wine prefixes and a private session bus; the
paths and settings come from BENCH_* environment variables."""
import datetime
import json
import os
import platform
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xwatch import MapWatcher  # noqa: E402

ENV = os.environ
BUILD = ENV.get("BENCH_BUILD", "")            # the bench's own folder (results, captures)
RUN_BUILD = ENV.get("BENCH_RUN_BUILD", "")    # the Windows build that runs here
WINE = ENV.get("WINE", "")
PREFIX = ENV.get("BENCH_PREFIX", "")          # Dawnbell's Wine prefix
FLOOR_PREFIX = ENV.get("BENCH_FLOOR_PREFIX", "")  # the empty window program's own prefix
ARCH = ENV.get("BENCH_ARCH", "win64")
MICRO = ENV.get("BENCH_MICRO", "")    # the Release host benchmark program
PEER_ENV = json.loads(ENV.get("BENCH_PEER_ENV", "{}"))
QUICK = ENV.get("BENCH_QUICK") == "1"  # fewer runs and shorter windows, for trying the script

STARTS = 3 if QUICK else 20
SETTLE = 10 if QUICK else 60
IDLE = 30 if QUICK else 120
FIRINGS = 4 if QUICK else 10
TICK = 3.0
PER_MINUTE = 4
SAMPLE = 0.1
CLK_TCK = os.sysconf("SC_CLK_TCK")
LOAD_START = os.getloadavg()[0]

DAWNBELL = os.path.join(RUN_BUILD, "Dawnbell.exe")
EMPTY = os.path.join(RUN_BUILD, "bench", "EmptyWindow.exe")
DRIVER = os.path.join(RUN_BUILD, "tests", "DawnbellDriver.exe")
KEEPER = os.path.join(RUN_BUILD, "tests", "WineKeeper.exe")
OUT = os.path.join(BUILD, "bench")


def log(msg):
    print("[%s] %s" % (time.strftime("%H:%M:%S"), msg), flush=True)


# --- Programs ---------------------------------------------------------------

def wine_env(prefix, extra=None):
    env = dict(ENV)
    env["WINEPREFIX"] = prefix
    env.update(extra or {})
    return env


def peer_env():
    env = dict(ENV)
    env.update(PEER_ENV)
    return env


class Program:
    def __init__(self, name, label, title, wine_exe=None, prefix=None, command=None):
        self.name, self.label, self.title = name, label, title
        self.wine_exe, self.prefix, self.command = wine_exe, prefix, command

    @property
    def wine(self):
        return self.wine_exe is not None

    def spawn(self, extra_env=None):
        if self.wine:
            return subprocess.Popen([WINE, os.path.basename(self.wine_exe)], cwd=os.path.dirname(self.wine_exe),
                                    env=wine_env(self.prefix, extra_env), stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        return subprocess.Popen(self.command, env=peer_env(), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)

    def close(self, proc, window_title=None):
        """Closes the way a user would (the close box for the Windows
        programs; a termination signal for the peers), then waits."""
        if proc.poll() is None:
            if self.wine:
                driver(self.prefix, "close", window_title or self.title.strip("^$"))
            else:
                proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def driver(prefix, *args, timeout=60):
    """Runs the journey driver; its output goes through a file (Wine's output
    is never piped)."""
    with tempfile.TemporaryFile() as out:
        rc = subprocess.call([WINE, DRIVER] + list(args), env=wine_env(prefix), stdin=subprocess.DEVNULL,
                             stdout=out, stderr=subprocess.DEVNULL, timeout=timeout)
        out.seek(0)
        return rc, out.read().decode("latin-1").replace("\r", "")


def must(result, what):
    rc, text = result
    if rc != 0:
        raise RuntimeError("driver: " + what)
    return text


def peers():
    found = []
    if shutil.which("gnome-clocks"):
        found.append(Program("gnome-clocks", "gnome-clocks %s (GTK 4)" % package_version("gnome-clocks"),
                             "^Clocks$", command=["gnome-clocks"]))
    if shutil.which("alarm-clock-applet"):
        found.append(Program("alarm-clock-applet",
                             "alarm-clock-applet %s (GTK 3)" % package_version("alarm-clock-applet"),
                             "^Alarms$", command=["alarm-clock-applet"]))
    return found


def package_version(name):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], capture_output=True,
                              text=True).stdout.strip()
    except OSError:
        return "?"


# --- /proc ------------------------------------------------------------------

def read(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("latin-1")
    except OSError:
        return ""


def memory(pid):
    """RSS and PSS of one process in KiB (None when it is gone)."""
    text = read("/proc/%d/smaps_rollup" % pid)
    values = dict(re.findall(r"^(Rss|Pss):\s+(\d+) kB", text, re.M))
    if "Rss" not in values:
        return None
    return int(values["Rss"]), int(values["Pss"])


def threads(pid):
    """Per thread: (CPU time in ns, voluntary switches). The scheduler's own
    count of time on a CPU is exact to the nanosecond; utime + stime (in
    clock ticks) stands in where it is not kept."""
    result = {}
    try:
        tids = os.listdir("/proc/%d/task" % pid)
    except OSError:
        return result
    for tid in tids:
        stat = read("/proc/%d/task/%s/stat" % (pid, tid))
        status = read("/proc/%d/task/%s/status" % (pid, tid))
        m = re.search(r"^voluntary_ctxt_switches:\s+(\d+)", status, re.M)
        if not stat or not m:
            continue
        sched = read("/proc/%d/task/%s/schedstat" % (pid, tid)).split()
        if sched:
            cpu = int(sched[0])
        else:
            fields = stat[stat.rindex(")") + 2:].split()
            cpu = (int(fields[11]) + int(fields[12])) * 1000000000 // CLK_TCK
        result[int(tid)] = (cpu, int(m.group(1)))
    return result


def prefix_processes(prefix, exclude):
    """Wine's own processes serving a prefix: the server and the system
    programs (desktop, services, device and plug-and-play managers...)."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in exclude:
            continue
        pid = int(entry)
        environ = read("/proc/%d/environ" % pid).split("\0")
        if "WINEPREFIX=" + prefix not in environ:
            continue
        cmdline = read("/proc/%d/cmdline" % pid).replace("\0", " ")
        if "wineserver" in cmdline or "\\windows\\system32\\" in cmdline.lower():
            found.append(pid)
    return found


class Sampler(threading.Thread):
    """Reads the threads' counters of some processes every SAMPLE seconds;
    keeps each thread's first and last values and the sampling intervals in
    which its voluntary switches rose."""

    def __init__(self, pids):
        super().__init__(daemon=True)
        self.pids = pids
        self.first, self.last, self.active = {}, {}, {}
        self.stop = threading.Event()

    def run(self):
        previous = {}
        first_round = True
        while True:
            for pid in self.pids:
                for tid, (cpu, vcs) in threads(pid).items():
                    key = (pid, tid)
                    # A thread first seen later was started meanwhile.
                    self.first.setdefault(key, (cpu, vcs) if first_round else (0, 0))
                    self.active.setdefault(key, [])
                    if key in previous:
                        self.active[key].append(vcs > previous[key])
                    previous[key] = vcs
                    self.last[key] = (cpu, vcs)
            first_round = False
            if self.stop.wait(SAMPLE):
                break

    def cpu_seconds(self, pids):
        return sum(self.last[k][0] - self.first[k][0] for k in self.last if k[0] in pids) / 1e9

    def switches(self, pids, main_only=False):
        return sum(self.last[k][1] - self.first[k][1] for k in self.last
                   if k[0] in pids and (not main_only or k[0] == k[1]))

    def bursts(self, pid, tid):
        """Wake-ups counted as runs of consecutive sampling intervals with
        switches, so that one wake-up that straddles two samples counts once."""
        runs, before = 0, False
        for now in self.active.get((pid, tid), []):
            if now and not before:
                runs += 1
            before = now
        return runs

    def thread_bursts(self, pid):
        return sorted(((self.bursts(p, t), t) for (p, t) in self.active if p == pid), reverse=True)


# --- Arming -----------------------------------------------------------------

def child_index(prefix, title, cls, text_pattern, after=None):
    """The first child of a class whose text matches, optionally the first
    one after the child with the text given by after (its group's caption)."""
    listing = must(driver(prefix, "children", title), "children of " + title)
    looking = after is None
    for line in listing.splitlines():
        parts = line.split("\t")
        if len(parts) != 3:
            continue
        if not looking:
            looking = parts[2] == after
        elif parts[1].lower() == cls.lower() and re.search(text_pattern, parts[2]):
            return int(parts[0]), parts[2]
    raise RuntimeError("no %s matching %r in %s" % (cls, text_pattern, title))


def dos_path(path):
    return "Z:" + path.replace("/", "\\")


def arm_dawnbell(alarm_text_for, wave, daily=False):
    """Chooses the wave file on the Properties page, writes the alarm text
    (alarm_text_for gets the first text, today at this minute) and presses
    Set. Returns the armed text."""
    must(driver(PREFIX, "click", "Dawnbell", "Use .wav"), "Use .wav")
    index, _ = child_index(PREFIX, "Dawnbell", "Edit", "", after="Play .wav File:")
    must(driver(PREFIX, "settext", "Dawnbell", str(index), dos_path(wave)), "wave path")
    if daily:
        must(driver(PREFIX, "click", "Dawnbell", "Use Daily"), "Use Daily")
    edit, first = child_index(PREFIX, "Dawnbell", "Edit", r"(^| )\d\d:\d\d$")
    text = alarm_text_for(first)
    must(driver(PREFIX, "settext", "Dawnbell", str(edit), text), "alarm text")
    must(driver(PREFIX, "click", "Dawnbell", "Set !"), "Set")
    must(driver(PREFIX, "wait", ("Daily Alarm: " if daily else "Alarm: ") + text, "10000"), "armed caption")
    return text


def make_wave(path, seconds=2.0, rate=22050):
    """A square wave whose very first sample is loud, so that the first
    sample the audio output receives shows the sound has started."""
    import struct
    import wave
    frames = bytearray()
    period = rate // 440
    for i in range(int(seconds * rate)):
        frames += struct.pack("<h", 8000 if (i % period) < period // 2 else -8000)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def alsa_capture_config(config, capture):
    """An ALSA setup whose default device writes what is played to a file."""
    with open(config, "w") as f:
        f.write('</usr/share/alsa/alsa.conf>\npcm.!default {\n  type file\n  slave.pcm "null"\n'
                '  file "%s"\n  format "raw"\n  truncate true\n}\n' % capture)


def gsettings(*args):
    subprocess.run(["gsettings"] + list(args), env=peer_env(), check=True, stdout=subprocess.DEVNULL)


def arm_peer(peer, when):
    """Arms a peer through its settings storage, before it starts."""
    if peer.name == "gnome-clocks":
        gsettings("set", "org.gnome.clocks", "alarms",
                  "[{'name': <'bench'>, 'id': <'bench'>, 'hour': <%d>, 'minute': <%d>, 'days': <@ai []>, "
                  "'active': <true>, 'ring_minutes': <5>, 'snooze_minutes': <10>}]" % (when.hour, when.minute))
    elif peer.name == "alarm-clock-applet":
        path = "io.github.alarm-clock-applet.alarm:/io/github/alarm-clock-applet/alarm-0/"
        stamp = int(when.timestamp())
        gsettings("set", path, "type", "clock")
        gsettings("set", path, "timestamp", str(stamp))
        gsettings("set", path, "time", str(stamp % 86400))
        gsettings("set", path, "message", "bench")
        gsettings("set", path, "active", "true")
        gsettings("set", "io.github.alarm-clock-applet", "alarms", "[0]")


def disarm_peers():
    for args in (("reset", "org.gnome.clocks", "alarms"), ("reset", "io.github.alarm-clock-applet", "alarms")):
        try:
            gsettings(*args)
        except (subprocess.CalledProcessError, OSError):
            pass


# --- Phases -----------------------------------------------------------------

def start_keeper():
    keeper = subprocess.Popen([WINE, KEEPER], env=wine_env(PREFIX), stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    must(driver(PREFIX, "wait", "WineKeeper", "60000"), "the keeper's window")
    return keeper


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def startup_phase(programs, watcher):
    """Median of STARTS launches each, interleaved, after one launch each that
    is not counted (first loads from disk)."""
    times = {p.name: [] for p in programs}
    for run in range(STARTS + 1):
        for p in programs:
            watcher.drain()
            t0 = time.monotonic()
            proc = p.spawn()
            seen = watcher.wait(p.title, 60)
            if seen and run > 0:
                times[p.name].append(seen[0].mono - t0)
            if not seen:
                log("%s: no window within 60 s" % p.name)
            p.close(proc)
            time.sleep(0.5)
        log("start-up run %d/%d" % (run, STARTS))
    return times


def steady_phase(dawnbell, floor, peer_list, wave):
    """Everything armed for an alarm six hours away (nothing can fire),
    memory after SETTLE seconds, then CPU and wake-ups over IDLE seconds."""
    when = (datetime.datetime.now() + datetime.timedelta(hours=6)).replace(second=0, microsecond=0)
    running = {}
    proc = dawnbell.spawn()
    running[dawnbell.name] = proc
    must(driver(PREFIX, "wait", "Dawnbell", "60000"), "Dawnbell's window")
    text = arm_dawnbell(lambda first: when.strftime("%H:%M"), wave, daily=True)
    log("Dawnbell armed: daily %s" % text)
    running[floor.name] = floor.spawn()
    for peer in peer_list:
        arm_peer(peer, when)
        running[peer.name] = peer.spawn()
    log("settling %d s" % SETTLE)
    time.sleep(SETTLE)
    results = {}
    wine_prefixes = {dawnbell.name: PREFIX, floor.name: FLOOR_PREFIX}
    programs = [dawnbell, floor] + peer_list
    exclude = {p.pid for p in running.values()}
    infra = {name: prefix_processes(prefix, exclude) for name, prefix in wine_prefixes.items()}
    for p in programs:
        pid = running[p.name].pid
        own = memory(pid)
        if own is None:
            raise RuntimeError("%s is not running after %d s" % (p.name, SETTLE))
        with_wine = None
        if p.name in infra:
            mems = [m for m in (memory(q) for q in infra[p.name]) if m]
            with_wine = (own[0] + sum(m[0] for m in mems), own[1] + sum(m[1] for m in mems), len(mems))
        results[p.name] = {"rss": own[0], "pss": own[1], "with_wine": with_wine}
    all_pids = [running[p.name].pid for p in programs] + [q for v in infra.values() for q in v]
    sampler = Sampler(all_pids)
    log("idle for %d s" % IDLE)
    t0 = time.monotonic()
    sampler.start()
    time.sleep(IDLE)
    sampler.stop.set()
    sampler.join()
    span = time.monotonic() - t0
    for p in programs:
        pid = running[p.name].pid
        r = results[p.name]
        r["cpu"] = sampler.cpu_seconds([pid])
        r["vcs"] = sampler.switches([pid])
        r["vcs_main"] = sampler.switches([pid], main_only=True)
        r["bursts_main"] = sampler.bursts(pid, pid)
        r["threads"] = sampler.thread_bursts(pid)
        r["span"] = span
        r["pid"] = pid
        if p.name in infra:
            r["cpu_wine"] = sampler.cpu_seconds([pid] + infra[p.name])
            r["vcs_wine"] = sampler.switches([pid] + infra[p.name])
    # Still armed at the end (nothing fired or failed meanwhile)?
    rc, _ = driver(PREFIX, "wait", "Daily Alarm: " + text, "2000")
    results[dawnbell.name]["still_armed"] = rc == 0
    dawnbell_proc = running.pop(dawnbell.name)
    must(driver(PREFIX, "click", "Daily Alarm: " + text, "Cancel"), "Cancel")
    dawnbell.close(dawnbell_proc, "Dawnbell")
    for p in [floor] + peer_list:
        p.close(running[p.name])
    disarm_peers()
    return results


class SoundWatch(threading.Thread):
    """Polls capture files for their first non-zero byte (the first sample
    that is not silence) and notes the wall-clock time it appeared."""

    def __init__(self, files):
        super().__init__(daemon=True)
        self.files = files
        self.offsets = {f: 0 for f in files}
        self.started = {}
        self.stop = threading.Event()

    def run(self):
        while len(self.started) < len(self.files) and not self.stop.is_set():
            for f in self.files:
                if f in self.started:
                    continue
                try:
                    with open(f, "rb") as h:
                        h.seek(self.offsets[f])
                        data = h.read()
                except OSError:
                    continue
                if data.strip(b"\0"):
                    self.started[f] = time.time()
                self.offsets[f] += len(data)
            time.sleep(0.005)


class FiringWatch(threading.Thread):
    """Notes when each "Awake yet ?" question is mapped, from the moment the
    first instance is armed (events are read as they come, so their times
    are the times they happened)."""

    def __init__(self, count, timeout):
        super().__init__(daemon=True)
        self.count, self.timeout = count, timeout
        self.seen = []
        self.watcher = MapWatcher()
        self.watcher.drain()

    def run(self):
        self.seen = self.watcher.wait(r"^Awake yet \?$", self.timeout, count=self.count)


def firing_phase(dawnbell, wave):
    """FIRINGS one-shot alarms in instances that run side by side. Each is due
    at the first minute boundary that leaves time to finish arming it and at
    least one whole check before it (and has fewer than PER_MINUTE alarms
    already), so the run waits a few minutes instead of one for each alarm."""
    keeper = start_keeper()
    capture_dir = os.path.join(OUT, "capture")
    os.makedirs(capture_dir, exist_ok=True)
    instances = []
    captures = [os.path.join(capture_dir, "capture-%d.raw" % i) for i in range(FIRINGS)]
    for c in captures:
        if os.path.exists(c):
            os.remove(c)
    windows = FiringWatch(FIRINGS, 60 * (FIRINGS + 5))
    windows.start()
    sound = SoundWatch(captures)
    sound.start()
    try:
        for i in range(FIRINGS):
            config = os.path.join(capture_dir, "alsa-%d.conf" % i)
            alsa_capture_config(config, captures[i])
            proc = dawnbell.spawn({"ALSA_CONFIG_PATH": config})
            must(driver(PREFIX, "wait", "Dawnbell", "60000"), "Dawnbell's window")
            holder = {}

            def text_for(first):
                # Chosen just before the text is typed: two driver steps and
                # one check remain before the alarm may fire. At most
                # PER_MINUTE alarms share a minute, so that firings seldom
                # compete with each other for the processor.
                soon = datetime.datetime.now() + datetime.timedelta(seconds=30)
                due = soon.replace(second=0, microsecond=0) + datetime.timedelta(minutes=1)
                while sum(1 for x in instances if x["due"] == due.timestamp()) >= PER_MINUTE:
                    due += datetime.timedelta(minutes=1)
                holder["due"] = due
                return first[:-5] + due.strftime("%H:%M")

            text = arm_dawnbell(text_for, wave)
            due = holder["due"]
            if datetime.datetime.now() > due - datetime.timedelta(seconds=TICK + 1):
                raise RuntimeError("instance %d was armed too close to its time" % i)
            instances.append({"proc": proc, "due": due.timestamp(), "capture": captures[i], "text": text})
            log("instance %d armed: %s" % (i, text))
        last_due = max(x["due"] for x in instances)
        windows.join(max(0.0, last_due - time.time() + 30))
        time.sleep(1)
        sound.stop.set()
        sound.join()
        by_pid = {x["proc"].pid: x for x in instances}
        window_late = []
        for m in windows.seen:
            x = by_pid.get(m.pid)
            if x is not None:
                window_late.append(m.wall - x["due"])
            else:
                # No owner on the window: it belongs to the latest due time
                # not after it.
                dues = [d["due"] for d in instances if d["due"] <= m.wall] or [min(d["due"] for d in instances)]
                window_late.append(m.wall - max(dues))
        sound_late = [sound.started[x["capture"]] - x["due"] for x in instances if x["capture"] in sound.started]
        return {"window": window_late, "sound": sound_late, "runs": len(instances),
                "dues": sorted({time.strftime("%H:%M", time.localtime(x["due"])) for x in instances})}
    finally:
        sound.stop.set()
        for x in instances:
            stop(x["proc"])
        stop(keeper)


def micro_phase():
    if not MICRO or not os.path.exists(MICRO):
        return None
    out = os.path.join(OUT, "datetime_bench.json")
    subprocess.run([MICRO, "--benchmark_format=json", "--benchmark_out=" + out, "--benchmark_out_format=json"],
                   stdout=subprocess.DEVNULL, check=True)
    with open(out) as f:
        return json.load(f)["benchmarks"]


# --- Table ------------------------------------------------------------------

def verdict(ok):
    return "met" if ok else "**missed**"


def machine():
    cpu = "?"
    for line in read("/proc/cpuinfo").splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    mem = int(re.search(r"MemTotal:\s+(\d+)", read("/proc/meminfo")).group(1)) // 1024
    wine = subprocess.run([WINE, "--version"], capture_output=True, text=True).stdout.strip() if WINE else "Wine"
    return "%d cores, %.1f GiB, %s; Linux %s; %s" % (os.cpu_count(), mem / 1024, cpu, platform.release(), wine)


def ms(x):
    return "%.0f ms" % (x * 1000)


def mib(kib):
    return "%.1f MiB" % (kib / 1024)


def table(start, steady, firing, micro, names, labels):
    d, f = "Dawnbell", "EmptyWindow"
    peer_names = [n for n in names if n not in (d, f)]
    lines = []
    add = lines.append
    stamp = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    add("Measured %s on %s. Load average (1 min) %.1f at the start and %.1f at the end: the cores are shared "
        "with other work, so absolute figures vary between runs; each figure's reference ran in the same run."
        % (stamp, machine(), LOAD_START, os.getloadavg()[0]))
    add("")
    add("Dawnbell and the floor (an empty Win32 window program from the same toolchain) are the %s build "
        "under %s Wine%s; the peers are the Debian packages, run natively on the same private X server."
        % (ARCH, "64-bit" if ARCH == "win64" else "32-bit",
           " (this kernel runs no 32-bit programs, so not the 32-bit product)" if ARCH == "win64" else ""))
    add("")
    add("**Start-up**, process start to main window mapped (X map event), median of %d launches each after one "
        "uncounted launch, with a warm Wine server and desktop kept running as in a user's session:" % STARTS)
    add("")
    add("| program | median | min | max | target |")
    add("|---|---|---|---|---|")
    med = {n: statistics.median(v) for n, v in start.items() if v}
    for n in names:
        v = start.get(n) or []
        if not v:
            add("| %s | no window | | | |" % labels[n])
            continue
        target = ""
        if n == d and f in med:
            target = "≤ 1.3 × floor = %s: %s (%.2f ×)" % (ms(1.3 * med[f]), verdict(med[d] <= 1.3 * med[f]),
                                                         med[d] / med[f])
        elif n == f:
            target = "reference (floor)"
        add("| %s | %s | %s | %s | %s |" % (labels[n], ms(med[n]), ms(min(v)), ms(max(v)), target))
    add("")
    sd = steady[d]
    add("**Memory** %d s after arming (an alarm six hours away; Dawnbell with a wave file chosen), from "
        "/proc/PID/smaps_rollup. \"With Wine\" adds the prefix's Wine server and system processes (desktop, "
        "services, device managers); the floor runs in a prefix of its own for this. The peers' session "
        "services (D-Bus, dconf) are not counted." % SETTLE)
    add("")
    add("| program | RSS | PSS | RSS with Wine | PSS with Wine | target |")
    add("|---|---|---|---|---|---|")
    for n in names:
        r = steady[n]
        ww = r["with_wine"]
        target = ""
        if n == d and peer_names:
            own = all(r["pss"] < steady[p]["pss"] and r["rss"] < steady[p]["rss"] for p in peer_names)
            both = ww and all(ww[1] < steady[p]["pss"] for p in peer_names)
            target = "less than every peer: own process %s; PSS with Wine %s" % (verdict(own), verdict(both))
        add("| %s | %s | %s | %s | %s | %s |" % (labels[n], mib(r["rss"]), mib(r["pss"]),
                                                 mib(ww[0]) if ww else "", mib(ww[1]) if ww else "", target))
    add("")
    span = sd["span"]
    add("**Idle cost while armed** over %.0f s: CPU time (the scheduler's time on a CPU) and voluntary context "
        "switches of every thread; wake-ups of the main thread are counted from its switch counter read every %d ms "
        "(a run of consecutive readings with switches is one wake-up)." % (span, SAMPLE * 1000))
    add("")
    add("| program | CPU | CPU with Wine | voluntary switches | with Wine | main thread: switches, wake-ups "
        "| busiest other threads (wake-ups) | target |")
    add("|---|---|---|---|---|---|---|---|")
    for n in names:
        r = steady[n]
        others = ", ".join(str(b) for b, t in [x for x in r["threads"] if x[1] != r["pid"]][:5]) or "none"
        target = ""
        if n == d:
            allowed = int(span / TICK) + 1
            parts = []
            if peer_names:
                parts.append("CPU below every peer: %s" % verdict(all(r["cpu"] < steady[p]["cpu"]
                                                                       for p in peer_names)))
                parts.append("fewer switches than every peer: %s" % verdict(all(r["vcs"] < steady[p]["vcs"]
                                                                                for p in peer_names)))
            parts.append("main thread ≤ %d wake-ups (one per %.0f s check): %s"
                         % (allowed, TICK, verdict(r["bursts_main"] <= allowed)))
            target = "; ".join(parts)
        add("| %s | %.1f ms | %s | %d | %s | %d, %d | %s | %s |" % (
            labels[n], r["cpu"] * 1000, "%.1f ms" % (r["cpu_wine"] * 1000) if "cpu_wine" in r else "", r["vcs"],
            r["vcs_wine"] if "vcs_wine" in r else "", r["vcs_main"], r["bursts_main"], others, target))
    if not sd.get("still_armed", False):
        add("")
        add("Dawnbell was **not still armed** at the end of the idle period.")
    add("")
    if firing:
        add("**Firing lateness**, from the alarm's minute boundary (HH:MM:00) to \"Awake yet ?\" mapped and to "
            "the first non-silent sample of the wave reaching the audio output (an ALSA file device), %d "
            "one-shot alarms in instances side by side, due at %s:"
            % (firing["runs"], ", ".join(firing["dues"])))
        add("")
        add("| event | runs | median | min | max | target |")
        add("|---|---|---|---|---|---|")
        for key, label in (("window", "\"Awake yet ?\" shown"), ("sound", "wave sound starts")):
            v = firing[key]
            if not v:
                add("| %s | 0 of %d | | | | **missed** (never seen) |" % (label, firing["runs"]))
                continue
            ok = len(v) == firing["runs"] and max(v) <= 3.1 and min(v) >= 0
            add("| %s | %d of %d | %.2f s | %.2f s | %.2f s | ≤ 3.1 s: %s |" % (
                label, len(v), firing["runs"], statistics.median(v), min(v), max(v), verdict(ok)))
        add("")
    if micro:
        add("**Date-time micro-benchmarks** (Google Benchmark, Release host build), each beside the C or C++ "
            "library doing the same work:")
        add("")
        add("| benchmark | time per call | allocations per call | kind |")
        add("|---|---|---|---|")
        for b in micro:
            name = b["name"].replace("BM_", "")
            ref = re.search(r"Strftime|Strptime|Chrono", name)
            allocs = b.get("allocs/iter", b.get("allocations", ""))
            scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}.get(b.get("time_unit", "ns"), 1)
            add("| %s | %.1f ns | %s | %s |" % (name, b["cpu_time"] * scale,
                                                "%.1f" % allocs if allocs != "" else "",
                                                "reference" if ref else "ours"))
    return "\n".join(lines) + "\n"


def main():
    os.makedirs(OUT, exist_ok=True)
    watcher = MapWatcher()
    wave = os.path.join(OUT, "tone.wav")
    make_wave(wave)
    dawnbell = Program("Dawnbell", "Dawnbell.exe (Wine)", "^Dawnbell$", wine_exe=DAWNBELL, prefix=PREFIX)
    floor = Program("EmptyWindow", "empty window (Wine, floor)", "^EmptyWindow$", wine_exe=EMPTY,
                    prefix=PREFIX)
    peer_list = peers()
    programs = [dawnbell, floor] + peer_list
    labels = {p.name: p.label for p in programs}
    names = [p.name for p in programs]
    disarm_peers()

    log("start-up: %d launches each" % STARTS)
    keeper = start_keeper()
    try:
        start = startup_phase(programs, watcher)
    finally:
        stop(keeper)
    log("memory and idle cost")
    floor_steady = Program(floor.name, floor.label, floor.title, wine_exe=EMPTY, prefix=FLOOR_PREFIX)
    steady = steady_phase(dawnbell, floor_steady, peer_list, wave)
    log("firing lateness: %d alarms" % FIRINGS)
    firing = firing_phase(dawnbell, wave)
    log("date-time micro-benchmarks")
    micro = micro_phase()
    text = table(start, steady, firing, micro, names, labels)
    with open(os.path.join(OUT, "results.md"), "w") as f:
        f.write(text)
    raw = {"start": start, "steady": steady, "firing": firing}
    with open(os.path.join(OUT, "results.json"), "w") as f:
        json.dump(raw, f, indent=1, default=str)
    print(text)


def replace_in_readme(results, readme):
    """Puts the results between the README's bench markers."""
    begin, end = "<!-- bench:begin -->", "<!-- bench:end -->"
    with open(results) as f:
        body = f.read()
    with open(readme) as f:
        text = f.read()
    if text.count(begin) != 1 or text.count(end) != 1 or text.index(begin) > text.index(end):
        raise SystemExit("%s: needs exactly one %s ... %s pair" % (readme, begin, end))
    head, rest = text.split(begin)
    tail = rest.split(end)[1]
    with open(readme, "w") as f:
        f.write(head + begin + "\n" + body + end + tail)


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--readme":
        replace_in_readme(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 2 and sys.argv[1] == "--startup":
        import startup_bench
        startup_bench.main(os.path.join(OUT, "startup.md"))
    elif len(sys.argv) == 4 and sys.argv[1] == "--startup-readme":
        import startup_bench
        with open(sys.argv[2]) as f:
            body = f.read()
        with open(sys.argv[3]) as f:
            text = f.read()
        with open(sys.argv[3], "w") as f:
            f.write(startup_bench.replace_between(text, body))
    else:
        main()
