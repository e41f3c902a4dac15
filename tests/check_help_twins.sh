#!/usr/bin/env bash
# Fails when a German help page has no English twin in en/, when a twin's anchors (id, and
# name on <a>) or pictures differ from its German page's, or when a link of the English
# help (pages, contents, index) leaves en/ or reaches no page or anchor there. The English
# help is compiled on its own, so a link back into the German folder would break it.
# usage: check_help_twins.sh HELP_DIR
set -uo pipefail
help=$1
en=$help/en
bad=0
fail() { echo "$*"; bad=1; }

# The tags of a page, one a line (a tag may span lines).
tags() { tr '\n\r\t' '   ' <"$1" | grep -oE '<[^>]+>'; }
# attr ATTRIBUTE: the values of that attribute in the tags on stdin (none is no failure).
attr() { { grep -oiE "[[:space:]]$1=\"[^\"]*\"" || true; } | sed -E 's/^[^"]*"//; s/"$//'; }
anchors() {
  local t
  t=$(tags "$1")
  { attr id <<<"$t"; { grep -iE '^<a[[:space:]]' <<<"$t" || true; } | attr name; } | sort -u
}
pictures() { tags "$1" | { grep -iE '^<img[[:space:]]' || true; } | attr src | sort -u; }

# reaches FROM TARGET: TARGET, as written in en/FROM, names a file in en/ and an anchor in it.
reaches() {
  local from=$1 target=$2 file anchor
  file=${target%%#*}
  anchor=${target#"$file"}
  anchor=${anchor#\#}
  [ -n "$file" ] || file=$from
  case $file in
    */* | ..*) fail "en/$from: link $target leaves the English help"; return ;;
  esac
  if [ ! -f "$en/$file" ]; then
    fail "en/$from: link $target reaches no page"
  elif [ -n "$anchor" ] && ! anchors "$en/$file" | grep -xF -- "$anchor" >/dev/null; then
    fail "en/$from: link $target reaches no anchor"
  fi
}

for german in "$help"/*.html; do
  name=$(basename "$german")
  twin=$en/$name
  if [ ! -f "$twin" ]; then
    fail "$name: no English twin en/$name"
    continue
  fi
  if [ "$(anchors "$german")" != "$(anchors "$twin")" ]; then
    fail "en/$name: anchors differ from the German page's:" \
      "$(diff <(anchors "$german") <(anchors "$twin") | grep '^[<>]' | tr '\n' ' ')"
  fi
  if [ "$(pictures "$german")" != "$(pictures "$twin")" ]; then
    fail "en/$name: pictures differ from the German page's"
  fi
  while read -r src; do
    case $src in
      */* | ..*) fail "en/$name: picture $src lies outside en/" ;;
      *) [ -f "$en/$src" ] || fail "en/$name: picture $src is missing in en/" ;;
    esac
  done < <(pictures "$twin")
  while read -r target; do
    reaches "$name" "$target"
  done < <(tags "$twin" | attr href | grep -vE '^[A-Za-z][A-Za-z0-9+.-]*:')
done

# The table of contents and the index of the English help.
for sitemap in "$en"/*.hhc "$en"/*.hhk; do
  [ -f "$sitemap" ] || continue
  while read -r target; do
    reaches "$(basename "$sitemap")" "$target"
  done < <(grep -oE 'name="Local" value="[^"]*"' "$sitemap" | sed -E 's/.*value="//; s/"$//')
done

[ "$bad" -eq 0 ] && echo "every German help page has its English twin"
exit "$bad"
