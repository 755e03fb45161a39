// The bash completion script of the command-line tool. Its data (the commands, their
// operands and options, the values the options take, the radio type codes) comes from the
// tool's tables and the library; the functions below it are fixed text.

#include "tools/Completion.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "TarinTranslator/model/RadioType.h"

namespace tarin::tool {

namespace {

// What an operand is, for its completion, from its name in the command table: "xml" (a
// mission plan), "plan" (a plan or a platform file), "base" (the files' path without
// suffix), "path" (a setting's path), "assign" (PATH=VALUE) or "file" (any file). A
// trailing "..." (any number of them) is kept.
std::string operandKind(std::string_view name) {
    std::string_view dots;
    if (name.ends_with("...")) {
        dots = "...";
        name.remove_suffix(3);
    }
    std::string kind = "file";
    if (name == "XMLFILE")
        kind = "xml";
    else if (name == "FILE" || name == "A" || name == "B")
        kind = "plan";
    else if (name == "BASE")
        kind = "base";
    else if (name == "PATH")
        kind = "path";
    else if (name == "PATH=VALUE")
        kind = "assign";
    return kind + std::string(dots);
}

// The codes offered after --radio-type: the classic code that plans without one get, then
// every code of the hazard and VR-mobile groups.
std::string radioTypeCodes() {
    std::string codes = std::to_string(kClassicRadioType);
    for (uint32_t code = 0; code <= 0xFFFF; ++code)
        if (isExtendedCode(code)) codes += " " + std::to_string(code);
    return codes;
}

constexpr const char* kFunctions = R"SCRIPT(
# The paths of the settings of FILE (or, without one that reads, of the defaults of the
# radio kind that the read options name), one a line; predicates go without quotes where
# their value needs none, as the tool takes them.
_tarin_translator_setting_paths() {
    local tool=$1 file=$2 settings=
    shift 2
    {
        [[ -n $file && $file != - && -r $file ]] && settings=$("$tool" get "$file" "$@")
        [[ -n $settings ]] || settings=$("$tool" defaults "$@" | "$tool" get - "$@")
        printf '%s\n' "$settings"
    } 2>/dev/null | awk '{
        depth = 0
        for (i = 1; i <= length($0); i++) {
            c = substr($0, i, 1)
            if (c == "[") depth++
            else if (c == "]") depth--
            else if (c == "=" && depth == 0) { print substr($0, 1, i - 1); next }
        }
    }' | sed -E "s/\[@([^]=]+)='([A-Za-z0-9_.+-]*)'\]/[@\1=\2]/g" | sort -u
}

# The same, kept while the tool, the file (its time and size) and the options stay.
_tarin_translator_paths() {
    local key="$*|"
    [[ -n $2 ]] && key+=$(stat -L -c %Y.%s -- "$2" 2>/dev/null)
    if [[ $key != "${_tarin_translator_paths_key-}" ]]; then
        _tarin_translator_paths_cache=$(_tarin_translator_setting_paths "$@")
        _tarin_translator_paths_key=$key
    fi
    [[ -n $_tarin_translator_paths_cache ]] && printf '%s\n' "$_tarin_translator_paths_cache"
}

# Of the paths on standard input that begin with the text typed ($1), the next step of
# each (up to a '/' outside brackets, which it keeps), or the whole path followed by $2.
_tarin_translator_next_steps() {
    awk -v typed="$1" -v end="$2" '
    BEGIN {
        for (i = 1; i <= length(typed); i++) {
            c = substr(typed, i, 1)
            if (c == "[") open++
            else if (c == "]") open--
        }
    }
    index($0, typed) == 1 {
        depth = open
        for (i = length(typed) + 1; i <= length($0); i++) {
            c = substr($0, i, 1)
            if (c == "[") depth++
            else if (c == "]") depth--
            else if (c == "/" && depth == 0) { print substr($0, 1, i); next }
        }
        print $0 end
    }' | sort -u
}

# Files for an operand or value of the kind $1: xml (mission plans), plan (plans and
# platform files), base (the path of BASE.fl, BASE.ee, BASE.pd, BASE.xml without the
# suffix) or file; any file where none of the kind is there; folders too.
_tarin_translator_files() {
    local kind=$1 typed=$2 f
    local -a found=()
    case $kind in
        xml) mapfile -t found < <(compgen -f -X '!*.xml' -- "$typed") ;;
        plan) mapfile -t found < <(compgen -f -X '!*.xml' -- "$typed"
                                   compgen -f -X '!*.pd' -- "$typed") ;;
        base)
            while IFS= read -r f; do
                case $f in *.fl | *.ee | *.pd | *.xml) found+=("${f%.*}") ;; esac
            done < <(compgen -f -- "$typed")
            ;;
    esac
    ((${#found[@]})) || mapfile -t found < <(compgen -f -- "$typed")
    mapfile -t COMPREPLY < <({
        ((${#found[@]})) && printf '%s\n' "${found[@]}"
        compgen -d -- "$typed"
    } | sort -u)
    compopt -o filenames 2>/dev/null
}

_tarin_translator() {
    local cur words cword
    if declare -F _get_comp_words_by_ref >/dev/null; then
        _get_comp_words_by_ref -n =: cur words cword
    else
        # Without bash-completion: the words up to the cursor, split at blanks only.
        local line=${COMP_LINE:0:COMP_POINT}
        read -ra words <<<"$line"
        [[ -z $line || $line == *[[:space:]] ]] && words+=("")
        cword=$((${#words[@]} - 1))
        cur=${words[cword]}
    fi
    COMPREPLY=()

    local tool=${words[0]} command= kind= file= ended= operand=0 i w name value
    local -a read_as=()
    [[ $tool == \~/* ]] && tool=$HOME/${tool#\~/}
    for ((i = 1; i < cword; i++)); do
        w=${words[i]}
        if [[ -z $command ]]; then
            [[ $w == --completion || $w != -* ]] && command=$w
            continue
        fi
        if [[ -z $ended && $w == -- ]]; then
            ended=1
        elif [[ -z $ended && $w == -?* ]]; then
            name=${w%%=*}
            if [[ $w == *=* ]]; then
                value=${w#*=}
            elif [[ -n ${_tarin_translator_values[$name]-} ]]; then
                if ((i + 1 == cword)); then
                    kind=${_tarin_translator_values[$name]}
                    break
                fi
                value=${words[++i]}
            fi
            case $name in
                --radio-type) read_as+=(--radio-type "$value") ;;
                --mobile) read_as+=(--mobile) ;;
            esac
        else
            ((operand == 0)) && file=$w
            ((operand++))
        fi
    done

    # The text being completed; bash replaces only its part after the last '=' or ':'.
    local typed=$cur
    if [[ -n $kind ]]; then
        :
    elif [[ -z $command ]]; then
        kind=command
        [[ $cur == -* ]] && kind=general
    elif [[ $command == --completion ]]; then
        kind=shell
    elif [[ -z $ended && $cur == -?*=* && -n ${_tarin_translator_values[${cur%%=*}]-} ]]; then
        kind=${_tarin_translator_values[${cur%%=*}]}
        typed=${cur#*=}
    elif [[ -z $ended && $cur == -* ]]; then
        kind=option
    else
        local -a operands=(${_tarin_translator_operands[$command]-})
        if ((operand < ${#operands[@]})); then
            kind=${operands[operand]}
        elif ((${#operands[@]})) && [[ ${operands[-1]} == *... ]]; then
            kind=${operands[-1]}
        fi
        kind=${kind%...}
    fi

    case $kind in
        command) mapfile -t COMPREPLY < <(compgen -W "$_tarin_translator_commands" -- "$typed") ;;
        general) mapfile -t COMPREPLY < <(compgen -W "--help --version --completion" -- "$typed") ;;
        shell) mapfile -t COMPREPLY < <(compgen -W "bash" -- "$typed") ;;
        radio-type)
            mapfile -t COMPREPLY < <(compgen -W "$_tarin_translator_radio_types" -- "$typed")
            ;;
        option)
            local -a offered=(--help)
            for name in ${_tarin_translator_options[$command]-}; do
                # An option already given is offered again only where it repeats.
                if [[ " $_tarin_translator_repeatable " != *" $name "* ]]; then
                    for w in "${words[@]:1:cword-1}"; do
                        [[ $w == "$name" || $w == "$name"=* ]] && continue 2
                    done
                fi
                offered+=("$name")
            done
            mapfile -t COMPREPLY < <(compgen -W "${offered[*]}" -- "$typed")
            ;;
        xml | plan | base | file) _tarin_translator_files "$kind" "$typed" ;;
        path | assign)
            local end=
            if [[ $kind == assign ]]; then
                # PATH=VALUE: the value (after an '=' outside brackets) is not completed.
                w=${typed//\[*\]/}
                [[ ${w%%\[*} == *=* ]] && return 0
                end="="
            fi
            [[ $command == describe ]] && file=
            mapfile -t COMPREPLY < <(_tarin_translator_paths "$tool" "$file" "${read_as[@]}" |
                _tarin_translator_next_steps "$typed" "$end")
            # A step or an assignment goes on without a blank.
            for w in "${COMPREPLY[@]}"; do
                [[ $w == *[/=] ]] && compopt -o nospace 2>/dev/null && break
            done
            ;;
    esac
    local before=${typed%"${typed##*[=:]}"}
    [[ -n $before ]] && COMPREPLY=("${COMPREPLY[@]#"$before"}")
    return 0
}

complete -F _tarin_translator tarin-translator
)SCRIPT";

}  // namespace

std::string bashCompletion(std::span<const Command> commands,
                           const std::vector<CompletionOption>& options) {
    std::string names, operands, perCommand, values, repeatable;
    for (const Command& command : commands) {
        names += (names.empty() ? "" : " ") + std::string(command.name);
        std::string kinds;
        for (const char* operand : command.operands)
            kinds += (kinds.empty() ? "" : " ") + operandKind(operand);
        operands += "    [" + std::string(command.name) + "]=\"" + kinds + "\"\n";
        std::string applying;
        for (const CompletionOption& option : options)
            if (option.commands & command.id)
                applying += (applying.empty() ? "" : " ") + std::string(option.name);
        perCommand += "    [" + std::string(command.name) + "]=\"" + applying + "\"\n";
    }
    for (const CompletionOption& option : options) {
        if (option.value) values += "    [" + std::string(option.name) + "]=" + option.value + "\n";
        if (option.repeatable)
            repeatable += (repeatable.empty() ? "" : " ") + std::string(option.name);
    }
    return "# bash completion for tarin-translator, printed by 'tarin-translator --completion "
           "bash'\n# from the tool's own tables of commands and options.\n\n"
           "_tarin_translator_commands=\"" +
           names + "\"\n_tarin_translator_radio_types=\"" + radioTypeCodes() +
           "\"\n_tarin_translator_repeatable=\"" + repeatable +
           "\"\n# The kinds of each command's operands, in order (\"...\": any number).\n"
           "declare -gA _tarin_translator_operands=(\n" +
           operands +
           ")\n# The options of each command.\ndeclare -gA _tarin_translator_options=(\n" +
           perCommand +
           ")\n# What the options that take a value take.\n"
           "declare -gA _tarin_translator_values=(\n" +
           values + ")\n" + kFunctions;
}

}  // namespace tarin::tool
