// Measures, in a headless Chromium against a running engine, how long the
// user waits for plots: a deep wheel zoom into 10^5 points (gesture to
// painted), the page load with 20 windows open, and the click on Sample
// ACF/PACF of a 10^5-point series to its drawn plot. Prints the figures.
//   KORA_BIN=build-release/kora node scripts/measure_plots.mjs
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { launchBrowser, startKora } from '../tests/harness.mjs';
import { chooseFile, menu, newProject, tool, windowByTitle } from '../tests/ui.mjs';

const kPoints = 100000;
const kNotches = 30;

function median(values) {
  const s = [...values].sort((a, b) => a - b);
  return s[Math.floor(s.length / 2)];
}

// Milliseconds from running `act` in the page to the first frame after the
// active plot's picture changed.
async function untilRepainted(page, act) {
  return page.evaluate(async (code) => {
    const svgOf = () => document.querySelector('.mdi-window.active .plot-client > svg');
    const before = svgOf();
    const start = performance.now();
    await new Promise((resolve) => {
      const observer = new MutationObserver(() => {
        if (svgOf() !== before) {
          observer.disconnect();
          requestAnimationFrame(() => resolve());
        }
      });
      observer.observe(document.getElementById('client'), { childList: true, subtree: true });
      // eslint-disable-next-line no-new-func
      new Function(code)();
    });
    return performance.now() - start;
  }, act);
}

const kora = await startKora();
const browser = await launchBrowser();
try {
  const values = Array.from({ length: kPoints }, (_, i) => (Math.sin(i * 0.001) * 100 + ((i * 7919) % 101)).toFixed(4));
  writeFileSync(join(kora.root, 'data', 'long.txt'), values.join('\n') + '\n');
  const page = await browser.context.newPage();
  await page.goto(kora.url);
  await newProject(page, 'Univariate', true);
  await chooseFile(page, 'data/long.txt');
  const main = windowByTitle(page, 'data/long.txt');
  await main.locator('svg').waitFor();
  await main.locator('.title-text').click();

  // Deep zoom: notch after notch at the middle of the plot, down to 0.8^30 of the range.
  const box = await main.locator('.plot-client').boundingBox();
  const wheel = `const e = document.querySelector('.mdi-window.active .plot-client');
    const b = e.getBoundingClientRect();
    e.dispatchEvent(new WheelEvent('wheel', { deltaY: -100, clientX: b.left + ${box.width / 2}, clientY: b.top + ${box.height / 2}, bubbles: true, cancelable: true }));`;
  const zoom = [];
  for (let i = 0; i < kNotches; i++) zoom.push(await untilRepainted(page, wheel));
  const bytes = await main.locator('.plot-client > svg').evaluate((s) => s.outerHTML.length);
  console.log(`wheel zoom into ${kPoints} points, ${kNotches} notches: median ${median(zoom).toFixed(1)} ms, ` +
    `max ${Math.max(...zoom).toFixed(1)} ms, deepest picture ${bytes} bytes`);

  // Sample ACF/PACF of the long series: click to drawn plot.
  const acfStart = Date.now();
  await tool(page, 40047);
  await windowByTitle(page, 'ACF/PACF: data/long.txt').locator('.plot-client > svg').waitFor();
  console.log(`Sample ACF/PACF of ${kPoints} points, click to drawn: ${Date.now() - acfStart} ms`);

  // Twenty windows: duplicates of the main plot fill up the desktop, then the page loads anew.
  while ((await page.locator('.mdi-window').count()) < 20) {
    await main.locator('.title-text').click();
    await menu(page, 'Window', 'Duplicate');
    await page.waitForTimeout(50);
  }
  const count = await page.locator('.mdi-window').count();
  const loads = [];
  for (let i = 0; i < 3; i++) {
    const start = Date.now();
    await page.reload();
    await page.waitForFunction((n) => document.querySelectorAll('.mdi-window .plot-client > svg, .mdi-window textarea').length >= n, count);
    loads.push(Date.now() - start);
  }
  console.log(`page load with ${count} windows open: median ${median(loads)} ms (${loads.join(', ')} ms)`);
} finally {
  await browser.close();
  await kora.stop();
}
