// The engine's message boxes, one after another in a modal dialog. The engine has already
// taken the box's first button, so the dialog only has to be read and closed.
export class MessageBox {
  #dialog;
  #caption;
  #text;
  #queue = [];

  constructor(dialog) {
    this.#dialog = dialog;
    this.#caption = dialog.querySelector('#message-box-caption');
    this.#text = dialog.querySelector('#message-box-text');
    dialog.addEventListener('close', () => this.#next());
  }

  get open() { return this.#dialog.open; }

  show(caption, text) {
    this.#queue.push({ caption, text });
    if (!this.#dialog.open) this.#next();
  }

  #next() {
    const box = this.#queue.shift();
    if (!box) return;
    this.#caption.textContent = box.caption;
    this.#text.textContent = box.text;
    this.#dialog.showModal();
  }
}
