// One calculation session over the engine's Calculator. Every key, tap and command goes
// through here; afterwards the engine's messages and the screen's state are handed to the
// page's parts, which only show them.
export class CalcSession {
  #calc;
  #listeners = [];
  // The engine builds its whole settings file to answer one key, so values are kept until
  // the file's bytes change.
  #bytes;
  #settings = new Map();

  constructor(calc) {
    this.#calc = calc;
    this.#bytes = calc.settingsBytes();
  }

  // listener({ messages, screen, line, typed, settingsChanged }) runs after every forwarded
  // input; typed is false for scrolling and settings.
  onChange(listener) {
    this.#listeners.push(listener);
  }

  keyEvent(key, { shift, ctrl, alt }, numpad = false) {
    this.#after(() => this.#calc.keyEvent(key, shift, ctrl, alt, numpad));
  }

  key(vk, { shift, ctrl, alt }) {
    this.#after(() => this.#calc.key(vk, shift, ctrl, alt));
  }

  button(name) {
    this.#after(() => this.#calc.button(name));
  }

  command(name) {
    this.#after(() => this.#calc.command(name));
  }

  typeText(text) {
    this.#after(() => this.#calc.typeText(text));
  }

  // The mouse wheel, as the desktop's: one notch scrolls one line of text.
  wheel(notches) {
    this.#after(() => this.#calc.wheel(notches), false);
  }

  // Positive steps scroll down; each is the engine's own 4-pixel step.
  scrollSteps(steps) {
    const name = steps > 0 ? 'ScrollDown' : 'ScrollUp';
    this.#after(() => {
      for (let i = Math.abs(steps); i > 0; i--) this.#calc.command(name);
    }, false);
  }

  setSetting(section, key, value) {
    let ok = false;
    this.#after(() => { ok = this.#calc.setSetting(section, key, String(value)); }, false);
    return ok;
  }

  setting(section, key) {
    const name = `${section}\n${key}`;
    if (!this.#settings.has(name)) this.#settings.set(name, this.#calc.setting(section, key));
    return this.#settings.get(name);
  }

  settingsBytes() {
    return this.#bytes;
  }

  paint(width, height, cursorShown) {
    return this.#calc.paint(width, height, cursorShown);
  }

  line() {
    return this.#calc.line();
  }

  reading() {
    return this.#calc.reading();
  }

  #after(action, typed = true) {
    action();
    const bytes = this.#calc.settingsBytes();
    const settingsChanged = !sameBytes(bytes, this.#bytes);
    if (settingsChanged) {
      this.#bytes = bytes;
      this.#settings.clear();
    }
    const change = {
      messages: this.#calc.messages(), screen: this.#calc.screen(), line: this.#calc.line(), typed,
      settingsChanged,
    };
    for (const l of this.#listeners) l(change);
  }
}

function sameBytes(a, b) {
  if (a.length !== b.length) return false;
  for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
  return true;
}
