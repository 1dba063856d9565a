#!/usr/bin/env bash
# Times the state module's command line on the country's 5,570 municipalities
# against minimal programs doing the same work, and prints medians and ratios.
# Run after ./test.sh (or scripts/setup.sh) has built the project.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bin="$here/build/bin"
runs=${RUNS:-5}
export LC_ALL=${LC_ALL:-C.UTF-8}
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/files"
count=$("$bin/bench_generate_summaries" "$here/data/municipios.tsv" "$work/files")

# Seconds taken by a command run in $work/db, on a database prepared by $1.
timed() {
  local prepare=$1; shift
  rm -rf "$work/db"; mkdir "$work/db"
  (cd "$work/db" && "$bin/Nubrel2012Estados" --init >/dev/null && $prepare)
  local start end
  start=$(date +%s.%N)
  (cd "$work/db" && "$@" >/dev/null)
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
series() { for _ in $(seq "$runs"); do timed "$@"; done | median; }
nothing() { :; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'; }
filled() { "$bin/Nubrel2012Estados" importar "$work/files" >/dev/null; }

import=$(series nothing "$bin/Nubrel2012Estados" importar "$work/files")
import_floor=$(series nothing "$bin/bench_import_floor" Nubrel2012Estados.db "$work/files")
export=$(series filled "$bin/Nubrel2012Estados" exportar out.xlsx)
export_floor=$(series filled "$bin/bench_workbook_floor" Nubrel2012Estados.db out.xlsx)
report=$(series filled "$bin/Nubrel2012Estados" relatorio out.pdf)

printf 'Arquivos: %s (medianas de %s execuções, %s, %s núcleos)\n' "$count" "$runs" "$(date -u +%F)" "$(nproc)"
printf 'importar   %.3f s   piso %.3f s   razão %.2f\n' "$import" "$import_floor" "$(ratio "$import" "$import_floor")"
printf 'exportar   %.3f s   piso %.3f s   razão %.2f\n' "$export" "$export_floor" "$(ratio "$export" "$export_floor")"
printf 'relatorio  %.3f s\n' "$report"
