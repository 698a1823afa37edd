// The settings file the engine writes, kept in localStorage between visits. The bytes are
// code page 932, so they are stored as base64 text.
const KEY = 'ravlo.settings.RavloRS02.ini';

export class SettingsStore {
  #storage;
  #saved = '';

  constructor(storage) {
    this.#storage = storage;
  }

  load() {
    const text = this.#read();
    this.#saved = text ?? '';
    return text ? fromBase64(text) : new Uint8Array();
  }

  // Writes only when the bytes changed, which is seldom.
  save(bytes) {
    const text = toBase64(bytes);
    if (text === this.#saved) return false;
    try {
      this.#storage.setItem(KEY, text);
      this.#saved = text;
      return true;
    } catch {
      return false;  // private mode or a full store: the settings last for this visit
    }
  }

  #read() {
    try {
      return this.#storage.getItem(KEY);
    } catch {
      return null;
    }
  }
}

function toBase64(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(s);
}

function fromBase64(text) {
  const s = atob(text);
  const bytes = new Uint8Array(s.length);
  for (let i = 0; i < s.length; i++) bytes[i] = s.charCodeAt(i);
  return bytes;
}
