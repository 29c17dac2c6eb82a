#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs accessible_tree.py with a private D-Bus session (which starts the accessibility bus on
# demand) and a virtual X server: Qt's offscreen platform has no AT-SPI bridge, so the game
# needs an X display to be seen by a screen reader. Exit 77 (skipped) when a tool is missing.
# Usage: run_accessible_tree.sh QUADRINO_PROGRAM
program=$1
here=$(dirname "$0")
python=/usr/bin/python3
for tool in dbus-run-session xvfb-run timeout; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$python" ] || { echo "skipped: $python is missing"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || [ -x /usr/lib/at-spi2-core/at-spi-bus-launcher ] ||
  { echo "skipped: at-spi2-core is missing"; exit 77; }
# Under AddressSanitizer: libxkbcommon-x11, which only the X platform loads, reads its keymap
# names with strndup past their end, which strict string checks report; the game's own code is
# checked with them by every other test.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
  export ASAN_OPTIONS
fi
exec timeout -k 5 100 dbus-run-session -- xvfb-run -a "$python" "$here/accessible_tree.py" "$program"
