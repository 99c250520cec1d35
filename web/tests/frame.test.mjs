// The frame around the windows: keyboard menus, greyed entries, tooltips,
// status bar, help, About, popups, window buttons, clipboard and printing.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, postEvent, screenshot, startKora, state } from './harness.mjs';
import { chooseFile, menu, messageBox, newProject, seriesOf, tool, topModal, windowByTitle } from './ui.mjs';

const kPrintableIn = (210 - 20) / 25.4;

describe('the frame of the workbench', () => {
  let kora;
  let browser;
  let page;

  before(async () => {
    kora = await startKora();
    browser = await launchBrowser();
    await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: kora.origin });
    page = await browser.context.newPage();
    await page.goto(kora.url);
    await page.locator('.menubar-title').first().waitFor();
  });

  after(async () => {
    await browser?.close();
    await kora?.stop();
  });

  it('opens menus from the keyboard and leaves greyed entries alone', async () => {
    await menu(page, 'File');
    const importEntry = page.locator('.popup-menu .menu-entry[data-id="40098"]');
    assert.equal(await importEntry.getAttribute('aria-disabled'), 'true');
    await importEntry.click({ force: true });
    assert.equal(await page.locator('.popup-menu').count(), 1, 'a greyed entry does nothing');
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('.popup-menu').count(), 0);

    // Alt+F, Enter on Project opens its popup, Down to Open... Escape back, Right to Transform.
    await page.mouse.move(700, 600);
    await page.keyboard.press('Alt+f');
    await page.locator('.popup-menu .menu-entry.highlighted', { hasText: 'Project' }).waitFor();
    await page.keyboard.press('Enter');
    await page.locator('.popup-menu').nth(1).locator('.menu-entry.highlighted', { hasText: 'New' }).waitFor();
    await screenshot(page, '12-keyboard-menu');
    await page.keyboard.press('ArrowDown');
    await page.locator('.popup-menu').nth(1).locator('.menu-entry.highlighted', { hasText: 'Open' }).waitFor();
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('Enter');
    const dialog = topModal(page);
    await dialog.locator('.title-text', { hasText: 'Create New Project' }).waitFor();
    assert.equal(await page.locator('.popup-menu').count(), 0);
    // The focus is on the preset choice; Escape cancels and makes no project.
    assert.equal(await page.evaluate(() => document.activeElement?.parentElement?.textContent), 'Univariate');
    await page.keyboard.press('Escape');
    await dialog.waitFor({ state: 'detached' });
    assert.equal(await page.locator('.mdi-window').count(), 0);
    // Alt+H then the letter A chooses About.
    await page.keyboard.press('Alt+h');
    await page.keyboard.press('a');
    const about = topModal(page);
    await about.locator('.title-text', { hasText: 'About KORA' }).waitFor();
    assert.match(await about.textContent(), /0\.1\.0/);
    await page.keyboard.press('Enter');
    await about.waitFor({ state: 'detached' });
  });

  it('names each toolbar button in a tooltip and splits the status bar in thirds', async () => {
    await page.locator('.tool-button[data-id="40091"]').hover();
    await page.locator('#tooltip:not([hidden])').waitFor();
    assert.equal(await page.locator('#tooltip').textContent(), 'New Project');
    await page.mouse.move(600, 500);
    const width = await page.locator('#statusbar').evaluate((e) => e.clientWidth);
    const rights = await page.locator('.status-part').evaluateAll((parts) => parts.map((p) => p.getBoundingClientRect().right));
    const left = await page.locator('#statusbar').evaluate((e) => e.getBoundingClientRect().left + e.clientLeft);
    assert.deepEqual(rights.map((r) => Math.round(r - left)), [Math.floor(width / 3), Math.floor((2 * width) / 3), width]);
  });

  it('opens the user guide for Help > Contents', async () => {
    const opened = browser.context.waitForEvent('page');
    await menu(page, 'Help', 'Contents');
    const guide = await opened;
    await guide.waitForLoadState();
    assert.equal(new URL(guide.url()).pathname, '/help/');
    assert.match(await guide.locator('h1').textContent(), /KORA/);
    await guide.close();
    await page.bringToFront();
  });

  it('moves, minimises, maximises and restores windows', async () => {
    await newProject(page, 'Univariate', true);
    await chooseFile(page, 'data/uk_gas.txt');
    const main = windowByTitle(page, 'data/uk_gas.txt');
    await main.locator('svg').waitFor();
    await main.locator('.caption-button.max').click();
    await page.waitForFunction(() => document.querySelector('.mdi-window.maximized'));
    // A maximised plot is painted again at the size it fills.
    const client = await page.locator('#client').evaluate((e) => ({ w: e.clientWidth, h: e.clientHeight }));
    await page.waitForFunction(({ w }) => Number(document.querySelector('.mdi-window.maximized svg')?.getAttribute('width')) === w, client);
    await screenshot(page, '13-maximized');
    await main.locator('.caption-button.max').click();
    await page.waitForFunction(() => !document.querySelector('.mdi-window.maximized'));
    await page.waitForFunction(() => Number(document.querySelector('.mdi-window.active svg')?.getAttribute('width')) < 700);
    await main.locator('.caption-button.min').click();
    await page.waitForFunction(() => document.querySelector('.mdi-window.minimized .title-text')?.textContent === 'data/uk_gas.txt');
    const icon = await page.locator('.mdi-window.minimized').boundingBox();
    const area = await page.locator('#client').boundingBox();
    assert.ok(icon.y + icon.height > area.y + area.height - 40, 'minimised windows sit at the bottom');
    await page.locator('.mdi-window.minimized .title-bar').dblclick();
    await page.waitForFunction(() => !document.querySelector('.mdi-window.minimized'));
  });

  it('opens the Spectrum popup for the right button in a plot', async () => {
    await menu(page, 'Window', 'Cascade');
    const main = windowByTitle(page, 'data/uk_gas.txt');
    await main.locator('.title-text').click();
    await main.locator('.plot-client').click({ button: 'right', position: { x: 200, y: 120 } });
    const popup = page.locator('.popup-menu');
    await popup.waitFor();
    const entries = await popup.locator('.menu-text').allTextContents();
    assert.deepEqual(entries.slice(0, 3), ['Periodogram', 'Model', 'Model and Periodogram']);
    assert.ok(entries.some((t) => /^\d+ data\/uk_gas\.txt$/.test(t)), 'the window list is part of it');
    await screenshot(page, '14-right-button-popup');
    await popup.locator('.menu-entry', { hasText: /^Periodogram$/ }).click();
    await windowByTitle(page, 'SPECTRUM: data/uk_gas.txt').waitFor();
  });

  it('copies to and from the system clipboard', async () => {
    await menu(page, 'Window', 'Cascade');
    await windowByTitle(page, 'data/uk_gas.txt').locator('.title-text').click();
    await menu(page, 'File', 'Export');
    const dialog = topModal(page);
    await dialog.locator('.title-text', { hasText: 'Export to ASCII' }).waitFor();
    await dialog.locator('label', { hasText: 'Time Series' }).click();
    await dialog.locator('label', { hasText: 'Clipboard' }).click();
    await dialog.locator('button', { hasText: 'OK' }).click();
    await dialog.waitFor({ state: 'detached' });
    const engine = (await state(page)).clipboard.text;
    await page.waitForFunction(async (t) => (await navigator.clipboard.readText()) === t, engine);
    assert.equal(engine.split('\r\n').length, seriesOf('uk_gas.txt').length);

    // Import Clipboard takes the system clipboard's lines (the last line is never read).
    await page.waitForFunction(async () => {
      await navigator.clipboard.writeText('1.5\r\n2.5\r\n3.5\r\n');
      await new Promise((r) => setTimeout(r, 200));
      return (await navigator.clipboard.readText()) === '1.5\r\n2.5\r\n3.5\r\n';
    });
    await menu(page, 'File', 'Import Clipboard');
    await page.waitForFunction(() => document.querySelector('.mdi-window[data-kind="1101"] polyline')?.getAttribute('points').trim().split(/\s+/).length === 3);

    // A plot goes to the clipboard as a picture.
    await menu(page, 'Plot', 'Copy to Clipboard');
    await page.waitForFunction(async () => {
      const items = await navigator.clipboard.read();
      return items.some((i) => i.types.includes('image/png'));
    });
  });

  it('prints a plot, a report and a duplicated plot on one page each', async () => {
    await menu(page, 'Window', 'Cascade');
    const main = windowByTitle(page, 'data/uk_gas.txt');
    await main.locator('.title-text').click();
    // Wider than the page: printed at 90 %, 81 %, ... of its screen size.
    const id = Number(await main.getAttribute('data-id'));
    assert.equal((await postEvent(page, { type: 'move', window: id, x: 0, y: 0, width: 900, height: 420 })).status, 200);
    await tool(page, 40005);
    const frame = page.frameLocator('#print-frame');
    const item = frame.locator('.sheet-item');
    await item.waitFor({ state: 'attached' });
    let w = 900 / 96;
    let h = 420 / 96;
    while (w > kPrintableIn) {
      w *= 0.9;
      h *= 0.9;
    }
    const style = await item.evaluate((e) => [e.style.left, e.style.top, e.style.width, e.style.height].map(parseFloat));
    const margin = (kPrintableIn - w) / 2;
    [margin, margin, w, h].forEach((v, i) => assert.ok(Math.abs(style[i] - v) < 1e-4, `${style} vs ${[margin, margin, w, h]}`));

    // A report prints its non-empty lines only.
    await tool(page, 40042);
    const info = windowByTitle(page, 'INFO: data/uk_gas.txt');
    await page.waitForFunction(() => document.querySelector('.mdi-window.active .title-text')?.textContent.startsWith('INFO'));
    const text = await info.locator('textarea').inputValue();
    await menu(page, 'File', 'Print');
    await page.waitForFunction(() => document.querySelector('#print-frame')?.contentDocument?.querySelector('.report'));
    const printed = await frame.locator('.line').allTextContents();
    assert.deepEqual(printed, text.split('\n').filter((l) => l.length > 0));

    // A duplicated plot is enlarged by the whole factor that fits the page width.
    await menu(page, 'Window', 'Cascade');
    await main.locator('.title-text').click();
    await tool(page, 40041);
    const copy = windowByTitle(page, '(DUPLICATE) data/uk_gas.txt');
    await copy.waitFor();
    await page.waitForFunction(() => document.querySelector('.mdi-window.active')?.dataset.kind === '1103');
    const viewBox = await copy.locator('svg').getAttribute('viewBox');
    const [, , pw] = viewBox.split(' ').map(Number);
    await tool(page, 40005);
    await page.waitForFunction(() => document.querySelector('#print-frame')?.contentDocument?.querySelector('.sheet-item'));
    const width = await frame.locator('.sheet-item').evaluate((e) => parseFloat(e.style.width));
    const printable = Math.floor(kPrintableIn * 600);
    assert.ok(Math.abs(width - (Math.floor(printable / pw) * pw) / 600) < 1e-4, `${width}`);
  });

  it('asks before a save replaces a file', async () => {
    await menu(page, 'Window', 'Cascade');
    await windowByTitle(page, 'data/uk_gas.txt').locator('.title-text').click();
    await menu(page, 'File', 'Project', 'Save As');
    const dialog = page.locator('.file-dialog');
    await dialog.waitFor();
    assert.equal(await dialog.locator('.title-bar .title-text').textContent(), 'Save KORA file');
    await dialog.locator('#file-types').selectOption({ label: 'All Files (*.*)' });
    // The dialog opens in the folder used last (its listing arrives after the dialog).
    await page.waitForFunction(() => document.querySelector('.file-dialog .file-folder')?.textContent === '/data');
    await dialog.locator('.file-list option[value="nile.txt"]').click();
    await dialog.locator('[data-role="accept"]').click();
    // The engine asks, over its file dialog, which stays open after No.
    assert.deepEqual(await messageBox(page), {
      caption: 'Save KORA file',
      text: 'data/nile.txt already exists.\nDo you want to replace it?',
    });
    await page.locator('#modal-layer .message-box').last().locator('button', { hasText: 'No' }).click();
    await dialog.locator('#file-name').fill('gas');
    await dialog.locator('[data-role="accept"]').click();
    await dialog.waitFor({ state: 'detached' });
    await windowByTitle(page, 'data/gas.KRA').waitFor();
  });

  it('shows a message box with its exact caption and text', async () => {
    await menu(page, 'File', 'Project', 'Close');
    assert.deepEqual(await messageBox(page), { caption: 'KORA', text: 'Close current project ?' });
    await page.keyboard.press('Enter');  // Yes has the focus
    await page.waitForFunction(() => document.querySelector('.status-part')?.textContent === 'No project open');
    // Only the duplicate stays: it is a picture of its own.
    assert.deepEqual(await page.locator('.mdi-window .title-text').allTextContents(), ['(DUPLICATE) data/uk_gas.txt']);
    // Without a project the analysis popups are greyed and do not open.
    await page.locator('.menubar-title', { hasText: 'Statistics' }).click();
    assert.equal(await page.locator('.popup-menu').count(), 0);
  });
});
