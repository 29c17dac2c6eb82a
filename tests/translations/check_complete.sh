#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the code marks for translation has a finished translation in every shipped
# language: the shipped file is brought up to date with the code in a scratch copy, exactly
# as scripts/update-translations would, and nothing may come out new or unfinished.
#   check_complete.sh SOURCE-ROOT
set -euo pipefail
root=$1
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "lupdate is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$root"/translations/quadrino_*.ts; do
  copy="$scratch/$(basename "$ts")"
  cp "$ts" "$copy"
  language=$(basename "$ts" .ts); language=${language#quadrino_}
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -I src -source-language en \
     -target-language "$language" src -ts "$copy")
  missing=$(python3 "$(dirname "$0")/untranslated.py" "$copy")
  if [ -n "$missing" ]; then
    echo "$(basename "$ts"): $(echo "$missing" | wc -l) text(s) without a translation:"
    echo "$missing" | head -n 40 | sed 's/^/  /'
    status=1
  fi
done
exit $status
