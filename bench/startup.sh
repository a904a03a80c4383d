#!/usr/bin/env bash
# Times the start of the program until its main window is shown, beside a
# minimal Qt program that shows one window, under Xvfb; with a large
# database given, also the start on (a copy of) that database. Usage:
#   bench/startup.sh [BUILD_DIR] [RUNS] [LARGE_DB]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
runs="${2:-10}"
large="${3:-}"
bin="$build/bin"

display=":$((300 + RANDOM % 300))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
config="$(mktemp -d)"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$config"' EXIT
export DISPLAY="$display"
sleep 1
# Not a first launch, so that no dialog follows the main window.
printf 'LastClass=1\n' > "$config/de.kelmarin.vm9.prf"
if [ -n "$large" ]; then
  largeConfig="$config/large"
  mkdir -p "$largeConfig"
  cp "$large" "$config/large.rbd"
  printf 'LastClass=1\nSentencesDBName=%s\n' "$config/large.rbd" > "$largeConfig/de.kelmarin.vm9.prf"
fi

time_until_shown() { # program title
  python3 - "$1" "$2" <<'PY'
import subprocess, sys, time
program, title = sys.argv[1], sys.argv[2]
start = time.perf_counter()
proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
while True:
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True)
    if r.returncode == 0 and r.stdout.strip():
        break
    if time.perf_counter() - start > 20:
        print("timeout", file=sys.stderr); break
    time.sleep(0.002)
print(f"{(time.perf_counter() - start) * 1000:.1f}")
proc.terminate(); proc.wait()
PY
}

measure() { # config program title: the median of the runs
  local times=""
  # One start first, so that the files are in the cache for every measured one.
  XDG_CONFIG_HOME="$1" time_until_shown "$2" "$3" >/dev/null
  for _ in $(seq 1 "$runs"); do
    times="$times $(XDG_CONFIG_HOME="$1" time_until_shown "$2" "$3")"
  done
  python3 -c "import statistics, sys; print(f'{statistics.median(map(float, sys.argv[1:])):.1f}')" $times
}

program_ms=$(measure "$config" "$bin/vm-companion" "Velmora - Satzbausteine")
minimal_ms=$(measure "$config" "$bin/bench_minimal_window" "Minimal Window")
echo "start to main window shown, median of $runs runs:"
echo "  vm-companion:   ${program_ms} ms"
echo "  minimal window: ${minimal_ms} ms"
python3 -c "print(f'  ratio:          {$program_ms / $minimal_ms:.2f}')"
if [ -n "$large" ]; then
  large_ms=$(measure "$largeConfig" "$bin/vm-companion" "Velmora - Satzbausteine")
  echo "  vm-companion on $(basename "$(dirname "$large")")/$(basename "$large"): ${large_ms} ms"
  python3 -c "print(f'  more than on the sample: {$large_ms - $program_ms:.1f} ms')"
fi
