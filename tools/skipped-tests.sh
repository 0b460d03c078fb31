#!/usr/bin/env bash
# Lists the tests of the last CTest run in BUILD_DIR that were skipped, each
# with the reason it gave: a googletest case the line after its "Skipped", a
# script its line "SKIP: reason".
#
#     tools/skipped-tests.sh BUILD_DIR
log="${1:-.}/Testing/Temporary/LastTest.log"
[ -f "$log" ] || exit 0
awk '
    /^[0-9]+\/[0-9]+ Test: / { name = $3; next }
    reasonNext { reasonNext = 0; if (!(name in reason)) { order[n++] = name; reason[name] = $0 } }
    /: Skipped$/ { reasonNext = 1 }
    /^SKIP: / && !(name in reason) { order[n++] = name; reason[name] = substr($0, 7) }
    END {
        if (n == 0) exit
        printf "\nSkipped, with their reasons:\n"
        for (i = 0; i < n; i++) printf "  %s: %s\n", order[i], reason[order[i]]
    }' "$log"
