#!/usr/bin/env bash
# Sets up, builds and starts the program with the sample database.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
program="$root/build/bin/vm-companion"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

echo "Kein Bildschirm gefunden: das Programm läuft unter Xvfb, das Bildschirmfoto liegt in build/screenshot.png."
display=":97"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"
openbox >/dev/null 2>&1 &
sleep 0.5
"$program" &
prog=$!
for _ in $(seq 1 50); do
  if xdotool search --onlyvisible --name "Velmora - Satzbausteine" >/dev/null 2>&1; then break; fi
  sleep 0.2
done
sleep 1
import -window root "$root/build/screenshot.png"
echo "Bildschirmfoto: $root/build/screenshot.png"
kill "$prog" 2>/dev/null || true
wait "$prog" 2>/dev/null || true
