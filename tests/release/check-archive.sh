#!/usr/bin/env bash
# check-archive.sh <archive> <folder of the 32-bit programs as built> <version>
# The release archive holds exactly the three 32-bit programs, the guide and
# the sums; the sums match; the programs are those of the current build; the
# guide names the version.
set -euo pipefail

archive=$1
built=$2
version=$3
programs=(qorgroups.exe qormodule.exe qorprobe.exe)
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if [ ! -f "$archive" ]; then
  echo "FAIL: no release archive at $archive"
  echo "      make it with: cmake --build --preset mingw-x86 --target package"
  exit 1
fi

expected=$(printf '%s\n' "${programs[@]}" SHA256SUMS admin-guide.md | LC_ALL=C sort)
listed=$(cmake -E tar tf "$archive" | LC_ALL=C sort)
if [ "$listed" != "$expected" ]; then
  fail "the archive holds:"$'\n'"$listed"$'\n'"expected:"$'\n'"$expected"
fi

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$archive")

# The sums list the three programs, each once, in the format sha256sum reads.
summed=$(sed -n 's/^[0-9a-f]\{64\}  //p' "$unpacked/SHA256SUMS" | LC_ALL=C sort)
if [ "$summed" != "$(printf '%s\n' "${programs[@]}")" ] || [ "$(wc -l < "$unpacked/SHA256SUMS")" -ne 3 ]; then
  fail "SHA256SUMS does not list exactly the three programs:"$'\n'"$(cat "$unpacked/SHA256SUMS")"
fi
if ! (cd "$unpacked" && sha256sum --quiet -c SHA256SUMS); then
  fail "the sums in SHA256SUMS do not match the programs in the archive"
fi

for program in "${programs[@]}"; do
  file="$unpacked/$program"
  [ -f "$file" ] || continue
  # PE header: its offset at 0x3c, "PE\0\0" there, then the machine type;
  # 0x014c is a 32-bit x86 program.
  offset=$(od -An -t u4 -j 60 -N 4 "$file" | tr -d ' ')
  signature=$(od -An -t x1 -j "$offset" -N 4 "$file" | tr -d ' ')
  machine=$(od -An -t x2 -j $((offset + 4)) -N 2 "$file" | tr -d ' ')
  if [ "$signature" != "50450000" ] || [ "$machine" != "014c" ]; then
    fail "$program is not a 32-bit Windows program (signature $signature, machine $machine)"
  fi
  # An archive left over from an earlier build would ship old programs.
  if ! cmp -s "$file" "$built/$program"; then
    fail "$program in the archive differs from $built/$program: the archive is stale"
  fi
done

guide="$unpacked/admin-guide.md"
if [ -f "$guide" ]; then
  head -n 1 "$guide" | grep -qF " $version:" || fail "the guide's title does not name version $version"
  if grep -n '@[A-Za-z_]*@' "$guide"; then
    fail "the guide holds placeholders that were not filled in"
  fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "release archive $(basename "$archive"): contents and sums as expected"
