#!/usr/bin/env bash
# The twin check must catch what it is there for. Each case starts from a tiny help whose
# English twins match, changes one thing, and says whether the check must refuse it.
# usage: check_help_twins_test.sh CHECK_SCRIPT
set -uo pipefail
check=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

# Two pages: a.html with an id anchor, a picture and a link into b.html; b.html with a
# name anchor on a tag that spans lines. The twins are the same pages in English.
page_a() { printf '<html><body><h2 id="x">%s</h2><img src="p.png">\n<a href="b.html#y">b</a> <a href="#x">top</a></body></html>\n' "$1"; }
page_b() { printf '<html><head><meta name="viewport" content="x"></head><body><a\n name="y">%s</a> <a href="a.html">a</a></body></html>\n' "$1"; }
expect() {  # expect OUTCOME CHANGE (shell commands run inside the help folder)
  rm -rf "$tmp/help" && mkdir -p "$tmp/help/en"
  (
    cd "$tmp/help" || exit 1
    page_a Deutsch >a.html && page_b Deutsch >b.html && touch p.png
    page_a English >en/a.html && page_b English >en/b.html && touch en/p.png
    printf '<param name="Name" value="A">\n<param name="Local" value="a.html#x">\n' >en/help.hhk
    eval "$2"
  )
  if "$check" "$tmp/help" >"$tmp/out"; then got=clean; else got=refused; fi
  if [ "$got" != "$1" ]; then echo "expected $1, got $got: $2"; cat "$tmp/out"; fail=1; fi
}
expect clean ':'
expect clean 'printf "<html><body></body></html>\n" >en/extra.html'
expect refused 'rm en/b.html'
expect refused 'sed -i "s/id=\"x\"/id=\"z\"/" en/a.html'
expect refused 'sed -i "s/<body>/<body><p id=\"more\">/" en/a.html'
expect refused 'sed -i "s/<a href=\"a.html\">/<a name=\"more\" href=\"a.html\">/" en/b.html'
expect refused 'sed -i "s/name=\"y\"/name=\"z\"/" en/b.html'
expect refused 'sed -i "s/b.html#y/c.html#y/" en/a.html'
expect refused 'sed -i "s/b.html#y/b.html#z/" en/a.html'
expect refused 'sed -i "s/href=\"#x\"/href=\"#z\"/" en/a.html'
expect refused 'sed -i "s/b.html#y/..\/b.html#y/" en/a.html'
expect refused 'sed -i "s/p.png/q.png/" en/a.html && touch en/q.png'
expect refused 'sed -i "s/p.png/..\/p.png/" en/a.html'
expect refused 'rm en/p.png'
expect refused 'sed -i "s/a.html#x/a.html#z/" en/help.hhk'
exit "$fail"
