// Cells of one character as the engine measures it: ASCII and half-width katakana take one,
// every other character two (a cell is half the font size).
export function charCells(ch) {
  const cp = ch.codePointAt(0);
  if (cp < 0x80) return 1;
  if (cp >= 0xff61 && cp <= 0xff9f) return 1;
  return 2;
}
