// One calculation session over the engine's Calculator. Every key, tap and command goes
// through here; afterwards the engine's messages and the screen's state are handed to the
// page's parts, which only show them.
export class CalcSession {
  #calc;
  #listeners = [];

  constructor(calc) {
    this.#calc = calc;
  }

  // listener({ messages, screen, line, typed }) runs after every forwarded input; typed is
  // false for scrolling and settings.
  onChange(listener) {
    this.#listeners.push(listener);
  }

  keyEvent(key, { shift, ctrl, alt }) {
    this.#after(() => this.#calc.keyEvent(key, shift, ctrl, alt));
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
    return this.#calc.setting(section, key);
  }

  settingsBytes() {
    return this.#calc.settingsBytes();
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
    const change = {
      messages: this.#calc.messages(), screen: this.#calc.screen(), line: this.#calc.line(), typed,
    };
    for (const l of this.#listeners) l(change);
  }
}
