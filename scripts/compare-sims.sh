# shellcheck shell=bash
# The one comparer of two builds of the shot simulator, sourced by
# scripts/web-sim-check and scripts/windows-check:
#   compare_sims RESULTS LINUX_SIM OTHER_NAME RUN_OTHER
# flies every shot of tests/shots.tsv with the Linux build (LINUX_SIM) and
# with the other, through the caller's command RUN_OTHER MAP ANGLE FORCE
# TRAIL, which prints the other build's report (Unix line ends) and writes
# its trail into TRAIL. Angle and force are passed as the game writes
# numbers, after a blank. RESULTS gets one row a shot; sim_summary the
# figures. Returns non-zero unless every shot has the same outcome and step
# count on both; how many also agree to the last bit (report and whole
# trail) is counted beside.

compare_sims() {
    local results="$1" linux="$2" other_name="$3" run_other="$4"
    local here maps work
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    maps="$here/tests/maps"
    work="$(mktemp -d)" || return
    local shots=0 agree=0 identical=0 map angle force lo wo lt wt bits
    printf 'map\tangle\tforce\tlinux\t%s\tbits\n' "$other_name" >"$results" || return
    # The table on its own descriptor: the simulators may read their input.
    while IFS=$'\t' read -r -u 3 map angle force; do
        [[ -z $map || $map == \#* ]] && continue
        rm -f "$work/trail-linux.txt" "$work/trail-other.txt"
        lo="$("$linux" "$maps/$map" --angle " $angle" --force " $force" \
            --trail "$work/trail-linux.txt")" || lo+=" (status $?)"
        wo="$("$run_other" "$maps/$map" " $angle" " $force" "$work/trail-other.txt")" ||
            wo+=" (status $?)"
        lt="$(echo "$lo" | grep -E '^(outcome|steps):' | tr '\n' ' ')"
        wt="$(echo "$wo" | grep -E '^(outcome|steps):' | tr '\n' ' ')"
        shots=$((shots + 1))
        bits=differ
        [ -n "$lt" ] && [ "$lt" = "$wt" ] && agree=$((agree + 1))
        if [ "$lo" = "$wo" ] && cmp -s "$work/trail-linux.txt" "$work/trail-other.txt"; then
            identical=$((identical + 1))
            bits=identical
        fi
        printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$map" "$angle" "$force" "$lt" "$wt" "$bits" >>"$results"
    done 3<"$here/tests/shots.tsv"
    rm -rf "$work"
    # shellcheck disable=SC2034  # read by the caller
    sim_summary="same outcome and step count on $agree of $shots shots; bit-identical (last point and whole trail) on $identical"
    [ "$shots" -gt 0 ] && [ "$agree" = "$shots" ]
}
