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

# A page's anchors, pictures and links as sorted "kind value" lines, one pass per page
# (a tag may span lines).
records() {
  tr '\n\r\t' '   ' <"$1" | grep -oE '<[^>]+>' | sed -nE '
    h; s/^<[^>]*[[:space:]]id="([^"]*)".*/anchor \1/Ip
    g; s/^<a[[:space:]]([^>]*[[:space:]])?name="([^"]*)".*/anchor \2/Ip
    g; s/^<img[[:space:]]([^>]*[[:space:]])?src="([^"]*)".*/picture \2/Ip
    g; s/^<[^>]*[[:space:]]href="([^"]*)".*/link \1/Ip' | sort -u
}
# kind KIND RECORDS: the values of one kind, one a line.
kind() {
  local k v out=
  while read -r k v; do [ "$k" = "$1" ] && out+=$v$'\n'; done <<<"$2"
  printf '%s' "$out"
}

declare -A en_records en_anchors
for page in "$en"/*.html; do
  [ -f "$page" ] || continue
  name=${page##*/}
  en_records[$name]=$(records "$page")
  en_anchors[$name]=$(kind anchor "${en_records[$name]}")
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
  name=${german##*/}
  if [ -z "${en_records[$name]+set}" ]; then
    fail "$name: no English twin en/$name"
    continue
  fi
  twin=${en_records[$name]}
  own=$(records "$german")
  if [ "$(kind anchor "$own")" != "${en_anchors[$name]}" ]; then
    fail "en/$name: anchors differ from the German page's:" \
      "$(diff <(kind anchor "$own") <(echo "${en_anchors[$name]}") | grep '^[<>]' | tr '\n' ' ')"
  fi
  pictures=$(kind picture "$twin")
  [ "$(kind picture "$own")" = "$pictures" ] || fail "en/$name: pictures differ from the German page's"
  while read -r src; do
    case $src in
      '') ;;
      */* | ..*) fail "en/$name: picture $src lies outside en/" ;;
      *) [ -f "$en/$src" ] || fail "en/$name: picture $src is missing in en/" ;;
    esac
  done <<<"$pictures"
  while read -r target; do
    # None, or an address with a scheme (mailto:, https:) that leaves the help on purpose.
    [ -z "$target" ] || [[ $target =~ ^[A-Za-z][A-Za-z0-9+.-]*: ]] || reaches "$name" "$target"
  done <<<"$(kind link "$twin")"
done

# The table of contents and the index of the English help.
for sitemap in "$en"/*.hhc "$en"/*.hhk; do
  [ -f "$sitemap" ] || continue
  while read -r target; do
    reaches "${sitemap##*/}" "$target"
  done < <(grep -oE 'name="Local" value="[^"]*"' "$sitemap" | sed -E 's/.*value="//; s/"$//')
done

[ "$bad" -eq 0 ] && echo "every German help page has its English twin"
exit "$bad"
