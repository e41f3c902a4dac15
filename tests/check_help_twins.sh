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
# From a page's tags:
anchors() { { attr id <<<"$1"; { grep -iE '^<a[[:space:]]' <<<"$1" || true; } | attr name; } | sort -u; }
pictures() { { grep -iE '^<img[[:space:]]' <<<"$1" || true; } | attr src | sort -u; }
links() { attr href <<<"$1" | { grep -vE '^[A-Za-z][A-Za-z0-9+.-]*:' || true; }; }

# The tags and anchors of every English page, looked up by each link to it.
declare -A en_tags en_anchors
for page in "$en"/*.html; do
  [ -f "$page" ] || continue
  name=$(basename "$page")
  en_tags[$name]=$(tags "$page")
  en_anchors[$name]=$(anchors "${en_tags[$name]}")
done

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
  elif [ -n "$anchor" ] && [[ $'\n'${en_anchors[$file]-}$'\n' != *$'\n'"$anchor"$'\n'* ]]; then
    fail "en/$from: link $target reaches no anchor"
  fi
}

for german in "$help"/*.html; do
  name=$(basename "$german")
  if [ -z "${en_tags[$name]+set}" ]; then
    fail "$name: no English twin en/$name"
    continue
  fi
  twin=${en_tags[$name]}
  own=$(tags "$german")
  if [ "$(anchors "$own")" != "${en_anchors[$name]}" ]; then
    fail "en/$name: anchors differ from the German page's:" \
      "$(diff <(anchors "$own") <(echo "${en_anchors[$name]}") | grep '^[<>]' | tr '\n' ' ')"
  fi
  pics=$(pictures "$twin")
  [ "$(pictures "$own")" = "$pics" ] || fail "en/$name: pictures differ from the German page's"
  while read -r src; do
    [ -n "$src" ] || continue
    case $src in
      */* | ..*) fail "en/$name: picture $src lies outside en/" ;;
      *) [ -f "$en/$src" ] || fail "en/$name: picture $src is missing in en/" ;;
    esac
  done <<<"$pics"
  while read -r target; do
    [ -z "$target" ] || reaches "$name" "$target"
  done < <(links "$twin")
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
