#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the generated files of the package.
#   validate   DIR APP-ID                      desktop entry and AppStream metadata pass their
#                                              validators (exit 77 when neither is installed)
#   consistent DIR APP-ID VERSION PROGRAM...    the changelog and the metadata name this version,
#                                              the manual pages format cleanly, and each
#                                              program's page lists exactly the options the
#                                              program accepts
set -uo pipefail
mode=$1 dir=$2 id=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if [ "$mode" = validate ]; then
  ran=0
  if command -v desktop-file-validate >/dev/null; then
    ran=1
    # It reports hints without failing; a hint is still something to fix.
    out=$(desktop-file-validate "$dir/$id.desktop" 2>&1)
    [ $? = 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"
  fi
  if command -v appstreamcli >/dev/null; then
    ran=1
    out=$(appstreamcli validate --no-net --explain "$dir/$id.metainfo.xml" 2>&1) || fail "appstreamcli: $out"
  fi
  [ "$ran" = 1 ] || { echo "neither desktop-file-validate nor appstreamcli is installed"; exit 77; }
  exit $((failures > 0))
fi

version=$4
programs=("${@:5}")
# The newest release comes first in both.
meta_version=$(grep -o '<release version="[^"]*"' "$dir/$id.metainfo.xml" | head -n1 | cut -d'"' -f2)
[ "$meta_version" = "$version" ] || fail "metainfo's newest release is '$meta_version', the project is $version"
log_version=$(head -n1 "$dir/changelog" | sed -n 's/^quadrino (\([^)]*\)).*/\1/p')
[ "$log_version" = "$version" ] || fail "changelog's newest entry is '$log_version', the project is $version"

for page in "$dir"/man/*.6; do
  if command -v man >/dev/null; then
    # The same check lintian makes.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  fi
done

# Long options as `--help` prints them and as the manual page sets them (with \- for -).
for program in "${programs[@]}"; do
  name=$(basename "$program")
  help_options=$("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
  page_options=$(sed -n 's/\\-/-/g; /^\.\(B\|BI\|BR\|TP\)/p' "$dir/man/$name.6" | grep -o -- '--[a-z][a-z-]*' | sort -u)
  [ -n "$help_options" ] || fail "$name --help printed no options"
  missing=$(comm -23 <(echo "$help_options") <(echo "$page_options"))
  extra=$(comm -13 <(echo "$help_options") <(echo "$page_options"))
  [ -z "$missing" ] || fail "$name(6) does not describe: $missing"
  [ -z "$extra" ] || fail "$name(6) describes options the program lacks: $extra"
done

exit $((failures > 0))
