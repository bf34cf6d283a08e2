#!/usr/bin/env bash
# The main job on the bundled sample: installs what is missing, builds, and
# runs the front end on samples/ through the stand-in IDE and the add-in.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(bash scripts/build.sh | tail -n 1)
olvaren="$dir/bin/olvaren"
sample=samples/Olvaren_Sample.app
listing=$(mktemp); trap 'rm -f "$listing"' EXIT
"$olvaren" outline "$sample" > "$listing"
echo "== olvaren outline $sample (first 25 of $(wc -l < "$listing") items)"
head -n 25 "$listing"
echo
echo "== olvaren classmate $sample fcShape (ClassMate's report: base classes, then derived classes)"
"$olvaren" classmate "$sample" fcShape
echo
echo "== olvaren find samples nId --whole-word --column (MassFinder over a folder: every program, each hit once)"
"$olvaren" find samples nId --whole-word --column
echo
echo "== olvaren session samples/Olvaren_Jumps.app examples/f2-three-times-and-back.session (a sitting replayed: F2 three times and back)"
"$olvaren" session samples/Olvaren_Jumps.app examples/f2-three-times-and-back.session
