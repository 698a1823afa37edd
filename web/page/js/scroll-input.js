// Scrolling the calculation screen with the wheel and with a finger. Up and down move the
// engine's scroll position: a wheel notch one line of text, as on the desktop, a finger in the
// engine's own 4-pixel steps; sideways only moves the page's view of a line wider than the screen.
const STEP = 4;
// What browsers report for one notch: 100 pixels (Chromium, Safari) or 3 lines (Firefox).
const NOTCH_PIXELS = 100;
const NOTCH_LINES = 3;

export class ScrollInput {
  #screen;
  #session;
  #restY = 0;
  #restNotch = 0;
  #drag = null;

  constructor(canvas, screen, session) {
    this.#screen = screen;
    this.#session = session;
    canvas.addEventListener('wheel', (e) => this.#wheel(e), { passive: false });
    canvas.addEventListener('pointerdown', (e) => this.#down(e));
    canvas.addEventListener('pointermove', (e) => this.#move(e));
    canvas.addEventListener('pointerup', () => { this.#drag = null; });
    canvas.addEventListener('pointercancel', () => { this.#drag = null; });
  }

  #wheel(e) {
    e.preventDefault();
    const unit = e.deltaMode === 1 ? 20 : e.deltaMode === 2 ? this.#screen.height : 1;
    let dx = e.deltaX * unit;
    let dy = e.deltaY * unit;
    if (e.shiftKey && dx === 0) [dx, dy] = [dy, 0];
    if (dx) this.#screen.scrollSideways(dx);
    if (!e.shiftKey && e.deltaY) this.#notches(e.deltaMode === 1 ? e.deltaY / NOTCH_LINES : dy / NOTCH_PIXELS);
  }

  // Fractions of a notch (a touchpad's small moves) add up until they make one.
  #notches(n) {
    const total = this.#restNotch + n;
    const whole = Math.trunc(total);
    this.#restNotch = total - whole;
    if (whole) this.#session.wheel(whole);
  }

  #down(e) {
    if (e.pointerType === 'mouse') return;
    this.#drag = { x: e.clientX, y: e.clientY };
  }

  #move(e) {
    if (!this.#drag) return;
    const dx = this.#drag.x - e.clientX;
    const dy = this.#drag.y - e.clientY;
    this.#drag = { x: e.clientX, y: e.clientY };
    if (dx) this.#screen.scrollSideways(dx);
    if (dy) this.#vertical(dy);
  }

  #vertical(dy) {
    const total = this.#restY + dy;
    const steps = Math.trunc(total / STEP);
    this.#restY = total - steps * STEP;
    if (steps) this.#session.scrollSteps(steps);
  }
}
