#!/usr/bin/env bash
# The Windows build and its tests: installs what is missing (MinGW-w64,
# Wine), cross-builds Olvaren.dll for i686 and the conformance tests for
# x86_64 (build-win-i686/, build-win-x86_64/), checks the DLL's export
# table, and runs every test under Wine (64-bit, headless: the null graphics
# driver): each test program once under a timeout, and one process per test
# for a program that hung or crashed. Prints a table of passed / failed /
# marked per test file; fails when any test failed.
#   marked: passed with an expectation marked TODO_WINE (a documented
#           deviation of Wine), or skipped: stand-in only (STANDIN_ONLY),
#           POSIX only (POSIX_ONLY).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
timeout_s=${OLVAREN_WINE_TIMEOUT:-30}

PACKAGES=(cmake make g++ googletest libpugixml-dev g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  mingw-w64-tools wine64)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

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
for arch in i686 x86_64; do
  cmake -S windows -B "build-win-$arch" -DCMAKE_TOOLCHAIN_FILE="$root/scripts/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DOLVAREN_PUGIXML_SOURCE="$pugi_src" >/dev/null
  cmake --build "build-win-$arch" -j "$jobs" >/dev/null
done

rows=()
failures=0
row() { rows+=("$(printf '%-46s %6s %6s %6s' "$1" "$2" "$3" "$4")"); }

# The export table of the 32-bit add-in.
if ctest --test-dir build-win-i686 --output-on-failure >/tmp/olvaren-exports.$$ 2>&1; then
  row "Olvaren.dll (i686) export table" 1 0 0
else
  cat /tmp/olvaren-exports.$$ >&2
  row "Olvaren.dll (i686) export table" 0 1 0
  failures=$((failures + 1))
fi
rm -f /tmp/olvaren-exports.$$

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
trap 'wineserver -k 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

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

# Each program runs once under a time limit, its per-test results read from
# GoogleTest's output. A program that hung or crashed has its unfinished
# tests run again, one process each, so that one bad test costs only itself.
exe_timeout_s=${OLVAREN_WINE_EXE_TIMEOUT:-600}
bin=build-win-x86_64/bin
for exe in "$bin"/*_tests.exe; do
  [ -e "$exe" ] || continue
  name=$(basename "$exe")
  out=$(cd "$bin" && timeout "$exe_timeout_s" "$wine" "$name" 2>&1) && rc=0 || rc=$?
  declare -A done_=()
  current= todo=0
  while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
      "[ RUN      ] "*) current=${line#*] }; todo=0 ;;
      "[ TODO_WINE ]"*) todo=1 ;;
      "[       OK ] "*" ("*)
        t=${line#*] }; t=${t%% (*}; done_[$t]=1
        [ $todo -eq 1 ] && count mark "$t" "$name" || count pass "$t" "$name" ;;
      "[  SKIPPED ] "*" ("*) t=${line#*] }; t=${t%% (*}; done_[$t]=1; count mark "$t" "$name" ;;
      "[  FAILED  ] "*" ("*)
        t=${line#*] }; t=${t%% (*}; t=${t%%,*}; done_[$t]=1
        count fail "$t" "$name" "see below"
        { awk -v t="[ RUN      ] $t" '$0 == t {on=1; next} /^\[  FAILED  \]/ {on=0} on' <<<"${out//$'\r'/}" |
          grep -E "Failure|Which is|Expected|error|Unhandled" || true; } | head -n 12 | sed 's/^/    /' >&2 ;;
    esac
  done <<<"$out"
  if [ $rc -ne 0 ] && [ $rc -ne 1 ]; then
    # Hung or crashed: the test that was running fails; the rest run one by one.
    [ $rc -eq 124 ] && why="timed out after ${exe_timeout_s}s" || why="exit code $rc"
    if [ -n "$current" ] && [ -z "${done_[$current]:-}" ]; then
      done_[$current]=1
      count fail "$current" "$name" "$why"
      { grep -E "Failure|Which is|Expected|error|Unhandled|ASSERT" <<<"$out" || true; } | tail -n 6 | sed 's/^/    /' >&2
    fi
    suite=
    while IFS= read -r line; do
      line=${line%$'\r'}
      case $line in
        "Running main"* | "") continue ;;
        " "*) test=${line#  }; test=${test%% *} ;;
        *) suite=${line%%.*}; continue ;;
      esac
      [ -z "${done_[$suite.$test]:-}" ] || continue
      one=$(cd "$bin" && timeout "$timeout_s" "$wine" "$name" --gtest_filter="$suite.$test" 2>&1) && rc=0 || rc=$?
      if [ $rc -eq 0 ] && grep -qE "^\[  SKIPPED \]|^\[ TODO_WINE \]" <<<"$one"; then
        count mark "$suite.$test" "$name"
      elif [ $rc -eq 0 ]; then
        count pass "$suite.$test" "$name"
      else
        [ $rc -eq 124 ] && why="timed out after ${timeout_s}s" || why="exit code $rc"
        count fail "$suite.$test" "$name" "$why"
        { grep -E "Failure|Which is|Expected|error|Unhandled|ASSERT" <<<"$one" || true; } | head -n 12 | sed 's/^/    /' >&2
      fi
    done < <(cd "$bin" && timeout "$timeout_s" "$wine" "$name" --gtest_list_tests 2>/dev/null)
  fi
  unset done_
done
for file in $(printf '%s\n' "${!pass[@]}" "${!fail[@]}" "${!mark[@]}" | sort -u); do
  row "$file" "${pass[$file]:-0}" "${fail[$file]:-0}" "${mark[$file]:-0}"
done

printf '%-46s %6s %6s %6s\n' "test file" passed failed marked
printf '%s\n' "${rows[@]}"
[ $failures -eq 0 ]
