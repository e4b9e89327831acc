#!/bin/sh
# Runs a test that serves printers at the fixed loopback addresses and ports (the demo's
# printers, a scenario's LAN printers) in a network namespace of its own, whose loopback no
# other program shares: a second `lanvane --demo` or a simulator started by hand cannot
# hold its ports there. Where the system allows no namespace the test runs here, after
# naming each fixed port another program holds and what holds it.
#   run-in-private-network.sh COMMAND [ARGUMENT...]
set -u

# The printers' survey port and the LAN ports of both modes.
fixed_ports="3318/tcp 48780/udp 48781/udp 3337/udp 9000/udp"

for unshare in "unshare --net" "unshare --user --map-root-user --net"; do
  if $unshare sh -c 'ip link set lo up' > /dev/null 2>&1; then
    exec $unshare sh -c 'ip link set lo up && exec "$@"' run-in-private-network.sh "$@"
  fi
done

# "users:(("lanvane",pid=4711,fd=9))" -> "lanvane (pid 4711)".
holder_of() {
  printf '%s\n' "$1" | sed -n 's/^users:(("\([^"]*\)",pid=\([0-9]*\),.*/\1 (pid \2)/p'
}

if command -v ss > /dev/null 2>&1; then
  ss -Hlnptu 2>/dev/null | while read -r kind state receiving sending local peer process; do
    case " $fixed_ports " in
      *" ${local##*:}/$kind "*)
        holder=$(holder_of "${process:-}")
        echo "$(basename "$1"): no private network here, and $local ($kind) is held by" \
             "${holder:-a program of another user}; this test may fail on it" >&2
        ;;
    esac
  done
fi
exec "$@"
