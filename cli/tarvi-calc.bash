# bash completion for tarvi-calc: the kinds and the command words, matched in
# any case as tarvi-calc reads them ("vr" completes to VR).
_tarvi_calc()
{
    local current=${COMP_WORDS[COMP_CWORD]} kinds="V VR P PR C CR" candidates="" word
    if [ "$COMP_CWORD" -eq 1 ]; then
        candidates="$kinds list explain newton random - --help --version"
    elif [ "$COMP_CWORD" -eq 2 ]; then
        case ${COMP_WORDS[1],,} in
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
