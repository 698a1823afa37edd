// Replays the engine's recorded drawing on a 2-D canvas. The engine lays text out on a fixed
// pitch (a cell is half the font size); a device's face may be wider or narrower, so every
// glyph is centred in its cells and narrowed when it would spill into the next one.
import { charCells } from './cells.js';
import { fontStack } from './font-stack.js';

// IPAGothic's ascent: where the desktop puts the baseline under a text's top edge.
const ASCENT = 0.88;

export class DrawOpPainter {
  #ctx;
  #widths = new Map();  // font → (character → advance), measuring is the costly part

  constructor(ctx) {
    this.#ctx = ctx;
  }

  // ops: the engine's list; returns the right edge of everything drawn and the widest
  // half-width cell, for sideways scrolling.
  paint(ops) {
    const ctx = this.#ctx;
    let font = { css: '', size: 16, underline: false };
    let right = 0;
    let cell = 0;
    ctx.textBaseline = 'alphabetic';
    ctx.textAlign = 'left';
    ctx.lineCap = 'square';
    for (const op of ops) {
      switch (op.op) {
        case 'font':
          font = {
            css: `${op.italic ? 'italic ' : ''}${op.bold ? 'bold ' : ''}${op.size}px ${fontStack(op.family)}`,
            size: op.size,
            underline: op.underline,
          };
          ctx.font = font.css;
          break;
        case 'text':
          right = Math.max(right, this.#text(op, font));
          cell = Math.max(cell, font.size / 2);
          break;
        case 'line':
          ctx.strokeStyle = op.color;
          ctx.lineWidth = op.width || 1;
          ctx.beginPath();
          ctx.moveTo(op.x1, op.y1);
          ctx.lineTo(op.x2, op.y2);
          ctx.stroke();
          right = Math.max(right, op.x1, op.x2);
          break;
        case 'rect':
          ctx.fillStyle = op.color;
          ctx.fillRect(op.left, op.top, op.right - op.left, op.bottom - op.top);
          break;
      }
    }
    return { right, cell };
  }

  #text(op, font) {
    const ctx = this.#ctx;
    const half = font.size / 2;
    const widths = this.#widthsFor(font.css);
    const baseline = op.y + Math.round(font.size * ASCENT);
    ctx.fillStyle = op.color;
    let x = op.x;
    for (const ch of op.text) {
      const cell = charCells(ch) * half;
      let w = widths.get(ch);
      if (w === undefined) {
        w = ctx.measureText(ch).width;
        widths.set(ch, w);
      }
      if (ch !== ' ') {
        if (w > cell + 0.01) {
          ctx.save();
          ctx.translate(x, baseline);
          ctx.scale(cell / w, 1);
          ctx.fillText(ch, 0, 0);
          ctx.restore();
        } else {
          ctx.fillText(ch, x + (cell - w) / 2, baseline);
        }
      }
      x += cell;
    }
    if (font.underline) {
      ctx.strokeStyle = op.color;
      ctx.lineWidth = 1;
      ctx.beginPath();
      ctx.moveTo(op.x, baseline + 2);
      ctx.lineTo(x, baseline + 2);
      ctx.stroke();
    }
    return x;
  }

  #widthsFor(css) {
    let m = this.#widths.get(css);
    if (!m) {
      m = new Map();
      this.#widths.set(css, m);
    }
    return m;
  }
}
