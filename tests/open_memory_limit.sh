#!/usr/bin/env bash
# Under an address-space limit, a file whose session would not fit is refused
# before it is read, with what it needs and what there is, and the window keeps
# its text and translation; a small file still opens and translates.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
limit=$((1024 * 1024 * 1024))
{ echo ">big"; yes ACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGT | head -n 330000; } >"$dir/big.fasta"
printf 'ATGAAATTTG\n' >"$dir/small.txt"
cat >"$dir/limit.bxs" <<SCRIPT
set TForm3.RichEdit1 "ATGCCC"
click TForm3.Btn1LetterCode
answer "$dir/big.fasta"
click TForm3.BitOPENFILE
messages
dump TForm3.RichEdit1
dump TForm3.RichEdit2
answer "$dir/small.txt"
answer Yes
click TForm3.BitOPENFILE
click TForm3.Btn1LetterCode
dump TForm3.RichEdit2
SCRIPT
out=$(prlimit --as=$limit "$program" --script "$dir/limit.bxs" 2>"$dir/err")
code=$?
failed=0
[ $code = 0 ] || { echo "exit code $code"; cat "$dir/err"; failed=1; }
pattern="^message \"BeXalo\" \"$dir/big.fasta: working on this file needs about ([0-9]+) MB of memory, and ([0-9]+) MB are available\" OK -> OK$"
refusal=$(grep -E "$pattern" <<<"$out")
if [ -z "$refusal" ]; then
  echo "no refusal with both figures"; failed=1
else
  needed=$(sed -E "s|$pattern|\1|" <<<"$refusal") available=$(sed -E "s|$pattern|\2|" <<<"$refusal")
  # What the limit leaves, not what the machine has, and less than needed.
  [ "$available" -lt $((limit / 1000000)) ] && [ "$available" -lt "$needed" ] ||
    { echo "figures do not fit the limit of $limit bytes: $refusal"; failed=1; }
fi
for line in 'TForm3.RichEdit1.text = "ATGCCC"' 'TForm3.RichEdit2.text = "M··P··"' 'TForm3.RichEdit2.text = "M··K··F··"'; do
  grep -qxF "$line" <<<"$out" || { echo "missing: $line"; failed=1; }
done
[ $failed = 0 ] || { echo "--- output"; echo "$out"; }
exit $failed
