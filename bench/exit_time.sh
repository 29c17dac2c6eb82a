#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long the game takes from being told to close (SIGTERM, which closes the window
# the ordinary way) to the end of its process: idle in a solo game, and with a game under way,
# each without and with a screen reader attached (exit_reader.py, which listens to the events
# a screen reader listens to and walks the game's accessible tree).
# Usage: dbus-run-session -- xvfb-run -a bench/exit_time.sh build/bin/quadrino
# Needs xdotool, xwininfo and python3-pyatspi.
prog=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

window() { xwininfo -root -tree 2>/dev/null | grep '"Quadrino": ("quadrino' | awk '{print $1}'; }

once() { # $1: idle | game
  local home pid t0 t1 w g
  home=$(mktemp -d)
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    "$prog" --port 0 --time-scale 0.2 >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do sleep 0.1; [ -n "$(window)" ] && break; done
  sleep 1.5
  if [ "$1" = game ]; then
    for a in $(xdotool search --name "Download The Kestrun"); do xdotool windowunmap "$a"; done
    w=$(window)
    xdotool key --window "$w" ctrl+n
    sleep 1
    g=$(xwininfo -root -tree | grep 'Game Start' | awk '{print $1}' | head -1)
    [ -n "$g" ] && xdotool key --window "$g" Return
    sleep 4
  fi
  t0=$(date +%s%N)
  kill -TERM "$pid"
  wait "$pid"
  t1=$(date +%s%N)
  rm -rf "$home"
  echo $(((t1 - t0) / 1000000))
}

series() { # $1: label, $2: idle | game
  local times=()
  for _ in 1 2 3 4 5; do times+=("$(once "$2")"); done
  echo "$1: ${times[*]} ms"
}

series "idle, no screen reader" idle
series "game under way, no screen reader" game
/usr/bin/python3 "$here/exit_reader.py" >/dev/null 2>&1 &
reader=$!
sleep 1
series "idle, screen reader attached" idle
series "game under way, screen reader attached" game
kill "$reader"
