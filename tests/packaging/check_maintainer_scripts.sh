#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the package's maintainer scripts through install, upgrade, removal and purge with the
# systemd helpers replaced by stubs that log their calls, on a machine without systemd as
# PID 1 (as here and in containers): every run succeeds, a first install enables and starts
# nothing, and purge forgets the unit.
#   check_maintainer_scripts.sh SCRIPT-DIR
set -uo pipefail
dir=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for stub in deb-systemd-helper deb-systemd-invoke systemctl; do
  printf '#!/bin/sh\necho "%s $*" >>"%s/calls"\n%s\n' "$stub" "$work" \
    "$([ "$stub" = deb-systemd-helper ] && echo 'case "$1" in debian-installed) exit 1;; esac')" \
    >"$work/$stub"
  chmod +x "$work/$stub"
done

for script in postinst prerm postrm; do
  sh -n "$dir/$script" || fail "$script: syntax"
  [ -x "$dir/$script" ] || fail "$script is not executable"
done

# run NAME SCRIPT ARGS...: runs a script with the stubs, and keeps its calls in $calls.
run() {
  local name=$1
  shift
  : >"$work/calls"
  PATH="$work:$PATH" sh "$dir/$1" "${@:2}" >/dev/null 2>&1 || fail "$name: $1 $* failed"
  calls=$(cat "$work/calls")
}
units="quadrino-host.service quadrino-lobby.service"
run "first install" postinst configure
! grep -qE "enable|start|deb-systemd-invoke" <<<"$calls" || fail "first install enables or starts: $calls"
first=$calls
run "upgrade" postinst configure 1.0.0
! grep -qE " enable| start" <<<"$calls" || fail "upgrade enables or starts: $calls"
run "removal" prerm remove
run "removal" postrm remove
removal=$calls
run "purge" postrm purge
purge=$calls
for unit in $units; do
  grep -qx "deb-systemd-helper update-state $unit" <<<"$first" || fail "first install records no state of $unit: $first"
  grep -qx "deb-systemd-helper mask $unit" <<<"$removal" || fail "removal leaves $unit unmasked: $removal"
  grep -A1 -x "deb-systemd-helper purge $unit" <<<"$purge" | grep -qx "deb-systemd-helper unmask $unit" ||
    fail "purge does not forget $unit: $purge"
done
[ "$(wc -l <<<"$purge")" = $((2 * $(wc -w <<<"$units"))) ] || fail "purge does more than forget the units: $purge"
# Where systemd runs, removal stops each unit (not testable without it: checked in the text).
grep -q 'deb-systemd-invoke stop "$unit"' "$dir/prerm" || fail "prerm does not stop the units"
# Without the helpers (a minimal system, an empty PATH) every script still succeeds.
mkdir "$work/bare"
for args in "postinst configure" "prerm remove" "postrm remove" "postrm purge"; do
  set -- $args
  PATH="$work/bare" /bin/sh "$dir/$1" "$2" >/dev/null 2>&1 || fail "$args fails without the helpers"
done
exit $((failures > 0))
