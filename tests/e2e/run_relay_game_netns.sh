#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A game nobody can reach, played through the lobby's relay: the hosting copy sits on a home
# LAN behind a router that masquerades its way out and lets nothing in; the lobby and the
# joining copy are outside. The host lists its game in the lobby, the lobby finds it cannot
# reach it and relays; the joiner finds the game in its lobby window, joins with a click and
# watches the seeded game to its winner.
# Usage: run_relay_game_netns.sh QUADRINO_LOBBY GAME_COPY. Skips (77) without root or
# the tools.
set -u
lobby_bin=$1
copy_bin=$2
. "$(dirname "$0")/../net/netns_machines.sh"
netns_start "Y$$" nft
R="Y$$r" H="Y$$h" O="Y$$o"
netns_add $R $H $O
# Outside (the lobby's and the joiner's network) 11.22.33.0/24; the home LAN 192.168.88.0/24.
ip -n $R link add wan0 type veth peer name eth0 netns $O
ip -n $R link add lan0 type veth peer name eth0 netns $H
ip -n $R addr add 11.22.33.1/24 dev wan0
ip -n $R addr add 192.168.88.1/24 dev lan0
ip -n $O addr add 11.22.33.2/24 dev eth0
ip -n $H addr add 192.168.88.2/24 dev eth0
for n in $R $H $O; do ip -n "$n" link set lo up; done
for l in wan0 lan0; do ip -n $R link set $l up; done
for n in $H $O; do ip -n "$n" link set eth0 up; done
ip -n $H route add default via 192.168.88.1
ip netns exec $R sysctl -qw net.ipv4.ip_forward=1
# Out only: the LAN's connections leave under the router's address, answers come back, and
# nothing from outside gets in, as behind a home router that refuses port mappings.
ip netns exec $R nft -f - <<'NFT' || exit 1
table inet home {
  chain forward {
    type filter hook forward priority 0; policy drop;
    iifname "lan0" oifname "wan0" accept
    ct state established,related accept
  }
  chain postrouting {
    type nat hook postrouting priority 100;
    oifname "wan0" masquerade
  }
}
NFT

ip netns exec $O "$lobby_bin" --listen 11.22.33.2 --port 7773 > "$work/lobby.out" 2>&1 &
n=0
until ip netns exec $O bash -c 'exec 3<>/dev/tcp/11.22.33.2/7773' 2>/dev/null; do
    n=$((n+1)); [ $n -lt 100 ] || { cat "$work/lobby.out"; echo "the lobby did not start"; exit 1; }
    sleep 0.1
done

run_copy() { # NAMESPACE NAME MODE; run in the background, it is the copy's own process
    exec ip netns exec "$1" env -u QUADRINO_STAY_LOCAL QT_QPA_PLATFORM=offscreen \
        HOME="$work/home-$2" XDG_CONFIG_HOME="$work/home-$2/config" XDG_DATA_HOME="$work/home-$2/data" \
        "$copy_bin" "$3" "$work" 11.22.33.2:7773
}
run_copy $H h relay-host > "$work/host.out" 2>&1 &
host_pid=$!
run_copy $O o relay-join > "$work/join.out" 2>&1 &
join_pid=$!
wait $join_pid
status=$?
kill -TERM $host_pid 2>/dev/null
wait $host_pid 2>/dev/null
echo "--- joiner"; cat "$work/join.out"
echo "--- host"; cat "$work/host.out"
echo "--- lobby"; cat "$work/lobby.out"
# The game was reached only through the relay: nothing from outside got into the LAN.
if [ $status = 0 ] && ! grep -q "relay" "$work/join.out"; then echo "the game was not relayed"; exit 1; fi
exit $status
