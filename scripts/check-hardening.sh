#!/usr/bin/env bash
# hardening-check on an installed game, every item required, with the two that no
# binary of this Debian can pass judged where they can be:
#   - "Stack clash protection" reads "unknown" when no function needs a probe (no
#     frame of a page or more): accepted as that, the flag being on every compile
#     (scripts/deb-checks.sh reads the build log);
#   - "Control flow integrity" is the linker's IBT/SHSTK note, which a binary gets
#     only if every object linked in has it. Debian's C library start files (crti.o)
#     have none, so no Debian binary has it. Then each of the game's own objects in
#     the package's build tree must carry the note instead;
#   - "Branch Protection" (newer hardening-check) is ARM's BTI/PAC note, required
#     of an AArch64 binary only.
#   scripts/check-hardening.sh <installed binary> <package build tree>
set -euo pipefail
binary=$1 tree=$2
out=$(hardening-check "$binary" 2>&1) || true
printf '%s\n' "$out"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

start_files=$(gcc -print-file-name=crti.o)
while IFS= read -r line; do
  item=${line%%:*} verdict=${line#*: }
  item=${item# }
  case $item:$verdict in
    *:yes*) ;;
    "Stack clash protection:unknown, no -fstack-clash-protection instructions found") ;;
    "Control flow integrity:no, not found!")
      if readelf -n "$start_files" | grep -q 'IBT, SHSTK'; then
        fail "control-flow protection: $verdict, though the C library's start files have it"
      else
        objects=$(find "$tree" -name '*.o' -path '*CMakeFiles/drovanta*' ! -path '*test*' ! -path '*tools*')
        [ -n "$objects" ] || fail "no object files of the game under $tree"
        without=0
        for o in $objects; do readelf -n "$o" | grep -q 'IBT, SHSTK' || without=$((without + 1)); done
        if [ "$without" -eq 0 ]; then
          echo "  (control flow: the C library's start files have no IBT/SHSTK note, so no binary here has;" \
            "all $(wc -w <<<"$objects") of the game's objects have it)"
        else
          fail "$without of the game's objects lack the IBT/SHSTK note"
        fi
      fi
      ;;
    "Branch Protection:no, not found!")
      # BTI and PAC, -mbranch-protection: ARM's, which the x86 marks above stand for here.
      if readelf -h "$binary" | grep -q 'Machine: *AArch64'; then
        fail "branch protection: $verdict"
      else
        echo "  (branch protection: an AArch64 feature; this is $(readelf -h "$binary" | sed -n 's/ *Machine: *//p'))"
      fi
      ;;
    *) fail "hardening-check: $item: $verdict" ;;
  esac
done < <(grep '^ [A-Z]' <<<"$out")
[ "$(grep -c '^ [A-Z]' <<<"$out")" -ge 5 ] || fail "hardening-check reported no items"
exit $((failures > 0))
