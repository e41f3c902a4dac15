#!/usr/bin/env bash
# Fails when translations/ortivo_en.ts is not what translations/update.sh makes of the
# program's texts, when an entry is unfinished, or when a translation's placeholders
# (%1 … %9, %n) are not those of its source.
# usage: check_translations.sh SOURCE_DIR [LUPDATE]
set -uo pipefail
src=$1
lupdate=${2:-}
ts="$src/translations/ortivo_en.ts"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad=0

cp "$ts" "$tmp/ortivo_en.ts"
if ! "$src/translations/update.sh" "$tmp/ortivo_en.ts" $lupdate >"$tmp/lupdate.log" 2>&1; then
  cat "$tmp/lupdate.log"
  echo "lupdate failed"
  exit 1
fi
if ! cmp -s "$ts" "$tmp/ortivo_en.ts"; then
  diff -u "$ts" "$tmp/ortivo_en.ts" | head -40
  echo "$ts is out of date: run translations/update.sh and translate what is new"
  bad=1
fi

# One message per record: its source and translation, compared by their placeholders.
awk -v RS='</message>' '
  function unescape(s) { gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&quot;/, "\"", s); gsub(/&apos;/, "\x27", s); gsub(/&amp;/, "\\&", s); return s }
  function placeholders(s,   out, i, copy, t) {  # how often each of %1 … %9 and %n occurs
    out = ""
    for (i = 1; i <= 10; i++) { copy = s; t = i < 10 ? i : "n"; out = out gsub("%" t, "", copy) "," }
    return out
  }
  /<source>/ {
    source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
    translation = $0; sub(/.*<translation[^>]*>/, "", translation); sub(/<\/translation>.*/, "", translation)
    if ($0 ~ /<translation[^>]*type="(unfinished|vanished|obsolete)"/ || translation == "") {
      print "unfinished: " unescape(source); bad = 1
    } else if (placeholders(source) != placeholders(translation)) {
      print "placeholders differ: " unescape(source) " -> " unescape(translation); bad = 1
    }
    count++
  }
  END { if (count == 0) { print "no messages"; bad = 1 } exit bad }
' "$ts" || bad=1

[ "$bad" -eq 0 ] && echo "translations complete and up to date: $ts"
exit "$bad"
