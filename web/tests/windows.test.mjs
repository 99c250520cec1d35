// Windows and not losing work: new windows become active, Ctrl+F6 cycles
// through the windows, the Window menu lists them, Tile puts two side by
// side, closing or leaving with unsaved changes asks first, an Open cancelled
// leaves nothing behind, and a sideways swipe stays on the page.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { openWorkbench, screenshot, state } from './harness.mjs';
import { chooseFile, menu, messageBox, newProject, tool, topModal, windowByTitle } from './ui.mjs';

describe('windows and unsaved work', () => {
  let workbench;
  let page;

  const activeTitle = () => page.locator('.mdi-window.active .title-text').textContent();
  const waitActive = (title) =>
    page.waitForFunction((t) => document.querySelector('.mdi-window.active .title-text')?.textContent === t, title);
  const answer = async (label) => {
    await topModal(page).locator('button', { hasText: new RegExp(`^${label}$`) }).click();
  };

  before(async () => {
    workbench = await openWorkbench();
    page = workbench.page;
  });

  after(async () => {
    await workbench?.close();
  });

  it('leaves no empty project behind when the Open file dialog is cancelled', async () => {
    await newProject(page, 'Univariate', true);
    await page.locator('.file-dialog').waitFor();
    await page.locator('.file-dialog button', { hasText: 'Cancel' }).click();
    await page.locator('.file-dialog').waitFor({ state: 'detached' });
    assert.equal(await page.locator('.mdi-window').count(), 0);
    assert.equal((await state(page)).frame.status[0], 'No project open');
  });

  it('makes every new window the active one', async () => {
    await newProject(page, 'Univariate', true);
    await chooseFile(page, 'data/nile.txt');
    await waitActive('data/nile.txt');
    await tool(page, 40042);
    await waitActive('INFO: data/nile.txt');
    await tool(page, 40047);
    await waitActive('ACF/PACF: data/nile.txt');
    const snapshot = await state(page);
    assert.equal(snapshot.windows.find((w) => w.active).title, await activeTitle());
  });

  it('cycles through the windows with Ctrl+F6 and lists them in the Window menu', async () => {
    const seen = [];
    for (let i = 0; i < 4; i++) {
      await page.keyboard.press('Control+F6');
      await page.waitForFunction((before) => document.querySelector('.mdi-window.active .title-text')?.textContent !== before, seen.at(-1) ?? 'ACF/PACF: data/nile.txt');
      seen.push(await activeTitle());
    }
    assert.deepEqual(seen, ['INFO: data/nile.txt', 'data/nile.txt', 'ACF/PACF: data/nile.txt', 'INFO: data/nile.txt']);
    await page.keyboard.press('Control+Shift+F6');
    await waitActive('ACF/PACF: data/nile.txt');

    await menu(page, 'Window');
    const listed = await page.locator('.popup-menu .menu-entry .menu-text').allTextContents();
    assert.deepEqual(listed.slice(-3), ['1 data/nile.txt', '2 INFO: data/nile.txt', '3 ACF/PACF: data/nile.txt']);
    await page.locator('.popup-menu .menu-entry', { hasText: '1 data/nile.txt' }).click();
    await waitActive('data/nile.txt');
  });

  it('tiles two windows side by side inside the desktop', async () => {
    await windowByTitle(page, 'ACF/PACF: data/nile.txt').locator('.caption-button.close').click();
    await page.waitForFunction(() => document.querySelectorAll('.mdi-window').length === 2);
    await menu(page, 'Window', 'Tile');
    await page.waitForTimeout(200);
    const desk = await page.locator('#client').boundingBox();
    const boxes = await page.locator('.mdi-window').evaluateAll((ws) => ws.map((w) => w.getBoundingClientRect().toJSON()));
    boxes.sort((a, b) => a.x - b.x);
    assert.ok(Math.abs(boxes[0].y - boxes[1].y) < 1, 'side by side');
    assert.ok(boxes[0].right <= boxes[1].x + 1, 'without overlapping');
    for (const b of boxes) assert.ok(b.right <= desk.x + desk.width + 1 && b.bottom <= desk.y + desk.height + 1);
    await screenshot(page, 'windows-tiled');
  });

  it('keeps the tab on a sideways swipe over the desktop', async () => {
    const url = page.url();
    await page.mouse.move(400, 400);
    await page.mouse.wheel(-2000, 0);
    await page.waitForTimeout(200);
    assert.equal(page.url(), url);
    assert.equal(await page.evaluate(() => getComputedStyle(document.documentElement).overscrollBehaviorX), 'none');
  });

  it('asks to save changes before closing, and Cancel keeps the project', async () => {
    await menu(page, 'File', 'Project', 'Close');
    assert.deepEqual(await messageBox(page), { caption: 'KORA', text: 'Close current project ?' });
    await answer('Yes');
    await page.locator('.message-box', { hasText: 'Save changes to data/nile.txt ?' }).waitFor();
    assert.deepEqual(await topModal(page).locator('.dlg-buttons button').allTextContents(), ['Yes', 'No', 'Cancel']);
    await screenshot(page, 'windows-save-question');
    await answer('Cancel');
    await page.locator('.message-box').waitFor({ state: 'detached' });
    assert.equal(await windowByTitle(page, 'data/nile.txt').count(), 1);
  });

  it('asks before the page is left while changes are unsaved', async () => {
    const asked = new Promise((resolve) => page.once('dialog', (dialog) => {
      resolve(dialog.type());
      void dialog.dismiss();
    }));
    await page.close({ runBeforeUnload: true });
    assert.equal(await asked, 'beforeunload');
    assert.equal(page.isClosed(), false);
  });

  it('closes without saving on No', async () => {
    await menu(page, 'File', 'Project', 'Close');
    await answer('Yes');
    await page.locator('.message-box', { hasText: 'Save changes' }).waitFor();
    await answer('No');
    await page.waitForFunction(() => document.querySelectorAll('.mdi-window').length === 0);
    assert.equal((await state(page)).frame.unsaved, false);
  });
});
