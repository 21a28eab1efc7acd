#!/usr/bin/env python3
"""Whole-process cost of opening a 50 MB script: Quillmere against SciTE.

Each program runs on a private Xvfb display and is timed from exec until it is idle (its CPU
time stops growing), minus the same program's own idle start without a file; best of the rounds.
Also prints the peak resident size with the script open and analysed, against the file's size.

Usage: bench/open_vs_scite.py BUILD_DIR [rounds]   (needs Xvfb; SciTE from Debian's `scite`)
"""
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

TICK = os.sysconf("SC_CLK_TCK")
QUIET_SECONDS = 1.5
LONGEST_RUN = 120


def cpu_and_peak(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])   # utime and stime of all threads
    peak = 0
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                peak = int(line.split()[1]) * 1024
    return ticks, peak


def wait_idle(process):
    """CPU seconds and peak bytes of a running process once its CPU time stops growing."""
    started = time.monotonic()
    last_ticks, peak = -1, 0
    quiet_since = time.monotonic()
    while time.monotonic() - started < LONGEST_RUN:
        time.sleep(0.1)
        if process.poll() is not None:
            raise RuntimeError(f"{process.args[0]} ended early ({process.returncode})")
        ticks, peak = cpu_and_peak(process.pid)
        # One tick of slack: an idle program may still wake for a timer now and then.
        if ticks > last_ticks + 1:
            last_ticks, quiet_since = ticks, time.monotonic()
        elif time.monotonic() - quiet_since >= QUIET_SECONDS:
            return ticks / TICK, peak
    raise RuntimeError(f"{process.args[0]} never went idle")


def run_until_idle(command, env):
    """CPU seconds and peak bytes of command from exec until its CPU time stops growing."""
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        return wait_idle(process)
    finally:
        process.kill()
        process.wait()


@contextlib.contextmanager
def private_display(prefix):
    """A private Xvfb display and a throw-away home: the work folder and the programs' environment."""
    work = tempfile.mkdtemp(prefix=prefix)
    os.chmod(work, 0o700)
    display = f":{150 + os.getpid() % 100}"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        env = dict(os.environ, DISPLAY=display, HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"),
                   XDG_RUNTIME_DIR=work)
        for name in ("QT_QPA_PLATFORM", "QT_ACCESSIBILITY", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"):
            env.pop(name, None)
        yield work, env
    finally:
        xvfb.kill()
        shutil.rmtree(work, ignore_errors=True)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    quillmere = os.path.join(build, "Quillmere", "Quillmere")
    writer = os.path.join(build, "bench", "bench_write_script")
    scite = shutil.which("scite") or shutil.which("SciTE")
    with private_display("open-bench-") as (work, env):
        script = os.path.join(work, "big.txt")
        subprocess.run([writer, script], check=True, stdout=subprocess.DEVNULL)
        size = os.path.getsize(script)
        print(f"file {size / 2**20:.1f} MB, best of {rounds}, CPU from exec until idle")
        programs = [(name, program) for name, program in (("Quillmere", quillmere), ("SciTE", scite)) if program]
        for name in ("Quillmere", "SciTE"):
            if name not in dict(programs):
                print(f"{name}: not installed")
        # Rounds take turns between the programs, so that a machine whose speed drifts over the
        # minutes of the run weighs on both alike.
        runs = {(name, with_file): [] for name, _ in programs for with_file in (False, True)}
        for _ in range(rounds):
            for name, program in programs:
                for with_file in (False, True):
                    runs[(name, with_file)].append(run_until_idle([program] + ([script] if with_file else []), env))
        results = {}
        for name, _ in programs:
            idle = min(cpu for cpu, _ in runs[(name, False)])
            loaded = min(cpu for cpu, _ in runs[(name, True)])
            peak = min(peak for _, peak in runs[(name, True)])
            results[name] = loaded - idle
            print(f"{name:10} idle start {idle:6.2f} s   with the script {loaded:6.2f} s   "
                  f"open {loaded - idle:6.2f} s   peak {peak / 2**20:6.1f} MB = {peak / size:4.2f} x file")
        if len(results) == 2 and results["SciTE"] > 0:
            print(f"open CPU ratio Quillmere / SciTE: {results['Quillmere'] / results['SciTE']:.2f}")


if __name__ == "__main__":
    main()
