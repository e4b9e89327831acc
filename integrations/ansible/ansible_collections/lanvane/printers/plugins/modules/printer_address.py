#!/usr/bin/python
# Keeps the address settings of a LAN printer as wanted, through lanvane-cli set-ip.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: printer_address
short_description: Keep the address settings of a printer on the LAN
version_added: "1.0.0"
description:
  - Searches the LAN with C(lanvane-cli set-ip) and sends the printer with I(mac) its new
    settings, then waits for its confirmation. A printer whose search reply already shows the
    wanted settings is sent nothing.
  - Settings the setting rules refuse, and a fixed address another printer found already holds,
    fail the task with lanvane-cli's message; nothing is sent then.
  - In check mode nothing is sent; the task reports what would change.
options:
  mode:
    description: The printer's interface.
    type: str
    choices: [ethernet, wlan]
    required: true
  mac:
    description: The printer's MAC address, C(00:1b:7e:3c:4d:5e).
    type: str
    required: true
  ip:
    description: The IP address.
    type: str
  mask:
    description: The subnet mask.
    type: str
  gateway:
    description: The default gateway.
    type: str
  dhcp:
    description: Whether the printer takes its address from DHCP.
    type: bool
  port:
    description: The printing port, 0 to 32767 (not 21, 23, 25, 80, 443 or 3318).
    type: int
  inactivity:
    description: The inactivity time in seconds, 0 to 3600.
    type: int
  baud:
    description: The printer's serial rate, 1200 to 230400.
    type: int
notes:
  - Supports check mode and diff mode.
  - Options left out keep the printer's values.
extends_documentation_fragment:
  - lanvane.printers.lanvane
  - lanvane.printers.lanvane.search
"""

EXAMPLES = r"""
- name: Fixed address for the printer at the front desk
  lanvane.printers.printer_address:
    mode: ethernet
    mac: "00:1b:7e:3c:4d:5e"
    ip: 192.168.1.50
    mask: 255.255.255.0
    gateway: 192.168.1.1
    dhcp: false
    interface: eth0
"""

RETURN = r"""
outcome:
  description: C(set), C(unchanged) or, in check mode, C(would-send).
  returned: success
  type: str
  sample: unchanged
differences:
  description: The fields of the search reply that change.
  returned: success
  type: list
  elements: dict
  sample: [{"field": "ipAddress", "before": "192.168.1.20", "after": "192.168.1.50"}]
device:
  description: The printer's record as sent (or as it stays).
  returned: success
  type: dict
"""

from ansible_collections.lanvane.printers.plugins.module_utils.lanvane_cli import (
    diff_of, fail_with_error, lan_module, run_cli)

# Module options that become "--NAME VALUE" of set-ip as they are.
VALUE_OPTIONS = ("ip", "mask", "gateway", "port", "inactivity", "baud", "broadcast", "interface")


def main():
    arguments = dict(
        mode=dict(type="str", choices=["ethernet", "wlan"], required=True),
        mac=dict(type="str", required=True),
        ip=dict(type="str"),
        mask=dict(type="str"),
        gateway=dict(type="str"),
        dhcp=dict(type="bool"),
        port=dict(type="int"),
        inactivity=dict(type="int"),
        baud=dict(type="int"),
    )
    module = lan_module(arguments)
    params = module.params

    command = ["set-ip", "--mode", params["mode"], "--mac", params["mac"]]
    for name in VALUE_OPTIONS:
        if params[name] is not None:
            command += ["--" + name, str(params[name])]
    if params["dhcp"] is not None:
        command += ["--dhcp", "on" if params["dhcp"] else "off"]
    if module.check_mode:
        command.append("--dry-run")
    status, document, err = run_cli(module, command)
    if status != 0:
        fail_with_error(module, status, document, err, outcome=document.get("outcome"))

    result = dict(
        changed=document["changed"],
        outcome=document["outcome"],
        differences=document["differences"],
        device=document["device"],
    )
    if module._diff:
        result["diff"] = diff_of(document["differences"])
    module.exit_json(**result)


if __name__ == "__main__":
    main()
