#!/usr/bin/env bash
# Tests the driver library on a real kernel's DVB-T frontend: builds a statically linked check
# program from the library's code and runs it in a throw-away virtual machine with the kernel's
# virtual DVB-T frontend (the dvb-vm tool). Fails when the check fails. Without the tool the
# check is skipped, with one line that says so.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$SKARVEL_ROOT"

if [ -n "${SKARVEL_DVB_VM:-}" ]; then
    candidates=("$SKARVEL_DVB_VM")
else
    candidates=("$SKARVEL_ROOT/../shared/tools/dvb-vm" /work/shared/tools/dvb-vm)
fi
tool=""
for candidate in "${candidates[@]}"; do
    if [ -x "$candidate" ]; then
        tool=$candidate
        break
    fi
done
if [ -z "$tool" ]; then
    where=$(printf ' or %s' "${candidates[@]}")
    echo "dvb-vm-check: skipped: the real-kernel test needs the dvb-vm tool, which is not at ${where# or } (SKARVEL_DVB_VM names it)" >&2
    exit 0
fi

# vidtv locks on these two frequencies only; the third lies between them, in its range.
served=474000
other=506000
unserved=490000
vm_dir=build/dvb-vm
build_dir=$vm_dir/test

ensure_packages "${SKARVEL_PACKAGES[@]}"

start=$SECONDS
as_root "$tool" prepare "$vm_dir"
prepared=$SECONDS

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVEL_BUILD_BENCH=OFF \
        -DSKARVEL_WERROR="${SKARVEL_WERROR:-OFF}" -DCMAKE_EXE_LINKER_FLAGS=-static >/dev/null
fi
cmake --build "$build_dir" --target frontend_kernel_check --parallel "$(nproc)"
built=$SECONDS

status=0
as_root "$tool" run "$vm_dir" -t 90 \
    -p "vidtv_valid_dvb_t_freqs=${served}000,${other}000" \
    -f "$build_dir/tests/driver/frontend_kernel_check" \
    -- env DVBTDLL_DEVICE=/dev/dvb/adapter0/frontend0 \
    frontend_kernel_check "$served" "$other" "$unserved" || status=$?

echo "dvb-vm-check: prepare $((prepared - start)) s, build $((built - prepared)) s, run $((SECONDS - built)) s" >&2
if [ "$status" -ne 0 ]; then
    echo "dvb-vm-check: the check on the kernel's virtual DVB-T frontend failed (exit status $status)" >&2
fi
exit "$status"
