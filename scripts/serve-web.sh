#!/usr/bin/env bash
# Serves the web build (scripts/build-web.sh makes it) on http://127.0.0.1:8080/
# for trying it in a browser on this machine; any static file server does as well.
#
#   scripts/serve-web.sh [port] [page folder]
set -euo pipefail
cd "$(dirname "$0")/.."
port="${1:-8080}"
folder="${2:-build/web/Marrowick-web}"
[ -f "$folder/index.html" ] || { echo "serve-web: no page in $folder (run scripts/build-web.sh)" >&2; exit 1; }
exec node --input-type=module -e '
  import { servePage } from "./tests/web/page-server.mjs";
  const page = await servePage(process.argv[1], Number(process.argv[2]));
  console.log(`serve-web: ${page.url} (Ctrl+C stops)`);
' "$folder" "$port"
