#!/usr/bin/env python3
"""Rules of the shipped data, and a checker that holds data/ to them.

The 34 predefined lists teach what their names say, read on the upper-case
letters of a word (vowels: A E I O U and their accented forms). A syllable
counts only with its vowel heard: an I or U followed by another vowel is
silent (CIELO, CILIEGIE, SCIARPA) or glides into it (CUORE, GUANTI,
POLIZIOTTO, CHIAVE), so CUORE is no word for CU; the few words whose I or U
there is a syllable of its own are named in HIATUS (DU-E).

* LE VOCALI: the word begins with a vowel.
* A single-consonant list (B D F L M N P R S T V Z): the consonant, single or
  doubled, stands at the start of the word or after a vowel and is followed
  by a heard vowel (RANA, CAROTA, TORRE; not TRENO, ZEBRA or RUOTA for R).
* CA CO CU: C or CC at the start or after a vowel, followed by A, O or U,
  and no CI, CE, CHI or CHE anywhere in the word.
* CI, CE: C or CC at the start or after a vowel, followed by E or I (so not
  ARANCIA or CIELO, whose I is silent); no CHI, CHE, SCI or SCE in the word.
* CHI CHE: CH followed by I or E (not OCCHIO or CHIAVE).
* GA GO GU, GI GE, GHI GHE: the same three rules for G (GI GE: no GHI or
  GHE in the word).
* SCI & SCE: SC followed by I or E (not SCIARPA or SCIENZIATO).
* QU & CQU, GLI, GN, MP & MB, ND & NT, MB MP ND NT: the word holds one of
  the groups named. GLI is the group itself, whose I a following vowel
  silences by rule (FOGLIA), so it is not read as a syllable.
* Each of CI CE, CHI CHE, GI GE, GHI GHE, SCI SCE and of the groups of the
  lists above is in two words at least.
* The lists with commas in their names are the unions of their groups;
  TUTTE holds every picture word.
* A word that ends in a consonant (READ_AS_WRITTEN) is in TUTTE only: no
  word of the first lists ends so.

Every list holds exactly the picture words its rule accepts, at least ten.
Every word reads by Italian rules: no K, J, W, X or Y, H only in CH and GH,
and a word that ends in a consonant must be one of READ_AS_WRITTEN.

Files: Windows-1252, one word a line, CR LF after each, in the program's
alphabetical order (accents next to their plain letter).

Pictures: one per word, WORD.jpg, a 512 x 512 baseline JPEG of at most
60 KB (the white margin and decoding are checked by tests/data/tst_data).

Pronunciation: pronuncia.txt (UTF-8, tab-separated, # for comments) gives
every picture word, and nothing else, once: the word, the word in lower case
with one grave or acute accent on its stressed vowel, and, where the
synthetic voice says the plain word wrong, the text it is given instead (the
word's letters, accents added). tests/suoni/tst_sintesi checks what the voice
makes of each.

Sounds: si1..si4.wav and no.wav, 16-bit PCM at 44.1 kHz, 0.1 to 1.5 s.
The "try again" sound no.wav must carry enough energy above 400 Hz to be
heard on small speakers: within 6 dB of the right-answer sounds.

Usage: tools/check_data.py [data folder]   (default: data)
       tools/check_data.py --self-test     plants faults and expects them found
"""
import json
import math
import os
import re
import shutil
import struct
import sys
import tempfile
import unicodedata
import wave

from make_pictures import read_mapping

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)

VOWELS = set("AEIOUÀÈÉÌÍÒÓÙÚ")
MIN_WORDS = 10
MAX_PICTURE_BYTES = 60 * 1024
SOUNDS = ("no.wav", "si1.wav", "si2.wav", "si3.wav", "si4.wav")
BAND_HZ = 400
MAX_BAND_GAP_DB = 6.0

# Words that end in a consonant and still read as they are written.
READ_AS_WRITTEN = {"ANANAS", "AUTOBUS", "BIBERON", "CACTUS", "CAMION", "MAIS",
                   "MARACAS", "ROBOT", "TRAM"}
# Words whose I or U before another vowel is heard as a syllable: stressed
# (DU-E, FU-NI-VI-A), or kept from SCI in SCIATORE.
HIATUS = {"DUE", "FUNIVIA", "SCIATORE"}
# Taken out of the pictures and kept out: unsuitable for young children, or
# the only picture the packages have is one a child names otherwise (a
# donkey read as a horse, a jockey or a carousel horse as CAVALLO, a mammoth
# as ELEFANTE...) or cannot name at all.
BANNED = {"ARCO", "ASCIA", "BOMBA", "COLTELLO", "PETARDO", "PUGNALE", "RASOIO",
          "SPADE", "TESCHIO", "TRIDENTE", "SIRINGA", "VAMPIRO",
          "COMPUTER", "KOALA", "ALCE", "ANATRA", "ANFORA", "ARACHIDE", "ASINO",
          "BERRETTO", "BISONTE", "BOCCA", "BUSTA", "CANOA", "CINGHIALE", "CRAVATTA",
          "CRONOMETRO", "ETICHETTA", "FANTINO", "FOTOCAMERA", "GERMOGLIO", "GIOSTRA",
          "GRILLO", "LANTERNA", "LOCOMOTIVA", "LONTRA", "MAMMUT", "MOFFETTA",
          "MOTOSCAFO", "ORANGO", "PACCO", "PADELLA", "PANCETTA", "PANNOCCHIA",
          "POLMONI", "PROCIONE", "PROVETTA", "SCONTRINO", "SEGNALIBRO", "STADIO",
          "STETOSCOPIO"}
# Pairs whose pictures a child cannot tell apart: never both.
LOOKALIKES = [("CAMMELLO", "DROMEDARIO"), ("TOPO", "CRICETO"), ("CESTO", "CESTINO"),
              ("CAMPANA", "CAMPANELLO"), ("TELEFONO", "CELLULARE"), ("BICCHIERE", "ACQUA")]


def fold(ch):
    """The plain letter under an accented one (È -> E)."""
    return unicodedata.normalize("NFD", ch)[0]


def is_vowel(ch):
    return ch in VOWELS


def sort_key(word):
    # Accents folded first, so that accented words sit beside their plain
    # neighbours; the raw word breaks ties (plain before accented).
    return ("".join(fold(c) for c in word), word)


def onsets(word, consonant):
    """Where a syllable opens with the consonant, single or doubled, at the
    start of the word or after a vowel: the index of the letter after it."""
    found = []
    for i, ch in enumerate(word):
        if ch != consonant or (i > 0 and not is_vowel(word[i - 1])):
            continue
        j = i + 2 if word[i + 1:i + 2] == consonant else i + 1
        if j < len(word):
            found.append(j)
    return found


def plain(word):
    return "".join(fold(c) for c in word)


def heard(word, j):
    """Whether the letter at j is a vowel read as itself, not an I or U
    that a following vowel silences or glides into."""
    w = plain(word)
    return (j < len(w) and is_vowel(w[j])
            and (w[j] not in "IU" or not is_vowel(w[j + 1:j + 2] or "-") or word in HIATUS))


def syllables(word, consonant):
    """The heard vowels after the consonant's onsets: {"A", "O"} for CAROTA and C."""
    return {plain(word)[j] for j in onsets(plain(word), consonant) if heard(word, j)}


def after(word, group):
    """The heard vowels right after each place the group is written."""
    w = plain(word)
    return {w[m.end()] for m in re.finditer(group, w) if heard(word, m.end())}


def simple_syllable(word, consonant):
    return bool(syllables(word, consonant))


def hard(word, letter):
    return (bool(syllables(word, letter) & set("AOU"))
            and not any(g in plain(word) for g in (letter + "I", letter + "E", letter + "HI", letter + "HE")))


def soft(word, letter):
    other = [letter + "HI", letter + "HE"] + (["SCI", "SCE"] if letter == "C" else [])
    return bool(syllables(word, letter) & set("IE")) and not any(g in plain(word) for g in other)


def with_h(word, letter):
    return bool(after(word, letter + "H") & set("IE"))


def has_syllable(consonant, vowel):
    return lambda w: vowel in syllables(w, consonant)


def has_after(group, vowel):
    return lambda w: vowel in after(w, group)


def holds(*groups):
    return lambda w: any(g in plain(w) for g in groups)


CA, CI, CHI = (lambda w: hard(w, "C")), (lambda w: soft(w, "C")), (lambda w: with_h(w, "C"))
GA, GI, GHI = (lambda w: hard(w, "G")), (lambda w: soft(w, "G")), (lambda w: with_h(w, "G"))
MB_MP, ND_NT = holds("MB", "MP"), holds("ND", "NT")

# File name -> rule, in the order of the list chooser.
LISTS = {"TUTTE.txt": lambda w: True,
         "1vocali.txt": lambda w: is_vowel(w[0])}
for _c in "BDFLMNPRSTVZ":
    LISTS[f"1{_c.lower()}.txt"] = (lambda c: lambda w: simple_syllable(w, c))(_c)
LISTS.update({
    "1ci.txt": CI, "1chi.txt": CHI, "1ca.txt": CA,
    "1ca&ci.txt": lambda w: CA(w) or CI(w),
    "1ca&chi.txt": lambda w: CA(w) or CHI(w),
    "1ca&chi&ci.txt": lambda w: CA(w) or CHI(w) or CI(w),
    "1gi.txt": GI, "1ghi.txt": GHI, "1ga.txt": GA,
    "1ga&gi.txt": lambda w: GA(w) or GI(w),
    "1ga&ghi.txt": lambda w: GA(w) or GHI(w),
    "1ga&ghi&gi.txt": lambda w: GA(w) or GHI(w) or GI(w),
    "1chi&ghi.txt": lambda w: CHI(w) or GHI(w),
    "1qu.txt": holds("QU"),
    "1sci.txt": lambda w: bool(after(w, "SC") & set("IE")),
    "1gli.txt": holds("GLI"),
    "1gn.txt": holds("GN"),
    "1mb&mp.txt": MB_MP,
    "1nd&nt.txt": ND_NT,
    "1mb&mp&nd&nt.txt": lambda w: MB_MP(w) or ND_NT(w),
})


def first(rule):
    # A final consonant is not yet taught when the first lists are used.
    return lambda w: is_vowel(w[-1]) and rule(w)


LISTS = {name: rule if name == "TUTTE.txt" else first(rule) for name, rule in LISTS.items()}

# Combined lists and the lists they join.
UNIONS = {
    "1ca&ci.txt": ("1ca.txt", "1ci.txt"),
    "1ca&chi.txt": ("1ca.txt", "1chi.txt"),
    "1ca&chi&ci.txt": ("1ca.txt", "1chi.txt", "1ci.txt"),
    "1ga&gi.txt": ("1ga.txt", "1gi.txt"),
    "1ga&ghi.txt": ("1ga.txt", "1ghi.txt"),
    "1ga&ghi&gi.txt": ("1ga.txt", "1ghi.txt", "1gi.txt"),
    "1chi&ghi.txt": ("1chi.txt", "1ghi.txt"),
    "1mb&mp&nd&nt.txt": ("1mb&mp.txt", "1nd&nt.txt"),
}

# Lists named after several syllables or groups: each needs two words at least.
GROUPS = {
    "1ci.txt": {"CI": has_syllable("C", "I"), "CE": has_syllable("C", "E")},
    "1gi.txt": {"GI": has_syllable("G", "I"), "GE": has_syllable("G", "E")},
    "1chi.txt": {"CHI": has_after("CH", "I"), "CHE": has_after("CH", "E")},
    "1ghi.txt": {"GHI": has_after("GH", "I"), "GHE": has_after("GH", "E")},
    "1qu.txt": {"QU": lambda w: re.search("(?<!C)QU", w), "CQU": holds("CQU")},
    "1sci.txt": {"SCI": has_after("SC", "I"), "SCE": has_after("SC", "E")},
    "1mb&mp.txt": {"MB": holds("MB"), "MP": holds("MP")},
    "1nd&nt.txt": {"ND": holds("ND"), "NT": holds("NT")},
    "1mb&mp&nd&nt.txt": {g: holds(g) for g in ("MB", "MP", "ND", "NT")},
}


def build(words):
    """Every list, as the sorted picture words its rule accepts."""
    return {name: sorted((w for w in words if rule(w)), key=sort_key)
            for name, rule in LISTS.items()}


def spelling_faults(word):
    """Why an Italian child could not read the word by Italian rules."""
    faults = []
    if not word.isalpha() or word != word.upper():
        faults.append("not an upper-case word")
    if set(word) & set("KJWXY"):
        faults.append("K, J, W, X or Y")
    if re.search("(?<![CG])H", word):
        faults.append("H outside CH and GH")
    if word and not is_vowel(word[-1]) and word not in READ_AS_WRITTEN:
        faults.append("ends in a consonant")
    if word in BANNED:
        faults.append("banned")
    return faults


def encode_list(words):
    return "".join(w + "\r\n" for w in words).encode("cp1252")


# --- checks on a data folder -------------------------------------------------

def check_lists(data, errors):
    pictures = os.path.join(data, "images0")
    names = sorted(os.listdir(pictures)) if os.path.isdir(pictures) else []
    words = [n[:-4] for n in names if n.endswith(".jpg")]
    for n in names:
        if not n.endswith(".jpg"):
            errors.append(f"images0/{n}: not WORD.jpg")
    for w in words:
        for f in spelling_faults(w):
            errors.append(f"picture word {w}: {f}")
    for a, b in LOOKALIKES:
        if a in words and b in words:
            errors.append(f"{a} and {b}: a child cannot tell their pictures apart")
    if len(words) < 400:
        errors.append(f"only {len(words)} pictured words, 400 wanted")

    folder = os.path.join(data, "testilettoria2")
    present = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    if present != sorted(LISTS):
        errors.append(f"list files differ: extra {sorted(set(present) - set(LISTS))}, "
                      f"missing {sorted(set(LISTS) - set(present))}")
    expected = build(words)
    found = {}
    for name in LISTS:
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            continue
        raw = open(path, "rb").read()
        try:
            text = raw.decode("cp1252")
        except UnicodeDecodeError:
            errors.append(f"{name}: not Windows-1252")
            continue
        lines = text.split("\r\n")
        if lines[-1] != "" or "\n" in text.replace("\r\n", "") or "\r" in text.replace("\r\n", ""):
            errors.append(f"{name}: every line must end with CR LF, and nothing else")
        ws = lines[:-1]
        found[name] = ws
        if len(ws) < MIN_WORDS:
            errors.append(f"{name}: {len(ws)} words, {MIN_WORDS} at least")
        if len(ws) > 500:
            errors.append(f"{name}: the program reads 500 words at most")
        if ws != sorted(ws, key=sort_key) or len(set(ws)) != len(ws):
            errors.append(f"{name}: not in alphabetical order, or a word twice")
        rule = LISTS[name]
        if missing := sorted(set(ws) - set(words)):
            errors.append(f"{name}: words without a picture: {', '.join(missing)}")
        if wrong := [w for w in ws if not rule(w)]:
            errors.append(f"{name}: outside the rule: {', '.join(wrong)}")
        if left := [w for w in expected[name] if w not in ws]:
            errors.append(f"{name}: left out: {', '.join(left)}")
        for group, test in GROUPS.get(name, {}).items():
            n = sum(1 for w in ws if test(w))
            if n < 2:
                errors.append(f"{name}: {group} in {n} of its words, two at least")
    for name, parts in UNIONS.items():
        if name in found and all(p in found for p in parts):
            union = set().union(*(found[p] for p in parts))
            if set(found[name]) != union:
                errors.append(f"{name}: not the union of {', '.join(parts)}")
    return found


STRESS_MARKS = set("àèéìíòóùú")


def check_pronunciation(data, words, errors):
    path = os.path.join(data, "pronuncia.txt")
    if not os.path.isfile(path):
        errors.append("pronuncia.txt: missing")
        return
    try:
        lines = open(path, encoding="utf-8").read().split("\n")
    except UnicodeDecodeError:
        errors.append("pronuncia.txt: not UTF-8")
        return
    seen = set()
    for n, line in enumerate(lines, 1):
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        word = fields[0]
        if len(fields) not in (2, 3):
            errors.append(f"pronuncia.txt:{n}: {len(fields)} fields, 2 or 3 wanted")
            continue
        if word in seen:
            errors.append(f"pronuncia.txt:{n}: {word} twice")
        seen.add(word)
        if word not in words:
            errors.append(f"pronuncia.txt:{n}: {word} is no picture word")
        marked = fields[1]
        marks = [c for c in marked if c in STRESS_MARKS]
        if len(marks) != 1 or plain(marked) != word.lower():
            errors.append(f"pronuncia.txt:{n}: {marked} is not {word} with one stressed vowel marked")
        if len(fields) == 3 and plain(fields[2]) != word.lower():
            errors.append(f"pronuncia.txt:{n}: the voice's {fields[2]} is not {word} with accents")
    if missing := sorted(set(words) - seen, key=sort_key):
        more = f" and {len(missing) - 20} more" if len(missing) > 20 else ""
        errors.append(f"pronuncia.txt: no stress for {', '.join(missing[:20])}{more}")


def check_pictures(data, errors):
    folder = os.path.join(data, "images0")
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        size = os.path.getsize(path)
        if size > MAX_PICTURE_BYTES:
            errors.append(f"images0/{name}: {size} bytes, {MAX_PICTURE_BYTES} at most")
        frame = jpeg_frame(open(path, "rb").read())
        if frame != (0xC0, 512, 512):
            errors.append(f"images0/{name}: not a 512 x 512 baseline JPEG {frame}")


def jpeg_frame(b):
    """(start-of-frame marker, width, height) of a JPEG, or None."""
    if not b.startswith(b"\xFF\xD8"):
        return None
    at = 2
    while at + 9 <= len(b):
        if b[at] != 0xFF:
            return None
        marker = b[at + 1]
        if marker == 0xFF:
            at += 1
            continue
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height, width = struct.unpack(">HH", b[at + 5:at + 9])
            return (marker, width, height)
        if marker in (0xD9, 0xDA):
            return None
        at += 2 + struct.unpack(">H", b[at + 2:at + 4])[0]
    return None


def read_wav(path):
    """Samples in [-1, 1) of a 16-bit PCM file at 44.1 kHz (channels mixed)."""
    with wave.open(path, "rb") as w:
        if w.getcomptype() != "NONE" or w.getsampwidth() != 2 or w.getframerate() != 44100:
            raise ValueError("not 16-bit PCM at 44.1 kHz")
        ch = w.getnchannels()
        frames = w.readframes(w.getnframes())
    raw = struct.unpack(f"<{len(frames) // 2}h", frames)
    return [sum(raw[i:i + ch]) / ch / 32768 for i in range(0, len(raw), ch)]


def fft(values):
    """Radix-2 FFT of a list whose length is a power of two."""
    n = len(values)
    a = list(values)
    j = 0
    for i in range(1, n):
        bit = n >> 1
        while j & bit:
            j ^= bit
            bit >>= 1
        j |= bit
        if i < j:
            a[i], a[j] = a[j], a[i]
    size = 2
    while size <= n:
        step = -2j * math.pi / size
        half = size // 2
        twiddles = [complex(math.cos(step.imag * k), math.sin(step.imag * k)) for k in range(half)]
        for start in range(0, n, size):
            for k in range(half):
                t = twiddles[k] * a[start + k + half]
                u = a[start + k]
                a[start + k] = u + t
                a[start + k + half] = u - t
        size *= 2
    return a


def band_energy_db(samples, rate=44100, low=BAND_HZ):
    """Energy (sum of squared samples) above `low` Hz, in dB."""
    n = 1 << max(1, (len(samples) - 1).bit_length())
    spectrum = fft(samples + [0.0] * (n - len(samples)))
    first = math.ceil(low * n / rate)
    # Parseval: the sum of squares is the spectrum's energy over n; both
    # halves of a real signal's spectrum count, Nyquist once.
    energy = sum(abs(x) ** 2 for x in spectrum[first:n // 2]) * 2
    energy += abs(spectrum[n // 2]) ** 2
    return 10 * math.log10(max(energy / n, 1e-12))


def check_sounds(data, errors):
    folder = os.path.join(data, "suoni")
    present = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    if present != sorted(SOUNDS):
        errors.append(f"suoni: {present}, expected {list(SOUNDS)}")
        return {}
    levels, seen = {}, set()
    for name in SOUNDS:
        try:
            s = read_wav(os.path.join(folder, name))
        except (ValueError, wave.Error, EOFError) as e:
            errors.append(f"suoni/{name}: {e}")
            continue
        if not 0.1 < len(s) / 44100 <= 1.5:
            errors.append(f"suoni/{name}: {len(s) / 44100:.2f} s long")
        if max(map(abs, s), default=0) < 3000 / 32768:
            errors.append(f"suoni/{name}: nearly silent")
        seen.add(tuple(s))
        levels[name] = band_energy_db(s)
    if len(seen) != len(SOUNDS):
        errors.append("suoni: two sounds are the same")
    right = [levels[n] for n in SOUNDS[1:] if n in levels]
    if "no.wav" in levels and right:
        gap = sum(right) / len(right) - levels["no.wav"]
        if gap > MAX_BAND_GAP_DB:
            errors.append(f"suoni/no.wav: {gap:.1f} dB below the right-answer sounds above "
                          f"{BAND_HZ} Hz, {MAX_BAND_GAP_DB:.0f} at most")
    return levels


def check_credits(data, errors):
    credits = open(os.path.join(data, "CREDITS.md"), encoding="utf-8").read()
    package = json.load(open(os.path.join(TOOLS, "package.json"), encoding="utf-8"))
    for name, version in package["dependencies"].items():
        if f"`{name}`, version {version}" not in credits:
            errors.append(f"CREDITS.md: no line naming `{name}`, version {version}")
    for licence in ("MIT", "CC BY-SA 4.0", "SIL Open Font License 1.1"):
        if licence not in credits:
            errors.append(f"CREDITS.md: licence {licence} not named")
    for word, source, _copies, backdrop in read_mapping():
        kind, _, name = source.rpartition(":")
        needles = {"openmoji": [word, name], "drawn": [word]}.get(kind, []) + (
            [word, backdrop + ".svg"] if backdrop else [])
        for n in needles:
            if n not in credits:
                errors.append(f"CREDITS.md: {word} ({source} {backdrop}) does not name {n}")
    ofl = os.path.join(data, "OFL.txt")
    if not os.path.isfile(ofl) or "SIL OPEN FONT LICENSE Version 1.1" not in open(ofl).read():
        errors.append("OFL.txt: the font's licence is missing")


def check(data):
    errors = []
    drawn = {row[0] for row in read_mapping()}
    shipped = {n[:-4] for n in os.listdir(os.path.join(data, "images0")) if n.endswith(".jpg")}
    if drawn != shipped:
        errors.append(f"images0 differs from tools/pictures.tsv: not drawn {sorted(shipped - drawn)}, "
                      f"missing {sorted(drawn - shipped)}")
    check_lists(data, errors)
    check_pronunciation(data, shipped, errors)
    check_pictures(data, errors)
    check_sounds(data, errors)
    check_credits(data, errors)
    return errors


# --- self-test: each planted fault must be found -------------------------------

def self_test():
    failures = []

    def expect(what, got, wanted):
        if got != wanted:
            failures.append(f"{what}: got {got!r}, wanted {wanted!r}")

    # The rules on words whose lists a teacher would name without hesitation,
    # the primer's traps among them: a vowel that a following vowel silences
    # or glides into makes no syllable (CUO, GUA, ZIO, GIE, SCIE, CHIA).
    cases = {
        "1r.txt": (["RANA", "CAROTA", "TORRE", "FIORE"], ["TRENO", "ZEBRA", "BRUCO", "RUOTA", "ROBOT"]),
        "1l.txt": (["LUNA", "PALLA", "MELA"], ["FOGLIA", "ALBERO", "ALIENO"]),
        "1n.txt": (["LUNA", "NONNA"], ["RAGNO", "PANDA", "ANANAS"]),
        "1d.txt": (["DADO", "DUE"], ["RADIO", "DIECI"]),
        "1z.txt": (["PIZZA", "ZEBRA"], ["MARZO", "POLIZIOTTO"]),
        "1ca.txt": (["CASA", "TACCO", "CUOCO", "BUCO"],
                    ["MOSCA", "CIOCCOLATO", "CUCCHIAIO", "ARCO", "ACQUA", "CUORE", "CACTUS"]),
        "1ci.txt": (["CIGNO", "CUCINA", "UCCELLO", "CILIEGIE"], ["ARANCIA", "GOCCIA", "PULCINO", "PESCE", "CIELO"]),
        "1chi.txt": (["CHITARRA", "OCCHI", "MASCHERA"], ["CHIAVE", "OCCHIO", "SCHIENA", "CIGNO", "CASA"]),
        "1ga.txt": (["GATTO", "LAGO", "GUFO"], ["FUNGO", "GIOGO", "FUNGHI", "GUANTI"]),
        "1gi.txt": (["GELATO", "GIRAFFA", "OGGI"],
                    ["PIOGGIA", "GHIACCIO", "FORMAGGIO", "ANGELO", "CILIEGIE", "VALIGIE"]),
        "1ghi.txt": (["FUNGHI", "SPIGHE"], ["GIGLIO", "GHIACCIO"]),
        "1qu.txt": (["QUADRO", "ACQUA"], ["CUORE"]),
        "1sci.txt": (["SCIMMIA", "PESCE", "SCIATORE"], ["SCHIENA", "SCOPA", "SCIENZIATO", "SCIARPA"]),
        "1gli.txt": (["FOGLIA", "FIGLI"], ["GLOBO"]),
        "1vocali.txt": (["ÈRA", "UOVO"], ["BUE", "AUTOBUS"]),
        "TUTTE.txt": (["ROBOT"], []),
    }
    for name, (inside, outside) in cases.items():
        for w in inside:
            expect(f"{w} in {name}", LISTS[name](w), True)
        for w in outside:
            expect(f"{w} in {name}", LISTS[name](w), False)
    expect("spelling KOALA", "K, J, W, X or Y" in spelling_faults("KOALA"), True)
    expect("spelling HOTEL", "H outside CH and GH" in spelling_faults("HOTEL"), True)
    expect("spelling SPORT", spelling_faults("SPORT"), ["ends in a consonant"])
    expect("spelling TRAM", spelling_faults("TRAM"), [])
    expect("order", sorted(["ZERO", "ÈRA", "ERBA", "ERA", "ABETE"], key=sort_key),
           ["ABETE", "ERA", "ÈRA", "ERBA", "ZERO"])

    # A second of a 1 kHz tone lies all above the band edge, of 200 Hz below it.
    def sine(hz):
        return [math.sin(2 * math.pi * hz * i / 44100) for i in range(44100)]
    expect("1 kHz energy", round(band_energy_db(sine(1000)), 1), round(10 * math.log10(22050), 1))
    expect("200 Hz energy 40 dB lower", band_energy_db(sine(200)) < band_energy_db(sine(1000)) - 40, True)

    # Faults planted in a copy of the shipped data.
    base = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "data")
    clean = check(base)
    expect("shipped data", clean, [])

    def planted(what, change, needle):
        with tempfile.TemporaryDirectory() as tmp:
            copy = os.path.join(tmp, "data")
            shutil.copytree(base, copy)
            change(copy)
            errors = check(copy)
        if not any(needle in e for e in errors):
            failures.append(f"planted fault not found: {what} (expected '{needle}' in {errors})")

    def edit_list(name, words=None, raw=None):
        def change(d):
            path = os.path.join(d, "testilettoria2", name)
            data = raw(open(path, "rb").read()) if raw else encode_list(words(read_list(path)))
            open(path, "wb").write(data)
        return change

    def add_picture(word, source="ROSA.jpg"):
        return lambda d: shutil.copy(os.path.join(d, "images0", source),
                                     os.path.join(d, "images0", word + ".jpg"))

    def add_word(name, word):
        return edit_list(name, lambda ws: sorted(ws + [word], key=sort_key))

    planted("TRENO in RA RE RI RO RU", add_word("1r.txt", "TRENO"), "outside the rule: TRENO")
    for name, word in (("1ca.txt", "CUORE"), ("1ga.txt", "GUANTI"), ("1z.txt", "POLIZIOTTO"),
                       ("1gi.txt", "VALIGIE"), ("1sci.txt", "SCIENZIATO"), ("1chi.txt", "OCCHIO")):
        planted(f"{word}, a silent or gliding vowel", add_word(name, word), f"outside the rule: {word}")
    planted("a final consonant in a first list", add_word("1r.txt", "ROBOT"), "outside the rule: ROBOT")
    planted("CHE in one CHI CHE word only", edit_list("1chi.txt", lambda ws: [w for w in ws if "CHE" not in w]
                                                      + [w for w in ws if "CHE" in w][:1]), "CHE in 1 of its words")
    planted("a word left out", edit_list("1r.txt", lambda ws: ws[1:]), "left out")
    planted("LF line ends", edit_list("1b.txt", raw=lambda b: b.replace(b"\r\n", b"\n")), "CR LF")
    planted("no final CR LF", edit_list("1b.txt", raw=lambda b: b[:-2]), "CR LF")
    planted("a byte Windows-1252 leaves undefined",
            edit_list("TUTTE.txt", raw=lambda b: b + b"PERCH\x81\r\n"), "not Windows-1252")
    planted("unsorted", edit_list("1m.txt", lambda ws: ws[::-1]), "alphabetical")
    planted("a word without a picture", edit_list("TUTTE.txt", lambda ws: sorted(ws + ["ZZZ"], key=sort_key)),
            "without a picture: ZZZ")
    planted("a short list", edit_list("1z.txt", lambda ws: ws[:9]), "10 at least")
    planted("a combined list not a union", edit_list("1ca&ci.txt", lambda ws: ws[:-1]), "not the union")
    planted("a picture word with K", add_picture("KOALA"), "KOALA: K, J, W")
    planted("a weapon", add_picture("BOMBA"), "BOMBA: banned")
    planted("lookalikes", add_picture("DROMEDARIO"), "cannot tell")
    planted("one CQU word only", edit_list("1qu.txt", lambda ws: [w for w in ws if "CQU" not in w]
                                           + [w for w in ws if "CQU" in w][:1]), "CQU in 1 of its words")
    planted("progressive JPEG", lambda d: open(os.path.join(d, "images0", "ROSA.jpg"), "r+b").write(
        open(os.path.join(d, "images0", "ROSA.jpg"), "rb").read().replace(b"\xFF\xC0", b"\xFF\xC2", 1)),
        "baseline")
    planted("a picture too big", lambda d: open(os.path.join(d, "images0", "ROSA.jpg"), "ab").write(
        b"\0" * MAX_PICTURE_BYTES), "bytes")
    planted("a quiet try-again sound", lambda d: quieten(os.path.join(d, "suoni", "no.wav")),
            "dB below")
    planted("a stereo 22 kHz sound", lambda d: resample(os.path.join(d, "suoni", "si1.wav")),
            "44.1 kHz")
    planted("credits without a package", lambda d: open(os.path.join(d, "CREDITS.md"), "w").write("MIT"),
            "CREDITS.md: no line")

    def edit_stress(change):
        def edit(d):
            path = os.path.join(d, "pronuncia.txt")
            text = change(open(path, encoding="utf-8").read())
            open(path, "w", encoding="utf-8").write(text)
        return edit

    planted("a picture word without its stress", edit_stress(lambda t: t.replace("FRAGOLA\tfràgola\n", "")),
            "no stress for FRAGOLA")
    planted("a stress for no picture word", edit_stress(lambda t: t + "ZAFFIRO\tzaffìro\n"),
            "ZAFFIRO is no picture word")
    planted("no vowel marked", edit_stress(lambda t: t.replace("\tfràgola", "\tfragola")),
            "fragola is not FRAGOLA")
    planted("two vowels marked", edit_stress(lambda t: t.replace("\tfràgola", "\tfràgolà")),
            "fràgolà is not FRAGOLA")
    planted("a mark on another word", edit_stress(lambda t: t.replace("\tfràgola", "\tfràgole")),
            "fràgole is not FRAGOLA")
    planted("a voice's text of another word", edit_stress(lambda t: t.replace("\tàncora\tàncora", "\tàncora\tàncore")),
            "the voice's àncore")
    planted("a word twice", edit_stress(lambda t: t + "ANCORA\tancòra\n"), "ANCORA twice")

    for f in failures:
        print("FAIL", f)
    print(f"self-test: {len(failures)} failures")
    return 1 if failures else 0


def read_list(path):
    return open(path, "rb").read().decode("cp1252").split("\r\n")[:-1]


def quieten(path):
    """Keep only what lies below about 300 Hz, by a moving average."""
    with wave.open(path, "rb") as w:
        params = w.getparams()
        s = struct.unpack(f"<{w.getnframes()}h", w.readframes(w.getnframes()))
    k = 147  # 300 Hz at 44.1 kHz: the first null of the average
    out = [int(sum(s[max(0, i - k):i + 1]) / k) for i in range(len(s))]
    with wave.open(path, "wb") as w:
        w.setparams(params)
        w.writeframes(struct.pack(f"<{len(out)}h", *out))


def resample(path):
    with wave.open(path, "rb") as w:
        frames = w.readframes(w.getnframes())
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(22050)
        w.writeframes(frames)


def main():
    if sys.argv[1:2] == ["--self-test"]:
        return self_test()
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data")
    errors = check(data)
    for e in errors:
        print(e)
    print(f"{data}: {len(errors)} faults")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
