// Saves a short while after the last change, and at once when the page is hidden or left,
// so a burst of keys writes the settings once.
export class IdleSaver {
  #save;
  #timer = 0;

  constructor(save, delayMs = 250) {
    this.#save = save;
    this.delayMs = delayMs;
    const now = () => this.flush();
    addEventListener('pagehide', now);
    document.addEventListener('visibilitychange', () => document.hidden && now());
  }

  schedule() {
    clearTimeout(this.#timer);
    this.#timer = setTimeout(() => this.flush(), this.delayMs);
  }

  flush() {
    clearTimeout(this.#timer);
    this.#timer = 0;
    this.#save();
  }
}
