#!/usr/bin/env python3
"""Build the 34 predefined word lists in data/testilettoria2 from tools/pictures.tsv.

Every word that has a picture is a candidate; each list takes exactly the
words that satisfy its rule below, so the lists can be rebuilt at any time
and never name a word without a picture.

Files: Windows-1252, one upper-case word per line, CR LF after every line,
sorted alphabetically with accents folded (A < À < B ...: see sort_key).

Membership rules, on the upper-case letters of the word:

* LE VOCALI: the word begins with a vowel.
* Single consonant lists (B D F L M N P R S T V Z): the consonant is followed
  by a vowel somewhere in the word; the L of GLI and the N of GN do not count,
  since they are not the sounds LI and NA..NU.
* C family. Each C that is followed by a vowel or H makes one syllable:
    hard  "CA CO CU"  C + A/O/U (also after S: SCA, SCO, SCU sound hard);
    soft  "CI, CE"    C + I/E, not after S;
    SCI   "SCI, SCE"  S + C + I/E (its own sound, never counted as CI/CE);
    CH    "CHI CHE"   C + H + I/E.
  A word belongs to the group list of "CA CO CU", "CI, CE" or "CHI CHE" only
  when all its C syllables are of that one group; a SCI/SCE syllable keeps a
  word out of all three. The combined lists are unions of the group lists.
* G family, the same way: hard G + A/O/U, soft G + I/E, GH + I/E. GLI and GN
  are not G syllables (G is followed by a consonant).
* QU & CQU: contains QU. SCI & SCE: contains SCI or SCE. GLI: contains GLI.
  GN: contains GN. MP & MB, ND & NT: contains one of the pairs.
  MB, MP, ND, NT: the union of those two.

Usage: tools/make_lists.py [output folder]   (default: data/testilettoria2)
"""
import os
import sys
import unicodedata

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
sys.path.insert(0, TOOLS)
from make_pictures import read_mapping  # noqa: E402

VOWELS = set("AEIOUÀÈÉÌÒÙ")
MIN_WORDS = 8


def fold(ch):
    """The plain letter under an accented one (È -> E)."""
    return unicodedata.normalize("NFD", ch)[0]


def sort_key(word):
    # Accents folded first, so that accented words sit among their plain
    # neighbours; the raw word breaks ties (plain before accented).
    return ("".join(fold(c) for c in word), word)


def is_vowel(ch):
    return ch in VOWELS


def consonant_syllable(word, consonant):
    for i, ch in enumerate(word[:-1]):
        if ch != consonant or not is_vowel(word[i + 1]):
            continue
        if consonant == "L" and i > 0 and word[i - 1] == "G" and fold(word[i + 1]) == "I":
            continue  # GLI
        if consonant == "N" and i > 0 and word[i - 1] == "G":
            continue  # GN
        return True
    return False


def syllables(word, letter):
    """The set of syllable groups of C or G in the word: hard, soft, sci, h."""
    found = set()
    for i, ch in enumerate(word[:-1]):
        if ch != letter:
            continue
        nxt = fold(word[i + 1])
        if nxt in "AOU":
            found.add("hard")
        elif nxt in "IE":
            if letter == "C" and i > 0 and word[i - 1] == "S":
                found.add("sci")
            else:
                found.add("soft")
        elif nxt == "H" and i + 2 < len(word) and fold(word[i + 2]) in "IE":
            found.add("h")
    return found


def only(group):
    def rule(word, letter):
        return syllables(word, letter) == {group}
    return rule


def c_group(group):
    return lambda w: only(group)(w, "C")


def g_group(group):
    return lambda w: only(group)(w, "G")


def union(*rules):
    return lambda w: any(r(w) for r in rules)


CA, CI, CHI = c_group("hard"), c_group("soft"), c_group("h")
GA, GI, GHI = g_group("hard"), g_group("soft"), g_group("h")
MB_MP = lambda w: "MB" in w or "MP" in w  # noqa: E731
ND_NT = lambda w: "ND" in w or "NT" in w  # noqa: E731

# File name and rule, in the order of the list chooser.
LISTS = [
    ("TUTTE.txt", lambda w: True),
    ("1vocali.txt", lambda w: is_vowel(w[0])),
] + [
    (f"1{c.lower()}.txt", (lambda c: lambda w: consonant_syllable(w, c))(c))
    for c in "BDFLMNPRSTVZ"
] + [
    ("1ci.txt", CI),
    ("1chi.txt", CHI),
    ("1ca.txt", CA),
    ("1ca&ci.txt", union(CA, CI)),
    ("1ca&chi.txt", union(CA, CHI)),
    ("1ca&chi&ci.txt", union(CA, CHI, CI)),
    ("1gi.txt", GI),
    ("1ghi.txt", GHI),
    ("1ga.txt", GA),
    ("1ga&gi.txt", union(GA, GI)),
    ("1ga&ghi.txt", union(GA, GHI)),
    ("1ga&ghi&gi.txt", union(GA, GHI, GI)),
    ("1chi&ghi.txt", union(CHI, GHI)),
    ("1qu.txt", lambda w: "QU" in w),
    ("1sci.txt", lambda w: "SCI" in w or "SCE" in w),
    ("1gli.txt", lambda w: "GLI" in w),
    ("1gn.txt", lambda w: "GN" in w),
    ("1mb&mp.txt", MB_MP),
    ("1nd&nt.txt", ND_NT),
    ("1mb&mp&nd&nt.txt", union(MB_MP, ND_NT)),
]


def build(words):
    return {name: sorted((w for w in words if rule(w)), key=sort_key) for name, rule in LISTS}


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "testilettoria2")
    os.makedirs(out_dir, exist_ok=True)
    words = [row[0] for row in read_mapping()]
    lists = build(words)
    short = [f"{n} ({len(ws)})" for n, ws in lists.items() if len(ws) < MIN_WORDS]
    if short:
        sys.exit("lists with fewer than %d words: %s" % (MIN_WORDS, ", ".join(short)))
    for old in os.listdir(out_dir):
        if old.lower().endswith(".txt") and old not in lists:
            os.remove(os.path.join(out_dir, old))
    for name, ws in lists.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write("".join(w + "\r\n" for w in ws).encode("cp1252"))
        print(f"{len(ws):4d}  {name}")


if __name__ == "__main__":
    main()
