#!/usr/bin/env bash
# Builds the project (scripts/build.sh, into build/ or TAVO_BUILD_DIR) and runs
# every measurement offscreen, one process per group, printing one line per
# figure. Measurement only: nothing here fails on a missed goal.
#
#   bench/run.sh [--quick] [--limit SECONDS] [--no-build]
#     --quick      5 starts instead of 15, no 5,000-group adds and actions at 1,000 groups
#                  instead of 5,000 (about a minute)
#     --limit S    give up on a single measurement after S seconds (default 600)
#     --no-build   use what is built already
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

quick=0
limit=600
build=1
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) quick=1 ;;
        --limit) limit="$2"; shift ;;
        --no-build) build=0 ;;
        *) echo "usage: $0 [--quick] [--limit SECONDS] [--no-build]" >&2; exit 2 ;;
    esac
    shift
done

if [ "$build" -eq 1 ]; then
    echo "Building..." >&2
    "$root/scripts/build.sh" >/dev/null
fi
build_dir="${TAVO_BUILD_DIR:-$root/build}"
bench="$build_dir/bin/tavo_bench"
# The program's own messages would bury the figures.
log="$build_dir/bench-messages.log"
: >"$log"
runs=15
[ "$quick" -eq 1 ] && runs=5
# Every temporary copy lands here and goes at the end, also one left by a measurement over the limit.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"

measure() {
    # Status 3 is a measurement over the limit, already reported; the others still run.
    "$bench" "$@" --limit "$limit" 2>>"$log" || {
        status=$?
        [ "$status" -eq 3 ] || echo "tavo_bench $* ended with status $status (messages: $log)"
    }
}

echo "TAVO benchmark, offscreen, $(nproc) cores, $(date +%F)"
measure start --runs "$runs"
measure files
measure groups 1000
if [ "$quick" -eq 1 ]; then
    echo "5,000 groups: skipped (--quick)"
    measure actions 1000
else
    measure groups 5000
    measure actions 5000
fi
