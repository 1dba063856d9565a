#!/usr/bin/env bash
# Starts a module: ./run.sh (municipality module) or ./run.sh estados (state module).
# Installs what is missing, builds, prepares the working folder and runs the program there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh"

module=${1:-municipios}
workdir=${NUBREL_DIR:-$HOME/Nubrel}
mkdir -p "$workdir"
cd "$workdir"
case "$module" in
  municipios)
    [ -f Nubrel2012Municipios.db ] || "$here/build/bin/Nubrel2012Municipios" --init
    exec "$here/build/bin/Nubrel2012Municipios"
    ;;
  estados)
    [ -f Nubrel2012Estados.db ] || "$here/build/bin/Nubrel2012Estados" --init
    exec "$here/build/bin/Nubrel2012Estados"
    ;;
  *)
    echo "Uso: ./run.sh [municipios|estados]" >&2
    exit 2
    ;;
esac
