#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Games on this network, for real: two network namespaces joined by a veth pair, each with
# its own D-Bus and Avahi daemon in a private /run. quadrino-host announces its game on one
# side; the probe on the other must list it, join it and see the listing follow, also after
# each side's Avahi daemon has been restarted.
# Usage: run_lan_netns.sh QUADRINO_HOST LAN_PROBE. Skips (77) without root or the tools.
set -u
host_bin=$1
probe_bin=$2
[ "$(id -u)" = 0 ] || { echo "skipped: needs root"; exit 77; }
for tool in ip unshare avahi-daemon dbus-daemon mount; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: no $tool"; exit 77; }
done

tag="L$$"
work=$(mktemp -d "/tmp/quadrino-$tag.XXXXXX")
side_a_pid=
cleanup() {
    [ -n "$side_a_pid" ] && kill "$side_a_pid" 2>/dev/null && wait "$side_a_pid" 2>/dev/null
    ip netns del "${tag}a" 2>/dev/null
    ip netns del "${tag}b" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

ip netns add "${tag}a" && ip netns add "${tag}b" || { echo "skipped: cannot make namespaces"; exit 77; }
ip link add "${tag}va" type veth peer name "${tag}vb" || { echo "skipped: no veth"; exit 77; }
# A second link between the same two machines: the game must still be listed once.
ip link add "${tag}wa" type veth peer name "${tag}wb"
for side in a b; do
    ip link set "${tag}v$side" netns "${tag}$side"
    ip link set "${tag}w$side" netns "${tag}$side"
done
ip -n "${tag}a" addr add 10.77.0.1/24 dev "${tag}va"
ip -n "${tag}b" addr add 10.77.0.2/24 dev "${tag}vb"
ip -n "${tag}a" addr add 10.78.0.1/24 dev "${tag}wa"
ip -n "${tag}b" addr add 10.78.0.2/24 dev "${tag}wb"
for side in a b; do
    ip -n "${tag}$side" link set lo up
    ip -n "${tag}$side" link set "${tag}v$side" up
    ip -n "${tag}$side" link set "${tag}w$side" up
done


ip netns exec "${tag}a" unshare -m --propagation private sh "$(dirname "$0")/netns_side.sh" "$work" a "${tag}va,${tag}wa" \
    "$host_bin" --announce --port 7772 --bot-delay 100 &
side_a_pid=$!
# Each side's daemon restarted once the probe has seen the game after the one before.
(
    for side in a b; do
        step=$([ $side = a ] && echo 1 || echo 2)
        n=0
        while [ ! -e "$work/step$step" ] && [ $n -lt 600 ]; do sleep 0.1; n=$((n+1)); done
        [ -e "$work/step$step" ] && kill "$(cat "$work/avahi-$side.pid")" 2>/dev/null
    done
) &
restarter=$!
ip netns exec "${tag}b" unshare -m --propagation private sh "$(dirname "$0")/netns_side.sh" "$work" b "${tag}vb,${tag}wb" \
    "$probe_bin" 7772 "$work"
status=$?
kill $restarter 2>/dev/null
[ $status = 3 ] && { echo "skipped: the daemon on the joining side did not answer"; exit 77; }
exit $status
