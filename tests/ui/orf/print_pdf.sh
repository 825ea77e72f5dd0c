#!/usr/bin/env bash
# The ORF window's printout read back from its PDF files: the map alone on a
# portrait page, then the report on landscape pages, as the user gets them.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cat >"$dir/print.bxs" <<SCRIPT
print-dir "$dir"
set TForm3.RichEdit1 "CTGATGAAAGCCTGACTGCATCATGC"
click TForm3.Btn3LetterCode
click TForm3.BitOpenORF
click TForm27.BtnLargest
click TForm27.RadioButton12
answer OK
click TForm27.BtnPRINT
SCRIPT
"$program" --script "$dir/print.bxs" >/dev/null 2>"$dir/err" || { cat "$dir/err"; exit 1; }
map=$dir/01-ORF_map.pdf report=$dir/02-ORF.pdf
for pdf in "$map" "$report"; do [ -s "$pdf" ] || { echo "no print job $(basename "$pdf")"; exit 1; }; done
failed=0
pdfinfo "$map" | grep -q '^Title: *ORF map$' || { echo "the map's document is not titled ORF map"; failed=1; }
pdfinfo "$map" | grep -q 'Page size: *595 x 842' || { echo "the map's page is not A4 portrait"; failed=1; }
pdfinfo "$map" | grep -q '^Pages: *1$' || { echo "the map takes more than one page"; failed=1; }
# One picture, the map's surface as the window shows it.
images=$(pdfimages -list "$map" | tail -n +3 | awk '{print $4 "x" $5}')
[ "$images" = "967x135" ] || { echo "the map page holds pictures $images, not one of 967x135"; failed=1; }
pdfinfo "$report" | grep -q '^Title: *ORF$' || { echo "the report is not titled ORF"; failed=1; }
pdfinfo "$report" | grep -q 'Page size: *842 x 595' || { echo "the report is not A4 landscape"; failed=1; }
# The title, the heading and the result and frame captions after five blanks,
# then the list's lines; the blank lines are lines of one blank. The page is
# set in a font of fixed pitch, so the indents read back exactly.
expected='     BeXalo

     OPEN READING FRAMES

     The largest peptide is in Frame 1. Has 3 amino acids
     Frame 1

The Largest ORF is in Frame 1 is at 4 bp of the nucleotide sequence
MetLysAla***'
actual=$(pdftotext -layout "$report" - | sed 's/[[:space:]]*$//' | head -9)
if [ "$actual" != "$expected" ]; then
  echo "printed report differs:"; diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual"); failed=1
fi
exit $failed
