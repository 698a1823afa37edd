// The status bar: the checker's messages and the commands' status texts, as the engine gives them.
export class StatusLine {
  #element;

  constructor(element) {
    this.#element = element;
  }

  show(text) {
    this.#element.textContent = text;
  }

  get text() { return this.#element.textContent; }
}
