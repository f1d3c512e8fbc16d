#!/usr/bin/env python3
"""Build the 34 predefined word lists in data/testilettoria2 from tools/pictures.tsv.

Every word that has a picture is a candidate; each list takes exactly the
words that its rule accepts, so the lists can be rebuilt at any time and never
name a word without a picture. The rules, the file format and the order are
those of tools/check_data.py, which checks the shipped files against them.

Usage: tools/make_lists.py [output folder]   (default: data/testilettoria2)
"""
import os
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
sys.path.insert(0, TOOLS)
from check_data import MIN_WORDS, build, encode_list  # noqa: E402
from make_pictures import read_mapping  # noqa: E402


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "testilettoria2")
    os.makedirs(out_dir, exist_ok=True)
    lists = build([row[0] for row in read_mapping()])
    short = [f"{n} ({len(ws)})" for n, ws in lists.items() if len(ws) < MIN_WORDS]
    if short:
        sys.exit("lists with fewer than %d words: %s" % (MIN_WORDS, ", ".join(short)))
    for old in os.listdir(out_dir):
        if old.lower().endswith(".txt") and old not in lists:
            os.remove(os.path.join(out_dir, old))
    for name, ws in lists.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(encode_list(ws))
        print(f"{len(ws):4d}  {name}")


if __name__ == "__main__":
    main()
