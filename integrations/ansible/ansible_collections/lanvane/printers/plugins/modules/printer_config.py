#!/usr/bin/python
# Keeps the record of a printer on a USB device or serial line as wanted, through lanvane-cli.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: printer_config
short_description: Keep the network interface settings of a printer on a USB device or serial line
version_added: "1.0.0"
description:
  - Reads the printer's record with C(lanvane-cli write), lays the wanted settings over it and
    writes it only when a field differs; a printer that already holds them is left alone.
  - The record is checked by the rules of lanvane's configuration window first; a refused value
    fails the task with lanvane-cli's message and nothing is written.
  - In check mode the printer is read and nothing is written. In diff mode the fields that
    differ are shown before and after, secrets as C(********).
options:
  device:
    description:
      - The printer's device, a USB printer name that C(lanvane-cli ports) lists (C(USB001)) or
        a device path (C(/dev/usb/lp0)); with I(link=serial) a serial port (C(ttyS0), C(COM3)).
    type: str
    required: true
  link:
    description: How the printer is connected.
    type: str
    choices: [usb, serial]
    default: usb
  settings:
    description:
      - Record fields and their wanted values, named as C(lanvane-cli fields) lists them
        (C(ssid), C(dhcp), C(ipAddress), C(networkMode), ...). Fields not named keep the
        printer's values.
      - Secret fields are refused here; give them under I(secrets).
    type: dict
    default: {}
  secrets:
    description:
      - The secret fields (C(wepKey), C(pskKey), C(authPassword), C(userPassword),
        C(setCommunity), C(getCommunity), C(trapCommunity), C(p2pPinCode)), kept out of the logs.
    type: dict
    default: {}
  any_printer:
    description: Pass C(--any-printer) to lanvane-cli.
    type: bool
    default: false
  drop_unsupported:
    description: Pass C(--drop-unsupported) to lanvane-cli.
    type: bool
    default: false
notes:
  - Supports check mode and diff mode.
  - After a write the printer must be restarted for the new settings to take effect.
extends_documentation_fragment:
  - lanvane.printers.lanvane
"""

EXAMPLES = r"""
- name: Office Wi-Fi on the label printer
  lanvane.printers.printer_config:
    device: USB001
    settings:
      networkMode: infra
      ssid: Office
      authentication: wpa2-psk
      cryptograph: aes
      dhcp: true
    secrets:
      pskKey: "{{ office_wifi_key }}"

- name: Fixed address on a printer on the serial line
  lanvane.printers.printer_config:
    device: ttyS0
    link: serial
    settings:
      dhcp: false
      ipAddress: 192.168.1.50
      subnetMask: 255.255.255.0
"""

RETURN = r"""
outcome:
  description: C(set), C(unchanged) or, in check mode, C(would-send).
  returned: success
  type: str
  sample: set
differences:
  description: The fields that differ between the printer's record and the wanted one, secrets masked.
  returned: success
  type: list
  elements: dict
  sample: [{"field": "ssid", "before": "Lab", "after": "Office"}]
identification:
  description: The printer's identification data.
  returned: success
  type: dict
  sample: {"firmwareVersion": "VT-IF 2.31.07", "updateDate": "2023-11-14 09:30:00", "macAddress": "00:1b:7a:3c:5d:9e"}
device:
  description: The device path lanvane-cli opened.
  returned: success
  type: str
  sample: /dev/usb/lp0
config:
  description: The record as written (or as it stays), secrets masked.
  returned: success
  type: dict
"""

import json

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.lanvane.printers.plugins.module_utils.lanvane_cli import (
    CLI_ARGUMENTS, SECRET_FIELDS, diff_of, fail_with_error, run_cli)


def main():
    arguments = dict(
        device=dict(type="str", required=True),
        link=dict(type="str", choices=["usb", "serial"], default="usb"),
        settings=dict(type="dict", default={}),
        secrets=dict(type="dict", default={}, no_log=True),
        any_printer=dict(type="bool", default=False),
        drop_unsupported=dict(type="bool", default=False),
    )
    arguments.update(CLI_ARGUMENTS)
    module = AnsibleModule(argument_spec=arguments, supports_check_mode=True)
    params = module.params

    exposed = sorted(SECRET_FIELDS.intersection(params["settings"]))
    if exposed:
        module.fail_json(msg="%s: a secret field belongs under secrets, which stay out of the logs"
                         % ", ".join(exposed))
    unknown = sorted(set(params["secrets"]) - SECRET_FIELDS)
    if unknown:
        module.fail_json(msg="%s: not a secret field; give it under settings" % ", ".join(unknown))
    wanted = dict(params["settings"])
    wanted.update(params["secrets"])

    command = ["write", "--" + params["link"], params["device"], "--set", "-"]
    if module.check_mode:
        command.append("--dry-run")
    if params["any_printer"]:
        command.append("--any-printer")
    if params["drop_unsupported"]:
        command.append("--drop-unsupported")
    status, document, err = run_cli(module, command, data=json.dumps(wanted))
    if status != 0:
        fail_with_error(module, status, document, err)

    result = dict(
        changed=document["changed"],
        outcome=document["outcome"],
        differences=document["differences"],
        identification=document.get("identification"),
        device=document.get("device"),
        config=document.get("config"),
    )
    if module._diff:
        result["diff"] = diff_of(document["differences"])
    module.exit_json(**result)


if __name__ == "__main__":
    main()
