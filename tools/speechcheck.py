#!/usr/bin/python3
"""Checks that the game's spoken words are even in loudness and clear enough.

    speechcheck.py LIST              files and their words, one "FILE<TAB>WORDS" a line
    speechcheck.py --shipped ROOT CONTENTGEN
                                     the shipped files under ROOT/data, as the
                                     content generator lists them

For every file: its loudness (EBU R 128, LUFS, measured by ffmpeg) and the
share of its words that Debian's speech recogniser (pocketsphinx, US English
model) gets wrong, against what it gets wrong of natural read speech: Allison
Smith's recorded prompts with their transcripts (asterisk-core-sounds-en and
-en-g722, 16 kHz). The check fails if a file's loudness is more than 2 LU
from the files' median, or if (for a file of 8 words or more) the recogniser
gets more of its words wrong than 1.3 times the reference. All the files'
words together are reported too: one file of some seventy words is a small
sample, whose rate moves by several points when a quarter of a second of
silence comes before it.
The recogniser is far from perfect even on people, so the reference tells
what "clear" can mean for it.

Exits 77 (skipped) when a tool, the model or the reference is not installed:
tools/setup.sh tools/content-packages.txt installs them.
"""

import concurrent.futures
import gzip
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

MODEL = "/usr/share/pocketsphinx/model/en-us"
PROMPTS = "/usr/share/asterisk/sounds/en_US_f_Allison"
TRANSCRIPTS = "/usr/share/doc/asterisk-core-sounds-en/core-sounds-en.txt.gz"
# The longest prompts, of whole sentences, about 510 words in all:
# stories are told in sentences too, not in single words.
REFERENCE_PROMPTS = [
    "demo-instruct", "demo-congrats", "demo-echotest", "basic-pbx-ivr-main", "demo-abouttotry",
    "demo-nogo", "tt-allbusy", "queue-periodic-announce", "demo-moreinfo",
]
LOUDNESS_SPREAD = 2.0  # LU either side of the median
WORSE_THAN_REFERENCE = 1.3
# A cheer of a few words says nothing about clarity: one word missed is 20 %
# of "Yee-haw! What a fish!". Such files are checked for loudness only.
FEWEST_WORDS = 8
# "Sedora" is heard as "said or a": a name the recogniser cannot know takes
# up to three of its words.
NAME_SPAN = 3
SKIP = 77

ONES = ("zero one two three four five six seven eight nine ten eleven twelve thirteen "
        "fourteen fifteen sixteen seventeen eighteen nineteen").split()
TENS = "_ _ twenty thirty forty fifty sixty seventy eighty ninety".split()


def number_words(n):
    """A number as it is read aloud: 1838 as a year, others as a count."""
    if n < 20:
        return ONES[n]
    if n < 100:
        return TENS[n // 10] + ("" if n % 10 == 0 else " " + ONES[n % 10])
    if 1100 <= n <= 1999 and n % 100 != 0:
        return number_words(n // 100) + " " + (
            "oh " + ONES[n % 100] if n % 100 < 10 else number_words(n % 100))
    if n < 1000:
        return ONES[n // 100] + " hundred" + ("" if n % 100 == 0 else " " + number_words(n % 100))
    if n < 1000000:
        return number_words(n // 1000) + " thousand" + (
            "" if n % 1000 == 0 else " " + number_words(n % 1000))
    return " ".join(ONES[int(d)] for d in str(n))


def words(text):
    """The words of a text as the recogniser writes them: lower case, no
    punctuation, numbers in words, hyphenated words apart."""
    text = re.sub(r"\[[^]]*\]", " ", text.lower())
    text = re.sub(r"\d+", lambda m: " " + number_words(int(m.group())) + " ", text.replace(",", ""))
    text = re.sub(r"[^a-z']+", " ", text)
    return [w.strip("'") for w in text.split() if w.strip("'")]


def errors(said, heard, known=None):
    """Word substitutions, deletions and insertions (edit distance).

    A said word that is not in `known` (the recogniser's dictionary) is a
    name of the game's own, such as Sedora: the recogniser can only ever
    hear it as other words, so it stands for up to NAME_SPAN heard words,
    or none, at no cost."""
    row = list(range(len(heard) + 1))
    for s in said:
        if known is not None and s not in known:
            row = [min(row[max(0, j - NAME_SPAN):j + 1]) for j in range(len(heard) + 1)]
            continue
        prev, row[0] = row[0], row[0] + 1
        for j, h in enumerate(heard, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (s != h))
    return row[-1]


def dictionary():
    """The words the recogniser knows, as words() writes them."""
    known = set()
    with open(MODEL + "/cmudict-en-us.dict", encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.strip():
                known.add(re.sub(r"\(\d+\)$", "", line.split()[0]))
    return known


def decoded(path, out):
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", path, "-map", "a:0",
                    "-ac", "1", "-ar", "16000", "-c:a", "pcm_s16le", out], check=True)


def recognised(wav):
    result = subprocess.run(
        ["pocketsphinx_continuous", "-infile", wav, "-hmm", MODEL + "/en-us",
         "-lm", MODEL + "/en-us.lm.bin", "-dict", MODEL + "/cmudict-en-us.dict",
         "-logfn", "/dev/null"], capture_output=True, text=True, check=True)
    return words(result.stdout)


def loudness(path):
    result = subprocess.run(["ffmpeg", "-nostdin", "-hide_banner", "-i", path, "-map", "a:0",
                             "-af", "ebur128", "-f", "null", "-"],
                            capture_output=True, text=True, check=True)
    found = re.findall(r"I:\s+(-?[\d.]+|-inf) LUFS", result.stderr)
    return float(found[-1]) if found else float("-inf")


def measure(item, scratch, known):
    path, text, shown = item
    wav = os.path.join(scratch, "%d.wav" % abs(hash(path)))
    decoded(path, wav)
    said = words(text)
    names = [w for w in said if w not in known]
    return {"file": shown, "words": len(said) - len(names), "names": names,
            "errors": errors(said, recognised(wav), known), "lufs": loudness(path)}


def reference_items(scratch):
    with gzip.open(TRANSCRIPTS, "rt", encoding="utf-8", errors="replace") as f:
        texts = dict(line.split(":", 1) for line in f if ":" in line and not line.startswith(";"))
    # One file of all of them: the recogniser hears sentences after sentences,
    # as it does in a story.
    parts = [os.path.join(PROMPTS, name + ".g722") for name in REFERENCE_PROMPTS]
    listing = os.path.join(scratch, "reference.txt")
    with open(listing, "w") as f:
        f.writelines("file '%s'\n" % p for p in parts)
    joined = os.path.join(scratch, "reference.wav")
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y", "-f", "concat", "-safe", "0",
                    "-i", listing, "-ar", "16000", "-ac", "1", joined], check=True)
    return joined, " ".join(texts[name].strip() for name in REFERENCE_PROMPTS)


def missing_tools():
    missing = [t for t in ("ffmpeg", "pocketsphinx_continuous") if not shutil.which(t)]
    missing += [p for p in (MODEL, TRANSCRIPTS, os.path.join(PROMPTS, REFERENCE_PROMPTS[0] + ".g722"))
                if not os.path.exists(p)]
    return missing


def listed(args):
    if args[0] == "--shipped" and len(args) == 3:
        root, contentgen = args[1], args[2]
        out = subprocess.run([contentgen, "speech-files", "-"], capture_output=True, text=True,
                             check=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
        base = os.path.join(root, "data")
    elif len(args) == 1:
        with open(args[0], encoding="utf-8") as f:
            out = f.read()
        base = os.path.dirname(os.path.abspath(args[0]))
    else:
        sys.exit(__doc__)
    items = []
    for line in out.splitlines():
        if line.strip():
            path, text = line.split("\t", 1)
            items.append((os.path.join(base, path), text, path))
    return items


def rate(r):
    return r["errors"] / max(1, r["words"])


def main(args):
    if not args:
        sys.exit(__doc__)
    missing = missing_tools()
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return SKIP
    items = listed(args)
    known = dictionary()
    with tempfile.TemporaryDirectory() as scratch:
        with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
            reference = pool.submit(measure, reference_items(scratch) + ("reference",), scratch,
                                    known)
            results = list(pool.map(lambda item: measure(item, scratch, known), items))
            reference = reference.result()
    limit = WORSE_THAN_REFERENCE * rate(reference)
    median = statistics.median(r["lufs"] for r in results)
    print("%-40s %5s %6s %7s" % ("file", "words", "WER", "LUFS"))
    failed = 0
    for r in results:
        faults = []
        if r["words"] >= FEWEST_WORDS and rate(r) > limit:
            faults.append("unclear")
        if abs(r["lufs"] - median) > LOUDNESS_SPREAD:
            faults.append("too %s" % ("loud" if r["lufs"] > median else "quiet"))
        failed += bool(faults)
        print("%-40s %5d %5.0f%% %7.1f  %s" % (r["file"], r["words"],
                                                100 * rate(r), r["lufs"], " ".join(faults)))
    judged = [r for r in results if r["words"] >= FEWEST_WORDS]
    together = {"words": sum(r["words"] for r in judged),
                "errors": sum(r["errors"] for r in judged)}
    names = sorted({n for r in results for n in r["names"]})
    print("all files: %d words, %.0f%% wrong" % (together["words"], 100 * rate(together)))
    print("reference: natural read speech, %d words, %.0f%% wrong; limit %.0f%%; "
          "loudness median %.1f LUFS, limit +-%.0f LU"
          % (reference["words"], 100 * rate(reference), 100 * limit, median, LOUDNESS_SPREAD))
    print("not counted (unknown to the recogniser): " + ", ".join(names))
    print("%d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
