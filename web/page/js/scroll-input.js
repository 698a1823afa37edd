// Scrolling the calculation screen with the wheel and with a finger. Up and down move the
// engine's scroll position in its own 4-pixel steps; sideways only moves the page's view of a
// line wider than the screen.
const STEP = 4;

export class ScrollInput {
  #screen;
  #session;
  #restY = 0;
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
    if (dy) this.#vertical(dy);
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
