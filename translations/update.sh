#!/usr/bin/env bash
# Brings a translation up to date with the program's texts: every tr() of ui/ and every
# ORTIVO_TEXT of the core (context "core"). What is translated stays; new texts come in
# unfinished, texts no longer used go. Without locations, so that moving code changes
# nothing here.
# usage: translations/update.sh [TS_FILE [LUPDATE]]   (default: translations/ortivo_en.ts)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ts="${1:-$here/translations/ortivo_en.ts}"
lupdate="${2:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
cd "$here"
"$lupdate" -silent -extensions cpp,h -locations none -no-obsolete \
  -tr-function-alias QT_TRANSLATE_NOOP+=ORTIVO_TEXT -source-language de -target-language en -I . \
  platform containers geometry model render3d views demo ui -ts "$ts"
