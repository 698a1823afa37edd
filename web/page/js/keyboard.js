// The keyboard, as on the desktop's main window: every key goes to the engine, which finds
// the Japanese key that prints the character (so US and Japanese layouts both work). The
// browser keeps only the keys a pupil never means for the calculator.
const MODIFIERS = new Set(['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'CapsLock', 'NumLock',
  'ScrollLock', 'Fn', 'OS', 'Hyper', 'Super']);
const BROWSER_KEYS = new Set(['Tab', 'F11', 'F12']);
const DEVELOPER_TOOLS = new Set(['I', 'J', 'C']);

// The numeric pad has keys of its own on a Japanese keyboard (its "/" divides, its "." is the
// pad's decimal point); KeyboardEvent.key alone cannot tell them from the main keys.
const NUMPAD = { '*': 106, '+': 107, '-': 109, '.': 110, ',': 110, '/': 111 };
function numpadKey(e) {
  if (e.location !== KeyboardEvent.DOM_KEY_LOCATION_NUMPAD) return 0;
  if (e.key >= '0' && e.key <= '9' && e.key.length === 1) return 96 + Number(e.key);
  return NUMPAD[e.key] ?? 0;
}

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
    const mods = { shift: e.shiftKey, ctrl: e.ctrlKey, alt: e.altKey };
    const pad = numpadKey(e);
    if (pad) {
      this.#session.key(pad, { ...mods, shift: false });
    } else {
      this.#session.keyEvent(e.key, mods);
    }
  }
}
