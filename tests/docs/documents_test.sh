#!/usr/bin/env bash
# The documents that the "Info" menu opens, as the build lays them beside the
# program: a real PDF manual that covers every panel, and a contact page that
# needs nothing from outside. Usage: documents_test.sh BIN_FOLDER VERSION
set -u
bin="$1"
version="$2"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

pdf="$bin/Tarvi.pdf"
page="$bin/Veldra.htm"

[ -d "$bin/Prbls" ] || fail "no Prbls folder beside the program"

if [ ! -s "$pdf" ]; then
  fail "no Tarvi.pdf beside the program"
else
  [ "$(head -c 4 "$pdf")" = "%PDF" ] || fail "Tarvi.pdf does not start with %PDF"
  if command -v pdftotext >/dev/null; then
    # One line of text, blanks collapsed, so that wrapped phrases still match.
    text="$(pdftotext -enc UTF-8 "$pdf" - | tr -s ' \n' '  ')"
    for phrase in "Variaciones — V(m,n)" "Variaciones con repetición — VR(m,n)" "Permutaciones — P(n)" \
                  "Permutaciones con repetición" "Combinaciones — C(m,n)" "Combinaciones con repetición — CR(m,n)" \
                  "binomio de Newton" "Los mensajes de error" "Ejercicios al azar" "Archivos de casos" \
                  "diálogo de archivos" "Hoja de ejercicios" "Utilidades" "Versión $version" "30240" "1166803110" "tarvi-calc explain"; do
      grep -qF -- "$phrase" <<<"$text" || fail "the manual does not mention \"$phrase\""
    done
  else
    echo "pdftotext not installed: the manual's text is not checked"
  fi
fi

if [ ! -s "$page" ]; then
  fail "no Veldra.htm beside the program"
else
  grep -qF "Sobre..." "$page" || fail "Veldra.htm does not say where the version is shown"
  grep -qF "$version" "$page" || fail "Veldra.htm does not carry the version $version"
  # Self-contained: nothing loaded from elsewhere (in-page anchors and the SVG
  # namespace name are not loads).
  if grep -qiE "src=|@import|url\((['\"])?[^#'\")]|href=(['\"])?[^#'\"]" "$page"; then
    fail "Veldra.htm refers to something outside itself"
  fi
fi

[ "$failures" -eq 0 ] && echo "documents: all checks passed"
[ "$failures" -eq 0 ]
