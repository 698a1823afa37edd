// The calculation screen: a canvas the engine's picture is painted on, sharp at any zoom
// (the backing store follows devicePixelRatio), with the cursor blinking as on the desktop
// and a line wider than the screen scrolled sideways by finger, wheel or its bar.
import { DrawOpPainter } from './painter.js';

export class CalcScreen {
  #canvas;
  #ctx;
  #painter;
  #session;
  #bar;
  #thumb;
  #cssWidth = 0;
  #cssHeight = 0;
  #scrollX = 0;
  #contentRight = 0;
  #cell = 8;
  #cursorShown = true;
  #blink = null;
  #frame = 0;
  #painted = false;
  onPainted = null;

  constructor(canvas, session, { bar, thumb }) {
    this.#canvas = canvas;
    this.#ctx = canvas.getContext('2d', { alpha: false });
    this.#painter = new DrawOpPainter(this.#ctx);
    this.#session = session;
    this.#bar = bar;
    this.#thumb = thumb;
    new ResizeObserver(() => this.#resize()).observe(canvas);
    // Zooming changes devicePixelRatio without resizing the element.
    this.#watchPixelRatio();
    this.#resize();
  }

  get scrollX() { return this.#scrollX; }
  get width() { return this.#cssWidth; }
  get height() { return this.#cssHeight; }

  // The cursor blinks with the engine's period; input closed, it stays hidden.
  startBlink(periodMs) {
    clearInterval(this.#blink);
    this.#blink = setInterval(() => {
      this.#cursorShown = !this.#cursorShown;
      this.paintNow();
    }, periodMs);
  }

  // Repaint at the next frame: a burst of keys paints once.
  update() {
    this.#cursorShown = true;
    if (this.#frame) return;
    this.#frame = requestAnimationFrame(() => {
      this.#frame = 0;
      this.paintNow();
    });
  }

  paintNow() {
    if (this.#frame) {
      cancelAnimationFrame(this.#frame);
      this.#frame = 0;
    }
    const dpr = window.devicePixelRatio || 1;
    const ctx = this.#ctx;
    ctx.setTransform(dpr, 0, 0, dpr, -this.#scrollX * dpr, 0);
    const ops = this.#session.paint(this.#cssWidth + this.#scrollX, this.#cssHeight, this.#cursorShown);
    const drawn = this.#painter.paint(ops);
    this.#contentRight = drawn.right;
    if (drawn.cell) this.#cell = drawn.cell;
    this.#updateBar();
    if (!this.#painted) {
      this.#painted = true;
      performance.mark('ravlo-first-paint');
    }
    this.onPainted?.();
  }

  // Keeps the end of a line being typed in view.
  followEnd() {
    const visible = this.#cssWidth;
    const end = this.#contentRight + this.#cellWidth() * 2;
    if (end > this.#scrollX + visible) this.scrollSideways(end - visible - this.#scrollX);
  }

  scrollSideways(dx) {
    const max = Math.max(0, this.#contentRight + this.#cellWidth() * 2 - this.#cssWidth);
    const x = Math.min(max, Math.max(0, Math.round(this.#scrollX + dx)));
    if (x === this.#scrollX) return;
    this.#scrollX = x;
    this.paintNow();
  }

  // Room for two more characters after the end of the line, as the desktop keeps.
  #cellWidth() {
    return this.#cell;
  }

  #updateBar() {
    const range = this.#contentRight + this.#cellWidth() * 2;
    const overflow = range > this.#cssWidth;
    this.#bar.hidden = !overflow && this.#scrollX === 0;
    if (this.#bar.hidden) return;
    const total = Math.max(range, this.#scrollX + this.#cssWidth);
    this.#thumb.style.left = `${(100 * this.#scrollX) / total}%`;
    this.#thumb.style.width = `${(100 * this.#cssWidth) / total}%`;
  }

  #resize() {
    const rect = this.#canvas.getBoundingClientRect();
    const dpr = window.devicePixelRatio || 1;
    this.#cssWidth = Math.max(1, Math.round(rect.width));
    this.#cssHeight = Math.max(1, Math.round(rect.height));
    this.#canvas.width = Math.round(this.#cssWidth * dpr);
    this.#canvas.height = Math.round(this.#cssHeight * dpr);
    this.paintNow();
  }

  #watchPixelRatio() {
    const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    query.addEventListener('change', () => {
      this.#resize();
      this.#watchPixelRatio();
    }, { once: true });
  }
}
