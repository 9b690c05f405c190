#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes core/cp932_table_data.cpp from this system's glibc iconv "CP932".
# Run once by hand when the table should change; the result is committed, and
# a core test compares it with iconv for every code point and byte pair.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
c++ -std=c++20 -O2 -Wall -Wextra -Werror -o "$work/make-cp932-table" scripts/make-cp932-table.cpp
"$work/make-cp932-table" > "$work/cp932_table_data.cpp"
mv "$work/cp932_table_data.cpp" core/cp932_table_data.cpp
