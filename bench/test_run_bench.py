"""Checks of the bench's own arithmetic and bookkeeping: what it counts as a
wake-up, when it says the sound started, how it judges the targets and how
it rewrites the README. Runs without Wine, X or the peers."""
import os
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import run_bench  # noqa: E402
import startup_bench  # noqa: E402


class Bursts(unittest.TestCase):
    def sampler(self, active):
        s = run_bench.Sampler([])
        s.active[(1, 1)] = active
        return s

    def test_consecutive_active_samples_are_one_wakeup(self):
        s = self.sampler([False, True, True, False, False, True, False, True, True, True])
        self.assertEqual(s.bursts(1, 1), 3)

    def test_quiet_and_unknown_threads_have_none(self):
        self.assertEqual(self.sampler([False] * 5).bursts(1, 1), 0)
        self.assertEqual(self.sampler([]).bursts(2, 2), 0)

    def test_switches_sum_threads_and_main_thread_alone(self):
        s = run_bench.Sampler([])
        s.first = {(10, 10): (0, 5), (10, 11): (0, 0), (20, 20): (0, 100)}
        s.last = {(10, 10): (0, 45), (10, 11): (0, 7), (20, 20): (0, 130)}
        self.assertEqual(s.switches([10]), 47)
        self.assertEqual(s.switches([10], main_only=True), 40)
        self.assertEqual(s.switches([10, 20]), 77)

    def test_cpu_time_sums_the_threads_of_the_processes_asked(self):
        s = run_bench.Sampler([])
        s.first = {(10, 10): (1000000, 0), (10, 11): (0, 0), (20, 20): (0, 0)}
        s.last = {(10, 10): (31000000, 0), (10, 11): (4500000, 0), (20, 20): (7000000000, 0)}
        self.assertAlmostEqual(s.cpu_seconds([10]), 0.0345)
        self.assertAlmostEqual(s.cpu_seconds([20]), 7.0)


class SoundStart(unittest.TestCase):
    def test_first_non_silent_byte_after_silence_is_the_start(self):
        with tempfile.TemporaryDirectory() as d:
            silent, loud = os.path.join(d, "a.raw"), os.path.join(d, "b.raw")
            with open(silent, "wb") as f:
                f.write(b"\0" * 4096)
            with open(loud, "wb") as f:
                f.write(b"\0" * 1000)
            watch = run_bench.SoundWatch([silent, loud])
            watch.start()
            time.sleep(0.1)
            self.assertEqual(watch.started, {})  # silence only, so far
            before = time.time()
            with open(loud, "ab") as f:
                f.write(b"\0\0\x40\x1f")
            time.sleep(0.1)
            watch.stop.set()
            watch.join()
            self.assertEqual(list(watch.started), [loud])
            self.assertGreaterEqual(watch.started[loud], before)
            self.assertLess(watch.started[loud], before + 0.1)

    def test_missing_capture_file_is_not_a_start(self):
        watch = run_bench.SoundWatch(["/nonexistent/capture.raw"])
        threading.Timer(0.05, watch.stop.set).start()
        watch.run()
        self.assertEqual(watch.started, {})


def steady(rss, pss, cpu, vcs, bursts, with_wine=None):
    return {"rss": rss, "pss": pss, "with_wine": with_wine, "cpu": cpu, "vcs": vcs, "vcs_main": vcs,
            "bursts_main": bursts, "threads": [(bursts, 1)], "pid": 1, "span": 120.0, "still_armed": True}


class Table(unittest.TestCase):
    names = ["Dawnbell", "EmptyWindow", "peer"]
    labels = {"Dawnbell": "Dawnbell", "EmptyWindow": "floor", "peer": "peer"}

    def render(self, start, steady_, firing):
        return run_bench.table(start, steady_, firing, None, self.names, self.labels)

    def row(self, text, first_cell):
        return next(line for line in text.splitlines() if line.startswith("| " + first_cell + " |"))

    def test_targets_met_and_missed(self):
        start = {"Dawnbell": [1.2] * 3, "EmptyWindow": [1.0] * 3, "peer": [2.0] * 3}
        results = {"Dawnbell": steady(30000, 20000, 0.5, 100, 40, (90000, 60000, 5)),
                   "EmptyWindow": steady(20000, 10000, 0.1, 50, 1, (80000, 50000, 5)),
                   "peer": steady(60000, 40000, 1.0, 200, 120)}
        firing = {"window": [0.5, 3.0], "sound": [0.5, 3.2], "runs": 2, "dues": ["10:00"]}
        text = self.render(start, results, firing)
        self.assertIn("(1.20 ×)", self.row(text, "Dawnbell"))
        self.assertIn(": met", self.row(text, "Dawnbell"))
        memory_row = [line for line in text.splitlines() if line.startswith("| Dawnbell |")][1]
        self.assertIn("own process met; PSS with Wine **missed**", memory_row)
        idle_row = [line for line in text.splitlines() if line.startswith("| Dawnbell |")][2]
        self.assertIn("CPU below every peer: met", idle_row)
        self.assertIn("main thread ≤ 41 wake-ups (one per 3 s check): met", idle_row)
        self.assertIn("≤ 3.1 s: met", self.row(text, '"Awake yet ?" shown'))
        self.assertIn("≤ 3.1 s: **missed**", self.row(text, "wave sound starts"))

    def test_slow_start_many_wakeups_and_early_firing_are_missed(self):
        start = {"Dawnbell": [1.4] * 3, "EmptyWindow": [1.0] * 3, "peer": [2.0] * 3}
        results = {"Dawnbell": steady(30000, 20000, 2.0, 300, 42),
                   "EmptyWindow": steady(20000, 10000, 0.1, 50, 1),
                   "peer": steady(60000, 40000, 1.0, 200, 120)}
        firing = {"window": [-0.5, 1.0], "sound": [], "runs": 2, "dues": ["10:00"]}
        text = self.render(start, results, firing)
        self.assertIn("**missed** (1.40 ×)", self.row(text, "Dawnbell"))
        idle_row = [line for line in text.splitlines() if line.startswith("| Dawnbell |")][2]
        self.assertIn("CPU below every peer: **missed**", idle_row)
        self.assertIn("fewer switches than every peer: **missed**", idle_row)
        self.assertIn("wake-ups (one per 3 s check): **missed**", idle_row)
        self.assertIn("**missed**", self.row(text, '"Awake yet ?" shown'))
        self.assertIn("never seen", self.row(text, "wave sound starts"))


class Readme(unittest.TestCase):
    def write(self, d, name, text):
        path = os.path.join(d, name)
        with open(path, "w") as f:
            f.write(text)
        return path

    def test_only_the_text_between_the_markers_changes(self):
        with tempfile.TemporaryDirectory() as d:
            results = self.write(d, "results.md", "| new |\n")
            readme = self.write(d, "README.md", "intro\n<!-- bench:begin -->\n| old |\n<!-- bench:end -->\nrest\n")
            run_bench.replace_in_readme(results, readme)
            run_bench.replace_in_readme(results, readme)
            with open(readme) as f:
                self.assertEqual(f.read(), "intro\n<!-- bench:begin -->\n| new |\n<!-- bench:end -->\nrest\n")

    def test_missing_or_doubled_markers_leave_the_readme_alone(self):
        with tempfile.TemporaryDirectory() as d:
            results = self.write(d, "results.md", "| new |\n")
            for text in ("no markers\n", "<!-- bench:end -->\n<!-- bench:begin -->\n",
                         "<!-- bench:begin -->\n<!-- bench:begin -->\n<!-- bench:end -->\n"):
                readme = self.write(d, "README.md", text)
                with self.assertRaises(SystemExit):
                    run_bench.replace_in_readme(results, readme)
                with open(readme) as f:
                    self.assertEqual(f.read(), text)


class StartupRatios(unittest.TestCase):
    def run_data(self, dawnbell, lean, dawnbell_pss, lean_pss):
        def launches(times, blocks):
            return {"time": times, "blocks": blocks}
        mode = {"Dawnbell": launches(*dawnbell), "LeanWindows": launches(*lean),
                "EmptyWindow": launches([0.1, 0.1, 0.1], [500, 500, 500])}
        return {"free": mode, "pinned": mode, "pss": {"Dawnbell": dawnbell_pss, "LeanWindows": lean_pss},
                "load": [(1.0, 1.0, 1.0), (1.0, 1.0, 1.0)], "names": ["Dawnbell", "LeanWindows", "EmptyWindow"],
                "labels": {"Dawnbell": "D", "LeanWindows": "L", "EmptyWindow": "E"}}

    def test_ratios_compare_medians_means_blocks_and_memory_with_the_lean_program(self):
        r = self.run_data(([0.3, 0.2, 0.9], [1300, 1000, 1200]), ([0.2, 0.2, 0.2], [1000, 1000, 1000]), 13000, 10000)
        text, ratios = startup_bench.table(r, machine="test", stamp="now")
        self.assertAlmostEqual(ratios[("Dawnbell", "median", "free")], 1.5)
        self.assertAlmostEqual(ratios[("Dawnbell", "mean", "pinned")], 7 / 3)
        self.assertAlmostEqual(ratios[("Dawnbell", "blocks", "free")], 1.2)
        self.assertAlmostEqual(ratios[("Dawnbell", "pss", "free")], 1.3)
        self.assertIn("| start-up median | 1.50: **missed** | 1.50: **missed** |", text)
        self.assertIn("| blocks before the window | 1.20: met | 1.20: met |", text)
        self.assertIn("1.30: met", text)  # the limit itself is within the target

    def test_the_start_up_block_replaces_only_its_own_markers(self):
        text = "a\n<!-- bench:begin -->\nx\n<!-- bench:end -->\n<!-- bench-startup:begin -->\nold\n" \
               "<!-- bench-startup:end -->\nz\n"
        self.assertEqual(startup_bench.replace_between(text, "new\n"),
                         "a\n<!-- bench:begin -->\nx\n<!-- bench:end -->\n<!-- bench-startup:begin -->\nnew\n"
                         "<!-- bench-startup:end -->\nz\n")


if __name__ == "__main__":
    unittest.main()
