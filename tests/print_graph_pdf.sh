#!/usr/bin/env bash
# A printed graph is one page holding the graph's picture, 1001 x 490 pixels,
# stretched to 4000 x 2000 printer pixels: at the PDF's 1200 dots an inch that
# is 300 x 294 pixels an inch. The picture is stored without lossy compression.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cat >"$dir/print.bxs" <<SCRIPT
print-dir "$dir"
set TForm3.RichEdit1 "ATGGCCTAAATGTGA"
click TForm3.Btn1LetterCode
click TForm3.BitGraphic
click TForm17.AdvSmoothButton1
answer OK
click TForm17.ButtonPRINT
SCRIPT
"$program" --script "$dir/print.bxs" >/dev/null 2>"$dir/err" || { cat "$dir/err"; exit 1; }
pdf=$dir/01-Translation_Graph.pdf
[ -s "$pdf" ] || { echo "no print job written"; exit 1; }
failed=0
pdfinfo "$pdf" | grep -q '^Title: *Translation Graph$' || { echo "the document is not titled Translation Graph"; failed=1; }
pdfinfo "$pdf" | grep -q '^Pages: *1$' || { echo "the graph does not print on one page"; failed=1; }
# page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
images=$(pdfimages -list "$pdf" | tail -n +3)
expected='1 image 1001 490 image 300 294'
actual=$(awk '{print $1, $3, $4, $5, $9, $13, $14}' <<<"$images")
if [ "$actual" != "$expected" ]; then
  echo "printed picture differs: expected '$expected', got:"; echo "$images"; failed=1
fi
exit $failed
