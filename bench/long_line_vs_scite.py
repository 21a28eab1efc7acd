#!/usr/bin/env python3
"""Whole-process cost of a script on one long line: Quillmere against SciTE.

1. Opening a 10 MB script whose line breaks were turned into blanks.
2. A module sending one 16 MiB line over the channel into the running editor, against SciTE
   opening the same 16 MiB line from a file: the nearest thing SciTE does.

CPU is counted from exec (or from the frame's sending) until the program is idle, as in
open_vs_scite.py; best of the rounds.

Usage: bench/long_line_vs_scite.py BUILD_DIR [rounds]   (needs Xvfb; SciTE from Debian's `scite`)
"""
import os
import shutil
import socket
import struct
import subprocess
import sys

from open_vs_scite import best, private_display, wait_idle

FRAME_BYTES = 16 * 2**20


def one_line(source, target, size):
    with open(source, "rb") as script:
        text = script.read().replace(b"\r\n", b" ").replace(b"\n", b" ")
    with open(target, "wb") as line:
        line.write(text[:size])


def send_frame(program, payload, env, runtime):
    """CPU seconds the editor spends on one frame, from sending it until idle again."""
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        before, _ = wait_idle(process)
        path = os.path.join(runtime, f"quillmere-{process.pid}")
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as channel:
            channel.connect(path)
            channel.sendall(struct.pack(">I", len(payload)) + payload)
            answer = channel.recv(64)
            if b"HANDLED" not in answer:
                raise RuntimeError("the editor did not answer the frame")
        return wait_idle(process)[0] - before
    finally:
        process.kill()
        process.wait()


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    quillmere = os.path.join(build, "Quillmere", "Quillmere")
    writer = os.path.join(build, "bench", "bench_write_script")
    scite = shutil.which("scite") or shutil.which("SciTE")
    with private_display("long-line-bench-") as (work, env):
        script = os.path.join(work, "big.txt")
        subprocess.run([writer, script], check=True, stdout=subprocess.DEVNULL)
        ten = os.path.join(work, "line10.txt")
        frame_file = os.path.join(work, "line16.txt")
        one_line(script, ten, 10 * 2**20)
        prefix = "COMMAND=INSERTTEXTATCURSOR\u00acDATA=".encode()
        one_line(script, frame_file, FRAME_BYTES - len(prefix))
        print(f"best of {rounds}, CPU until idle, less the program's own idle start")
        opened = {}
        for name, program in (("Quillmere", quillmere), ("SciTE", scite)):
            if not program:
                print(f"{name}: not installed")
                continue
            idle, _ = best([program], env, rounds)
            ten_cpu, _ = best([program, ten], env, rounds)
            sixteen_cpu, _ = best([program, frame_file], env, rounds)
            opened[name] = (ten_cpu - idle, sixteen_cpu - idle)
            print(f"{name:10} open 10 MB line {ten_cpu - idle:6.2f} s   open 16 MiB line {sixteen_cpu - idle:6.2f} s")
        with open(frame_file, "rb") as line:
            payload = prefix + line.read()
        frame = min(send_frame(quillmere, payload, env, work) for _ in range(rounds))
        print(f"Quillmere  16 MiB line sent by a module {frame:6.2f} s")
        if "SciTE" in opened and "Quillmere" in opened:
            print(f"10 MB line open ratio Quillmere / SciTE: {opened['Quillmere'][0] / opened['SciTE'][0]:.2f}")
            print(f"16 MiB line frame / SciTE opening it: {frame / opened['SciTE'][1]:.2f}")


if __name__ == "__main__":
    main()
