// The keyboard, as on the desktop's main window: every key goes to the engine, which finds
// the Japanese key that prints the character (so US and Japanese layouts both work). The
// browser keeps only the keys a pupil never means for the calculator.
const MODIFIERS = new Set(['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'CapsLock', 'NumLock',
  'ScrollLock', 'Fn', 'OS', 'Hyper', 'Super']);
const BROWSER_KEYS = new Set(['Tab', 'F11', 'F12']);
const DEVELOPER_TOOLS = new Set(['I', 'J', 'C']);

export function isBrowserKey(e) {
  if (MODIFIERS.has(e.key) || BROWSER_KEYS.has(e.key)) return true;
  if (e.metaKey || e.isComposing || e.key === 'Process' || e.key === 'Dead' || e.key === 'Unidentified') return true;
  return e.ctrlKey && e.shiftKey && DEVELOPER_TOOLS.has(e.key.toUpperCase());
}

export class KeyboardInput {
  #session;
  #blocked;

  // blocked(): true while a dialog of the page has the keys.
  constructor(target, session, blocked) {
    this.#session = session;
    this.#blocked = blocked;
    target.addEventListener('keydown', (e) => this.#down(e));
  }

  #down(e) {
    if (this.#blocked() || isBrowserKey(e)) return;
    e.preventDefault();
    // The numeric pad has keys of its own (its "/" divides); the engine tells them apart.
    const numpad = e.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD;
    this.#session.keyEvent(e.key, { shift: e.shiftKey, ctrl: e.ctrlKey, alt: e.altKey }, numpad);
  }
}
