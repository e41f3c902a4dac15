#!/usr/bin/env bash
# Fails when code includes a layer above its own, or Qt outside paint/ and ui/. The
# painting engine (paint/) stands beside the windows: it draws what platform::Canvas
# asks and knows nothing of the lesson, so it includes only platform/. The browser
# edition (web/) stands where the windows do, without Qt.
# usage: check_layers.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 2
layers=(platform containers geometry model render3d demo views web paint ui)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }

bad=0
for folder in "${layers[@]}"; do
  [ -d "$folder" ] || continue
  own=$(rank "$folder")
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$text")
    r=$(rank "$target")
    if [ "$r" -gt "$own" ] || { [ "$folder" = paint ] && [ "$target" != platform ] && [ "$target" != paint ]; }; then
      echo "$file:$line: $folder must not include $target: $text"
      bad=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s+"[^/"]+/' --include='*.h' --include='*.cpp' --exclude-dir=node_modules "$folder")
  if [ "$folder" != ui ] && [ "$folder" != paint ]; then
    if grep -rnE '^\s*#\s*include\s+[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' --include='*.h' --include='*.cpp' --exclude-dir=node_modules "$folder"; then
      echo "Qt is included below paint/ (above)"
      bad=1
    fi
  fi
done
[ "$bad" -eq 0 ] && echo "layers clean: ${layers[*]}"
exit "$bad"
