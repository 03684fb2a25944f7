#!/usr/bin/env python3
"""lectavo-convert over the corpus, one call per file, then the corpus's own compare.

Usage: cli_corpus_test.py LECTAVO_CONVERT CORPUS_DIR [--all-rows]

Without --all-rows only the OOXML rows are converted and compared.
"""
import csv
import os
import subprocess
import sys
import tempfile

OOXML = {".pptx", ".ppsx", ".pptm", ".ppsm", ".potx", ".potm"}


def main(argv):
    exe, corpus = argv[1], argv[2]
    all_rows = "--all-rows" in argv[3:]
    with open(os.path.join(corpus, "MANIFEST.tsv"), newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    if not all_rows:
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
        compared = subprocess.run([sys.executable, os.path.join(corpus, "compare"), out] + [r["file"] for r in rows],
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
