#!/usr/bin/env zsh
# Completes lanvane-cli command lines in an interactive zsh with the zsh completion, against
# a stand-in lanvane-cli whose `ports` prints a USB printer and a serial port.
#   zsh-completion-test.zsh COMPLETION_FILE
emulate -L zsh
setopt extended_glob
zmodload zsh/zpty
completion=$1
bin=$(mktemp -d)
trap 'rm -rf $bin' EXIT
cp $completion $bin/_lanvane-cli
cat >$bin/lanvane-cli <<'PORTS'
#!/bin/sh
printf 'USB devices:\n  Name    Path\n  USB001  /dev/usb/lp0\nSerial ports:\n  Name   Path\n  ttyS0  /dev/ttyS0\n'
PORTS
chmod +x $bin/lanvane-cli

zpty shell zsh -f -i
zpty -w shell "PATH=$bin:\$PATH fpath=($bin \$fpath); autoload -U compinit; compinit -u -D"

failures=0
# expect LINE TEXT: after LINE and a tab, the line reads TEXT (waits at most 5 s). The
# terminal's colour and cursor sequences are left out of what the shell wrote.
expect() {
  local seen='' more
  zpty -w -n shell "$1"$'\t'
  repeat 50; do
    while zpty -r -t shell more; do seen+=$more; done
    seen=${seen//$'\e'\[[0-9;?]#[a-zA-Z]}
    [[ $seen == *"$2"* ]] && break
    sleep 0.1
  done
  if [[ $seen != *"$2"* ]]; then
    print -r -- "completing \"$1\" did not give \"$2\""
    (( failures++ ))
  fi
  zpty -w -n shell $'\C-u'
}

expect 'lanvane-cli rea' 'lanvane-cli read'
expect 'lanvane-cli read --usb ' 'lanvane-cli read --usb USB001'
expect 'lanvane-cli bss --serial t' 'lanvane-cli bss --serial ttyS0'
expect 'lanvane-cli cert --kind client-p' 'lanvane-cli cert --kind client-pem'
expect 'lanvane-cli write --all' 'lanvane-cli write --all-usb'
zpty -d shell
(( failures == 0 ))
