#!/usr/bin/env bash
# Installs what is missing, builds, and runs lanvane-cli against a simulated printer:
# ports, read, bss (over the LAN and over the printer's channel), cert and write.
# Nothing leaves this machine: the simulated printer listens on 127.0.0.1 only.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=build
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target lanvane-cli lanvane-printer-sim

cli="$build_dir/bin/lanvane-cli"
sim="$build_dir/bin/lanvane-printer-sim"
work="$(mktemp -d /tmp/lanvane-demo-XXXXXX)"
sim_pid=""

stop_sim() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid"
    wait "$sim_pid" 2>/dev/null || true
  fi
  sim_pid=""
}
cleanup() {
  stop_sim
  rm -rf "$work"
}
trap cleanup EXIT

# Starts the simulated printer (layout 2) with its survey port on 127.0.0.1:$1 and waits
# until it has told where it serves. Fails when it does not come up.
start_sim() {
  "$sim" --layout 2 --link "$work/printer" --bss-address 127.0.0.1 --bss-port "$1" \
         --dump-on-exit "$work/state.json" >"$work/sim.out" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do
    grep -q '^bss: ' "$work/sim.out" && return 0
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
  done
  stop_sim
  return 1
}

# The printer's own survey port 3318 if it is free, else any free port.
start_sim 3318 || start_sim 0
survey_port="$(sed -n 's/^bss: 127\.0\.0\.1://p' "$work/sim.out")"
survey=(--ip 127.0.0.1)
[ "$survey_port" = 3318 ] || survey+=(--tcp-port "$survey_port")

run() {
  printf '\n$ lanvane-cli %s\n' "$*"
  "$cli" "$@"
}

run ports
run read --usb "$work/printer"
run bss "${survey[@]}"
run bss --usb "$work/printer" --json

cat >"$work/client.pem" <<'PEM'
-----BEGIN CERTIFICATE-----
MIIBszCCAVmgAwIBAgIUDemoCertificateForTheSimulatedPrinterOnly0wCgYIKoZI
zj0EAwIwJjEkMCIGA1UEAwwbTGFudmFuZSBkZW1vIGNlcnRpZmljYXRlIENBMB4XDTI0
-----END CERTIFICATE-----
PEM
run cert --usb "$work/printer" --kind client-pem --file "$work/client.pem"

cat >"$work/settings.json" <<'JSON'
{"printerName": "Front Desk", "ssid": "Demo-LAN", "ipAddress": "192.168.0.77", "inactivityTime": 600}
JSON
printf '\nsettings.json: %s' "$(cat "$work/settings.json")"
run write --usb "$work/printer" --set "$work/settings.json"

printf '\nA value the record rules refuse (port 80 is reserved) is not written:\n'
echo '{"printerPort": 80}' >"$work/refused.json"
run write --usb "$work/printer" --set "$work/refused.json" || echo "(exit status $?)"

stop_sim
printf '\nThe simulated printer now holds:\n'
grep -E '"(printerName|ssid|ipAddress|inactivityTime|printerPort)"' "$work/state.json"
