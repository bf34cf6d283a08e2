#!/usr/bin/env bash
# The main job on the bundled sample: installs what is missing, builds, and
# runs the front end on samples/ through the stand-in IDE and the add-in.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(bash scripts/build.sh | tail -n 1)
olvaren="$dir/bin/olvaren"
sample=samples/Olvaren_Sample.app
echo "== olvaren outline $sample (first 40 items)"
"$olvaren" outline "$sample" | head -n 40
echo
echo "== olvaren classmate $sample fcShape (ClassMate's report: base classes, then derived classes)"
"$olvaren" classmate "$sample" fcShape
