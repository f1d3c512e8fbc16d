#!/usr/bin/env bash
# Checks one desktop file with its validator, warnings and hints included.
# Exits 77 (skipped) when the validator is not installed.
set -u
tool=$1
file=$2
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "SKIP: $tool is not installed"
  exit 77
fi
case $tool in
  desktop-file-validate) out=$(desktop-file-validate "$file" 2>&1); rc=$? ;;
  appstreamcli) out=$(appstreamcli validate --no-net --strict "$file" 2>&1); rc=$? ;;
  *) echo "unknown validator $tool"; exit 2 ;;
esac
[ -n "$out" ] && echo "$out"
# desktop-file-validate prints its warnings and hints but still exits 0.
if [ $rc -ne 0 ] || grep -qE '(error|warning|hint):' <<<"$out"; then
  echo "FAIL: $tool found problems in $(basename "$file")"
  exit 1
fi
echo "$(basename "$file"): valid for $tool"
