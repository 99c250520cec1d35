// The Project Editor in the browser: the tree opens and closes branches, a
// project is renamed in place (Enter keeps, Escape drops), and a series is
// dragged with the mouse from one project onto another.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { openWorkbench, screenshot } from './harness.mjs';
import { chooseFile, menu, messageBox, newProject, topModal, windowByTitle } from './ui.mjs';

describe('the Project Editor', () => {
  let workbench;
  let page;
  let editor;

  // Rows by the engine's node keys: slot * 1000 for a project, + k for its series k.
  const row = (key) => editor.locator(`.tree-row[data-key="${key}"]`);
  const label = (key) => row(key).locator('.tree-label').textContent();
  const report = async (title) => {
    await windowByTitle(page, title).waitFor();
    return windowByTitle(page, title).locator('textarea').inputValue();
  };

  before(async () => {
    workbench = await openWorkbench();
    page = workbench.page;
    await newProject(page, 'Univariate', true);
    await chooseFile(page, 'data/nile.txt');
    await windowByTitle(page, 'INFO: data/nile.txt').waitFor();
    await newProject(page, 'Univariate', false);
    await windowByTitle(page, 'New Univariate Project').waitFor();
    await menu(page, 'File', 'Project Editor');
    editor = topModal(page);
    await editor.locator('.title-text', { hasText: 'Project Editor' }).waitFor();
  });

  after(async () => {
    await workbench?.close();
  });

  it('shows every project with its series, and opens and closes branches', async () => {
    assert.deepEqual(await editor.locator('.tree-label').allTextContents(),
      ['KORA Projects', 'data/nile.txt', 'Series #1', 'New Univariate Project', 'Series #1']);
    await row(1000).locator('.tree-toggle').click();
    await page.waitForFunction(() => document.querySelectorAll('.dlg-tree .tree-label').length === 4);
    await row(1000).dblclick();
    await row(1001).waitFor();
    assert.equal(await editor.locator('.tree-label').count(), 5);
  });

  it('renames a project in place: Enter keeps the name, Escape drops it', async () => {
    await row(2000).click();
    await page.keyboard.press('F2');
    const box = editor.locator('input.tree-edit');
    await box.fill('Target');
    await box.press('Enter');
    await windowByTitle(page, 'Target').waitFor();
    await page.waitForFunction(() => document.querySelector('.tree-row[data-key="2000"] .tree-label')?.textContent === 'Target');

    await row(2000).click();
    await page.keyboard.press('F2');
    await box.fill('Dropped');
    await box.press('Escape');
    await box.waitFor({ state: 'detached' });
    assert.equal(await editor.count(), 1, 'Escape ends the edit, not the dialog');
    assert.equal(await label(2000), 'Target');
    assert.equal(await page.locator('.mdi-window .title-text', { hasText: 'Dropped' }).count(), 0);
    await screenshot(page, 'editor-renamed');
  });

  it('moves the series onto the other project when the mouse drops it there', async () => {
    const from = await row(1001).locator('.tree-label').boundingBox();
    const to = await row(2000).locator('.tree-label').boundingBox();
    await page.mouse.move(from.x + from.width / 2, from.y + from.height / 2);
    await page.mouse.down();
    for (let step = 1; step <= 8; step++)
      await page.mouse.move(from.x + from.width / 2 + ((to.x - from.x) * step) / 8, from.y + from.height / 2 + ((to.y - from.y) * step) / 8);
    assert.equal(await page.locator('.tree-drag-image').textContent(), 'Series #1');
    assert.equal(await row(2000).evaluate((r) => r.classList.contains('drop-hover')), true);
    await screenshot(page, 'editor-dragging');
    await page.mouse.up();
    assert.deepEqual(await messageBox(page), { caption: 'KORA Project Editor', text: 'Confirm data transfer' });
    await topModal(page).locator('button', { hasText: 'Yes' }).click();
    await editor.locator('button', { hasText: 'OK' }).click();
    await editor.waitFor({ state: 'detached' });

    // The target shows the Nile data; the source is left without data.
    await menu(page, 'Plot', 'Info');
    assert.match(await report('INFO: Target'), /# of Data Points = +100\n/);
    assert.match(await report('INFO: data/nile.txt'), /# of Data Points = +0\n/);
  });
});
