#!/usr/bin/env python3
"""Fails on every qmllint warning in the report but unqualified uses of the
names the program itself gives every page (context properties, which qmllint
cannot see).

    qmllint_check.py REPORT.json --allow NAME [--allow NAME ...] [--only PATH_PART]
"""
import argparse
import json
import re
import sys


def identifier_at(lines, warning):
    line = lines[warning["line"] - 1] if 0 < warning["line"] <= len(lines) else ""
    match = re.match(r"[A-Za-z_$][\w$]*", line[warning["column"] - 1:])
    return match.group(0) if match else ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("report")
    parser.add_argument("--allow", action="append", default=[])
    parser.add_argument("--only", default="")
    args = parser.parse_args()

    with open(args.report, encoding="utf-8") as f:
        report = json.load(f)
    found = 0
    for entry in report.get("files", []):
        name = entry["filename"]
        if args.only not in name:
            continue
        try:
            with open(name, encoding="utf-8") as f:
                lines = f.read().split("\n")
        except OSError:
            lines = []
        if not entry.get("success", True) and not entry.get("warnings"):
            print(f"{name}: qmllint could not read it")
            found += 1
        for w in entry.get("warnings", []):
            if w.get("type") not in ("warning", "critical"):
                continue
            if w["message"] == "Unqualified access" and identifier_at(lines, w) in args.allow:
                continue
            text = lines[w["line"] - 1].strip() if 0 < w.get("line", 0) <= len(lines) else ""
            print(f"{name}:{w.get('line')}:{w.get('column')}: {w['message']}\n    {text}")
            found += 1
    print(f"{found} qmllint warning(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
