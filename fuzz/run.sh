#!/usr/bin/env bash
# Runs each fuzz target of BUILD (configured with -DTARIN_FUZZ=ON and built) for SECONDS
# over its seed corpus, then replays the committed bad documents through the targets: each
# input must end in a clean result. A crash, a leak, undefined behaviour, a timeout or two
# read paths that disagree fail the run; the input that did it is kept in
# BUILD/fuzz/artifacts and printed as Base64.
#
# Usage: fuzz/run.sh BUILD [SECONDS]   (SECONDS defaults to 20 per target)
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?usage: fuzz/run.sh BUILD [SECONDS]}"
seconds="${2:-20}"
bin="$build/fuzz"
artifacts="$bin/artifacts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

passed=0
failed=0

# run NAME TARGET ARGS...: runs a target, keeps its output in a log, and prints a summary.
run() {
    local name="$1" target="$2"
    shift 2
    local log="$bin/$name.log"
    local start=$SECONDS
    if "$bin/$target" -artifact_prefix="$artifacts/$name-" -rss_limit_mb=4096 -timeout=20 "$@" \
        >"$log" 2>&1; then
        passed=$((passed + 1))
        local runs
        runs="$(grep -Eo '^Done [0-9]+ runs' "$log" | grep -Eo '[0-9]+' || grep -c '^Executed ' "$log")"
        echo "$name: passed, $runs inputs in $((SECONDS - start)) s"
    else
        failed=$((failed + 1))
        echo "$name: FAILED; the end of $log:"
        tail -n 60 "$log"
        for input in "$artifacts/$name"-*; do
            [ -f "$input" ] || continue
            echo "input $input, $(stat -c %s "$input") bytes, as Base64:"
            head -c 65536 "$input" | base64 -w 0
            echo
        done
    fi
}

for target in handheld mobile platform base64; do
    dict=()
    [ "$target" = base64 ] || dict=(-dict="$here/mission_plan.dict")
    mkdir -p "$work/$target"
    # New inputs go to the first directory; the seeds stay as they are.
    run "fuzz-$target" "fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -max_len=65536 \
        -print_final_stats=1 "$work/$target" "$bin/seeds/$target"
done
mkdir -p "$work/csv"
run fuzz-csv fuzz_csv -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$work/csv"

# Files given by name are each run once.
documents=("$here"/regressions/*.xml "$here"/regressions/*.pd)
for target in handheld mobile platform; do
    run "replay-$target" "fuzz_$target" "${documents[@]}"
done
run replay-base64 fuzz_base64 "$here"/regressions/base64/*

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
