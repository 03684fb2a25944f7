#!/usr/bin/env bash
# Rewrites the example decks of examples/ from their descriptions (*.deck).
# usage: tools/deckwriter/make-examples.sh [path/to/lectavo-deckwriter]
set -euo pipefail
cd "$(dirname "$0")/../.."
writer=${1:-build/bin/lectavo-deckwriter}
for description in examples/*.deck; do
    "$writer" "$description" "${description%.deck}.pptx"
    echo "wrote ${description%.deck}.pptx"
done
