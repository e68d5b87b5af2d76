#!/usr/bin/env bash
# Measures the program's speed and footprint and prints every figure beside its limit: the
# driver's own benchmarks, the whole program in real time on a headless display (acquisition
# cadence, Abort latency, lock to display, processor share while a run waits and while the
# panel idles), and the terminal program (start-up to the panel drawn, processor share, peak
# memory). Fails when a figure misses its limit. Run it on an otherwise quiet machine: it takes
# about two minutes. SKARVEL_BENCH_BUILD names another build folder than build/default.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${SKARVEL_PACKAGES[@]}" python3

if [ -n "${SKARVEL_BENCH_BUILD:-}" ]; then
    build=$SKARVEL_BENCH_BUILD
    cmake --build "$build" --target driver_bench program_bench skarvel --parallel "$(nproc)"
else
    build_preset default
    build=$SKARVEL_ROOT/build/default
fi

status=0
echo "== driver library, one call at a time"
"$build/bench/driver/driver_bench" --benchmark_min_time=0.2
echo "== the whole program on a headless display, in real time"
"$build/bench/program/program_bench" || status=1
echo "== the program in a terminal"
/usr/bin/python3 "$SKARVEL_ROOT/bench/program/terminal_figures.py" "$build/skarvel" || status=1
exit $status
