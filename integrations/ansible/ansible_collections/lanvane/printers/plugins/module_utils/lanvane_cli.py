# Runs lanvane-cli for the modules of lanvane.printers and reads its JSON document.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json

from ansible.module_utils.basic import AnsibleModule

# The record fields lanvane-cli masks; the modules take them only under a no_log option.
SECRET_FIELDS = frozenset([
    "wepKey", "pskKey", "authPassword", "userPassword",
    "setCommunity", "getCommunity", "trapCommunity", "p2pPinCode",
])

# The options every module takes to reach lanvane-cli.
CLI_ARGUMENTS = dict(
    cli=dict(type="str", default="lanvane-cli"),
    timeout=dict(type="int"),
)


def lan_module(arguments):
    """A module of a LAN job: its own options, where the search goes (a broadcast address or
    an interface, not both) and the options that reach lanvane-cli."""
    options = dict(arguments, broadcast=dict(type="str"), interface=dict(type="str"), **CLI_ARGUMENTS)
    return AnsibleModule(argument_spec=options, supports_check_mode=True,
                         mutually_exclusive=[("broadcast", "interface")])


def run_cli(module, arguments, data=None):
    """Runs lanvane-cli with --json; returns its status and document. A run that prints no
    JSON document fails the task with what lanvane-cli said."""
    command = [module.params["cli"]] + arguments + ["--json"]
    if module.params.get("timeout"):
        command += ["--timeout", str(module.params["timeout"])]
    status, out, err = module.run_command(command, data=data, binary_data=True)
    try:
        document = json.loads(out)
    except ValueError:
        module.fail_json(msg="lanvane-cli printed no JSON document: %s" % (err.strip() or out.strip()),
                         rc=status, stderr=err)
    if not isinstance(document, dict):
        module.fail_json(msg="lanvane-cli printed an unexpected document", rc=status, stdout=out)
    return status, document, err


def fail_with_error(module, status, document, err, **facts):
    """Fails the task with lanvane-cli's own message, its field and error kind."""
    error = document.get("error") or {}
    message = error.get("message") or err.strip() or "lanvane-cli ended with status %d" % status
    if error.get("field"):
        message = "%s: %s" % (error["field"], message)
    module.fail_json(msg=message, rc=status, kind=error.get("kind"), **facts)


def diff_of(differences):
    """Ansible's before/after of the fields that differ, as lanvane-cli shows them (masked)."""
    before = dict((change["field"], change["before"]) for change in differences)
    after = dict((change["field"], change["after"]) for change in differences)
    return dict(before=before, after=after)
