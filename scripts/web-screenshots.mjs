#!/usr/bin/env node
// Screenshots of the web page for the docs: `node scripts/web-screenshots.mjs [site] [docs]`.
import { resolve } from 'node:path';
import { launch, openPage, startSite } from '../tests/web/page/browser.mjs';

const site = resolve(process.argv[2] ?? 'build-web/site');
const docs = resolve(process.argv[3] ?? 'docs');
const shots = [
  { file: 'web-1366x768.png', viewport: { width: 1366, height: 768 }, keys: ['3b2+1='] },
  { file: 'web-1024x768-landscape.png', viewport: { width: 1024, height: 768 }, keys: ['F5', '1k3b2+2k4b1='] },
  { file: 'web-768x1024-portrait.png', viewport: { width: 768, height: 1024 }, keys: ['2*x+3=7', 'Control+q'] },
];

const browser = await launch();
const { server, url } = await startSite(site);
try {
  for (const shot of shots) {
    const context = await browser.newContext({ viewport: shot.viewport, hasTouch: true });
    const page = await openPage(context, url);
    for (const k of shot.keys) {
      if (/^(F\d+|Control\+\w)$/.test(k)) await page.keyboard.press(k);
      else await page.keyboard.type(k);
    }
    await page.waitForTimeout(150);
    await page.screenshot({ path: `${docs}/${shot.file}` });
    console.log(`${docs}/${shot.file}`);
    await context.close();
  }
} finally {
  await browser.close();
  server.close();
}
