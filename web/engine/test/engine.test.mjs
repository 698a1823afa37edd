// The engine module against the desktop's ravlo-cli: the bindings forward to the same models
// and hand back what the desktop shows. Run by ctest (tests/web) or by hand:
//   RAVLO_WEB_DIR=build-web RAVLO_DESKTOP_CLI=build/bin/ravlo-cli node --test web/engine/test/engine.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const repo = resolve(fileURLToPath(new URL('../../..', import.meta.url)));
const webDir = resolve(process.env.RAVLO_WEB_DIR ?? join(repo, 'build-web'));
const desktopCli = resolve(process.env.RAVLO_DESKTOP_CLI ?? join(repo, 'build/bin/ravlo-cli'));
const { loadRavloEngine } = await import(pathToFileURL(join(webDir, 'ravlo-engine-load.mjs')));
const E = await loadRavloEngine();

const desktop = (...args) => execFileSync(desktopCli, args, { encoding: 'utf8' }).trimEnd();

// Japanese-keyboard virtual-key codes (key_table.h): [key, shift].
const vk = { '3': [51], 'b': [66], '2': [50], '+': [187, true], '1': [49], '=': [189, true] };
const typeKeys = (calc, text) => {
  for (const ch of text) calc.key(vk[ch][0], !!vk[ch][1], false, false);
};

test('keys typed one by one compute the line and read it as the desktop does', () => {
  const calc = new E.Calculator();
  typeKeys(calc, '3b2+1=');
  assert.equal(calc.line(), desktop('calc', '3b2+1'));
  assert.equal(calc.reading(), desktop('speak', '--text', calc.line()));
  assert.equal(E.reading(calc.line()), calc.reading());
  calc.delete();
});

test('a refused key leaves the line and says why in the status bar', () => {
  const calc = new E.Calculator();
  calc.typeText('3b');
  calc.messages();
  calc.typeText('+');
  assert.equal(calc.line(), '3b');
  const status = calc.messages().filter((m) => m.kind === 'status');
  assert.equal(status.length, 1);
  assert.notEqual(status[0].text, '');
  calc.delete();
});

test('panel buttons and browser key events reach the same line', () => {
  const byButtons = new E.Calculator();
  const caption = Object.fromEntries(E.inputButtons().map((b) => [b.caption, b.name]));
  for (const c of ['１', '＋', '３', '分の(B)', '２', '＝']) assert.ok(byButtons.button(caption[c]));
  const byEvents = new E.Calculator();
  for (const [key, shift] of [['1', false], ['+', true], ['3', false], ['b', false], ['2', false], ['Enter', false]])
    byEvents.keyEvent(key, shift, false, false);
  assert.equal(byButtons.line(), desktop('calc', '1+3b2'));
  assert.equal(byEvents.line(), byButtons.line());
  byButtons.delete();
  byEvents.delete();
});

test('paint records the answer in the fixed-pitch metric', () => {
  const calc = new E.Calculator();
  calc.typeText('3b2+1=');
  const ops = calc.paint(500, 300);
  const font = ops.find((o) => o.op === 'font');
  assert.equal(font.family, 'IPAGothic');
  const texts = ops.filter((o) => o.op === 'text');
  const equal = texts.findIndex((t) => t.text === '＝');
  assert.ok(equal > 0, JSON.stringify(texts));
  // After the full-width "＝" the answer starts one em on, its digits half an em wide.
  const answer = texts.slice(equal + 1);
  assert.equal(answer[0].text, '1');
  assert.equal(answer[0].x - texts[equal].x, font.size);
  const plus = texts.findIndex((t) => t.text === '＋');
  assert.ok(Math.abs(texts[equal].x - texts[plus + 1].x - font.size / 2) <= 0.5);
  assert.ok(ops.some((o) => o.op === 'line' && o.x1 >= answer[0].x), 'the answer\'s fraction bar');
  calc.delete();
});

test('settings change the answer form and survive their bytes', () => {
  const calc = new E.Calculator();
  assert.ok(calc.setSetting('▼答の表示▼', 'SYOUDSP', '1'));
  calc.typeText('1/3=');
  assert.equal(calc.line(), desktop('calc', '--syoudsp', '1', '1/3'));
  const again = new E.Calculator(calc.settingsBytes());
  assert.equal(again.setting('▼答の表示▼', 'SYOUDSP'), '1');
  assert.equal(again.setting('▼答の表示▼', 'NOSUCHKEY'), null);
  calc.delete();
  again.delete();
});

test('cli and calc give the desktop command line\'s output', () => {
  for (const args of [['calc', '3b2+1'], ['check', '3b+'], ['process', '3b2+1'], ['frobnicate']]) {
    const d = spawnSync(desktopCli, args, { encoding: 'utf8' });
    assert.deepEqual(E.cli(args, ''), { status: d.status, out: d.stdout, err: d.stderr }, args.join(' '));
  }
  assert.equal(E.calc('1/3', { syoudsp: 1 }).line, desktop('calc', '--syoudsp', '1', '1/3'));
  const [position, message] = spawnSync(desktopCli, ['check', '3b+'], { encoding: 'utf8' }).stdout.trimEnd().split('\t');
  assert.deepEqual(E.check('3b+'), { position: Number(position), message });
});

test('a code-page notebook opens, computes as the desktop does and keeps its encoding', () => {
  // "#分数" in code page 932, then two problems, CR LF.
  const title = [0x23, 0x95, 0xaa, 0x90, 0x94];
  const file = Uint8Array.from([...title, 13, 10, ...Buffer.from('3b2+1=\r\n1k3b2*2=\r\n')]);
  const note = new E.Notebook();
  assert.ok(note.open(file));
  assert.equal(note.title(), '分数');
  assert.deepEqual(note.problems(), ['3b2+1=', '1k3b2*2=']);
  assert.deepEqual(note.bytes(), file);

  note.computeAll();
  const dir = mkdtempSync(join(tmpdir(), 'ravlo-web-'));
  writeFileSync(join(dir, 'in.siki'), file);
  execFileSync(desktopCli, ['notebook', 'compute', join(dir, 'in.siki'), '-o', join(dir, 'out.siki')]);
  assert.deepEqual(note.bytes(), new Uint8Array(readFileSync(join(dir, 'out.siki'))));
  note.delete();
});
