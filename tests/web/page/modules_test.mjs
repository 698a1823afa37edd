// The page's own small pieces, in Node: the keypad's rows, the painter's fitting of glyphs to
// their cells, the voice choice, the settings store.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { rowsOf } from '../../../web/page/js/keypad.js';
import { DrawOpPainter } from '../../../web/page/js/painter.js';
import { japaneseLocalVoice, speechRate } from '../../../web/page/js/speech.js';
import { SettingsStore } from '../../../web/page/js/settings-store.js';
import { bgrToCss } from '../../../web/page/js/side-panel.js';
import { isBrowserKey } from '../../../web/page/js/keyboard.js';

test('keypad rows follow the panel\'s tops, dividers where the panel has a gap', () => {
  const b = (name, left, top, height = 25) => ({ name, left, top, height });
  const rows = rowsOf([b('C', 4, 32), b('A', 30, 4, 19), b('B', 4, 4, 19), b('D', 33, 32), b('E', 4, 61)]);
  assert.deepEqual(rows.map((r) => r.buttons.map((x) => x.name)), [['B', 'A'], ['C', 'D'], ['E']]);
  assert.deepEqual(rows.map((r) => r.dividedAbove), [false, true, false]);
});

// A context that records what is drawn where, with a face whose glyphs are `advance` wide.
function recordingContext(advance) {
  const calls = [];
  let scaleX = 1;
  let originX = 0;
  return {
    calls,
    font: '', fillStyle: '', strokeStyle: '', lineWidth: 1, textBaseline: '', textAlign: '', lineCap: '',
    measureText: (ch) => ({ width: advance(ch) }),
    save() {}, restore() { scaleX = 1; originX = 0; },
    translate(x) { originX = x; },
    scale(sx) { scaleX = sx; },
    fillText(ch, x) { calls.push({ ch, left: originX + x * scaleX, width: advance(ch) * scaleX }); },
    beginPath() {}, moveTo() {}, lineTo() {}, stroke() {}, fillRect() {},
  };
}

test('each glyph is painted inside its own cells, however wide the face draws it', () => {
  // A face that draws digits 60 % of the size and kana 130 %: both would overlap unfitted.
  const ctx = recordingContext((ch) => (ch.codePointAt(0) < 0x80 ? 12 : 26));
  new DrawOpPainter(ctx).paint([
    { op: 'font', family: 'IPAGothic', size: 20, bold: false, italic: false, underline: false },
    { op: 'text', x: 100, y: 0, text: '12あ3', color: '#000000' },
  ]);
  const cells = [[100, 110], [110, 120], [120, 140], [140, 150]];
  assert.equal(ctx.calls.length, 4);
  ctx.calls.forEach((c, i) => {
    assert.ok(c.left >= cells[i][0] - 1e-9 && c.left + c.width <= cells[i][1] + 1e-9,
      `${c.ch} drawn at ${c.left}+${c.width}, cell ${cells[i]}`);
  });
});

test('a narrow glyph is centred in its cell', () => {
  const ctx = recordingContext(() => 6);
  new DrawOpPainter(ctx).paint([
    { op: 'font', family: 'IPAGothic', size: 20, bold: false, italic: false, underline: false },
    { op: 'text', x: 0, y: 0, text: '1', color: '#000000' },
  ]);
  assert.equal(ctx.calls[0].left, 2);
});

test('the painter reports the right edge of the text and its cell for sideways scrolling', () => {
  const ctx = recordingContext(() => 10);
  const { right, cell } = new DrawOpPainter(ctx).paint([
    { op: 'font', family: 'IPAGothic', size: 20, bold: false, italic: false, underline: false },
    { op: 'text', x: 30, y: 0, text: 'ab＋', color: '#000000' },
  ]);
  assert.equal(right, 30 + 10 + 10 + 20);
  assert.equal(cell, 10);
});

test('only a Japanese voice of the device itself is taken', () => {
  const v = (lang, localService) => ({ lang, localService });
  assert.equal(japaneseLocalVoice([v('en-US', true), v('ja-JP', false)]), null);
  const local = v('ja-JP', true);
  assert.equal(japaneseLocalVoice([v('ja-JP', false), v('jam', true), local]), local);
  assert.equal(japaneseLocalVoice([v('ja_JP', true)])?.lang, 'ja_JP');
});

test('the speech rate steps by a tenth of a power of three, within the browser\'s range', () => {
  assert.ok(Math.abs(speechRate(10) - 3) < 1e-12);
  assert.equal(speechRate(0), 1);
  assert.equal(speechRate(-100), 0.1);
  assert.equal(speechRate(100), 10);
});

function memoryStorage() {
  const m = new Map();
  return { getItem: (k) => m.get(k) ?? null, setItem: (k, v) => m.set(k, String(v)), size: () => m.size };
}

test('the settings bytes come back unchanged, code page 932 included', () => {
  const storage = memoryStorage();
  const bytes = new Uint8Array([0x81, 0xa5, 0x8c, 0x76, 0x5b, 0x0d, 0x0a, 0x00, 0xff]);
  assert.equal(new SettingsStore(storage).save(bytes), true);
  assert.deepEqual(new SettingsStore(storage).load(), bytes);
});

test('the settings are written only when they changed', () => {
  const storage = memoryStorage();
  const store = new SettingsStore(storage);
  store.load();
  assert.equal(store.save(new Uint8Array([1, 2])), true);
  assert.equal(store.save(new Uint8Array([1, 2])), false);
  assert.equal(store.save(new Uint8Array([1, 3])), true);
});

test('a full or refused store loses nothing but the saving', () => {
  const store = new SettingsStore({ getItem: () => { throw new Error('denied'); },
    setItem: () => { throw new Error('full'); } });
  assert.deepEqual(store.load(), new Uint8Array());
  assert.equal(store.save(new Uint8Array([1])), false);
});

test('colours of the settings are 0x00BBGGRR', () => {
  assert.equal(bgrToCss(0x0000ff), '#ff0000');
  assert.equal(bgrToCss(0x123456), '#563412');
});

test('the browser keeps Tab, F11, F12, the developer tools and IME composition; the calculator gets the rest', () => {
  const k = (key, extra = {}) => ({ key, ctrlKey: false, shiftKey: false, metaKey: false, isComposing: false, ...extra });
  for (const e of [k('Tab'), k('F12'), k('Shift'), k('I', { ctrlKey: true, shiftKey: true }), k('a', { isComposing: true }), k('Process')]) {
    assert.equal(isBrowserKey(e), true, e.key);
  }
  for (const e of [k('s', { ctrlKey: true }), k('F5'), k('Enter'), k('R', { ctrlKey: true, shiftKey: true }), k('3')]) {
    assert.equal(isBrowserKey(e), false, e.key);
  }
});
