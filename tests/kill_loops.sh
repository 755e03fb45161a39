#!/usr/bin/env bash
# Usage: tests/kill_loops.sh BUILD_DIR [KILLS [READ_ONLY_RUNS]] (see README.md).
# Kills `parse` and `write` at random moments, on the unnamed (O_TMPFILE) and the named way
# of temporary files, and makes their directory read-only while they run. Each output must
# be its complete old or new version; a kill on the unnamed way leaves at most the one
# temporary being renamed; a failed run names every temporary it leaves; the next run,
# with leftovers aged past a minute, leaves none. Exits 1 when a check fails.
set -euo pipefail

if [[ $# -lt 1 ]]; then
    echo "usage: $0 BUILD_DIR [KILLS [READ_ONLY_RUNS]]" >&2
    exit 2
fi
tool=$(cd "$1" && pwd)/tarin-translator
kills=${2:-200}
readOnlyRuns=${3:-20}
[[ -x $tool ]] || { echo "$0: no tool at $tool" >&2; exit 2; }

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# "none" when no check failed since the count was $1.
none_since() { ((failures == $1)) && echo none || echo "FAILURES"; }

# As root the read-only runs take the user nobody, who must reach the tool and its library.
runner=()
if [[ $(id -u) == 0 ]]; then
    runner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if ! "${runner[@]}" "$tool" --version >/dev/null 2>&1; then
        mkdir "$work/bin"
        cp "$tool" "$(dirname "$tool")"/libTarinTranslator.so* "$work/bin/"
        chmod -R a+rX "$work/bin"
        tool=$work/bin/tarin-translator
        export LD_LIBRARY_PATH=$work/bin${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
    fi
fi

# A file's checksum; a written plan's date stamp (near its start) is left out, as it
# changes with each run.
checksum() {
    [[ -f $1 ]] || { echo missing; return; }
    case $1 in
        *.xml)
            head -c 4096 "$1" | sed -E "s/ date='[0-9:TZ-]*'/ date=''/"
            tail -c +4097 "$1"
            ;;
        *) cat "$1" ;;
    esac | cksum | tr ' ' /
}

now_us() { echo $(($(date +%s%N) / 1000)); }

# Waits for a random time below $1 microseconds: a read that times out on a FIFO that
# never has data, without starting a process whose start would add to the wait.
mkfifo "$work/never"
exec {never}<>"$work/never"
sleep_below() {
    local us=$(((RANDOM * 32768 + RANDOM) % $1)) seconds
    printf -v seconds '%d.%06d' $((us / 1000000)) $((us % 1000000))
    read -r -t "$seconds" -u $never _ || true
}

temporaries() { find "$1" -maxdepth 1 -name '.tarin-*' | sort; }

# The outputs of a command in directory $2, and the command line that writes version $3.
outputs() {
    case $1 in
        parse) echo "$2/o.fl $2/o.ee $2/o.pd" ;;
        write) echo "$2/w.xml" ;;
    esac
}
command_for() {  # COMMAND DIR VERSION SIZE
    case $1 in
        parse) echo "$tool parse $work/in$4/doc$3.xml $2/o" ;;
        write) echo "$tool write $2/w --name $3" ;;
    esac
}

# Inputs for each image size: two documents of different images for parse, and images
# for write (beside its output); and the checksums of both versions of every output.
declare -A sums
for size in 2 64; do
    in=$work/in$size
    mkdir -p "$in/ref"
    for v in A B; do
        head -c $((size << 20)) /dev/urandom >"$in/$v.fl"
        head -c 65536 /dev/urandom >"$in/$v.ee"
        "$tool" write "$in/$v" --name "$v"
        mv "$in/$v.xml" "$in/doc$v.xml"
    done
    cp "$in/A.fl" "$in/ref/w.fl"
    cp "$in/A.ee" "$in/ref/w.ee"
    for v in A B; do
        for c in parse write; do
            $(command_for $c "$in/ref" $v $size)
            for f in $(outputs $c "$in/ref"); do sums[$size/$v/${f##*/}]=$(checksum "$f"); done
        done
    done
    chmod -R a+rX "$in"
done

# Checks the outputs of command $1 in $2 (size $3): each must be version $4 or $5. Sets
# `mixed` when some are of one and some of the other.
check_outputs() {
    local c=$1 dir=$2 size=$3 old=$4 new=$5 f s seen=""
    mixed=0
    for f in $(outputs $c "$dir"); do
        s=$(checksum "$f")
        if [[ $s == "${sums[$size/$old/${f##*/}]}" ]]; then
            seen+=o
        elif [[ $s == "${sums[$size/$new/${f##*/}]}" ]]; then
            seen+=n
        else
            fail "$c $size MB: ${f##*/} is neither complete version $old nor $new"
        fi
    done
    [[ $seen == *o* && $seen == *n* ]] && mixed=1
    return 0
}

# Runs the command to its end (as `who`: "" or "nobody") and checks that it wrote version
# $4 and left no temporary file, stale ones of earlier runs included. Sets `took` to the
# run's time in microseconds.
complete_run() {  # COMMAND DIR SIZE VERSION ENV WHO
    local c=$1 dir=$2 size=$3 v=$4 env=$5 who=$6 prefix=() start
    [[ $who == nobody ]] && prefix=("${runner[@]}")
    start=$(now_us)
    if ! "${prefix[@]}" env $env $(command_for $c "$dir" $v $size) >/dev/null 2>"$work/err"; then
        fail "$c $size MB: a run to the end failed: $(cat "$work/err")"
    fi
    took=$(($(now_us) - start))
    check_outputs $c "$dir" $size $v $v
    local left
    left=$(temporaries "$dir")
    [[ -z $left ]] || fail "$c $size MB: temporary files remain: $left"
}

# Ages leftover temporary files past the minute after which the next run removes them.
age_temporaries() {
    local t
    for t in $(temporaries "$1"); do touch -d '2 minutes ago' "$t"; done
}

kill_loop() {  # COMMAND SIZE
    local c=$1 size=$2 dir=$work/out-$1-$2 paths=("" TARIN_NAMED_TEMPORARIES=1) times=()
    local before=$failures
    SECONDS=0
    mkdir -p "$dir"
    [[ $c == write ]] && cp "$work/in$size/A.fl" "$dir/w.fl" && cp "$work/in$size/A.ee" "$dir/w.ee"
    # Version A to start from, then B and A again, timed on each path.
    complete_run $c "$dir" $size A "" ""
    complete_run $c "$dir" $size B "" ""
    times[0]=$took
    complete_run $c "$dir" $size A "${paths[1]}" ""
    times[1]=$took
    local done=0 i=0 cur=A next status left=(0 0) mixes=0 killed=(0 0) finished=0
    while ((done < kills)); do
        local p=$((i++ % 2))
        next=$([[ $cur == A ]] && echo B || echo A)
        env ${paths[p]} $(command_for $c "$dir" $next $size) >/dev/null 2>&1 &
        local pid=$!
        sleep_below "${times[p]}"
        kill -KILL $pid 2>/dev/null || true
        status=0
        { wait $pid; } 2>/dev/null || status=$?
        if ((status != 137)); then
            ((++finished))
            check_outputs $c "$dir" $size $next $next
            cur=$next
            continue
        fi
        ((++done, ++killed[p]))
        check_outputs $c "$dir" $size $cur $next
        mixes=$((mixes + mixed))
        local temporary=($(temporaries "$dir"))
        ((${#temporary[@]} == 0)) || ((++left[p]))
        ((p == 1 || ${#temporary[@]} <= 1)) || fail "$c $size MB: a kill left ${temporary[*]}"
        age_temporaries "$dir"
        complete_run $c "$dir" $size $next "${paths[p]}" ""
        cur=$next
    done
    echo "$c, $size MB images: $kills kills ($finished runs ended before their kill);" \
        "a temporary file left by ${left[0]} of ${killed[0]} (unnamed), ${left[1]} of" \
        "${killed[1]} (named), $(none_since $before) after the next run; $mixes left old and" \
        "new files side by side ($SECONDS s)"
}

read_only_loop() {  # COMMAND ENV
    local c=$1 env=$2 size=64 dir=$work/ro-$1${2:+-named}
    local who=nobody owner=65534 before=$failures
    SECONDS=0
    [[ ${#runner[@]} == 0 ]] && who="" owner=$(id -u)
    mkdir -p "$dir"
    [[ $c == write ]] && cp "$work/in$size/A.fl" "$dir/w.fl" && cp "$work/in$size/A.ee" "$dir/w.ee"
    chown -R "$owner" "$dir"
    complete_run $c "$dir" $size B "$env" "$who"
    complete_run $c "$dir" $size A "$env" "$who"
    local t=$took prefix=() runs=0 attempts=0 cur=A next status left=0 named=0 finished=0
    [[ $who == nobody ]] && prefix=("${runner[@]}")
    while ((runs < readOnlyRuns && attempts++ < 20 * readOnlyRuns)); do
        next=$([[ $cur == A ]] && echo B || echo A)
        "${prefix[@]}" env $env $(command_for $c "$dir" $next $size) >/dev/null 2>"$work/err" &
        local pid=$!
        sleep_below "$t"
        chmod a-w "$dir"
        status=0
        wait $pid || status=$?
        chmod u+w "$dir"
        if ((status == 0)); then
            ((++finished))
            check_outputs $c "$dir" $size $next $next
            cur=$next
            continue
        fi
        ((++runs))
        check_outputs $c "$dir" $size $cur $next
        local leftovers
        leftovers=$(temporaries "$dir")
        if [[ -n $leftovers ]]; then
            ((++left))
            local f all=1
            for f in $leftovers; do grep -qF "${f##*/}" "$work/err" || all=0; done
            ((all)) && ((++named))
            ((all)) || fail "$c: the message does not name every temporary left: $(cat "$work/err")"
        fi
        age_temporaries "$dir"
        complete_run $c "$dir" $size $next "$env" "$who"
        cur=$next
    done
    ((runs == readOnlyRuns)) || fail "$c: only $runs runs failed in a read-only directory"
    echo "$c, $([[ -n $env ]] && echo named || echo unnamed) temporaries: $runs runs in a" \
        "directory made read-only" \
        "($finished ended before): $left left a temporary file (named by the message in" \
        "$named), $(none_since $before) after the next run ($SECONDS s)"
}

for c in parse write; do
    for size in 2 64; do kill_loop $c $size; done
done
for c in parse write; do
    for env in "" TARIN_NAMED_TEMPORARIES=1; do read_only_loop $c "$env"; done
done

if ((failures)); then
    echo "$failures checks failed" >&2
    exit 1
fi
