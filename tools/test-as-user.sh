#!/usr/bin/env bash
# Runs a make target again as an ordinary account, in a clone of this checkout's
# commit that the account owns, so that nothing passes only because root may do
# anything. Run as root, it creates the account when it is missing; run by
# anyone else, it does nothing: that run already was an ordinary account's.
#
#     tools/test-as-user.sh [TARGET]        default: test
#
# HORALO_TEST_ACCOUNT names the account (default horalo-ci).
set -euo pipefail
target=${1:-test}
account=${HORALO_TEST_ACCOUNT:-horalo-ci}
if [ "$(id -u)" -ne 0 ]; then
    echo "already an ordinary account ($(id -un)): nothing more to run"
    exit 0
fi
id "$account" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$account"
home=$(getent passwd "$account" | cut -d: -f6)
clone="$home/horalo"
top=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
# A clone of this very commit is kept with what it built, so that one make
# target can build and a later one test.
if [ "$(runuser -u "$account" -- git -C "$clone" rev-parse HEAD 2>/dev/null)" != "$(git -C "$top" rev-parse HEAD)" ]; then
    rm -rf "$clone"
    git clone --quiet --no-hardlinks "$top" "$clone"
    chown -R "$account:" "$clone"
fi
# The account's own environment, as at a login: nothing of root's (its home,
# its runtime folder, its session bus) leaks into the run.
echo "make $target as $account in $clone"
runuser -u "$account" -- env -i HOME="$home" USER="$account" LOGNAME="$account" \
    PATH=/usr/local/bin:/usr/bin:/bin LANG="${LANG:-C.UTF-8}" CI="${CI:-}" \
    make -C "$clone" "$target"
