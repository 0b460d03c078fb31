#!/usr/bin/env bash
# Runs a make target again as an ordinary account, in a clone of this checkout
# that the account owns, so that nothing passes only because root may do
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
rm -rf "$clone"
git clone --quiet --no-hardlinks "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)" "$clone"
chown -R "$account:" "$clone"
# The account's own environment, as at a login: nothing of root's (its home,
# its runtime folder, its session bus) leaks into the run.
echo "make $target as $account in $clone"
runuser -u "$account" -- env -i HOME="$home" USER="$account" LOGNAME="$account" \
    PATH=/usr/local/bin:/usr/bin:/bin LANG="${LANG:-C.UTF-8}" CI="${CI:-}" \
    make -C "$clone" "$target"
