# bash completion for tarvi-calc: the options, the kinds and the command
# words, matched in any case as tarvi-calc reads them ("vr" completes to VR),
# and the options of sheet with their values.
_tarvi_calc()
{
    local current=${COMP_WORDS[COMP_CWORD]} kinds="V VR P PR C CR" candidates="" word first=1
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    # The options come first; the word after them completes as a first word.
    while [ "$first" -lt "$COMP_CWORD" ]; do
        case ${COMP_WORDS[first]} in
        --exact | -e) first=$((first + 1)) ;;
        *) break ;;
        esac
    done
    if [ "$COMP_CWORD" -eq "$first" ]; then
        candidates="$kinds list explain newton random - --exact"
        [ "$first" -eq 1 ] && candidates+=" sheet --help --version"
    elif [ "$first" -eq 1 ] && [ "${COMP_WORDS[1],,}" = sheet ]; then
        case $previous in
        --kinds) candidates=$kinds ;;
        --level) candidates="1 2 3" ;;
        --lang) candidates="es ca en" ;;
        --format) candidates="pdf moodle gift text" ;;
        -o)
            mapfile -t COMPREPLY < <(compgen -f -- "$current")
            return ;;
        --count | --title | --seed) ;;
        *) candidates="--kinds --count --level --lang --title --seed --format -o" ;;
        esac
    elif [ "$COMP_CWORD" -eq $((first + 1)) ]; then
        case ${COMP_WORDS[first],,} in
        list | explain) candidates=$kinds ;;
        random) candidates="$kinds Todos" ;;
        esac
    fi
    COMPREPLY=()
    for word in $candidates; do
        [[ ${word,,} == "${current,,}"* ]] && COMPREPLY+=("$word")
    done
}
complete -F _tarvi_calc tarvi-calc
