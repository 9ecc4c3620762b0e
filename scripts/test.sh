#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
# Then builds a second tree with AddressSanitizer and UBSan (build-sanitize/,
# or TAVO_SANITIZE_BUILD_DIR) and runs the whole suite again there, so that a
# memory fault fails the run even where the normal build happens to survive it.
# TAVO_SKIP_SANITIZE=1 leaves the second half out (CI always runs both).
# Arguments go to both ctest runs (for example -R tst_monkey).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "${TAVO_BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)" "$@" || status=$?

if [ "${TAVO_SKIP_SANITIZE:-0}" != 0 ]; then
    exit "$status"
fi

sanitize="${TAVO_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
# The tree sets these for its build tools and suites too; here for anything else run from it.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:verify_asan_link_order=0:max_free_fill_size=4096
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "Sanitizer build in $sanitize"
cmake -S "$root" -B "$sanitize" -DCMAKE_BUILD_TYPE="${TAVO_BUILD_TYPE:-RelWithDebInfo}" \
    -DTAVO_SANITIZE=ON -DTAVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$sanitize" -j"$(nproc)"
ctest --test-dir "$sanitize" --output-on-failure -j"$(nproc)" "$@" || status=$?
exit "$status"
