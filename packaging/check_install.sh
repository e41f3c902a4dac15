#!/usr/bin/env bash
# Installs Ortivo into a temporary prefix and checks what lands there: program, start
# script, German and English help, menu entry, the AppStream metadata, the MIME type of
# scenario files and the icons; then builds the Debian package and checks its contents and
# dependencies. Usage: check_install.sh <build dir> <source dir>
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/ortivo-install.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
checks=0
check() {  # check <description> <command...>
  local what=$1
  shift
  checks=$((checks + 1))
  if "$@"; then return 0; fi
  echo "FAILED: $what" >&2
  failures=$((failures + 1))
}

is_png_of_size() {  # PNG signature, then width and height from the IHDR chunk
  local file=$1 size=$2
  [ -f "$file" ] || return 1
  [ "$(od -An -tx1 -N8 "$file" | tr -d ' \n')" = "89504e470d0a1a0a" ] || return 1
  local dims
  dims=$(od -An -tu1 -j16 -N8 "$file" | tr -s ' \n' ' ')
  read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$dims"
  [ $(((w1 << 24) + (w2 << 16) + (w3 << 8) + w4)) -eq "$size" ] &&
    [ $(((h1 << 24) + (h2 << 16) + (h3 << 8) + h4)) -eq "$size" ]
}

is_chm() { [ -f "$1" ] && [ "$(head -c 4 "$1")" = "ITSF" ]; }

sizes="16 22 24 32 48 64 128 256"

# --- the build directory: help beside the program ---------------------------------
check "build: program at the top of the build directory" test -x "$build/ortivo"
check "build: GPS.chm beside the program" is_chm "$build/GPS.chm"
is_sqlite() { [ -f "$1" ] && [ "$(head -c 15 "$1")" = "SQLite format 3" ]; }
for file in ortivo.qch ortivo.qhc ortivo_en.qch ortivo_en.qhc; do
  check "build: built-in help $file beside the program" is_sqlite "$build/$file"
done
# Each language's help under its own namespace, each collection registering its own file.
check "build: ortivo.qch is the German help" grep -qa 'de\.ortivo\.hilfe' "$build/ortivo.qch"
check "build: ortivo_en.qch is the English help" grep -qa 'de\.ortivo\.help' "$build/ortivo_en.qch"
check "build: ortivo_en.qhc registers ortivo_en.qch" grep -qa 'ortivo_en\.qch' "$build/ortivo_en.qhc"

# --- the help pages: every page compiled, listed and linked correctly ---------------
help="$source/help"
for page in "$help"/*.html; do
  name=$(basename "$page")
  check "help: $name listed in GPS.hhp" grep -qx "$name" "$help/GPS.hhp"
  check "help: $name in the table of contents" grep -q "value=\"$name\"" "$help/GPS.hhc"
  check "help: $name compiled into GPS.chm" grep -qa "/$name" "$build/GPS.chm"
  check "help: $name declares UTF-8" grep -qi '<meta charset="utf-8">' "$page"
  # Every link inside the help must reach an existing page and anchor.
  while read -r target; do
    file=${target%%#*}
    anchor=${target#"$file"}
    anchor=${anchor#\#}
    [ -n "$file" ] || file=$name
    check "help: link $target in $name reaches a page" test -f "$help/$file"
    if [ -n "$anchor" ] && [ -f "$help/$file" ]; then
      check "help: link $target in $name reaches an anchor" grep -q "id=\"$anchor\"" "$help/$file"
    fi
  done < <(grep -o 'href="[^"]*"' "$page" | sed 's/^href="//; s/"$//' | grep -v -E '^[a-z]+:' || true)
done
while read -r listed; do
  check "help: $listed in GPS.hhp exists" test -f "$help/$listed"
done < <(sed -n '/^\[FILES\]/,$p' "$help/GPS.hhp" | tail -n +2 | grep -v '^\s*$')

# --- cmake --install into a temporary prefix -----------------------------------------
prefix="$work/prefix/usr"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAILED: cmake --install" >&2
  exit 1
fi

check "install: start script in bin" test -x "$prefix/bin/ortivo"
check "install: program in lib/ortivo" test -x "$prefix/lib/ortivo/ortivo"
check "install: program is an ELF executable" \
  test "$(head -c 4 "$prefix/lib/ortivo/ortivo" | od -An -c | tr -d ' ')" = '177ELF'
check "install: help in share/ortivo" is_chm "$prefix/share/ortivo/GPS.chm"
for file in ortivo.qch ortivo.qhc ortivo_en.qch ortivo_en.qhc; do
  check "install: built-in help $file in share/ortivo" is_sqlite "$prefix/share/ortivo/$file"
done
check "install: help pages in share/doc" test -f "$prefix/share/doc/ortivo/html/index.html"
check "install: help style sheet in share/doc" test -f "$prefix/share/doc/ortivo/html/style.css"
# The English pages with their own pictures and a real copy of the style sheet.
for file in index.html info.html style.css hauptfenster.png; do
  check "install: English help $file in share/doc/ortivo/html/en" \
    test -f "$prefix/share/doc/ortivo/html/en/$file" -a ! -L "$prefix/share/doc/ortivo/html/en/$file"
done
desktop="$prefix/share/applications/ortivo.desktop"
check "install: desktop entry" test -f "$desktop"
check "install: scalable icon" \
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/ortivo.svg"
for size in $sizes; do
  check "install: ${size}x${size} icon" \
    is_png_of_size "$prefix/share/icons/hicolor/${size}x${size}/apps/ortivo.png" "$size"
  check "install: ${size}x${size} scenario icon" \
    is_png_of_size "$prefix/share/icons/hicolor/${size}x${size}/mimetypes/application-x-ortivo-scenario.png" "$size"
done
check "install: scalable scenario icon" \
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/mimetypes/application-x-ortivo-scenario.svg"

# --- the menu entry ----------------------------------------------------------------------
# Hints pass; errors and warnings do not. (Education;Science; draws the hint that both
# are main categories, which is how we want the entry filed.)
if ! desktop-file-validate "$desktop" >"$work/validate.log" 2>&1 ||
   grep -qE ': (error|warning):' "$work/validate.log"; then
  cat "$work/validate.log" >&2
  check "desktop-file-validate passes" false
fi
check "desktop: categories" grep -qx 'Categories=Education;Science;' "$desktop"
check "desktop: runs the start script with the file opened" grep -qx 'Exec=ortivo %f' "$desktop"
check "desktop: themed icon" grep -qx 'Icon=ortivo' "$desktop"
check "desktop: opens scenario files" grep -qx 'MimeType=application/x-ortivo-scenario;' "$desktop"

# --- the AppStream metadata --------------------------------------------------------------
# The validator is the reader that matters; without it nothing is checked, so its absence
# fails. Errors and warnings fail it; its hints (I:) fail here too, as they name things a
# software centre wants, such as a missing content rating.
metainfo="$prefix/share/metainfo/org.example.ortivo.metainfo.xml"
check "install: AppStream metadata in share/metainfo" test -f "$metainfo"
if ! command -v appstreamcli >/dev/null; then
  check "appstreamcli (Debian package appstream) is installed" false
elif [ -f "$metainfo" ]; then
  if ! appstreamcli validate --no-net --explain "$metainfo" >"$work/appstream.log" 2>&1 ||
     grep -q '^I:' "$work/appstream.log"; then
    cat "$work/appstream.log" >&2
    check "appstreamcli validate --no-net passes without a remark" false
  fi
  # The whole installed tree: the launchable must name an installed, valid desktop entry.
  if ! appstreamcli validate-tree --no-net "$prefix/.." >"$work/appstream-tree.log" 2>&1 ||
     grep -q '^I:' "$work/appstream-tree.log"; then
    cat "$work/appstream-tree.log" >&2
    check "appstreamcli validate-tree --no-net passes without a remark" false
  fi
fi
xpath() { xmllint --xpath "$1" "$metainfo" 2>/dev/null; }
if [ -f "$metainfo" ]; then
  check "metainfo: id reverses the maker's domain" test "$(xpath 'string(/component/id)')" = org.example.ortivo
  check "metainfo: launches the menu entry" \
    test "$(xpath 'string(/component/launchable[@type="desktop-id"])')" = ortivo.desktop
  for field in name summary description/p; do
    check "metainfo: $field in English" test -n "$(xpath "string(/component/$field[not(@xml:lang)])")"
    check "metainfo: $field in German" test -n "$(xpath "string(/component/$field[@xml:lang='de'])")"
  done
  check "metainfo: a content rating" test "$(xpath 'count(/component/content_rating[@type="oars-1.1"])')" = 1
  # Screenshots are the pictures of docs/ as published on the web page: same name, same size.
  shots=$(xpath '/component/screenshots/screenshot/image' | sed -E 's#</image>#&\n#g')
  check "metainfo: screenshots" test "$(grep -c '<image' <<<"$shots")" -ge 1
  while read -r image; do
    [ -n "$image" ] || continue
    url=$(sed -E 's#.*>(https://[^<]*)</image>.*#\1#' <<<"$image")
    w=$(sed -nE 's#.*width="([0-9]+)".*#\1#p' <<<"$image")
    h=$(sed -nE 's#.*height="([0-9]+)".*#\1#p' <<<"$image")
    picture="$source/docs/$(basename "$url")"
    check "metainfo: screenshot $url is a picture of docs/" test -f "$picture"
    if [ -f "$picture" ]; then
      dims=$(od -An -tu1 -j16 -N8 "$picture" | tr -s ' \n' ' ')
      read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$dims"
      check "metainfo: screenshot $url is ${w}x${h} like docs/" \
        test "$(((w1 << 24) + (w2 << 16) + (w3 << 8) + w4))x$(((h1 << 24) + (h2 << 16) + (h3 << 8) + h4))" = "${w}x${h}"
    fi
  done <<<"$shots"
fi

# --- the MIME type of scenario files ---------------------------------------------------
mime="$prefix/share/mime/packages/ortivo.xml"
check "install: MIME type in share/mime/packages" test -f "$mime"
if [ -f "$mime" ]; then
  check "mime: well-formed XML" xmllint --noout "$mime"
  # Debian ships no schema of the format; a system that has one validates against it.
  for schema in /usr/share/xml/shared-mime-info/shared-mime-info.rng \
                /usr/share/shared-mime-info/shared-mime-info.rng; do
    [ -f "$schema" ] && check "mime: valid against $schema" xmllint --noout --relaxng "$schema" "$mime"
  done
  for schema in /usr/share/xml/shared-mime-info/shared-mime-info.xsd \
                /usr/share/shared-mime-info/shared-mime-info.xsd; do
    [ -f "$schema" ] && check "mime: valid against $schema" xmllint --noout --schema "$schema" "$mime"
  done
  check "mime: the type the menu entry names" \
    grep -q '<mime-type type="application/x-ortivo-scenario">' "$mime"
  # The database tool is the reader that matters: it must take the file without a
  # complaint and map the suffix and the first bytes to the type.
  db="$work/mime"
  mkdir -p "$db/packages"
  cp "$mime" "$db/packages/"
  [ -f /usr/share/mime/packages/freedesktop.org.xml ] && cp /usr/share/mime/packages/freedesktop.org.xml "$db/packages/"
  update-mime-database "$db" >"$work/mime.log" 2>&1 || true
  if grep -qiE 'error|warning|invalid' "$work/mime.log"; then
    cat "$work/mime.log" >&2
    check "mime: update-mime-database takes it without complaint" false
  fi
  check "mime: *.ortivo maps to the type" grep -q 'application/x-ortivo-scenario:\*\.ortivo' "$db/globs2"
  check "mime: the first bytes map to the type" grep -aq 'Ortivo-Szenario' "$db/magic"
  check "mime: the fixture starts with the bytes the magic looks for" \
    test "$(head -c 17 "$source/tests/model/data/berlin-format1.ortivo" | tail -c 15)" = "Ortivo-Szenario"
fi

# --- the start script runs the program in the folder of the help ---------------------
# A stand-in program reports its working directory; the script is called through a
# symbolic link, as from a PATH folder elsewhere.
fake="$work/fake/usr"
mkdir -p "$fake/bin" "$fake/lib/ortivo" "$fake/share/ortivo" "$work/elsewhere"
cp "$prefix/bin/ortivo" "$fake/bin/ortivo"
printf '#!/bin/sh\necho "$PWD|$*"\n' >"$fake/lib/ortivo/ortivo"
chmod +x "$fake/lib/ortivo/ortivo"
ln -s "$fake/bin/ortivo" "$work/elsewhere/ortivo-link"
started=$(cd "$work/elsewhere" && ./ortivo-link eins "zwei drei")
check "start script: runs in the help folder with the arguments" \
  test "$started" = "$(cd "$fake/share/ortivo" && pwd -P)|eins zwei drei"
# A file named relative to where it was called is passed on with its full path.
touch "$work/elsewhere/Lektion 1.ortivo"
started=$(cd "$work/elsewhere" && ./ortivo-link "Lektion 1.ortivo" -style)
check "start script: a relative file name made absolute ($started)" \
  test "$started" = "$(cd "$fake/share/ortivo" && pwd -P)|$(cd "$work/elsewhere" && pwd)/Lektion 1.ortivo -style"

# --- the Debian package ------------------------------------------------------------------
if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
  deb=$(ls "$work"/package/ortivo_*.deb 2>/dev/null | head -n 1)
  check "package: ortivo_2.1 .deb built" test -n "$deb"
  if [ -n "$deb" ]; then
    dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
    for file in ./usr/bin/ortivo ./usr/lib/ortivo/ortivo ./usr/share/ortivo/GPS.chm \
                ./usr/share/ortivo/ortivo.qch ./usr/share/ortivo/ortivo.qhc \
                ./usr/share/applications/ortivo.desktop \
                ./usr/share/icons/hicolor/scalable/apps/ortivo.svg \
                ./usr/share/icons/hicolor/48x48/apps/ortivo.png \
                ./usr/share/mime/packages/ortivo.xml \
                ./usr/share/icons/hicolor/scalable/mimetypes/application-x-ortivo-scenario.svg \
                ./usr/share/doc/ortivo/html/index.html \
                ./usr/share/ortivo/ortivo_en.qch ./usr/share/ortivo/ortivo_en.qhc \
                ./usr/share/doc/ortivo/html/en/index.html \
                ./usr/share/metainfo/org.example.ortivo.metainfo.xml; do
      check "package: contains $file" grep -qx "$file" "$work/contents"
    done
    check "package: version 2.1" test "$(dpkg-deb -f "$deb" Version)" = "2.1"
    depends=$(dpkg-deb -f "$deb" Depends)
    check "package: computed dependency on Qt widgets ($depends)" grep -q 'libqt6widgets6' <<<"$depends"
    check "package: computed dependency on libc ($depends)" grep -q 'libc6' <<<"$depends"
    check "package: dependency on the SVG plug-in ($depends)" grep -q 'libqt6svg6' <<<"$depends"
    check "package: dependency on the SQLite plug-in of the help ($depends)" \
      grep -q 'libqt6sql6-sqlite' <<<"$depends"
    check "package: dependency on Qt's translations ($depends)" \
      grep -q 'qt6-translations-l10n' <<<"$depends"
    check "package: the AppStream release is the package's version" \
      test "$(xpath 'string(/component/releases/release[1]/@version)')" = "$(dpkg-deb -f "$deb" Version)"
  fi
else
  cat "$work/cpack.log" >&2
  check "cpack -G DEB" false
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
