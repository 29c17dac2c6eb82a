# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the namespace tests: root and the tools checked (skipped with 77 otherwise), a
# work folder, the virtual machines made, and all of it gone at exit with whatever still runs
# on them.
#   netns_start TAG TOOL...   sets $work
#   netns_add NAME...         one network namespace per machine
netns_start() {
    netns_tag=$1
    shift
    [ "$(id -u)" = 0 ] || { echo "skipped: needs root"; exit 77; }
    for tool in ip "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "skipped: no $tool"; exit 77; }
    done
    work=$(mktemp -d "/tmp/quadrino-$netns_tag.XXXXXX")
    netns_machines=
    trap netns_cleanup EXIT
    trap 'exit 1' INT TERM
}
netns_add() {
    for n in "$@"; do
        ip netns add "$n" || { echo "skipped: cannot make namespaces"; exit 77; }
        netns_machines="$n $netns_machines"
    done
}
netns_cleanup() {
    for n in $netns_machines; do ip netns pids "$n" 2>/dev/null | xargs -r kill 2>/dev/null; done
    wait 2>/dev/null
    for n in $netns_machines; do ip netns del "$n" 2>/dev/null; done
    rm -rf "$work"
}
