#!/usr/bin/env bash
# Fails when a folder of the program includes a header of a folder above it. From the bottom:
# framework, engine, controls, dialog, app; res/ (the resource ids) is for dialog and app.
#   tools/check-layers.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

rank() {
  case $1 in
    framework) echo 0 ;;
    engine) echo 1 ;;
    controls) echo 2 ;;
    dialog) echo 3 ;;
    app) echo 4 ;;
    res) echo 3 ;;
    *) echo 99 ;;
  esac
}

status=0
for layer in framework engine controls dialog app; do
  mine=$(rank "$layer")
  while IFS=: read -r file line text; do
    included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    if [ "$(rank "$included")" -gt "$mine" ]; then
      echo "$file:$line: $layer includes $included, a folder above it: $text" >&2
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$layer" \
             --include='*.h' --include='*.cpp' || true)
done
exit $status
