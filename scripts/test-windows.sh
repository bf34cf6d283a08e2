#!/usr/bin/env bash
# The Windows build and its tests: installs what is missing (MinGW-w64,
# Wine), cross-builds Olvaren.dll for i686 and the conformance tests for
# x86_64 (build-win-i686/, build-win-x86_64/), checks the DLL's export
# table, and runs every test under Wine (64-bit, headless: the null graphics
# driver): each test program once under a timeout, its results read from
# GoogleTest's JSON output, and one process per test for a program that hung
# or crashed. Prints a table of passed / failed / marked per test file; fails
# when any test failed.
#   marked: passed with an expectation marked TODO_WINE (a documented
#           deviation of Wine), or skipped: stand-in only (STANDIN_ONLY),
#           POSIX only (POSIX_ONLY).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
timeout_s=${OLVAREN_WINE_TIMEOUT:-30}

bash scripts/deps.sh --windows
tmp=$(mktemp -d)
# Wine reaches the temporary folder through its drive Z:.
wtmp=Z:$tmp

# pugixml for Windows: Debian's source package of the same version as the
# installed libpugixml-dev, fetched once with apt (checked against Debian's
# signed index) into build-win-deps/ and unpacked there. The system's apt
# configuration is left alone: the source list and its index live there too.
deps=$root/build-win-deps
pugi_version=$(dpkg-query -W -f='${source:Version}' libpugixml-dev)
pugi_upstream=${pugi_version#*:}
pugi_upstream=${pugi_upstream%-*}
pugi_src=$deps/pugixml-$pugi_upstream
if [ ! -f "$pugi_src/src/pugixml.cpp" ]; then
  mkdir -p "$deps/apt/lists/partial"
  cat > "$deps/apt/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  apt_src=(-o APT::Sandbox::User=root -o Dir::Etc::sourcelist=/dev/null -o Dir::Etc::sourceparts="$deps/apt" -o Dir::State::Lists="$deps/apt/lists")
  apt-get -qq "${apt_src[@]}" update >&2
  (cd "$deps" && apt-get -qq "${apt_src[@]}" source --download-only "pugixml=$pugi_version" >&2)
  tar -xzf "$deps/pugixml_$pugi_upstream.orig.tar.gz" -C "$deps"
  [ -f "$pugi_src/src/pugixml.cpp" ] || { echo "pugixml $pugi_upstream: no src/pugixml.cpp in $pugi_src" >&2; exit 1; }
fi
echo "pugixml for Windows: $pugi_src (Debian source $pugi_version, as the installed libpugixml-dev)" >&2

jobs=${OLVAREN_JOBS:-2}
werror=()
[ -n "${OLVAREN_WERROR:-}" ] && werror=(-DOLVAREN_WERROR="$OLVAREN_WERROR")
for arch in i686 x86_64; do
  cmake -S windows -B "build-win-$arch" -DCMAKE_TOOLCHAIN_FILE="$root/scripts/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DOLVAREN_PUGIXML_SOURCE="$pugi_src" "${werror[@]}" >/dev/null
  cmake --build "build-win-$arch" -j "$jobs" >/dev/null
done

rows=()
failures=0
row() { rows+=("$(printf '%-46s %6s %6s %6s' "$1" "$2" "$3" "$4")"); }

# The export table of the 32-bit add-in.
if ctest --test-dir build-win-i686 --output-on-failure >"$tmp/exports.log" 2>&1; then
  row "Olvaren.dll (i686) export table" 1 0 0
else
  cat "$tmp/exports.log" >&2
  row "Olvaren.dll (i686) export table" 0 1 0
  failures=$((failures + 1))
fi

# Wine: a prefix of our own, headless, no debugger on a crash.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$root/build-win-x86_64/wineprefix" WINEDEBUG=-all DISPLAY= WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.olvaren-ready" ]; then
  "$wine" wineboot -i >/dev/null 2>&1 || true
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  "$wine" reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
  # Start afresh, so that the desktop comes up with the null driver.
  wineserver -k 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null || true
  sleep 1
  touch "$WINEPREFIX/.olvaren-ready"
fi
trap 'wineserver -k 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT

declare -A pass fail mark where
# Which file holds each test: "Suite.Test" -> path.
while IFS=: read -r path _ hit; do
  name=$(sed -E 's/TEST(_F|_P)?\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\)/\2.\3/' <<<"$hit")
  where[$name]=$path
done < <(grep -rnoE "TEST(_F|_P)?\([A-Za-z0-9_]+, *[A-Za-z0-9_]+\)" tests)

# count RESULT SUITE.TEST EXE [why]: one test's outcome into the table.
count() {
  local key=$2  # "Prefix/Suite.Test/3" of a parameterised test -> "Suite.Test"
  [[ $key == */*.* ]] && key=${key#*/}
  key=${key%%/*}
  local file=${where[$key]:-$3}
  case $1 in
    pass) pass[$file]=$((${pass[$file]:-0} + 1)) ;;
    mark) mark[$file]=$((${mark[$file]:-0} + 1)) ;;
    fail)
      fail[$file]=$((${fail[$file]:-0} + 1))
      failures=$((failures + 1))
      echo "FAILED: $2 ($file, $4)" >&2 ;;
  esac
}

# results JSON: one line per test that ran, "pass|fail|mark<TAB>Suite.Test",
# each failure's messages after its line indented by four spaces. Marked:
# skipped, or passed with a TODO_WINE expectation (its "todo_wine" property).
results() {
  jq -r '.testsuites[] | .name as $suite | .testsuite[] | select(.status == "RUN") |
    (if (.failures // []) != [] then "fail" elif .result == "SKIPPED" or has("todo_wine") then "mark" else "pass" end)
      + "\t" + $suite + "." + .name,
    ((.failures // [])[] | .failure | split("\n")[] | "    " + .)' "$1"
}

# read_results JSON EXE [why]: counts each test of a results file.
read_results() {
  local outcome test detail=0
  while IFS= read -r line; do
    case $line in
      "    "*)
        if [ $detail -lt 12 ]; then echo "$line" >&2; fi
        detail=$((detail + 1)) ;;
      *)
        outcome=${line%%$'\t'*} test=${line#*$'\t'} detail=0
        count "$outcome" "$test" "$2" "${3:-see below}" ;;
    esac
  done < <(results "$1" | tr -d '\r')
}

# Each program runs once under a time limit, its per-test results read from
# GoogleTest's JSON results. A program that hung or crashed leaves no
# results: its tests run again, one process each, so that one bad test costs
# only itself.
exe_timeout_s=${OLVAREN_WINE_EXE_TIMEOUT:-600}
bin=build-win-x86_64/bin
for exe in "$bin"/*_tests.exe; do
  [ -e "$exe" ] || continue
  name=$(basename "$exe")
  json=$tmp/${name%.exe}.json
  (cd "$bin" && timeout "$exe_timeout_s" "$wine" "$name" --gtest_output="json:$wtmp/${name%.exe}.json" \
    >"$tmp/out.log" 2>&1) && rc=0 || rc=$?
  if { [ $rc -eq 0 ] || [ $rc -eq 1 ]; } && [ -s "$json" ]; then
    read_results "$json" "$name"
    continue
  fi
  # Hung or crashed: every test runs again on its own.
  [ $rc -eq 124 ] && why="timed out after ${exe_timeout_s}s" || why="exit code $rc"
  echo "$name: $why; its tests run one by one" >&2
  { grep -E "Failure|Which is|Expected|error|Unhandled|ASSERT" "$tmp/out.log" || true; } | tail -n 6 | sed 's/^/    /' >&2
  list=$tmp/${name%.exe}.list.json
  (cd "$bin" && timeout "$timeout_s" "$wine" "$name" --gtest_list_tests --gtest_output="json:$wtmp/${name%.exe}.list.json" \
    >/dev/null 2>&1) || true
  [ -s "$list" ] || { count fail "$name" "$name" "$why; no test list"; continue; }
  while IFS= read -r test; do
    one=$tmp/one.json
    rm -f "$one"
    (cd "$bin" && timeout "$timeout_s" "$wine" "$name" --gtest_filter="$test" --gtest_output="json:$wtmp/one.json" \
      >"$tmp/out.log" 2>&1) && rc=0 || rc=$?
    if { [ $rc -eq 0 ] || [ $rc -eq 1 ]; } && [ -s "$one" ]; then
      read_results "$one" "$name"
    else
      [ $rc -eq 124 ] && why="timed out after ${timeout_s}s" || why="exit code $rc"
      count fail "$test" "$name" "$why"
      { grep -E "Failure|Which is|Expected|error|Unhandled|ASSERT" "$tmp/out.log" || true; } | head -n 12 | sed 's/^/    /' >&2
    fi
  done < <(jq -r '.testsuites[] | .name as $suite | .testsuite[] | $suite + "." + .name' "$list" | tr -d '\r')
done
for file in $(printf '%s\n' "${!pass[@]}" "${!fail[@]}" "${!mark[@]}" | sort -u); do
  row "$file" "${pass[$file]:-0}" "${fail[$file]:-0}" "${mark[$file]:-0}"
done

printf '%-46s %6s %6s %6s\n' "test file" passed failed marked
printf '%s\n' "${rows[@]}"
[ $failures -eq 0 ]
