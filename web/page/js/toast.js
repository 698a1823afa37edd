// The small timed message window (SplMsgShow): caption and text for the time the engine says.
export class Toast {
  #element;
  #caption;
  #text;
  #timer = 0;

  constructor(element) {
    this.#element = element;
    this.#caption = element.querySelector('#toast-caption');
    this.#text = element.querySelector('#toast-text');
  }

  show(caption, text, ms) {
    clearTimeout(this.#timer);
    this.#caption.textContent = caption;
    this.#text.textContent = text;
    this.#element.hidden = false;
    this.#timer = setTimeout(() => { this.#element.hidden = true; }, Math.max(ms, 400));
  }
}
