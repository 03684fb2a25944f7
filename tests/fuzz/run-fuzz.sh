#!/usr/bin/env bash
# Fills the fuzz corpora from the shared corpus and the examples, then runs each target.
# usage: tests/fuzz/run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:?build folder}
seconds=${2:-120}
work=$build/fuzz
mkdir -p "$work/packages" "$work/parts" "$work/artifacts"
for f in ../shared/corpus/files/*.pp[st][xm] ../shared/corpus/files/*.pot[xm] examples/*.pptx; do
    cp -n "$f" "$work/packages/" 2>/dev/null || true
    # The parts form: each member as "\n@@name\n" and its bytes (media left out).
    out="$work/parts/$(basename "$f").parts"
    [ -e "$out" ] && continue
    python3 - "$f" "$out" <<'PY'
import sys, zipfile
try:
    with zipfile.ZipFile(sys.argv[1]) as z, open(sys.argv[2], 'wb') as o:
        for n in z.namelist():
            if n.endswith(('.xml', '.rels')):
                o.write(b'\n@@' + n.encode() + b'\n' + z.read(n))
except zipfile.BadZipFile:
    pass  # encrypted or broken packages start only the package target's corpus
PY
done
"$build/bin/ooxml_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=1048576 \
    -artifact_prefix="$work/artifacts/" "$work/packages"
"$build/bin/ooxml_parts_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=262144 \
    -artifact_prefix="$work/artifacts/" "$work/parts"
