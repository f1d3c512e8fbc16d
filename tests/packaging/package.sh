#!/usr/bin/env bash
# Builds the Debian package with CPack, checks what it holds, unpacks it into
# a scratch root and starts the unpacked launcher headless: the installed
# program must find its own data and stay up.
#   package.sh CPACK_COMMAND BUILD_DIR SOURCE_DIR VERSION
# Exits 77 (skipped) where the Debian tools are missing.
set -u
cpack=$1
build=$2
source=$3
version=$4
id=io.github.lettoria2.Lettoria2

for tool in dpkg-deb dpkg; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

passed=0
failed=0
ok() { passed=$((passed + 1)); }
ko() { failed=$((failed + 1)); echo "FAIL: $*"; }
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then ok; else ko "$what"; fi
}
finish() {
  echo "package: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit $?
}

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# --- Build -------------------------------------------------------------------
arch=$(dpkg --print-architecture)
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  ko "cpack did not build the package"
  finish
fi
debs=("$work"/out/*.deb)
check "one package named lettoria2_${version}_${arch}.deb, found: ${debs[*]##*/}" \
  test "${#debs[@]}" -eq 1 -a "${debs[0]##*/}" = "lettoria2_${version}_${arch}.deb"
deb=${debs[0]}
[ -f "$deb" ] || finish

# --- Control fields -----------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
check "Package" test "$(field Package)" = lettoria2
check "Version" test "$(field Version)" = "$version"
check "Architecture" test "$(field Architecture)" = "$arch"
check "Maintainer" test "$(field Maintainer)" = "Lettoria 2 <lettoria2@invalid>"
check "Section" test "$(field Section)" = education
depends=$(field Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6charts6 libqt6sql6 libqt6sql6-sqlite libespeak-ng1 espeak-ng-data \
           qt6-translations-l10n fonts-liberation2 fonts-comic-neue; do
  check "Depends names $dep: $depends" grep -qE "(^|, )$dep( |,|$)" <<<"$depends"
done

recommends=$(field Recommends)
for rec in gstreamer1.0-plugins-base gstreamer1.0-plugins-good libqt6sql6-psql; do
  check "Recommends names $rec: $recommends" grep -qE "(^|, )$rec( |,|$)" <<<"$recommends"
done

# --- Contents -----------------------------------------------------------------
dpkg-deb -c "$deb" >"$work/contents"
# "mode owner size date time path" -> "mode owner path"
awk '{ print $1, $2, $6 }' "$work/contents" >"$work/entries"
has() { grep -qxF -e "$1 root/root $2" "$work/entries"; }
check "launcher /usr/bin/lettoria2, executable" has -rwxr-xr-x ./usr/bin/lettoria2
check "program /usr/lib/lettoria2/lettoria2, executable" has -rwxr-xr-x ./usr/lib/lettoria2/lettoria2
check "sound module beside the program" has -rw-r--r-- ./usr/lib/lettoria2/lettoria2_suoni.so
check "results module beside the program" has -rw-r--r-- ./usr/lib/lettoria2/lettoria2_risultati.so
check "desktop entry" has -rw-r--r-- "./usr/share/applications/$id.desktop"
check "metainfo" has -rw-r--r-- "./usr/share/metainfo/$id.metainfo.xml"
check "copyright file" has -rw-r--r-- ./usr/share/doc/lettoria2/copyright
check "scalable icon" has -rw-r--r-- "./usr/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256 512; do
  check "${size}px icon" has -rw-r--r-- "./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
check "every entry owned by root" test -z "$(awk '$2 != "root/root"' "$work/entries")"
check "everything under /usr" test -z "$(awk '$3 != "./" && $3 !~ /^\.\/usr\//' "$work/entries")"

# Every file of data/ beside the program, and nothing else there but the program
# and its two modules.
(cd "$source/data" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/data.expected"
grep '^-' "$work/entries" | awk '{ print $3 }' | sed -n 's|^\./usr/lib/lettoria2/||p' |
  grep -vxF -e lettoria2 -e lettoria2_suoni.so -e lettoria2_risultati.so | LC_ALL=C sort >"$work/data.packaged"
check "data/ and the program folder differ: $(diff "$work/data.expected" "$work/data.packaged" | head -5 | tr '\n' ' ')" \
  cmp -s "$work/data.expected" "$work/data.packaged"
check "pictures packaged" test "$(grep -c '^images0/.*\.jpg$' "$work/data.packaged")" -gt 0
check "34 predefined lists packaged" test "$(grep -c '^testilettoria2/.*\.txt$' "$work/data.packaged")" -eq 34

# Nothing is installed in a library path, so no maintainer script has work
# for ldconfig (nor any other work).
dpkg-deb -e "$deb" "$work/control"
check "no maintainer scripts: $(cd "$work/control" && ls | grep -vxF -e control -e md5sums | tr '\n' ' ')" \
  test -z "$(cd "$work/control" && ls | grep -vxF -e control -e md5sums)"
check "changelog" has -rw-r--r-- ./usr/share/doc/lettoria2/changelog.gz
check "manual page of lettoria2" has -rw-r--r-- ./usr/share/man/man1/lettoria2.1.gz

# --- Unpacked files -----------------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }
for size in 16 24 32 48 64 128 256 512; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] && check "${size}px icon is $(png_size "$png")" test "$(png_size "$png")" = "${size}x${size}"
done
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
check "desktop entry starts lettoria2" grep -qx 'Exec=lettoria2' "$desktop"
check "desktop entry shows our icon" grep -qx "Icon=$id" "$desktop"
check "desktop entry in Education and Languages" grep -qx 'Categories=Education;Languages;' "$desktop"
check "metainfo id" grep -qF "<id>$id</id>" "$metainfo"
check "metainfo launches the desktop entry" grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "metainfo names the binary" grep -qF '<binary>lettoria2</binary>' "$metainfo"
check "metainfo release is $version" grep -qF "<release version=\"$version\"" "$metainfo"
check "metainfo describes in Italian" grep -qF '<p xml:lang="it">' "$metainfo"
check "metainfo licence" grep -qF '<project_license>GPL-3.0-or-later' "$metainfo"
check "copyright names the GPL" grep -qx 'License: GPL-3.0-or-later' "$root/usr/share/doc/lettoria2/copyright"
check "changelog is gzip, no name nor time inside" \
  test "$(od -An -tx1 -j3 -N5 "$root/usr/share/doc/lettoria2/changelog.gz" | tr -d ' ')" = 0000000000
check "changelog names version $version" \
  bash -c "gzip -dc '$root/usr/share/doc/lettoria2/changelog.gz' | head -1 | grep -qF 'lettoria2 ($version)'"
check "manual page names lettoria2" \
  bash -c "gzip -dc '$root/usr/share/man/man1/lettoria2.1.gz' | grep -qx '.TH LETTORIA2 1 .*'"
# Hardening: every symbol bound at start (BIND_NOW), so the relocations can be read-only.
if command -v readelf >/dev/null 2>&1; then
  for elf in usr/lib/lettoria2/lettoria2 usr/lib/lettoria2/lettoria2_suoni.so usr/lib/lettoria2/lettoria2_risultati.so; do
    check "$elf bound now" bash -c "readelf -d '$root/$elf' | grep -qE 'BIND_NOW|Flags:.* NOW'"
    check "$elf read-only relocations" bash -c "readelf -lW '$root/$elf' | grep -q GNU_RELRO"
  done
else
  echo "NOTE: readelf is not installed; hardening not checked"
fi
# Lintian, when installed: no error or warning but the maintainer's address,
# which only a distribution can give.
if command -v lintian >/dev/null 2>&1; then
  check "lintian runs" lintian --allow-root --fail-on none "$deb" >"$work/lintian.log" 2>&1
  grep -E '^(E|W): ' "$work/lintian.log" | grep -vE ': (bogus-mail-host|bogus-mail-host-in-debian-changelog) ' >"$work/lintian.bad"
  check "lintian: $(head -5 "$work/lintian.bad" | tr '\n' ' ')" test ! -s "$work/lintian.bad"
else
  echo "NOTE: lintian is not installed; the package was not linted"
fi
check "launcher does not point into the build folder" bash -c "! grep -qF '$build' '$root/usr/bin/lettoria2'"

# --- Starting the unpacked launcher -------------------------------------------
home=$work/home
mkdir -p "$home/config" "$home/data" "$home/tmp" "$home/runtime"
chmod 700 "$home/runtime"
run() { # run LOG: starts the launcher in the scratch home, sets $pid
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data TMPDIR=$home/tmp \
    XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    QT_LOGGING_RULES='qt.multimedia*=false' "$root/usr/bin/lettoria2" >"$1" 2>&1 &
  pid=$!
  pids+=("$pid")
}
wait_for() { # wait_for SECONDS COMMAND...
  local tenths=$(($1 * 10)); shift
  for _ in $(seq 1 "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
settings=$home/config/ImpostazioniProgrammiQuorla

# First start: the program copies the cursive font from its own folder, which
# shows that the launcher found the unpacked program and its data. (Its box
# then waits for an answer; the run is stopped there.)
run "$work/first.log"
check "the first start copies the packaged font" \
  wait_for 10 cmp -s "$home/data/fonts/indis1.ttf" "$root/usr/lib/lettoria2/indis1.ttf"
check "the launcher hands over to the unpacked program" \
  test "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$(readlink -f "$root/usr/lib/lettoria2/lettoria2")"
stop

# Second start, the font in place: the program prepares its settings folder
# and stays up without writing settings.
run "$work/second.log"
check "the second start writes the readme" wait_for 10 test -f "$settings/leggimi.txt"
sleep 3
if kill -0 "$pid" 2>/dev/null; then ok; else ko "the program did not stay up"; cat "$work/second.log"; fi
check "no settings written at start" test ! -e "$settings/Lettoria2.INI"
stop

finish
