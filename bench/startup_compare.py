"""Times startup_probe's two windows side by side under a private Xvfb.

Arguments: STARTUP_PROBE PROJECT RUNS. Each run starts the process and waits for its end,
which comes right after the window's first frame (see startup_probe.cpp); the program's
window goes first once to learn its size, then the bare window of that size and the
program alternate, so that the machine's load falls on both alike.
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1000x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def timed(command, env):
    begin = time.perf_counter()
    result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=120)
    elapsed = time.perf_counter() - begin
    if result.returncode != 0:
        raise SystemExit(f"{' '.join(command)} failed: {result.stderr}")
    return elapsed, result.stdout.strip().splitlines()[-1]


def main():
    probe, project, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    server, display = start_xvfb()
    try:
        with tempfile.TemporaryDirectory(prefix="kontaro-startup-") as home:
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                       XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_DATA_HOME=os.path.join(home, "data"))
            env.pop("QT_ACCESSIBILITY", None)
            _, size = timed([probe, "kontaro", project], env)
            width, height = size.split("x")
            bare, program = [], []
            for _ in range(runs):
                bare.append(timed([probe, "bare", width, height], env)[0])
                program.append(timed([probe, "kontaro", project], env)[0])
    finally:
        server.terminate()
        server.wait()
    b, p = statistics.median(bare), statistics.median(program)
    print(f"window {width}x{height}, {runs} runs each, medians:")
    print(f"  bare Qt window       {b * 1000:8.1f} ms   (min {min(bare) * 1000:.1f})")
    print(f"  kontaro, day view    {p * 1000:8.1f} ms   (min {min(program) * 1000:.1f})")
    print(f"  ratio                {p / b:8.2f}")


if __name__ == "__main__":
    main()
