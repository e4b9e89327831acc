#!/usr/bin/python
# The printers a LAN search finds, as facts, through lanvane-cli discover.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: printer_facts
short_description: Find the printers on the LAN
version_added: "1.0.0"
description:
  - Searches the LAN with C(lanvane-cli discover) and sets the fact C(lanvane_printers), the
    list of printers that answered, in IP address order. No printer answering is an empty list.
options:
  mode:
    description: The printers' interface.
    type: str
    choices: [ethernet, wlan]
    default: ethernet
notes:
  - Supports check mode; it changes nothing.
extends_documentation_fragment:
  - lanvane.printers.lanvane
  - lanvane.printers.lanvane.search
"""

EXAMPLES = r"""
- name: Find the Ethernet printers
  lanvane.printers.printer_facts:
    mode: ethernet
    interface: eth0

- name: Every printer still on DHCP
  ansible.builtin.debug:
    msg: "{{ item.macAddress }} at {{ item.ipAddress }}"
  loop: "{{ lanvane_printers | selectattr('dhcp') }}"
"""

RETURN = r"""
ansible_facts:
  description: The facts set.
  returned: always
  type: dict
  contains:
    lanvane_printers:
      description: One record per printer, named as in C(lanvane-cli discover --json).
      type: list
      elements: dict
      sample: [{"macAddress": "00:1a:2b:e0:00:01", "ipAddress": "192.168.1.50", "subnetMask": "255.255.255.0",
                "gateway": "192.168.1.1", "printerPort": 9100, "firmwareVersion": "2.1", "dhcp": false,
                "inactivityTime": 0, "baudRate": 115200, "https": false}]
"""

from ansible_collections.lanvane.printers.plugins.module_utils.lanvane_cli import (
    fail_with_error, lan_module, run_cli)


def main():
    module = lan_module(dict(mode=dict(type="str", choices=["ethernet", "wlan"], default="ethernet")))
    params = module.params
    command = ["discover", "--mode", params["mode"]]
    for name in ("broadcast", "interface"):
        if params[name]:
            command += ["--" + name, params[name]]
    status, document, err = run_cli(module, command)
    nothing_found = (document.get("error") or {}).get("kind") == "nothing-found"
    if status != 0 and not nothing_found:
        fail_with_error(module, status, document, err)
    module.exit_json(changed=False, ansible_facts=dict(lanvane_printers=document.get("devices", [])))


if __name__ == "__main__":
    main()
