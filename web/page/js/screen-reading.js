// The calculation screen for screen readers: the canvas is named by the Japanese reading of
// its line, and a live region announces the reading when the line changes.
export class ScreenReading {
  #canvas;
  #live;
  #lastLine = null;

  constructor(canvas, live, session) {
    this.#canvas = canvas;
    this.#live = live;
    session.onChange(({ line }) => this.#show(line, session));
    this.#show(session.line(), session);
  }

  #show(line, session) {
    if (line === this.#lastLine) return;
    this.#lastLine = line;
    const reading = session.reading();
    this.#canvas.setAttribute('aria-label', reading ? `計算画面 ${reading}` : '計算画面');
    this.#canvas.dataset.line = line;
    this.#live.textContent = reading;
  }
}
