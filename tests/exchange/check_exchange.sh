#!/usr/bin/env bash
# Lesson files between two platforms: each writes a typed-in lesson and a travelling
# one, each opens all four files. The typed-in files must be byte-identical, and every
# file must show the same figures on both platforms, whoever wrote it.
# usage: check_exchange.sh WORK_DIR "COMMAND A" "COMMAND B"  (each a lesson_exchange)
set -uo pipefail
work=$1 a=$2 b=$3
mkdir -p "$work" && cd "$work" || exit 2
bad=0
for kind in typed travel; do
  $a write $kind a-$kind.ortivo && $b write $kind b-$kind.ortivo || exit 2
  for writer in a b; do
    for reader in a b; do
      ${!reader} show $writer-$kind.ortivo > shown-$kind-$writer-by-$reader.txt || bad=1
    done
  done
  for f in shown-$kind-*.txt; do
    if ! cmp -s shown-$kind-a-by-a.txt "$f"; then
      echo "$f differs from shown-$kind-a-by-a.txt:"; diff shown-$kind-a-by-a.txt "$f" | head -20
      bad=1
    fi
  done
done
if cmp a-typed.ortivo b-typed.ortivo; then
  echo "typed-in lesson: both files $(stat -c %s a-typed.ortivo) bytes, identical"
else
  bad=1
fi
cmp -s a-travel.ortivo b-travel.ortivo || echo "travelling lesson: files differ in the last bits of computed positions, as expected"
[ "$bad" -eq 0 ] && echo "lesson files: written on either platform, each shows the same lesson on both"
exit "$bad"
