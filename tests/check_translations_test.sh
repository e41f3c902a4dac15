#!/usr/bin/env bash
# The translation check must catch what it is there for. Each case starts from a tiny
# program whose translation is complete, changes one thing, and says whether the check
# must refuse it.
# usage: check_translations_test.sh CHECK_SCRIPT UPDATE_SCRIPT [LUPDATE]
set -uo pipefail
check=$1
update=$2
lupdate=${3:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

source_file() {
  printf '#include "platform/texts.h"\nclass W : public QWidget {\n  Q_OBJECT\n  void f() { tr("Hallo %%1"); }\n};\nconst char* t = ORTIVO_TEXT("core", "Stern");\n%s\n' "$1"
}
# A program of one window text and one core text, translated.
make_program() {
  rm -rf "$tmp/p" && mkdir -p "$tmp/p/translations"
  (cd "$tmp/p" && mkdir platform containers geometry model render3d views demo ui)
  cp "$update" "$tmp/p/translations/update.sh"
  source_file "" >"$tmp/p/ui/w.cpp"
  "$tmp/p/translations/update.sh" "$tmp/p/translations/ortivo_en.ts" $lupdate >/dev/null 2>&1
  sed -i -e 's|<translation type="unfinished"></translation>|<translation>@</translation>|' \
    "$tmp/p/translations/ortivo_en.ts"
  awk '/<source>Hallo/ { s = 1 } /<translation>@/ { if (s) { sub(/@/, "Hello %1"); s = 0 } else sub(/@/, "Star") } 1' \
    "$tmp/p/translations/ortivo_en.ts" >"$tmp/ts" && mv "$tmp/ts" "$tmp/p/translations/ortivo_en.ts"
}
expect() {  # expect OUTCOME CHANGE (shell commands run in the program's folder)
  make_program
  (cd "$tmp/p" && eval "$2")
  if "$check" "$tmp/p" $lupdate >"$tmp/out" 2>&1; then got=clean; else got=refused; fi
  if [ "$got" != "$1" ]; then echo "expected $1, got $got: $2"; cat "$tmp/out"; fail=1; fi
}
expect clean ':'
expect refused 'source_file "const char* u = ORTIVO_TEXT(\"core\", \"Mond\");" >ui/w.cpp'
expect refused 'sed -i "s|<translation>Star</translation>|<translation type=\"unfinished\">Star</translation>|" translations/ortivo_en.ts'
expect refused 'sed -i "s|Hello %1|Hello|" translations/ortivo_en.ts'
expect refused 'sed -i "s|Hello %1|Hello %1 %1|" translations/ortivo_en.ts'
exit $fail
