# bash completion for lanvane-cli: commands, their options, the choices of each option,
# and the device names that `lanvane-cli ports` lists.

# The first word of each table row in one section ("USB devices:" or "Serial ports:") of
# the plain `ports` output; headers, "none" and anything unexpected are left out.
_lanvane_cli_ports() {
    local section=$1
    lanvane-cli ports 2>/dev/null | awk -v section="$section" '
        /^[^ \t]/ { inside = ($0 ~ "^" section); next }
        inside && NF > 0 && $1 != "Name" && $1 != "none" && $1 ~ /^[A-Za-z0-9_.\/-]+$/ { print $1 }'
}

_lanvane_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="ports read write bss cert fields diff discover set-ip web"
    local common="--help --json --show-secrets --verbose --quiet --timeout"
    local command="" word
    for word in "${words[@]:1:cword-1}"; do
        if [[ " $commands " == *" $word "* ]]; then
            command=$word
            break
        fi
    done

    case $prev in
        --usb)
            COMPREPLY=($(compgen -W "$(_lanvane_cli_ports USB)" -- "$cur"))
            if [[ $cur == */* ]]; then _filedir; fi
            return ;;
        --serial)
            COMPREPLY=($(compgen -W "$(_lanvane_cli_ports Serial)" -- "$cur"))
            if [[ $cur == */* ]]; then _filedir; fi
            return ;;
        --mode) COMPREPLY=($(compgen -W "ethernet wlan" -- "$cur")); return ;;
        --kind) COMPREPLY=($(compgen -W "ca client-key client-pem" -- "$cur")); return ;;
        --dhcp) COMPREPLY=($(compgen -W "on off" -- "$cur")); return ;;
        --baud)
            COMPREPLY=($(compgen -W "1200 2400 4800 9600 19200 38400 57600 115200 230400" -- "$cur"))
            return ;;
        --set | --file | --plan) _filedir; return ;;
        --interface)
            COMPREPLY=($(compgen -W "$(ls /sys/class/net 2>/dev/null)" -- "$cur"))
            return ;;
        --broadcast | --ip | --mask | --gateway | --mac | --port | --inactivity | --timeout)
            return ;;
    esac

    local options
    case $command in
        "") if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--help --version --verbose --quiet" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "$commands" -- "$cur"))
            fi
            return ;;
        ports | fields) options="$common" ;;
        read) options="$common --usb --serial" ;;
        write) options="$common --usb --serial --all-usb --set --dry-run --any-printer --drop-unsupported" ;;
        diff) _filedir; return ;;
        bss) options="$common --usb --serial --ip" ;;
        cert) options="$common --usb --serial --kind --file" ;;
        discover) options="$common --mode --broadcast --interface" ;;
        set-ip) options="$common --mode --broadcast --interface --mac --ip --mask --gateway --dhcp --port --inactivity --baud --plan --dry-run" ;;
        web) options="$common --mode --broadcast --interface --mac --open" ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _lanvane_cli lanvane-cli
