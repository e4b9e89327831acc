# The options that every module of the collection documents alike.
from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):
    # The program every module runs.
    DOCUMENTATION = r"""
options:
  cli:
    description: The lanvane-cli program to run.
    type: str
    default: lanvane-cli
  timeout:
    description: How long each wait for the printer lasts (a search for its replies), in milliseconds
      (lanvane-cli's C(--timeout)).
    type: int
author:
  - Lanvane developers
"""

    # Where a LAN search goes.
    SEARCH = r"""
options:
  broadcast:
    description: Search at this broadcast address alone.
    type: str
  interface:
    description: Search at the broadcast address of this network interface.
    type: str
"""
