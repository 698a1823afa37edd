// The page in Debian's chromium: first paint of the calculation screen after a reload served
// by the service worker (target under 1 s), and a key's way from the keydown event through the
// engine to the repainted canvas (target under 16 ms). `make bench-web-page`.
import { resolve } from 'node:path';
import { launch, startSite, ready } from '../tests/web/page/browser.mjs';

const SITE = resolve(process.argv[2] ?? 'build-web/site');
const RELOADS = 15;
const ROUNDS = 20;

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const p95 = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length * 0.95)];
const fmt = (x) => x.toFixed(2);

const browser = await launch();
const site = await startSite(SITE);
try {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  await page.goto(site.url);
  await ready(page);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
    }
  });

  const firstPaint = [];
  for (let i = 0; i < RELOADS; i++) {
    await page.reload();
    await ready(page);
    firstPaint.push(await page.evaluate(() => performance.getEntriesByName('ravlo-first-paint')[0].startTime));
  }

  // Typing a question, "=", and a worked solution: each key timed from its keydown event to the
  // end of the canvas's repaint.
  const keys = await page.evaluate((rounds) => {
    const { screen } = window.ravloPage;
    const press = (key, extra = {}) => {
      const t0 = performance.now();
      document.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true, ...extra }));
      screen.paintNow();
      return performance.now() - t0;
    };
    const typed = [];
    const equals = [];
    const process = [];
    for (let r = 0; r < rounds; r++) {
      press('Delete');
      for (const k of '1k3b2+2k5b4*(7b3-1b6)') typed.push(press(k));
      equals.push(press('='));
      press('F5');
      press('Delete');
      for (const k of '3b2+1k5b4') press(k);
      process.push(press('='));
      press('F5');
    }
    return { typed, equals, process };
  }, ROUNDS);

  console.log(`First paint after a reload from the service worker (${RELOADS} reloads): ` +
    `median ${fmt(median(firstPaint))} ms, worst ${fmt(Math.max(...firstPaint))} ms (target < 1000 ms)`);
  for (const [name, xs] of [['typed key', keys.typed], ['"=" computed', keys.equals],
    ['"=" with the worked solution', keys.process]]) {
    console.log(`Key to repainted screen, ${name} (${xs.length}): median ${fmt(median(xs))} ms, ` +
      `95th percentile ${fmt(p95(xs))} ms, worst ${fmt(Math.max(...xs))} ms (target < 16 ms)`);
  }
  await context.close();
} finally {
  await browser.close();
  site.server.close();
}
