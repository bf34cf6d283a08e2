#!/bin/sh
# The text help2man makes the olvaren(1) man page from: `olvaren --help`
# followed by the --help of every command it lists (or `olvaren --version`).
# The front end to run is $OLVAREN_PROGRAM. The settings file is shown by
# its place, not by the builder's home folder.
# Usage: OLVAREN_PROGRAM=PATH olvaren-help.sh --help|--version
olvaren=${OLVAREN_PROGRAM:?OLVAREN_PROGRAM names the olvaren program}
XDG_CONFIG_HOME='$XDG_CONFIG_HOME'
export XDG_CONFIG_HOME
unset OLVAREN_ENCODING
case $1 in
  --version) exec "$olvaren" --version ;;
esac
help=$("$olvaren" --help) || exit 1
printf '%s\n' "$help"
printf '%s\n' "$help" | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } /^$/ { on = 0 }' |
  while read -r command; do
    echo
    echo "olvaren $command:"
    "$olvaren" "$command" --help || exit 1
  done
