#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-clang/) and runs each for
# SECONDS (default 60), starting from its seeds (made from samples/ and
# fuzz/seeds/). New inputs go to build-clang/fuzz-corpus/TARGET, a failing
# input to build-clang/fuzz-artifacts/. Exits non-zero when a target fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
export CC=clang CXX=clang++
dir=$(bash scripts/build.sh | tail -n 1)
shopt -s nullglob
seedfiles=("$dir"/bin/fuzz_*.seeds)
if [ ${#seedfiles[@]} -eq 0 ]; then
  echo "fuzz.sh: no fuzz targets were built (is libclang-rt-14-dev installed?)" >&2
  exit 1
fi
mkdir -p "$dir/fuzz-artifacts"
failed=0
for seedfile in "${seedfiles[@]}"; do
  name=$(basename "$seedfile" .seeds)
  IFS=';' read -r -a seeds < "$seedfile" || true  # one line without a line end
  corpus="$dir/fuzz-corpus/$name"
  mkdir -p "$corpus"
  log="$dir/fuzz-artifacts/$name.log"
  echo "== $name: ${seconds}s"
  if ASAN_OPTIONS=detect_leaks=1 "$dir/bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$dir/fuzz-artifacts/$name-" "$corpus" "${seeds[@]}" > "$log" 2>&1; then
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|^Done " "$log" || true
  else
    failed=1
    echo "$name FAILED (log: $log)"
    tail -n 40 "$log"
  fi
done
exit $failed
