# bash completion for olvaren: the commands and options are read from the
# program's own --help, so that they are always the installed program's.
_olvaren_options() {
  "$@" --help 2>/dev/null | grep -E '^  +-' | grep -oE '(^|[ ,])--?[A-Za-z][-A-Za-z]*' | tr -d ' ,'
}

_olvaren() {
  local prog=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} cmd= i
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      -*) ;;
      *) cmd=${COMP_WORDS[i]}; break ;;
    esac
  done
  case $prev in
    --color) COMPREPLY=($(compgen -W 'auto always never' -- "$cur")); return ;;
    --encoding) COMPREPLY=($(compgen -W 'cp1251 cp1252 latin1 UTF-8' -- "$cur")); return ;;
    -I|--include-dir) COMPREPLY=($(compgen -d -- "$cur")); return ;;
    -g|--glob|--marked) return ;;
  esac
  if [[ -z $cmd ]]; then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "$(_olvaren_options "$prog")" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "$("$prog" --help 2>/dev/null |
        awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } /^$/ { on = 0 }')" -- "$cur"))
    fi
  elif [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$(_olvaren_options "$prog" "$cmd") $(_olvaren_options "$prog")" -- "$cur"))
  else
    COMPREPLY=($(compgen -f -- "$cur"))
  fi
}
complete -o filenames -o bashdefault -F _olvaren olvaren
