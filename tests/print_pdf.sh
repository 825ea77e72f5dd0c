#!/usr/bin/env bash
# A printed translation is a landscape PDF whose text is the header and the
# display, line by line: what the user gets on paper, read back from the file.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cat >"$dir/print.bxs" <<SCRIPT
print-dir "$dir"
set TForm3.RichEdit1 "ATGAAATTTG"
click TForm3.Btn1LetterCode
click TForm3.AdvSmoothButton2
answer OK
click TForm3.ButtonPRINT
SCRIPT
"$program" --script "$dir/print.bxs" >/dev/null 2>"$dir/err" || { cat "$dir/err"; exit 1; }
pdf=$dir/01-Translation.pdf
[ -s "$pdf" ] || { echo "no print job written"; exit 1; }
failed=0
pdfinfo "$pdf" | grep -q 'Page size: *842 x 595' || { echo "the page is not A4 landscape:"; pdfinfo "$pdf"; failed=1; }
pdfinfo "$pdf" | grep -q '^Title: *Translation$' || { echo "the document is not titled Translation"; failed=1; }
# -layout keeps each printed line on a line of its own: the header, a blank
# line, the (empty) file line, a blank line, then the display's lines. The
# indents of the lines are checked on the print buffer by the script tests;
# read back from a PDF they are only approximate, so they are not compared.
expected='BeXalo-Translation



10
|
ATGAAATTTG
M··K··F··
·*··N··L··
··E··I···'
actual=$(pdftotext -layout "$pdf" - | sed 's/^[[:space:]]*//; s/[[:space:]]*$//' | head -10)
if [ "$actual" != "$expected" ]; then
  echo "printed text differs:"; diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual"); failed=1
fi
exit $failed
