#!/usr/bin/env bash
# Fails when a C++ file of the repository is not as the repository's
# .clang-format writes it, naming each such file and what would change.
# Only clang-format 14 is trusted (scripts/install-deps.sh installs it):
# other versions format some constructs differently, so the check is
# skipped (status 77) with any other.
#   usage: check_format.sh <source-dir> [clang-format]
set -euo pipefail
root=$1 formatter=${2:-clang-format}
version=$("$formatter" --version 2>/dev/null || true)
if [[ ! $version =~ version\ 14\. ]]; then
  echo "check_format.sh: clang-format 14 is needed, found: ${version:-none}" >&2
  exit 77
fi
cd "$root"
# Every C++ file git knows of; outside a checkout, every one but the builds'.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc')
else
  mapfile -t files < <(find . -path './build*' -prune -o -path '*/node_modules' -prune -o \
                            \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print | sort)
fi
unformatted=0
for file in "${files[@]}"; do
  [ -f "$file" ] || continue  # deleted, not yet committed
  if ! "$formatter" --style=file --dry-run -Werror "$file" 2>/tmp/check_format.$$; then
    unformatted=$((unformatted + 1))
    head -n 12 /tmp/check_format.$$ >&2
  fi
done
rm -f /tmp/check_format.$$
echo "${#files[@]} C++ files checked, ${unformatted} not formatted (fix: clang-format -i <file>)"
[ "$unformatted" -eq 0 ]
