#!/usr/bin/env bash
# Times the game's start against a bare Qt window of its shape: from process
# start to the first painted frame, and the peak memory by then. Both run in
# turn (interleaved), after a warm-up, offscreen, with a stored plant.
# Usage: scripts/bench-startup.sh [RUNS]     (default 20; builds into build-bench/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
[ "${NO_BUILD:-}" ] || scripts/setup.sh build-bench -DMORVICK_BENCH=ON -DMORVICK_TESTS=ON >/dev/null
exec python3 - "$runs" build-bench/bin/morvick_harness build-bench/bin/bare_window <<'PY'
import os, statistics, subprocess, sys, tempfile, time

runs, game, floor = int(sys.argv[1]), sys.argv[2], sys.argv[3]
home = tempfile.mkdtemp()
os.makedirs(f"{home}/config/morvick")
os.makedirs(f"{home}/run", mode=0o700)
with open(f"{home}/config/morvick/morvick.conf", "w") as conf:
    conf.write("[setting]\nsname=ベンチ\nsmode=1\nlastday=46362\ndays=70\nswater=6\nai=12\n")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
           XDG_CONFIG_HOME=f"{home}/config", XDG_RUNTIME_DIR=f"{home}/run")

def once(command):
    """milliseconds to the first frame, peak RSS in MiB, shared libraries mapped then"""
    start = time.perf_counter()
    child = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    out = child.stdout.read().decode()
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = (time.perf_counter() - start) * 1000
    if "first frame" not in out:
        sys.exit(f"{command[0]} did not report its first frame")
    libraries = int(out.split("libraries=")[1].split()[0])
    # The hook ends the game at once, before it can remove its lock as a game
    # that quits does; a real start finds none to take over.
    lock = f"{home}/config/morvick/morvick.lock"
    if os.path.exists(lock):
        os.remove(lock)
    return elapsed, usage.ru_maxrss / 1024, libraries

commands = {"game": [game, "--today", "2026-12-06", "--draw", "0.99", "--first-frame", "x"],
            "floor": [floor]}
results = {name: [] for name in commands}
for round in range(runs + 3):
    for name, command in commands.items():
        sample = once(command)
        if round >= 3:  # the first rounds only warm the caches
            results[name].append(sample)

medians = {name: [statistics.median(column) for column in zip(*samples)]
           for name, samples in results.items()}
for name, (ms, rss, libraries) in medians.items():
    print(f"{name:5}  first frame {ms:6.1f} ms   peak RSS {rss:5.1f} MiB   libraries {libraries:.0f}")
print(f"ratio  first frame x{medians['game'][0] / medians['floor'][0]:.2f}   "
      f"peak RSS x{medians['game'][1] / medians['floor'][1]:.3f}   ({runs} runs each, interleaved)")
PY
