#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Two copies of the game on a virtual home LAN behind a test router running miniupnpd: the
# host's game is listed in the joiner's Join dialog and joined from there, the router forwards
# the hosting port while the game runs, the joiner's connection is killed (ss -K) and it sits
# down in its seat again, and the forwarding is gone once the host has exited.
# Usage: run_lan_game_netns.sh GAME_COPY. Skips (77) without root or the tools.
set -u
copy_bin=$1
side_sh="$(cd "$(dirname "$0")/../net" && pwd)/netns_side.sh"
. "$(dirname "$0")/../net/netns_machines.sh"
netns_start "G$$" unshare avahi-daemon dbus-daemon mount nft miniupnpd upnpc ss
R="G$$r" H="G$$h" J="G$$j"
netns_add $R $H $J
# The router: a WAN side that looks public (miniupnpd forwards nothing otherwise) and a LAN
# bridge with the two machines on it.
ip -n $R link add wan0 type veth peer name wan1
ip -n $R addr add 11.22.33.44/24 dev wan0
ip -n $R link add br0 type bridge
ip -n $R addr add 192.168.77.1/24 dev br0
for machine in "h $H" "j $J"; do
    set -- $machine
    ip -n $R link add "lan$1" type veth peer name eth0 netns "$2"
    ip -n $R link set "lan$1" master br0
    ip -n $R link set "lan$1" up
done
for l in lo wan0 wan1 br0; do ip -n $R link set $l up; done
ip -n $H addr add 192.168.77.2/24 dev eth0
ip -n $J addr add 192.168.77.3/24 dev eth0
for n in $H $J; do
    ip -n "$n" link set lo up
    ip -n "$n" link set eth0 up
    ip -n "$n" route add default via 192.168.77.1
done
ip netns exec $R nft "add table inet filter; add chain inet filter miniupnpd;
  add chain inet filter prerouting_miniupnpd; add chain inet filter postrouting_miniupnpd" || exit 1
printf '%s\n' ext_ifname=wan0 listening_ip=br0 port=7700 enable_natpmp=no secure_mode=no \
    uuid=00000000-0000-4000-8000-000000000077 "allow 1024-65535 192.168.77.0/24 1024-65535" > "$work/upnp.conf"
ip netns exec $R miniupnpd -d -f "$work/upnp.conf" -P "$work/upnp.pid" > "$work/upnp.log" 2>&1 &

n=0
until grep -q 'HTTP listening' "$work/upnp.log"; do
    n=$((n+1)); [ $n -lt 100 ] || { cat "$work/upnp.log"; echo "miniupnpd did not start"; exit 1; }
    sleep 0.1
done
forwardings() {
    ip netns exec $H upnpc -u http://192.168.77.1:7700/rootDesc.xml -l 2>/dev/null | grep -E "^ *[0-9]+ TCP"
}

# Both copies as a player runs them: no test switch keeps them from the network they are on.
run_copy() { # NAMESPACE SIDE MODE; run in the background, it is the copy's own process
    exec ip netns exec "$1" unshare -m --propagation private env -u QUADRINO_STAY_LOCAL QT_QPA_PLATFORM=offscreen \
        HOME="$work/home-$2" XDG_CONFIG_HOME="$work/home-$2/config" XDG_DATA_HOME="$work/home-$2/data" \
        sh "$side_sh" "$work" "$2" eth0 "$copy_bin" "$3" "$work"
}
run_copy $H h lan-host > "$work/host.out" 2>&1 &
host_pid=$!
run_copy $J j lan-join > "$work/join.out" 2>&1 &
join_pid=$!

n=0
while [ ! -e "$work/seated" ]; do
    n=$((n+1))
    if [ $n -ge 600 ]; then echo "the joiner never sat down"; cat "$work/host.out" "$work/join.out"; exit 1; fi
    sleep 0.1
done
# The router is asked beside the game, and may answer after the joiner has sat down.
n=0
until forwardings > "$work/forwarded" && grep -q "7772->192.168.77.2:7772 *'Quadrino'" "$work/forwarded"; do
    n=$((n+1))
    if [ $n -ge 30 ]; then echo "no forwarding"; cat "$work/host.out" "$work/join.out"; exit 1; fi
    sleep 0.5
done
echo "forwarded while the game runs:"
cat "$work/forwarded"
# The joiner's connection dies as it would behind a flaky router: killed without a goodbye.
ip netns exec $J ss -K dst 192.168.77.2 dport = :7772 > /dev/null 2>&1
wait $join_pid
join_status=$?

cat "$work/join.out"
grep -q "the game goes on" "$work/join.out" || join_status=1

kill -TERM $host_pid
wait $host_pid

grep "chat: " "$work/host.out"
if forwardings | grep -q "7772->"; then echo "the forwarding outlived the game"; cat "$work/host.out"; exit 1; fi
[ $join_status = 0 ] || { cat "$work/host.out"; exit 1; }
grep -q "The router forwards port 7772 from 11.22.33.44" "$work/host.out" || { echo "the host never said so"; exit 1; }
echo "listed, joined, forwarded, rejoined and unforwarded"
