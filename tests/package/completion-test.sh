#!/usr/bin/env bash
# Completes lanvane-cli command lines with the bash completion, against a stand-in
# lanvane-cli whose `ports` prints a USB printer and two serial ports.
#   completion-test.sh COMPLETION_FILE
set -euo pipefail
completion=$1
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
cat >"$bin/lanvane-cli" <<'PORTS'
#!/bin/sh
cat <<'TEXT'
USB devices:
  Name    Path          Vendor  Product  Use
  USB001  /dev/usb/lp0  0fe6    002B     --usb USB001
  USB002  /dev/usb/lp1  04b8    0e28     not supported
Serial ports:
  Name     Path
  ttyS0    /dev/ttyS0
  ttyUSB0  /dev/ttyUSB0  (no permission)
TEXT
PORTS
chmod +x "$bin/lanvane-cli"
PATH="$bin:$PATH"

# The helpers of the bash-completion package, or the little the completion uses of them.
if [ -r /usr/share/bash-completion/bash_completion ]; then
  source /usr/share/bash-completion/bash_completion
else
  _init_completion() { cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}; words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; }
  _filedir() { :; }
fi
source "$completion"

failures=0
# expect "LINE" "WORDS": completing after LINE (its last word is the one being typed) offers WORDS.
expect() {
  read -r -a COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$1 COMP_POINT=${#1}
  COMPREPLY=()
  _lanvane_cli lanvane-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [ "$got" != "$2" ]; then
    echo "completing \"$1\": got \"$got\", expected \"$2\""
    failures=$((failures + 1))
  fi
}

expect "lanvane-cli " "bss cert diff discover fields ports read set-ip web write"
expect "lanvane-cli read --usb " "USB001 USB002"
expect "lanvane-cli --verbose read --serial tty" "ttyS0 ttyUSB0"
expect "lanvane-cli cert --kind c" "ca client-key client-pem"
expect "lanvane-cli set-ip --dhcp " "off on"
expect "lanvane-cli write --s" "--serial --set --show-secrets"
[ "$failures" -eq 0 ]
