#!/usr/bin/env bash
# The Ansible collection lanvane.printers against lanvane-printer-sim on this machine:
# ansible-doc shows each module; the same play run twice is changed, then ok, with one
# write in the simulator's dump; --check sends nothing; --diff masks secrets; a refused
# value fails the task with lanvane-cli's message; the address module sets a simulated LAN
# printer found on the loopback broadcast, once. Installs ansible-core from Debian's
# packages (and iproute2) when missing. The plays run in a private network namespace, so that
# nothing leaves the machine and no port collides with another run.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${LANVANE_BUILD_DIR:-build}"

if [ -z "${LANVANE_ANSIBLE_NAMESPACE:-}" ]; then
  missing=()
  command -v ansible-playbook >/dev/null && command -v ansible-doc >/dev/null || missing+=(ansible-core)
  command -v ip >/dev/null || missing+=(iproute2)
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  [ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build_dir" -j "$(nproc)" --target lanvane-cli lanvane-printer-sim >/dev/null
  exec env LANVANE_ANSIBLE_NAMESPACE=1 unshare -rn bash "$0" "$@"
fi

ip link set lo up
# The address the play gives a printer, made local to this namespace alone, so that the
# printer answers the next search from it.
ip addr add 10.0.11.22/32 dev lo
cli="$PWD/$build_dir/bin/lanvane-cli"
sim="$PWD/$build_dir/bin/lanvane-printer-sim"
plays="$PWD/integrations/ansible/tests"
work="$(mktemp -d /tmp/lanvane-ansible-XXXXXX)"
sim_pid=""
export ANSIBLE_COLLECTIONS_PATH="$PWD/integrations/ansible" ANSIBLE_NOCOLOR=1 ANSIBLE_HOME="$work/ansible" \
       ANSIBLE_LOCALHOST_WARNING=false ANSIBLE_INVENTORY_UNPARSED_WARNING=false ANSIBLE_RETRY_FILES_ENABLED=false

cleanup() {
  [ -z "$sim_pid" ] || kill -TERM "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "test-ansible: $*" >&2
  [ ! -f "$work/play.out" ] || cat "$work/play.out" >&2
  exit 1
}

# play NAME STATUS [ANSIBLE-PLAYBOOK OPTIONS...]: runs tests/NAME.yml, which must end with STATUS.
play() {
  local name="$1" expected="$2" status=0
  shift 2
  timeout 120 ansible-playbook -i localhost, "$plays/$name.yml" -e "lanvane_cli=$cli" \
    -e "printer_device=$work/printer" "$@" >"$work/play.out" 2>&1 || status=$?
  [ "$status" = "$expected" ] || fail "$name $* ended with $status, not $expected"
  echo "test-ansible: $name $* ended with $status"
}
shows() { grep -qF -- "$1" "$work/play.out" || fail "the play did not show '$1'"; }
hides() { ! grep -qF -- "$1" "$work/play.out" || fail "the play showed '$1'"; }

for module in printer_config printer_address printer_facts; do
  ansible-doc "lanvane.printers.$module" >"$work/play.out" 2>&1 || fail "ansible-doc $module failed"
  shows "OPTIONS"
  shows "EXAMPLES"
done

"$sim" --layout 2 --link "$work/printer" --no-bss --lan-ethernet 2 --dump-on-exit "$work/state.json" \
  >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do
  grep -q '^lan-ethernet: ' "$work/sim.out" && break
  sleep 0.1
done
grep -q '^lan-ethernet: ' "$work/sim.out" || fail "the simulator did not come up: $(cat "$work/sim.out")"

play printer_config 0
shows "changed=1 "
play printer_config 0
shows "changed=0 "
play printer_config 0 --check --diff -e wanted_ssid=Elsewhere -e wanted_key=other-secret-key
shows "changed=1 "
shows '"ssid": "Elsewhere"'
shows '"pskKey": "********"'
hides "other-secret-key"
hides "first-secret-key"
play printer_config_refused 2
shows "printerPort: 80 refused: The port number is incorrect."

play printer_address 0
shows "changed=1 "
play printer_address 0
shows "changed=0 "
play printer_address 0 --check -e wanted_ip=10.0.11.33
shows "changed=1 "

kill -TERM "$sim_pid"
wait "$sim_pid" || fail "the simulator failed"
sim_pid=""
python3 - "$work/state.json" <<'PY' || fail "the simulator's dump does not show what the plays sent"
import json, sys
state = json.load(open(sys.argv[1]))
writes = state["requests"].count("if-set")
assert writes == 1, "%d record writes, not 1" % writes
assert state["record"]["ssid"] == "Ansible-Lab", state["record"]["ssid"]
first, second = state["lanPrinters"]
assert (first["settingsTaken"], second["settingsTaken"]) == (0, 1), (first, second)
assert second["ip"] == "10.0.11.22", second["ip"]
PY
echo "test-ansible: every check passed"
