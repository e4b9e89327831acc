#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for SECONDS (default 30), seeded from the golden frames,
# fuzz/seeds/ and the scenarios. Prints each target's executions and findings; exits 1 when any run found a
# fault (the input that shows it is kept in build-fuzz/findings/).
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
build=build-fuzz
targets=(fuzz_decoders fuzz_bss_reply fuzz_port_exchanges fuzz_certificate_file fuzz_lan_discovery
         fuzz_lan_confirmation fuzz_cli_settings fuzz_scenario fuzz_sim_channel fuzz_sim_lan)
# Seeds beyond the golden frames and fuzz/seeds/<target>/.
declare -A more_seeds=([fuzz_scenario]=tests/scenarios)

# libFuzzer comes with clang (libclang-common-14-dev on Debian 12).
if ! command -v clang++ > /dev/null; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends clang
fi

launcher=()
if command -v ccache > /dev/null; then
  # Paths relative to the project, so that any clone on this machine shares the cache.
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DLANVANE_FUZZ=ON -DLANVANE_TESTS=OFF -DLANVANE_QT=OFF "${launcher[@]}" > /dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

rm -rf "$build/findings"
mkdir -p "$build/findings" "$build/logs"
failed=0
printf '%-26s %12s %9s\n' target executions findings
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  seeds="fuzz/seeds/${target#fuzz_}"
  mkdir -p "$corpus"
  inputs=("$corpus" tests/data/golden)
  if [ -d "$seeds" ]; then
    inputs+=("$seeds")
  fi
  if [ -n "${more_seeds[$target]:-}" ]; then
    inputs+=("${more_seeds[$target]}")
  fi
  log="$build/logs/$target.log"
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "${inputs[@]}" > "$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  findings=$(find "$build/findings" -name "$target-*" | wc -l)
  printf '%-26s %12s %9s\n' "$target" "${executions:-?}" "$findings"
  if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
    failed=1
    grep -m 5 -E 'ERROR|broken:|SUMMARY' "$log" || true
  fi
done
exit "$failed"
