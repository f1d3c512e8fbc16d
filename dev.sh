#!/usr/bin/env bash
# Lettoria 2: one script for newcomers and CI.
#   ./dev.sh run    installs what is missing, builds, starts the program
#   ./dev.sh test   installs what is missing, builds, runs every test headless
set -euo pipefail
cd "$(dirname "$0")"
# Compiled objects are cached by ccache under paths relative to this folder,
# so a second clone on the same machine (CI's) builds from the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

# Debian 12 packages the build, the tests and the program need.
PACKAGES=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev
  qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql libfontconfig-dev
  libespeak-ng-dev espeak-ng-data
  fonts-liberation2 fonts-comic-neue
  dpkg-dev file desktop-file-utils appstream
  python3
)
# Only for the tests: sanitizers' runtime and libFuzzer come with clang;
# lintian checks the Debian package.
TEST_PACKAGES=(clang libclang-rt-14-dev lintian)
# The benchmark watches the program's start-up on an X server of its own and
# listens to the spoken word on a PulseAudio server of its own (parec records it).
BENCH_PACKAGES=(xvfb libxcb1-dev pulseaudio pulseaudio-utils)
# The tests of the teacher's results read the parents' report back with pdftotext and pdfinfo.
TEST_PACKAGES+=(poppler-utils)
# The school's results store is tested against a throwaway PostgreSQL server
# the tests start themselves (initdb, pg_ctl, psql).
TEST_PACKAGES+=(postgresql postgresql-client)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() { # build DIR [TARGETS...] -- [CMAKE OPTIONS...]
  local dir=$1; shift
  local targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do targets+=(--target "$1"); shift; done
  [ $# -gt 0 ] && shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    # The program alone; the tests and the benchmark are built by "test".
    build build lettoria2 lettoria2_suoni lettoria_data -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/programma/lettoria2
    ;;
  test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    echo "== Build and tests"
    build build -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLETTORIA_WERROR=$werror
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    echo "== The same tests with AddressSanitizer and UndefinedBehaviorSanitizer"
    build build-asan -- -DCMAKE_BUILD_TYPE=Debug -DLETTORIA_SANITIZE=ON -DLETTORIA_BENCH=OFF -DLETTORIA_WERROR=$werror
    # Only the unit and window tests: the data, the package and the benchmark have nothing new to show there.
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" -L 'unita|finestre'
    echo "== Fuzzing the word-list and settings readers"
    tests/fuzz/run.sh "${FUZZ_SECONDS:-60}"
    ;;
  *)
    echo "usage: ./dev.sh run | ./dev.sh test" >&2
    exit 2
    ;;
esac
