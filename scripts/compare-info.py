#!/usr/bin/env python3
"""Compares `kestavolin-cli info --json --no-translations` with the expected photo
information dictionaries of the sample photographs and prints every disagreement.

    scripts/compare-info.py --cli build/default/cli/kestavolin-cli --samples SAMPLES [PREFIX...]

SAMPLES is the samples folder holding expected/info.json. Only samples whose path
(relative to SAMPLES) starts with one of the PREFIXes are compared (default: all).
Exits 1 when anything disagrees."""

import argparse
import json
import os
import subprocess
import sys


def run_cli(cli, samples, names):
    paths = [os.path.join(samples, name) for name in names]
    result = subprocess.run([cli, "info", "--json", "--no-translations", *paths],
                            capture_output=True, text=True, check=False)
    if result.returncode not in (0, 1):
        sys.exit(f"{cli} failed ({result.returncode}): {result.stderr}")
    report = json.loads(result.stdout)
    return {name: report[path] for name, path in zip(names, paths)}


# The reference dictionaries were computed with the string table's earlier, misspelt
# key for this word; the table now names it correctly.
RENAMED_WORD_KEYS = {"NotFefined": "NotDefined"}


def disagreements(expected, actual):
    """Lines describing how one file's entry differs from the expected one."""
    expected = {key: RENAMED_WORD_KEYS.get(value, value) if isinstance(value, str) else value
                for key, value in expected.items()}
    if "error" in expected or "error" in actual:
        want = expected.get("error")
        got = actual.get("error", {}).get("code") if "error" in actual else None
        if want == got and ("error" in expected) == ("error" in actual):
            return []
        return [f"  error: expected {json.dumps(want)}, got "
                + (json.dumps(actual["error"], ensure_ascii=False) if "error" in actual
                   else "a dictionary")]
    lines = []
    for key in sorted(set(expected) | set(actual)):
        if key not in actual:
            lines.append(f"  {key}: missing, expected {json.dumps(expected[key], ensure_ascii=False)}")
        elif key not in expected:
            lines.append(f"  {key}: unexpected {json.dumps(actual[key], ensure_ascii=False)}")
        elif expected[key] != actual[key] or type(expected[key]) is not type(actual[key]):
            lines.append(f"  {key}: expected {json.dumps(expected[key], ensure_ascii=False)}, "
                         f"got {json.dumps(actual[key], ensure_ascii=False)}")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--samples", required=True)
    parser.add_argument("prefixes", nargs="*")
    args = parser.parse_args()

    with open(os.path.join(args.samples, "expected", "info.json"), encoding="utf-8") as f:
        expected = json.load(f)
    names = [name for name in expected
             if not args.prefixes or any(name.startswith(p) for p in args.prefixes)]
    actual = run_cli(args.cli, args.samples, names)

    differing = 0
    for name in names:
        lines = disagreements(expected[name], actual[name])
        if lines:
            differing += 1
            print(name)
            print("\n".join(lines))
    print(f"{len(names) - differing} of {len(names)} samples agree")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
