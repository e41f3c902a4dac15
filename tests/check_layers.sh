#!/usr/bin/env bash
# Fails when code includes a layer above its own, or Qt outside ui/.
# usage: check_layers.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 2
layers=(platform containers geometry model render3d demo views ui)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }

bad=0
for folder in "${layers[@]}"; do
  [ -d "$folder" ] || continue
  own=$(rank "$folder")
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$text")
    r=$(rank "$target")
    if [ "$r" -gt "$own" ]; then
      echo "$file:$line: $folder must not include $target: $text"
      bad=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s+"[^/"]+/' --include='*.h' --include='*.cpp' "$folder")
  if [ "$folder" != ui ]; then
    if grep -rnE '^\s*#\s*include\s+[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' --include='*.h' --include='*.cpp' "$folder"; then
      echo "Qt is included outside ui/ (above)"
      bad=1
    fi
  fi
done
[ "$bad" -eq 0 ] && echo "layers clean: ${layers[*]}"
exit "$bad"
