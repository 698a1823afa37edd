// Debian's chromium driven by playwright-core, and the assembled page served on a free port.
import { chromium } from 'playwright-core';
import { serveSite } from '../../../scripts/serve-site.mjs';

export const CHROMIUM_ARGS = ['--no-sandbox', '--disable-background-networking',
  '--disable-component-update', '--no-first-run', '--disable-sync', '--disable-gpu'];

export async function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true, args: CHROMIUM_ARGS });
}

export async function startSite(root) {
  const server = await serveSite(root);
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

export async function openPage(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await ready(page);
  return page;
}

export async function ready(page) {
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}

// What the page shows: the engine's line, the screen's spoken name, the status line.
export async function shown(page) {
  return page.evaluate(() => ({
    line: document.getElementById('screen').dataset.line,
    label: document.getElementById('screen').getAttribute('aria-label'),
    live: document.getElementById('screen-reading').textContent,
    status: document.getElementById('status-line').textContent,
  }));
}

// Rows of the canvas (in device pixels) that hold dark ink: painted text and rules.
export async function inkedRows(page) {
  return page.evaluate(() => {
    const c = document.getElementById('screen');
    const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let rows = 0;
    for (let y = 0; y < c.height; y++) {
      for (let x = 0; x < c.width; x++) {
        const i = (y * c.width + x) * 4;
        if (data[i] + data[i + 1] + data[i + 2] < 200) { rows++; break; }
      }
    }
    return rows;
  });
}

// Bands of inked rows separated by blank ones: lines of text on the screen.
export async function inkBands(page) {
  return page.evaluate(() => {
    const c = document.getElementById('screen');
    const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let bands = 0;
    let inBand = false;
    for (let y = 0; y < c.height; y++) {
      let ink = false;
      for (let x = 0; x < c.width && !ink; x++) {
        const i = (y * c.width + x) * 4;
        ink = data[i] + data[i + 1] + data[i + 2] < 200;
      }
      if (ink && !inBand) bands++;
      inBand = ink;
    }
    return bands;
  });
}
