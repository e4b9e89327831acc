#!/usr/bin/env bash
# lanvane-cli.exe under Wine against the Linux simulated printer: read, write, bss and cert
# over COM7 (Wine's COM7 mapped to the simulator's pseudo-terminal), bss over TCP on
# 127.0.0.1, and discover / set-ip against simulated LAN printers on the loopback broadcast
# 127.255.255.255. Nothing leaves this machine.
#   scripts/test-windows-e2e.sh [LINUX_BUILD_DIR [WINDOWS_BUILD_DIR]]
# Needs lanvane-printer-sim in the Linux build and lanvane-cli.exe in the Windows build.
set -euo pipefail
cd "$(dirname "$0")/.."

linux_build="${1:-build}"
windows_build="${2:-build-windows}"
sim="$linux_build/bin/lanvane-printer-sim"
cli="$windows_build/bin/lanvane-cli.exe"
wine_run="$windows_build/wine-run"
export WINEPREFIX="$PWD/$windows_build/wine-prefix-e2e"
export WINEDEBUG=-all
work="$(mktemp -d /tmp/lanvane-windows-e2e-XXXXXX)"
sim_pid=""
silent_pid=""
failures=0

stop() {
  if [ -n "$1" ] && kill -0 "$1" 2>/dev/null; then
    kill -TERM "$1"
    wait "$1" 2>/dev/null || true
  fi
}
stop_sim() {
  stop "$sim_pid"
  sim_pid=""
}
cleanup() {
  stop_sim
  stop "$silent_pid"
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

check() {
  local what="$1"
  shift
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    sed 's/^/     /' "$work/err"
    failures=$((failures + 1))
  fi
}

# Runs lanvane-cli.exe; its standard output goes to $work/out, its messages to $work/err.
cli() {
  timeout 120 "$wine_run" "$cli" "$@" >"$work/out" 2>"$work/err"
}

# The simulated printer with two Ethernet and one WLAN printer on the LAN, every port of
# the system's choice; waits until it has told where it serves.
"$sim" --layout 2 --bss-address 127.0.0.1 --bss-port 0 --lan-ethernet 2 --lan-wlan 1 \
       --lan-ethernet-port 0 --lan-wlan-port 0 --dump-on-exit "$work/state.json" >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
  grep -q '^lan-wlan: ' "$work/sim.out" && break
  sleep 0.1
done
value() { sed -n "s/^$1: //p" "$work/sim.out"; }
pty="$(value channel)"
survey_port="$(value bss | sed 's/.*://')"
ethernet_port="$(value lan-ethernet)"
wlan_port="$(value lan-wlan)"
[ -n "$pty" ] && [ -n "$survey_port" ] && [ -n "$ethernet_port" ] && [ -n "$wlan_port" ] \
  || { cat "$work/sim.out"; echo "the simulated printer did not come up"; exit 1; }

# COM7 of the Wine prefix is the simulator's pseudo-terminal; Wine reads its ports when
# the server starts. A pseudo-terminal has no modem lines, so the open skips the line check.
timeout 120 "$wine_run" reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$pty" /f >/dev/null 2>&1
timeout 30 wineserver -k 2>/dev/null || true
# Started here so that what it says at its end stays out of the report.
wineserver -p30 >/dev/null 2>&1
export LANVANE_TEST_IGNORE_MODEM_LINES=1
serial=(--serial COM7 --timeout 3000)

check "ports lists COM7" bash -c "timeout 120 '$wine_run' '$cli' ports | grep -q 'COM7'"

check "read --serial COM7" cli read "${serial[@]}" --json
check "read shows the identification" grep -q '"firmwareVersion"' "$work/out"

# A file name beyond the ANSI code page must reach the program whole.
settings="$work/réglages-設定.json"
cat >"$settings" <<'JSON'
{"printerName": "Wine Desk", "ipAddress": "192.168.0.77"}
JSON
check "write --serial COM7 --set (a UTF-8 file name)" cli write "${serial[@]}" --set "$settings"

check "bss --serial COM7" cli bss "${serial[@]}" --json
check "bss --ip 127.0.0.1" cli bss --ip 127.0.0.1 --tcp-port "$survey_port" --json

# A real certificate: the upload reads its subject and expiry before it sends a byte.
openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 30 \
        -subj "/CN=Lanvane Wine test" -keyout "$work/client.key" -out "$work/client.pem" 2>/dev/null
check "cert --serial COM7" cli cert "${serial[@]}" --kind client-pem --file "$work/client.pem"

lan=(--broadcast 127.255.255.255 --local-port 0 --timeout 500 --confirm-ms 2000)
check "discover --mode wlan" cli discover --mode wlan --printer-port "$wlan_port" "${lan[@]}" --json
check "discover finds the WLAN printer" grep -q '"featureCode"' "$work/out"
check "set-ip --mode ethernet" cli set-ip --mode ethernet --printer-port "$ethernet_port" "${lan[@]}" \
  --mac 00:1a:2b:e0:00:01 --ip 10.1.2.3 --mask 255.255.0.0 --gateway 10.1.0.1
check "discover --mode ethernet" cli discover --mode ethernet --printer-port "$ethernet_port" "${lan[@]}"
check "discover shows the new address" grep -q '00:1a:2b:e0:00:01 *10\.1\.2\.3' "$work/out"

# Ctrl-C gives the device back and ends the command with 130: a printer that never answers
# the configuration request holds the read until the interrupt.
"$sim" --layout 2 --no-bss --no-answer-to if-get >"$work/silent.out" 2>&1 &
silent_pid=$!
for _ in $(seq 50); do
  grep -q '^channel: ' "$work/silent.out" && break
  sleep 0.1
done
timeout 120 "$wine_run" reg add 'HKLM\Software\Wine\Ports' /v COM8 /d "$(sed -n 's/^channel: //p' "$work/silent.out")" /f \
  >/dev/null 2>&1
timeout 30 wineserver -k 2>/dev/null || true
wineserver -p30 >/dev/null 2>&1
timeout 120 "$wine_run" "$cli" read --serial COM8 --timeout 20000 >"$work/out" 2>"$work/err" &
reader=$!
sleep 5
kill -INT "$reader"
status=0
wait "$reader" || status=$?
check "Ctrl-C ends the read with 130" test "$status" = 130
check "Ctrl-C says what was interrupted" grep -q "interrupted by Ctrl-C while reading the printer's configuration" "$work/err"

stop_sim
check "the printer holds the written record" grep -q '"printerName": *"Wine Desk"' "$work/state.json"
check "the printer holds the certificate" grep -q '"complete": *true' "$work/state.json"

if [ "$failures" -gt 0 ]; then
  echo "$failures end-to-end checks failed under Wine"
  exit 1
fi
echo "every end-to-end check passed under Wine"
