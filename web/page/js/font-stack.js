// CSS font stacks for the faces the engine names. The engine asks for the IPA faces (the
// desktop's stand-ins for the Windows ones); devices without them fall back in order.
const stacks = {
  IPAGothic: '"IPAGothic", "IPAexGothic", "MS Gothic", "Noto Sans Mono CJK JP", ' +
    '"Noto Sans CJK JP", "Hiragino Sans", "Hiragino Kaku Gothic ProN", "Osaka", monospace',
  IPAPGothic: '"IPAPGothic", "MS PGothic", "Noto Sans CJK JP", "Hiragino Sans", ' +
    '"Hiragino Kaku Gothic ProN", "Meiryo", sans-serif',
  IPAMincho: '"IPAMincho", "IPAexMincho", "MS Mincho", "Noto Serif CJK JP", ' +
    '"Hiragino Mincho ProN", serif',
};

export function fontStack(family) {
  return stacks[family] ?? `"${family}", ${stacks.IPAGothic}`;
}
