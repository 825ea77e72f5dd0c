#!/usr/bin/env bash
# Opening a named pipe: the window says at once that it is not a regular
# file and keeps its text, instead of waiting for a writer for good.
set -u
program=$1 check=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkfifo "$dir/pipe"
cat >"$dir/pipe.bxs" <<SCRIPT
set TForm3.RichEdit1 "ATGAAATTTG"
answer "$dir/pipe"
click TForm3.BitOPENFILE
messages
#> message "BeXalo" "$dir/pipe: not a regular file" OK -> OK
dump TForm3.RichEdit1
#> TForm3.RichEdit1.text = "ATGAAATTTG"
SCRIPT
timeout 30 "$check" "$program" "$dir/pipe.bxs"
code=$?
[ $code = 124 ] && echo "opening a named pipe did not come back within 30 s"
exit $code
