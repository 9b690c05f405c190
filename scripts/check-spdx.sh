#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the source files (C++, CMake, shell, manual pages, the Debian rules)
# that git knows and whose first lines carry no SPDX-License-Identifier, and
# fails when there is one. With --add, puts the header into each of them.
set -euo pipefail
cd "$(dirname "$0")/.."
add=no
[ "${1:-}" = --add ] && add=yes

is_source() {
  case "$1" in
  *.cpp | *.h | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.sh | *.1 | *.in | .ci/run | debian/rules) return 0 ;;
  esac
  # Any other script: a file that starts with "#!".
  LC_ALL=C head -c 2 "$1" | grep -qa '^#!'
}

comment_for() {
  case "$1" in
  *.cpp | *.h) echo "// SPDX-License-Identifier: GPL-3.0-or-later" ;;
  *.1) echo '.\" SPDX-License-Identifier: GPL-3.0-or-later' ;;
  *) echo "# SPDX-License-Identifier: GPL-3.0-or-later" ;;
  esac
}

lacking=()
while IFS= read -r -d '' f; do
  [ -f "$f" ] || continue
  is_source "$f" || continue
  # Desktop entries and other templates that are not code carry no header.
  case "$f" in *.desktop.in | *.xml.in) continue ;; esac
  head -n 3 "$f" | grep -q 'SPDX-License-Identifier:' && continue
  lacking+=("$f")
done < <(git ls-files -z --cached --others --exclude-standard)

if [ "$add" = yes ]; then
  for f in "${lacking[@]}"; do
    header=$(comment_for "$f")
    if LC_ALL=C head -c 2 "$f" | grep -qa '^#!'; then
      { head -n 1 "$f"; echo "$header"; tail -n +2 "$f"; } >"$f.spdx"
    else
      { echo "$header"; cat "$f"; } >"$f.spdx"
    fi
    chmod --reference="$f" "$f.spdx"
    mv "$f.spdx" "$f"
    echo "added: $f"
  done
  exit 0
fi

if [ "${#lacking[@]}" -gt 0 ]; then
  echo "These source files lack an SPDX-License-Identifier line near the top:" >&2
  printf '  %s\n' "${lacking[@]}" >&2
  exit 1
fi
echo "check-spdx.sh: every source file carries its licence header"
