#!/usr/bin/env bash
# Loads the bash completion that the tool prints into bash, once as bash-completion loads
# it (when bash-completion is installed) and once on its own, and completes command lines
# by calling its function with COMP_WORDS and COMP_CWORD set as bash sets them.
# Usage: tests/completion/completion_test.sh TOOL
set -uo pipefail
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" --completion bash >"$work/tarin-translator" || exit 1

# The files that file completions find, in the folder the checks run in.
mkdir -p "$work/files/sub"
cd "$work/files" || exit 1
: >plan.xml
: >notes.txt
: >images.fl
: >images.ee
"$tool" defaults --mobile >mobile.pd

checks() {
    local failures=0
    # Completes LINE (the cursor at its end) and compares the candidates, sorted, with the
    # expected ones. COMP_WORDS splits at blanks and at '=' and ':', as bash splits.
    expect() {
        local line=$1 expected=$2 w got
        COMP_LINE="$tool${line}" COMP_POINT=${#COMP_LINE}
        COMP_WORDS=("$tool")
        read -ra parts <<<"$line"
        for w in "${parts[@]}"; do
            while [[ $w =~ ^([^=:]*)([=:]+)(.*)$ ]]; do
                [[ -n ${BASH_REMATCH[1]} ]] && COMP_WORDS+=("${BASH_REMATCH[1]}")
                COMP_WORDS+=("${BASH_REMATCH[2]}")
                w=${BASH_REMATCH[3]}
            done
            [[ -n $w ]] && COMP_WORDS+=("$w")
        done
        [[ $line == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMPREPLY=()
        _tarin_translator "$tool" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
        got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
        got=${got% }
        if [[ $got != "$expected" ]]; then
            echo "FAIL ($mode): '$line'"
            echo "  expected: $expected"
            echo "  got:      $got"
            failures=$((failures + 1))
        fi
    }

    local registered
    registered=$(complete -p tarin-translator)
    [[ $registered == "complete -F _tarin_translator tarin-translator" ]] ||
        { echo "FAIL ($mode): complete -p says: $registered"; failures=$((failures + 1)); }

    # Commands: those of the help, nothing else.
    local commands
    commands=$("$tool" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p' | grep -v '^$' |
        sort | tr '\n' ' ')
    expect " " "${commands% }"
    expect " de" "defaults describe"
    expect " --v" "--version"
    # The options of each command, those already given left out; their values.
    expect " parse plan.xml out --" "--help --mobile --radio-type --temp-dir"
    expect " info --" "--help --json"
    expect " check --json --" "--help --mobile --radio-type"
    expect " set plan.xml --remove x --re" "--remove"
    expect " defaults --radio-type " "0 146 151 153 199 265 272 273"
    expect " defaults --radio-type=1" "146 151 153 199"
    expect " --completion " "bash"
    # Files where files go: plans, platform files, the BASE of images, any file.
    expect " parse " "plan.xml sub"
    expect " parse plan.xml " "images mobile plan sub"
    expect " get " "mobile.pd plan.xml sub"
    expect " set plan.xml a=1 -o " "images.ee images.fl mobile.pd notes.txt plan.xml sub"
    expect " write images --platform=mob" "mobile.pd"
    # Setting paths, a step at a time, from the defaults of the radio kind or from the file
    # on the line; predicates without quotes, completed after the '=' that bash splits at.
    expect " describe TimeDateCfg/@z" "TimeDateCfg/@zone"
    expect " describe audioConfig/microphone[@micType=EX" "EXTERNAL]/"
    expect " describe --mobile audioConfig/@mas" "audioConfig/@masterVolumeControl"
    expect " describe audioConfig/@mas" ""
    expect " get mobile.pd miscConfig/@butt" "miscConfig/@buttonBacklight"
    expect " set mobile.pd miscConfig/@butt" "miscConfig/@buttonBacklight="
    expect " set mobile.pd miscConfig/@buttonBacklight=" ""
    expect " set plan.xml --remove=audioConfig/microphone[@micType=EX" "EXTERNAL]/"
    return "$failures"
}

status=0
for mode in own bash-completion; do
    if [[ $mode == bash-completion ]]; then
        bc=/usr/share/bash-completion/bash_completion
        [[ -r $bc ]] || { echo "bash-completion is not installed: checked on its own only"; break; }
    else
        bc=
    fi
    bash --norc --noprofile -c "mode=$mode; [[ -n '$bc' ]] && source '$bc'
        source '$work/tarin-translator'; tool='$tool'; $(declare -f checks); checks" ||
        status=1
done
[[ $status == 0 ]] && echo "completion: all checks passed"
exit "$status"
