#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs from
# the installed tree: the programs, the documents, a valid desktop entry whose
# program and icon are there, valid AppStream metainfo for it, the manual pages,
# tarvi-calc's bash completion, tarvi-calc answering from there on its own, and
# the installed window making its working folder in a fresh home.
# Usage: install_test.sh BUILD_FOLDER VERSION APP_ID
set -u
build="$1"
version="$2"
id="$3"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
if ! log="$(cmake --install "$build" --prefix "$prefix" 2>&1)"; then
  echo "$log" >&2
  fail "cmake --install failed"
  exit 1
fi

for program in tarvi tarvi-calc tarvi-sheet-pdf; do
  file="$prefix/bin/$program"
  if [ ! -x "$file" ]; then
    fail "bin/$program is not installed"
  # An installed program must not reach back into the build tree for libraries.
  elif readelf -d "$file" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "bin/$program looks for libraries in the build tree"
  fi
done

[ "$(head -c 4 "$prefix/share/tarvi/Tarvi.pdf" 2>/dev/null)" = "%PDF" ] || fail "share/tarvi/Tarvi.pdf is not a PDF"
grep -qF "$version" "$prefix/share/tarvi/Veldra.htm" 2>/dev/null || fail "share/tarvi/Veldra.htm is missing or without the version"

desktop="$prefix/share/applications/$id.desktop"
if [ ! -f "$desktop" ]; then
  fail "no desktop entry share/applications/$id.desktop"
else
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
  key() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(key Name)" = "Tarvi" ] || fail "the desktop entry's Name is not Tarvi"
  [ "$(key Categories)" = "Education;Math;" ] || fail "the desktop entry's Categories are $(key Categories)"
  for lang in "" "\[en\]" "\[ca\]"; do
    [ -n "$(key "GenericName$lang")" ] || fail "the desktop entry has no GenericName$lang"
    [ -n "$(key "Comment$lang")" ] || fail "the desktop entry has no Comment$lang"
  done
  exec_program="$(key Exec | cut -d' ' -f1)"
  [ -x "$prefix/bin/$exec_program" ] || fail "the desktop entry starts '$exec_program', which is not installed"
  [ "$(key Icon)" = "$id" ] || fail "the desktop entry's Icon is '$(key Icon)', not $id"
fi
icon="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
grep -q "<svg" "$icon" 2>/dev/null || fail "no SVG icon share/icons/hicolor/scalable/apps/$id.svg"

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ ! -f "$metainfo" ]; then
  fail "no metainfo share/metainfo/$id.metainfo.xml"
else
  appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
  grep -qF "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
fi

for page in tarvi tarvi-calc tarvi-sheet-pdf; do
  manual="$prefix/share/man/man1/$page.1"
  if [ ! -f "$manual" ]; then
    fail "no manual page share/man/man1/$page.1"
  else
    # groff's warnings, as Debian's package check asks man for them.
    warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "the manual page $page.1 has errors: $warnings"
    # The date in the form man tools read, and the version.
    grep -qE '^\.TH [^ ]+ 1 [0-9]{4}-[0-9]{2}-[0-9]{2} "Tarvi '"$version"'"' "$manual" ||
      fail "the manual page $page.1 has no date and version Tarvi $version in its .TH line"
    if command -v mandoc >/dev/null; then
      lint="$(mandoc -Tlint -Wstyle "$manual" 2>&1)"
      [ -z "$lint" ] || fail "mandoc finds fault with $page.1: $lint"
    fi
  fi
done
[ -f "$prefix/share/bash-completion/completions/tarvi-calc" ] ||
  fail "no bash completion share/bash-completion/completions/tarvi-calc"

# From a folder that has nothing of the build in it.
answer="$(cd "$prefix" && "$prefix/bin/tarvi-calc" V 10 5)"
[ "$answer" = "30240" ] || fail "the installed tarvi-calc answers '$answer' to V 10 5"
# The PDF sheet program, beside tarvi-calc, with no display at all.
(cd "$prefix" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tarvi-sheet-pdf" --seed 7 \
  -o "$prefix/sheet.pdf") || fail "the installed tarvi-sheet-pdf fails without a display"
[ "$(head -c 4 "$prefix/sheet.pdf" 2>/dev/null)" = "%PDF" ] || fail "the installed tarvi-sheet-pdf wrote no PDF"

# The window, started as the desktop starts it, by a user who has never run it,
# makes its working folder with Prbls in the documents folder (the start tests
# check the rest of the start in the process).
home="$prefix/home"
mkdir -p "$home"
(cd "$home" && exec env -u TARVI_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/tarvi") >/dev/null 2>&1 &
program=$!
for _ in $(seq 100); do
  [ -d "$home/Documents/Tarvi/Prbls" ] && break
  sleep 0.1
done
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
[ -d "$home/Documents/Tarvi/Prbls" ] || fail "the installed tarvi made no Documents/Tarvi/Prbls in a fresh home"

[ "$failures" -eq 0 ] && echo "installed tree: all checks passed"
[ "$failures" -eq 0 ]
