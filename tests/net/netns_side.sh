#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# One machine of a test's virtual network, run inside its network namespace by
# `unshare -m` so that /run is its own: a D-Bus system bus and an Avahi daemon on the
# interfaces given, then the command given; the daemons go when it ends. The daemon is started
# again whenever it ends, as a service manager would; its pid is in WORK/avahi-SIDE.pid.
# Usage: netns_side.sh WORK SIDE INTERFACES COMMAND...
set -u
work=$1 side=$2 iface=$3
shift 3
mount -t tmpfs none /run || exit 77
mkdir -p /run/avahi-daemon
cat > "$work/bus-$side.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:path=$work/bus-$side</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/>
<allow receive_sender="*"/></policy></busconfig>
CONF
cat > "$work/avahi-$side.conf" <<CONF
[server]
host-name=quadrino-$side
use-ipv4=yes
use-ipv6=no
allow-interfaces=$iface
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
CONF
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus-$side"
dbus-daemon --config-file="$work/bus-$side.conf" --nofork --nopidfile &
bus=$!
avahi_pid=
command_pid=
trap 'exit 0' TERM
n=0
while [ ! -S "$work/bus-$side" ] && [ $n -lt 50 ]; do sleep 0.1; n=$((n+1)); done
(
    while [ ! -e "$work/done-$side" ]; do
        avahi-daemon -f "$work/avahi-$side.conf" --no-drop-root --no-chroot --no-rlimits --no-proc-title &
        echo $! > "$work/avahi-$side.pid"
        wait $!
        sleep 0.3
    done
) &
avahi_pid=$!
trap 'touch "$work/done-$side"; kill $command_pid $(cat "$work/avahi-$side.pid") $avahi_pid $bus 2>/dev/null; wait 2>/dev/null' EXIT
n=0
until avahi-daemon -c 2>/dev/null; do
    n=$((n+1)); [ $n -lt 100 ] || { echo "avahi-daemon did not start on side $side"; exit 77; }
    sleep 0.1
done
"$@" &
command_pid=$!
wait $command_pid
status=$?
command_pid=
exit $status
