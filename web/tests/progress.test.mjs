// Live progress: during a maximum-likelihood fit the status bar shows the
// iteration count as it grows, and Escape stops the fit keeping its best estimates.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, postEvent, startKora } from './harness.mjs';
import { dialogTitled, menu, messageBox } from './ui.mjs';

// An ARMA(2,2) series long enough that its fit takes many status updates.
function armaSeries(n) {
  let seed = 12345;
  const noise = () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    const u = (seed + 1) / 2147483649;
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return Math.sqrt(-2 * Math.log(u)) * Math.cos((2 * Math.PI * seed) / 2147483648);
  };
  const x = [0, 0];
  const z = [0, 0];
  for (let t = 0; t < n + 2; t++) {
    const e = noise();
    x.push(1.1 * x.at(-1) - 0.3 * x.at(-2) + e + 0.4 * z.at(-1) + 0.2 * z.at(-2));
    z.push(e);
  }
  return x.slice(4).map((v) => v.toFixed(4)).join('\r\n');
}

describe('progress of a long computation', () => {
  let kora;
  let browser;
  let page;

  before(async () => {
    kora = await startKora();
    browser = await launchBrowser();
    page = await browser.context.newPage();
    await page.goto(kora.url);
    await page.locator('.status-part').first().waitFor();
    // The project and an ARMA(2,2) model far from the fit (so that it takes many
    // iterations), as events: the fit itself is played with the mouse.
    for (const event of [
      { type: 'command', id: 40091 },
      { type: 'click', control: 1 },
      { type: 'clipboard', text: armaSeries(60000) },
      { type: 'command', id: 40152 },
      { type: 'command', id: 40061 },
      { type: 'command', id: 40045 },
      { type: 'set', control: 1011, text: '2' },
      { type: 'select', control: 1015, index: 1 },
      { type: 'set', control: 1010, text: '0.1' },
      { type: 'select', control: 1015, index: 2 },
      { type: 'set', control: 1010, text: '0.05' },
      { type: 'set', control: 1012, text: '2' },
      { type: 'select', control: 1016, index: 1 },
      { type: 'set', control: 1013, text: '0.1' },
      { type: 'select', control: 1016, index: 2 },
      { type: 'set', control: 1013, text: '0.05' },
      { type: 'click', control: 1 },
    ]) {
      const answer = await postEvent(page, event);
      assert.equal(answer.status, 200, JSON.stringify(event));
    }
  });

  after(async () => {
    await browser?.close();
    await kora?.stop();
  });

  it('shows the iteration count live and stops the fit on Escape', async () => {
    await menu(page, 'Model', 'Estimation', 'Max likelihood');
    const dialog = await dialogTitled(page, 'Maximum Likelihood Estimation');
    const iterationPart = page.locator('.status-part').nth(2);
    const before = await iterationPart.textContent();
    await dialog.locator('button', { hasText: 'OK' }).click();
    // The page samples what the status bar shows while the engine computes.
    const seen = await page.evaluate(
      () =>
        new Promise((resolve) => {
          const part = document.querySelectorAll('.status-part')[2];
          const texts = [];
          const timer = setInterval(() => {
            const text = part.textContent;
            if (/^Iteration {2}\d+$/.test(text) && text !== texts.at(-1)) texts.push(text);
            if (texts.length >= 3) {
              clearInterval(timer);
              resolve(texts);
            }
          }, 5);
          setTimeout(() => resolve(texts), 20000);
        }),
    );
    assert.ok(seen.length >= 3, `live counts seen: ${JSON.stringify(seen)} (before: ${before})`);
    const counts = seen.map((t) => Number(t.split(/\s+/)[1]));
    assert.ok(counts.every((c, i) => i === 0 || c > counts[i - 1]), `counts grow: ${counts}`);
    await page.keyboard.press('Escape');
    const box = await messageBox(page);
    assert.equal(box.text, 'Estimation stopped; the best estimates so far are kept.');
    await page.locator('#modal-layer .message-box button', { hasText: 'OK' }).click();
    await page.locator('.mdi-window .title-text', { hasText: /^ML estimates: / }).first().waitFor();
  });
});
