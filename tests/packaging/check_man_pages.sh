#!/usr/bin/env bash
# Lints the manual pages with every formatter at hand and checks that Vastor's
# page documents every switch that its usage text lists.
#   check_man_pages.sh <man_dir> <bin_dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
man_dir=$1 bin_dir=$2

linters=0
for page in "$man_dir/Vastor.1" "$man_dir/Perlan.1" "$man_dir/typetools-lsp.1"; do
  [ -f "$page" ] || fail "missing $page"
  if command -v mandoc >/dev/null; then
    linters=$((linters + 1))
    report=$(mandoc -T lint -W warning "$page" 2>&1) || fail "mandoc: $report"
    [ -z "$report" ] || fail "mandoc: $report"
  fi
  if command -v groff >/dev/null; then
    linters=$((linters + 1))
    report=$(groff -ww -man -z "$page" 2>&1) || fail "groff: $report"
    [ -z "$report" ] || fail "groff: $report"
  fi
done
if [ "$linters" = 0 ]; then
  echo "SKIPPED: neither mandoc nor groff is installed"
  exit 77
fi

# The sections every page has, in man(7) order.
for page in "$man_dir/Vastor.1" "$man_dir/Perlan.1"; do
  sections=$(grep '^\.SH ' "$page" | tr '\n' '|')
  for section in NAME SYNOPSIS DESCRIPTION FILES "EXIT STATUS" DIAGNOSTICS; do
    case "$sections" in *".SH $section|"*) ;; *) fail "$page has no $section section" ;; esac
  done
done

if [ -x "$bin_dir/Vastor" ]; then
  usage=$("$bin_dir/Vastor" 2>&1 >/dev/null || true)
  switches=$(grep -o -- '-[A-Za-z]*=' <<<"$usage" | tr -d '=-' | sort -u)
  [ -n "$switches" ] || fail "no switches found in Vastor's usage text"
  for switch in $switches; do
    grep -q "^\.BI \\\\-$switch= " "$man_dir/Vastor.1" || fail "Vastor.1 does not document -$switch"
  done
else
  echo "SKIPPED: Vastor's switches against its usage text (no Vastor in $bin_dir)"
fi
echo "manual pages are clean ($linters lint runs)"
