#!/usr/bin/env bash
# Runs the tests that listen to a sound server or drive a real desktop (labels
# sound and desktop) in BUILD_DIR again beside two CPU-bound loops, as on a
# busy machine. Further arguments go to ctest, for example
# --repeat until-fail:20.
#
#     tools/test-under-load.sh BUILD_DIR [CTEST_ARGUMENT...]
set -euo pipefail
here=$(realpath "$(dirname "$0")")
cd "$1"
shift
loops=()
trap 'kill "${loops[@]}" 2>/dev/null || true' EXIT
for _ in 1 2; do
    bash -c 'while :; do :; done' &
    loops+=($!)
done
status=0
ctest --output-on-failure -j 2 -L 'sound|desktop' "$@" || status=$?
"$here/skipped-tests.sh" .
exit $status
