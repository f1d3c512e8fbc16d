#!/usr/bin/env bash
# Starts the built program headless in a fresh home, checks that it comes up,
# writes its settings folder and readme, does not write settings at start,
# and keeps running until it is stopped.
set -u
exe=$1
home=$2
rm -rf "$home"
mkdir -p "$home/config" "$home/data" "$home/tmp" "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data TMPDIR=$home/tmp \
       XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.multimedia*=false'
chmod 700 "$home/runtime"
# As on a second run: the cursive font is already installed, so no box waits for an answer.
mkdir -p "$home/data/fonts"
cp "$(dirname "$exe")/indis1.ttf" "$home/data/fonts/" 2>/dev/null || true

"$exe" &
pid=$!
for _ in $(seq 1 50); do
  [ -f "$home/config/ImpostazioniProgrammiQuorla/leggimi.txt" ] && break
  sleep 0.1
done
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program did not stay up"; exit 1
fi
fail=0
# Qt SQL comes with the results module, loaded when answers are kept or read, never at start.
grep -q libQt6Sql "/proc/$pid/maps" 2>/dev/null && { echo "FAIL: Qt SQL loaded at start"; fail=1; }
kill "$pid"; wait "$pid" 2>/dev/null
[ -f "$home/config/ImpostazioniProgrammiQuorla/leggimi.txt" ] || { echo "FAIL: no readme"; fail=1; }
[ -f "$home/config/ImpostazioniProgrammiQuorla/Lettoria2.INI" ] && { echo "FAIL: settings written at start"; fail=1; }
[ $fail -eq 0 ] && echo "smoke: 4 passed, 0 failed"
exit $fail
