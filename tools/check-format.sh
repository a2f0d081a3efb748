#!/usr/bin/env bash
# Fails, naming them, when C++ files under src/, tools/ and tests/ are not as clang-format (with
# the repository's .clang-format) would write them.
set -u
cd "$(dirname "$0")/.."
command -v clang-format > /dev/null || { echo "check-format: no clang-format" >&2; exit 2; }
differ=0
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run --Werror "$file" > /dev/null 2>&1; then
    echo "not formatted: $file"
    differ=$((differ + 1))
  fi
done < <(find src tools tests -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "$differ" -gt 0 ]; then
  echo "$differ files differ from clang-format's layout (clang-format -i FILE rewrites one)"
  exit 1
fi
