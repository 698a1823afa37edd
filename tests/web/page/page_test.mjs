// The page in Debian's chromium: that it forwards keys, taps and settings to the engine and
// shows what the engine answers. The answers themselves are the engine's tests' business;
// here the expected lines come from a second copy of the same engine, loaded in a page of its own.
// node --test tests/web/page/page_test.mjs   (RAVLO_SITE: the assembled site, build-web/site)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { resolve } from 'node:path';
import { inkBands, inkedRows, launch, openPage, ready, shown, startSite } from './browser.mjs';

const SITE = resolve(process.env.RAVLO_SITE ?? 'build-web/site');
let browser;
let site;
let engine;

// The engine's own functions, answered by the copy in the oracle page.
async function oracle(page) {
  await page.evaluate(async () => {
    window.engine = await (await import('./ravlo-engine.mjs')).default();
  });
  const call = (fn, ...args) => page.evaluate(([f, a]) => {
    const r = window.engine[f](...a);
    return Array.isArray(r) ? r.length : r;
  }, [fn, args]);
  return {
    calc: (expr, options) => (options ? call('calc', expr, options) : call('calc', expr)),
    reading: (line) => call('reading', line),
    check: (expr) => call('check', expr),
    dateLabels: (month, day, weekday) => call('dateLabels', month, day, weekday),
    buttonCount: () => call('inputButtons'),
  };
}

before(async () => {
  browser = await launch();
  site = await startSite(SITE);
  const page = await browser.newPage();
  await page.goto(`${site.url}manifest.webmanifest`);
  engine = await oracle(page);
});
after(async () => {
  await browser?.close();
  site?.server.close();
});

async function freshPage(options = {}) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, ...options });
  const page = await openPage(context, site.url);
  return { context, page };
}

const frame = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

async function tapAll(page, captions) {
  for (const c of captions) await page.locator('#keypad button', { hasText: new RegExp(`^${escape(c)}$`) }).click();
}
const escape = (s) => s.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

describe('typing', () => {
  test('3b2+1= typed on the keyboard is computed and read out', async () => {
    const { context, page } = await freshPage();
    const blank = await inkedRows(page);
    await page.keyboard.type('3b2+1=');
    await frame(page);
    const s = await shown(page);
    assert.equal(s.line, (await engine.calc('3b2+1')).line);
    assert.equal(s.label, `計算画面 ${await engine.reading(s.line)}`);
    assert.equal(s.live, await engine.reading(s.line));
    assert.notEqual(s.live, '');
    assert.ok(await inkedRows(page) > blank, 'the line is painted');
    await context.close();
  });

  test('the same with the on-screen keypad', async () => {
    const { context, page } = await freshPage({ hasTouch: true });
    await tapAll(page, ['３', '分の(B)', '２', '＋', '１', '＝']);
    await frame(page);
    const s = await shown(page);
    assert.equal(s.line, (await engine.calc('3b2+1')).line);
    assert.equal(s.live, await engine.reading(s.line));
    await context.close();
  });

  test('a refused key shows the checker\'s message', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.type(')');
    const expected = (await engine.check(')')).message;
    assert.notEqual(expected, '');
    assert.equal((await shown(page)).status, expected);
    assert.equal((await shown(page)).line, '');
    await context.close();
  });

  test('the calculator\'s Ctrl keys do not reach the browser', async () => {
    const { context, page } = await freshPage();
    const prevented = await page.evaluate(() => ['s', 'p', 'l', 'y'].map((key) =>
      !document.dispatchEvent(new KeyboardEvent('keydown', { key, ctrlKey: true, bubbles: true, cancelable: true }))));
    assert.deepEqual(prevented, [true, true, true, true]);
    const tab = await page.evaluate(() =>
      !document.dispatchEvent(new KeyboardEvent('keydown', { key: 'Tab', bubbles: true, cancelable: true })));
    assert.equal(tab, false, 'Tab still moves the focus');
    await context.close();
  });

  test('the numeric pad\'s slash divides', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.type('6');
    await page.keyboard.press('NumpadDivide');
    await page.keyboard.type('3=');
    assert.equal((await shown(page)).line, (await engine.calc('6/3')).line);
    await context.close();
  });
});

describe('worked solutions and commands', () => {
  test('F5 shows the worked solution on several lines, F5 again one line', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.press('F5');
    await page.keyboard.type('3b2+1=');
    await frame(page);
    const withProcess = await inkBands(page);
    assert.equal(await page.locator('[data-command=ProcessDisplaySwitch]').getAttribute('aria-pressed'), 'true');
    await page.keyboard.press('F5');
    await page.keyboard.press('Delete');
    await page.keyboard.type('3b2+1=');
    await frame(page);
    assert.ok(withProcess > (await inkBands(page)) + 1, `${withProcess} bands with the process`);
    await context.close();
  });

  test('a toolbar command goes to the engine', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.type('4b2');
    const before = (await shown(page)).line;
    await page.locator('[data-command=Reduce]').click();
    const afterReduce = (await shown(page)).line;
    assert.notEqual(afterReduce, before);
    assert.ok(afterReduce.startsWith(before), afterReduce);
    await context.close();
  });

  test('Ctrl+C puts the engine\'s line for the clipboard there', async () => {
    const { context, page } = await freshPage();
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: site.url });
    await page.evaluate(() => navigator.clipboard.writeText(''));
    await page.keyboard.type('3b2+1=');
    const copied = page.evaluate(() => new Promise((r) => window.ravloPage.session.onChange(({ screen }) => r(screen.copiedLine))));
    await page.keyboard.press('Control+c');
    const line = await copied;
    assert.notEqual(line, '');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), line);
    await context.close();
  });

  test('F8 hides and shows the keypad, as the engine asks for the input panel', async () => {
    const { context, page } = await freshPage();
    const keypad = page.locator('#keypad');
    await page.keyboard.press('F8');
    assert.equal(await keypad.isVisible(), false);
    await page.keyboard.press('F8');
    assert.equal(await keypad.isVisible(), true);
    await context.close();
  });

  test('an answer form on the screen switches its keypad button off until the next clear', async () => {
    const { context, page } = await freshPage();
    const mixed = page.locator('#keypad button[data-name=Button19]');
    assert.equal(await mixed.isEnabled(), true);
    await page.keyboard.type('3b2+1=');
    const state = await page.evaluate(() => new Promise((r) => {
      window.ravloPage.session.onChange(({ screen }) => r(screen.taiEnabled));
      window.ravloPage.session.command('ScrollUp');
    }));
    assert.equal(await mixed.isEnabled(), state);
    assert.equal(state, false);
    await page.keyboard.press('Delete');
    assert.equal(await mixed.isEnabled(), true);
    await context.close();
  });

  test('a message box of the engine is shown, and Enter gives the keys back', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.type('4b2=');
    const box = page.locator('#message-box');
    assert.equal(await box.evaluate((d) => d.open), true);
    assert.notEqual(await page.locator('#message-box-text').textContent(), '');
    assert.notEqual(await page.locator('#message-box-caption').textContent(), '');
    await page.keyboard.press('Enter');
    assert.equal(await box.evaluate((d) => d.open), false);
    await page.keyboard.press('Delete');
    await page.keyboard.type('1+1=');
    assert.equal((await shown(page)).line, (await engine.calc('1+1')).line);
    await context.close();
  });
});

describe('settings', () => {
  test('a choice in the settings dialog survives a reload', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.press('j');
    await page.getByLabel('仮分数のみ').check();
    await page.locator('#settings-dialog button[value=close]').click();
    await page.waitForTimeout(400);
    await page.reload();
    await ready(page);
    await page.keyboard.type('3b2+1=');
    assert.equal((await shown(page)).line, (await engine.calc('3b2+1', { anssyu: 1 })).line);
    assert.notEqual((await engine.calc('3b2+1', { anssyu: 1 })).line, (await engine.calc('3b2+1')).line);
    await context.close();
  });

  test('a goal set in the dialog stands in the side panel', async () => {
    const { context, page } = await freshPage();
    await page.keyboard.press('j');
    const goals = page.locator('#settings-dialog textarea');
    await goals.fill('分数をがんばる\nくふうする');
    await goals.blur();
    await page.getByLabel('表示する目標').selectOption('1');
    await page.locator('#settings-dialog button[value=close]').click();
    assert.equal(await page.locator('#goal').textContent(), 'くふうする');
    // Today's date as the engine writes it, weekday included.
    const today = await page.evaluate(() => { const d = new Date(); return [d.getMonth() + 1, d.getDate(), d.getDay()]; });
    const labels = await engine.dateLabels(...today);
    assert.match(labels.weekday, /^\(.\)$/);
    assert.equal(await page.locator('#date-weekday').textContent(), labels.weekday);
    assert.equal(await page.locator('#date-day').textContent(), labels.day);
    await context.close();
  });
});

describe('speech', () => {
  test('without a Japanese voice the reading is shown, and the notice comes once', async () => {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
    // A device with an English voice only.
    await context.addInitScript(() => {
      speechSynthesis.getVoices = () => [{ lang: 'en-US', localService: true, name: 'en' }];
    });
    const page = await openPage(context, site.url);
    await page.keyboard.type('3b2');
    await page.keyboard.press('r');
    const first = await shown(page);
    assert.match(first.status, /日本語の音声がない/);
    const reading = await page.locator('#reading-text').textContent();
    assert.ok(reading.length > 0);
    await page.keyboard.press('Delete');
    await page.keyboard.type(')');
    const refused = (await shown(page)).status;
    await page.keyboard.press('r');
    assert.equal((await shown(page)).status, refused);
    await context.close();
  });
});

describe('screen', () => {
  test('the canvas is backed at the device\'s pixel ratio', async () => {
    const { context, page } = await freshPage({ deviceScaleFactor: 2 });
    const size = await page.evaluate(() => {
      const c = document.getElementById('screen');
      return { w: c.width, h: c.height, cw: c.clientWidth, ch: c.clientHeight };
    });
    assert.equal(size.w, size.cw * 2);
    assert.equal(size.h, size.ch * 2);
    await context.close();
  });

  test('a line wider than the screen scrolls sideways with the wheel', async () => {
    const { context, page } = await freshPage({ viewport: { width: 800, height: 700 } });
    await page.keyboard.type('1234567+'.repeat(12));
    await frame(page);
    const followed = await page.evaluate(() => window.ravloPage.screen.scrollX);
    assert.ok(followed > 0, 'the end of the line is followed');
    await page.mouse.move(200, 300);
    await page.mouse.wheel(-400, 0);
    await frame(page);
    assert.ok(await page.evaluate(() => window.ravloPage.screen.scrollX) < followed);
    await context.close();
  });

  test('the wheel and a finger scroll the screen up and down in the engine', async () => {
    const { context, page } = await freshPage({ hasTouch: true });
    // The lowest inked row: the foot of the line, which stays on the screen.
    const lastInk = () => page.evaluate(() => {
      const c = document.getElementById('screen');
      const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      for (let y = c.height - 1; y >= 0; y--) {
        for (let x = 0; x < c.width; x++) {
          const i = (y * c.width + x) * 4;
          if (data[i] + data[i + 1] + data[i + 2] < 200) return y;
        }
      }
      return -1;
    });
    await page.keyboard.type('3b2+1=');
    await frame(page);
    const foot = await lastInk();
    await page.mouse.move(300, 300);
    // One notch scrolls one line of text, far more than the 4-px arrow step; half notches add up.
    await page.mouse.wheel(0, 100);
    await frame(page);
    const line = foot - await lastInk();
    assert.ok(line > 4, `a notch moved ${line} px`);
    await page.mouse.wheel(0, -50);
    await frame(page);
    assert.equal(await lastInk(), foot - line);
    await page.mouse.wheel(0, -50);
    await frame(page);
    assert.equal(await lastInk(), foot);
    // A finger dragging up by 12 px moves the picture up as far.
    const canvas = page.locator('#screen');
    await canvas.dispatchEvent('pointerdown', { pointerType: 'touch', clientX: 300, clientY: 300, isPrimary: true });
    await canvas.dispatchEvent('pointermove', { pointerType: 'touch', clientX: 300, clientY: 288, isPrimary: true });
    await canvas.dispatchEvent('pointerup', { pointerType: 'touch', clientX: 300, clientY: 288, isPrimary: true });
    await frame(page);
    assert.equal(await lastInk(), foot - 12);
    await context.close();
  });

  for (const [name, viewport] of [['1366×768', { width: 1366, height: 768 }],
    ['1024×768 landscape', { width: 1024, height: 768 }], ['768×1024 portrait', { width: 768, height: 1024 }]]) {
    test(`every keypad button is whole and at least 44 px on ${name}`, async () => {
      const { context, page } = await freshPage({ viewport, hasTouch: true });
      const boxes = await page.locator('#keypad button, #toolbar button').evaluateAll((bs) =>
        bs.map((b) => ({ text: b.textContent, ...b.getBoundingClientRect().toJSON() })));
      assert.equal(await page.locator('#keypad button').count(), await engine.buttonCount());
      for (const b of boxes) {
        assert.ok(b.width >= 44 && b.height >= 44, `${b.text} is ${b.width}×${b.height}`);
        assert.ok(b.left >= 0 && b.top >= 0 && b.right <= viewport.width && b.bottom <= viewport.height,
          `${b.text} at ${b.left},${b.top}-${b.right},${b.bottom}`);
      }
      await context.close();
    });
  }
});

describe('offline', () => {
  test('after one visit a reload without the network still computes', { timeout: 30000 }, async () => {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
    const page = await openPage(context, site.url);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
      }
    });
    await context.setOffline(true);
    await page.reload();
    await ready(page);
    await page.keyboard.type('3b2+1=');
    assert.equal((await shown(page)).line, (await engine.calc('3b2+1')).line);
    await context.close();
  });

  test('chromium finds nothing against installing the page as an app', { timeout: 30000 }, async () => {
    const { context, page } = await freshPage();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    // The test's browser profile is a private one, which never installs anything.
    assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
    await context.close();
  });
});
