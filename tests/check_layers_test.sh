#!/usr/bin/env bash
# The layers check must catch what it is there for: a Qt include below paint/, an
# upward include, and paint/ reaching beyond platform/. Each case is a tiny tree.
# usage: check_layers_test.sh CHECK_SCRIPT
set -uo pipefail
check=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
expect() {  # expect OUTCOME FILE LINE
  rm -rf "$tmp/tree" && mkdir -p "$tmp/tree/$(dirname "$2")"
  printf '%s\n' "$3" >"$tmp/tree/$2"
  if "$check" "$tmp/tree" >/dev/null; then got=clean; else got=refused; fi
  if [ "$got" != "$1" ]; then echo "expected $1, got $got: $2: $3"; fail=1; fi
}
expect refused model/a.h '#include <QString>'
expect refused views/a.cpp '#include <QtCore/QObject>'
expect refused geometry/a.h '#include "model/LessonModel.h"'
expect refused platform/a.h '#include "paint/QtCanvas.h"'
expect refused views/a.h '#include "paint/QtCanvas.h"'
expect refused paint/a.h '#include "ui/MainGps.h"'
expect refused paint/a.h '#include "model/LessonModel.h"'
expect clean paint/a.h '#include <QImage>'
expect clean paint/a.h '#include "platform/Canvas.h"'
expect clean ui/a.h '#include "paint/QtCanvas.h"'
expect clean model/a.h '#include "geometry/vektorR3clss.h"'
expect refused web/binding/a.cpp '#include <QString>'
expect refused web/binding/a.cpp '#include "paint/QtCanvas.h"'
expect refused views/a.h '#include "web/binding/WebSession.h"'
expect clean web/reference/a.cpp '#include "demo/dreiDDemo.h"'
exit "$fail"
