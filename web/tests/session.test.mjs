// The desktop lives in the engine: a reload or a second tab shows the same
// windows and the same open dialog; bad requests change nothing.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, postEvent, screenshot, startKora, state } from './harness.mjs';
import { menu, topModal, windowByTitle } from './ui.mjs';

async function titlesAndPlaces(page) {
  return page.locator('.mdi-window').evaluateAll((windows) =>
    windows.map((w) => [w.querySelector('.title-text').textContent, w.style.left, w.style.top, w.style.width, w.classList.contains('active')]).sort(),
  );
}

describe('the desktop across reloads and tabs', () => {
  let kora;
  let browser;
  let page;

  before(async () => {
    kora = await startKora();
    browser = await launchBrowser();
    page = await browser.context.newPage();
    await page.goto(kora.url);
    await page.locator('.menubar-title').first().waitFor();
    // A project with data, set up through the engine's own events.
    for (const event of [{ type: 'command', id: 40095 }, { type: 'click', control: 1 }, { type: 'file', path: 'data/www_usage.txt' }, { type: 'command', id: 40064 }]) {
      const answer = await postEvent(page, event);
      assert.equal(answer.status, 200, JSON.stringify(answer.body));
    }
    await windowByTitle(page, 'HISTOGRAM: data/www_usage.txt').locator('svg').waitFor();
  });

  after(async () => {
    await browser?.close();
    await kora?.stop();
  });

  it('shows the same desktop after a reload', async () => {
    const main = windowByTitle(page, 'data/www_usage.txt');
    const bar = main.locator('.title-bar');
    const box = await bar.boundingBox();
    // Move the window by its title bar; the engine keeps the place.
    await page.mouse.move(box.x + 60, box.y + 10);
    await page.mouse.down();
    await page.mouse.move(box.x + 160, box.y + 210, { steps: 5 });
    await page.mouse.up();
    await page.waitForFunction(async () => {
      const s = await (await fetch('/api/state')).json();
      return s.windows.some((w) => w.title === 'data/www_usage.txt' && w.x >= 90 && w.y >= 190);
    });
    const before = await titlesAndPlaces(page);
    assert.ok(before.length >= 3);
    await page.reload();
    await page.locator('.mdi-window').first().waitFor();
    await page.waitForFunction((n) => document.querySelectorAll('.mdi-window').length === n, before.length);
    assert.deepEqual(await titlesAndPlaces(page), before);
    assert.equal(await page.locator('.status-part').first().textContent(), 'data/www_usage.txt');
  });

  it('keeps a dialog that was open before the reload', async () => {
    await menu(page, 'File', 'Project', 'Rename');
    const field = topModal(page).locator('input[type="text"]');
    await field.waitFor();
    await field.fill('WWW usage');
    await page.waitForTimeout(400);  // the typing reaches the engine
    await page.reload();
    const again = topModal(page);
    await again.locator('.title-text', { hasText: 'Name Tarn Project' }).waitFor();
    assert.equal(await again.locator('input[type="text"]').inputValue(), 'WWW usage');
    assert.equal(await page.locator('#app').evaluate((e) => e.inert), true, 'the desktop is inert under the dialog');
    await screenshot(page, '11-dialog-after-reload');

    // A second tab sees the same dialog; answering it there closes it here too.
    const second = await browser.context.newPage();
    await second.goto(kora.origin + '/');
    const there = topModal(second);
    await there.locator('.title-text', { hasText: 'Name Tarn Project' }).waitFor();
    await there.locator('button', { hasText: 'OK' }).click();
    await page.locator('#modal-layer .modal-window').waitFor({ state: 'detached' });
    await windowByTitle(page, 'HISTOGRAM: WWW usage').waitFor();
    await second.close();
  });

  it('answers a malformed or undeliverable event with an error and changes nothing', async () => {
    const before = await state(page);
    for (const body of ['{"type":"command"', '[1,2]', '{"type":"fly"}', '{"type":"mouse","action":"drag","window":1,"x":1,"y":1}',
      '{"type":"move","window":1,"x":0,"y":0,"width":0,"height":10}', '{"type":"command","id":"40091"}']) {
      const answer = await postEvent(page, body);
      assert.equal(answer.status, 400, body);
      assert.equal(answer.body.ok, false);
    }
    // A dialog event with no dialog open cannot be delivered.
    const refused = await postEvent(page, { type: 'click', control: 1 });
    assert.equal(refused.status, 409);
    const afterwards = await state(page);
    assert.deepEqual({ ...afterwards, seq: 0 }, { ...before, seq: 0 });
  });

  it('reconnects when the stream of changes breaks off', async () => {
    const tab = await browser.context.newPage();
    let cut = true;
    await tab.route('**/api/events', (route) => (cut ? route.abort() : route.continue()));
    await tab.goto(kora.origin + '/');
    await tab.locator('#connection').waitFor({ state: 'visible' });
    // Meanwhile the desktop changes (another client cascades the windows).
    const answer = await fetch(`${kora.origin}/api/event?token=${kora.token}`, {
      method: 'POST',
      headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify({ type: 'command', id: 40075 }),
    });
    const { seq } = await answer.json();
    cut = false;
    await tab.waitForFunction((s) => Number(document.body.dataset.seq) >= s, seq, { timeout: 15000 });
    await tab.locator('#connection').waitFor({ state: 'hidden' });
    await tab.close();
  });
});
