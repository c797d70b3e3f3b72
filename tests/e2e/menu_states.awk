# Reads ImageMagick's txt: listing of a pop-up menu's inside (its frame cut off) and prints the
# items' states in order, "enabled" or "disabled". Each run of rows with ink at least five pixels
# high is an item; separators and access-key underlines are thinner. An item drawn with black
# text is enabled, one drawn in grey is disabled.
BEGIN { FS = "[ ,:()]+"; start = -1 }
NR > 1 {
  if ($3 + $4 + $5 < 600) ink[$2] = 1
  if ($3 < 64 && $4 < 64 && $5 < 64) black[$2] = 1
  if ($2 > last) last = $2
}
END {
  for (y = 0; y <= last + 1; y++) {
    if (y in ink) {
      if (start < 0) { start = y; dark = 0 }
      if (y in black) dark = 1
      continue
    }
    if (start >= 0 && y - start >= 5) states = states (states == "" ? "" : " ") (dark ? "enabled" : "disabled")
    start = -1
  }
  print states
}
