#!/usr/bin/env python3
"""Runs one end-to-end scenario by name (or lists them with --list).

    run.py --build BUILD_DIR NAME
"""
import argparse
import sys
import traceback

import scenarios_apps  # noqa: F401  (each module registers its scenarios)
import scenarios_driver  # noqa: F401
import scenarios_nt4  # noqa: F401
import scenarios_startup  # noqa: F401
import scenarios_touchups  # noqa: F401
import scenarios_vxd  # noqa: F401
from registry import SCENARIOS


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--keep", action="store_true", help="keep the prefix for a look afterwards")
    parser.add_argument("name", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(";".join(sorted(SCENARIOS)))
        return 0
    if args.name not in SCENARIOS:
        print(f"no scenario {args.name}", file=sys.stderr)
        return 2
    try:
        SCENARIOS[args.name](args.build, keep=args.keep)
    except AssertionError as failure:
        traceback.print_exc()
        print(f"FAILED: {args.name}: {failure}")
        return 1
    print(f"passed: {args.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
