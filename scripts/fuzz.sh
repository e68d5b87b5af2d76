#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build/fuzz (every file instrumented, with
# the address and undefined-behaviour sanitizers) and runs each for a bounded time over its
# corpus in tests/fuzz/corpus: SKARVEL_FUZZ_SECONDS per target, 30 by default. Inputs that
# reach new code are kept in build/fuzz/corpus; an input that fails is written to
# build/fuzz/findings and its report shown.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages clang-14 libclang-rt-14-dev cmake make
cd "$SKARVEL_ROOT"

seconds=${SKARVEL_FUZZ_SECONDS:-30}
build=build/fuzz
instrumentation="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
# Configured every time, so that a folder left by an older configuration gets these settings.
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSKARVEL_BUILD_FUZZ=ON -DSKARVEL_BUILD_TESTS=OFF -DSKARVEL_BUILD_BENCH=OFF \
    -DSKARVEL_WERROR="${SKARVEL_WERROR:-OFF}" \
    -DCMAKE_CXX_FLAGS="$instrumentation -fno-omit-frame-pointer" >/dev/null
cmake --build "$build" --target integer_text_fuzz channel_file_fuzz --parallel "$(nproc)"

failed=0
for target in integer_text channel_file; do
    corpus=$build/corpus/$target
    findings=$build/findings
    log=$build/$target.log
    mkdir -p "$corpus" "$findings"
    options=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$findings/$target-")
    if [ -f "tests/fuzz/$target.dict" ]; then
        options+=(-dict="tests/fuzz/$target.dict")
    fi
    if "$build/tests/fuzz/${target}_fuzz" "${options[@]}" "$corpus" "tests/fuzz/corpus/$target" \
        >"$log" 2>&1; then
        echo "fuzz: $target: $(grep -E '^Done [0-9]+ runs' "$log"), no failure"
    else
        echo "fuzz: $target FAILED; the end of its report ($log):" >&2
        tail -n 40 "$log" >&2
        failed=1
    fi
done
exit $failed
