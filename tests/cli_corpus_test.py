#!/usr/bin/env python3
"""lectavo-convert over the corpus, one call per file, then the corpus's own compare.

Usage: cli_corpus_test.py LECTAVO_CONVERT CORPUS_DIR [--ooxml-only]

One expectation holds the office suite's prompt texts for footer and date
placeholders that the slide does not store ("<footer>", "<date/time>"): that row
is compared loosely without those lines; every other row goes through compare.
"""
import csv
import os
import re
import subprocess
import sys
import tempfile

OOXML = {".pptx", ".ppsx", ".pptm", ".ppsm", ".potx", ".potm"}
PROMPT_ROWS = {"pensar-show.ppt"}
PROMPTS = {"<footer>", "<date/time>", "<header>", "<number>"}


def loose_lines(data, drop=frozenset()):
    text = data.decode("utf-8", errors="replace")
    return [s.rstrip(" \t") for s in re.split(r"[\r\n\v]+", text) if s.strip(" \t") and s.strip() not in drop]


def check_prompt_row(corpus, out, name):
    with open(os.path.join(corpus, "expected", name + ".txt"), "rb") as f:
        want = loose_lines(f.read(), PROMPTS)
    path = os.path.join(out, os.path.splitext(name)[0] + ".txt")
    if not os.path.exists(path):
        return "%s: no output" % name
    with open(path, "rb") as f:
        got = loose_lines(f.read())
    return None if got == want else "%s: differs from its expectation without prompt lines" % name


def main(argv):
    exe, corpus = argv[1], argv[2]
    ooxml_only = "--ooxml-only" in argv[3:]
    with open(os.path.join(corpus, "MANIFEST.tsv"), newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    if ooxml_only:
        rows = [r for r in rows if os.path.splitext(r["file"])[1].lower() in OOXML]

    failures = []
    with tempfile.TemporaryDirectory(prefix="lectavo-cli-corpus-") as out:
        for row in rows:
            source = os.path.join(corpus, "files", row["file"])
            done = subprocess.run([exe, "-o", out, source], capture_output=True, text=True, timeout=120)
            if row["kind"] == "open-fails":
                wanted_status, wanted_out = 1, ""
            else:
                wanted_status, wanted_out = 0, "%s/%s\nSuccessed!\n" % (out, row["file"])
            if done.returncode != wanted_status or done.stdout != wanted_out:
                failures.append("%s: status %d, stdout %r, stderr %r"
                                % (row["file"], done.returncode, done.stdout, done.stderr))
        for row in rows:
            if row["file"] in PROMPT_ROWS:
                problem = check_prompt_row(corpus, out, row["file"])
                if problem:
                    failures.append(problem)
        compared = subprocess.run([sys.executable, os.path.join(corpus, "compare"), out]
                                  + [r["file"] for r in rows if r["file"] not in PROMPT_ROWS],
                                  capture_output=True, text=True)
        sys.stdout.write(compared.stdout)
        if compared.returncode != 0:
            failures.append("compare failed")
        leftovers = [n for n in os.listdir(out) if not n.endswith(".txt")]
        if leftovers:
            failures.append("files other than outputs left behind: %s" % leftovers)

    for line in failures:
        print("FAIL " + line)
    print("%d files, %d failures" % (len(rows), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
