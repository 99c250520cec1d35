// A new user's first session: open the Nile series, look at it, transform,
// ACF/PACF, zoom, limits, rename, a second project, duplicate, close all.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, screenshot, startKora } from './harness.mjs';
import { chooseFile, drawing, menu, messageBox, newProject, reference, seriesOf, tool, topModal, windowByTitle, xAxis, yAxis } from './ui.mjs';

const nile = seriesOf('nile.txt');
const stats = reference('stats').series.nile;

describe('a first session with the Nile series', () => {
  let kora;
  let browser;
  let page;

  const status = () => page.locator('.status-part').allTextContents();
  const activeTitle = () => page.locator('.mdi-window.active .title-text').textContent();
  // Cascade shows every title bar; a click on one activates that window.
  const focusWindow = async (title) => {
    await menu(page, 'Window', 'Cascade');
    await page.waitForTimeout(150);
    await windowByTitle(page, title).locator('.title-text').click();
    await page.waitForFunction((t) => document.querySelector('.mdi-window.active .title-text')?.textContent === t, title);
  };

  before(async () => {
    kora = await startKora();
    browser = await launchBrowser();
    page = await browser.context.newPage();
    await page.goto(kora.url);
    await page.locator('.menubar-title').first().waitFor();
  });

  after(async () => {
    await browser?.close();
    await kora?.stop();
  });

  it('opens nile.txt through the file dialog', async () => {
    assert.deepEqual(await status(), ['NONE', '', '']);
    await newProject(page, 'Univariate', true);
    const dialog = page.locator('.file-dialog');
    await dialog.waitFor();
    assert.equal(await dialog.locator('.title-bar .title-text').textContent(), 'Open file');
    assert.equal(await dialog.locator('#file-name').inputValue(), '*.kra');
    assert.deepEqual(await dialog.locator('#file-types option').allTextContents(), ['KORA Files (*.KRA)', 'All Files (*.*)']);
    await screenshot(page, '01-open-file-dialog');
    await chooseFile(page, 'data/nile.txt');
    await windowByTitle(page, 'data/nile.txt').locator('svg').waitFor();
    await windowByTitle(page, 'INFO: data/nile.txt').waitFor();
    await page.waitForFunction(() => document.querySelector('.status-part')?.textContent === 'data/nile.txt');
    assert.deepEqual(await status(), ['data/nile.txt', 'None', ' ']);
    assert.equal(await activeTitle(), 'data/nile.txt');
  });

  it('draws the 100 values with labelled axes', async () => {
    const d = await drawing(page, 'data/nile.txt');
    assert.equal(d.polylines.length, 1);
    const points = d.polylines[0];
    assert.equal(points.length, nile.length);
    const x = xAxis(d, 0, d.width);
    const y = yAxis(d, 0, d.width);
    assert.ok(x.labels.length >= 3 && y.labels.length >= 3, 'both axes carry labels');
    points.forEach(([px, py], i) => {
      assert.ok(Math.abs(x.toValue(px) - (i + 1)) < 2 * x.unit, `time index of point ${i + 1}`);
      assert.ok(Math.abs(y.toValue(py) - nile[i]) < 2 * y.unit, `value of point ${i + 1}`);
    });
    await screenshot(page, '02-nile-main-plot');
  });

  it('shows the INFO report of the series', async () => {
    await tool(page, 40042);
    const info = windowByTitle(page, 'INFO: data/nile.txt');
    await page.waitForFunction(() => document.querySelector('.mdi-window.active .title-text')?.textContent === 'INFO: data/nile.txt');
    const text = await info.locator('textarea').inputValue();
    assert.match(text, new RegExp(`# of Data Points = +${stats.n}\\n`));
    assert.ok(text.includes(`Sample Mean = ${stats.mean.toFixed(4)}`), text);
    const font = await info.locator('textarea').evaluate((t) => getComputedStyle(t).fontFamily);
    assert.match(font, /mono|Courier/i);
    assert.equal(await info.locator('textarea').getAttribute('readonly'), '');
  });

  it('subtracts the mean', async () => {
    await menu(page, 'Transform', 'Subtract Mean');
    await page.waitForFunction(() => document.querySelectorAll('.status-part')[1]?.textContent !== 'None');
    assert.match((await status())[1], /Mean/);
    const d = await drawing(page, 'data/nile.txt');
    const y = yAxis(d, 0, d.width);
    d.polylines[0].forEach(([, py], i) => assert.ok(Math.abs(y.toValue(py) - (nile[i] - stats.mean)) < 2 * y.unit));
  });

  it('draws the sample ACF/PACF with stems and the ±1.96/√n bounds', async () => {
    await tool(page, 40047);
    const title = 'ACF/PACF: data/nile.txt';
    await windowByTitle(page, title).locator('svg').waitFor();
    const d = await drawing(page, title);
    assert.deepEqual(d.texts.filter((t) => t.text === 'ACF' || t.text === 'PACF').map((t) => t.text), ['ACF', 'PACF']);
    const middle = d.width / 2;
    const y = yAxis(d, 0, middle);
    const x = xAxis(d, 0, middle);
    const zero = y.toPixel(0);
    // Stems of the left panel, in lag order: the end away from the zero line is the value.
    const stems = d.rects.filter((r) => r.x < middle && r.w <= 6 && r.fill !== 'none').sort((a, b) => a.x - b.x);
    assert.ok(stems.length >= 20, `${stems.length} stems`);
    for (const stem of stems) {
      const lag = Math.round(x.toValue(stem.x + stem.w / 2));
      const end = Math.abs(stem.y - zero) > Math.abs(stem.y + stem.h - zero) ? stem.y : stem.y + stem.h;
      assert.ok(Math.abs(y.toValue(end) - stats.acf[lag]) < 2 * y.unit, `ACF at lag ${lag}`);
    }
    const bound = 1.96 / Math.sqrt(stats.n);
    const dotted = d.lines.filter((l) => l.dashed && l.x2 < middle).map((l) => y.toValue(l.y1)).sort((a, b) => a - b);
    assert.equal(dotted.length, 2);
    assert.ok(Math.abs(dotted[0] + bound) < 2 * y.unit && Math.abs(dotted[1] - bound) < 2 * y.unit, `bounds ${dotted}`);
    await screenshot(page, '03-acf-pacf');
  });

  it('zooms a region with the mouse and zooms out again', async () => {
    const main = windowByTitle(page, 'data/nile.txt');
    await main.locator('.title-text').click();
    await page.waitForFunction(() => document.querySelector('.mdi-window.active .title-text')?.textContent === 'data/nile.txt');
    const before = await drawing(page, 'data/nile.txt');
    const x0 = xAxis(before, 0, before.width);
    await tool(page, 40027);
    const client = main.locator('.plot-client');
    await page.waitForFunction(() => document.querySelector('.plot-client.zoom-armed'));
    assert.equal(await client.evaluate((e) => getComputedStyle(e).cursor), 'crosshair');
    const box = await client.boundingBox();
    await page.mouse.move(box.x + 150, box.y + 100);
    await page.mouse.down();
    await page.mouse.move(box.x + 250, box.y + 180, { steps: 4 });
    await page.mouse.move(box.x + 350, box.y + 250, { steps: 4 });
    await page.waitForFunction(() => !document.querySelector('.rubber')?.hidden);
    await screenshot(page, '04-zoom-rectangle');
    await page.mouse.up();
    await page.waitForFunction(() => !document.querySelector('.plot-client.zoom-armed'));
    await page.waitForTimeout(100);
    const zoomed = await drawing(page, 'data/nile.txt');
    const x1 = xAxis(zoomed, 0, zoomed.width);
    const panelLeft = Math.min(...zoomed.lines.filter((l) => l.x1 === l.x2).map((l) => l.x1));
    assert.ok(x1.unit < x0.unit / 2, 'the x range is narrower');
    assert.ok(Math.abs(x1.toValue(150) - x0.toValue(150)) > 5 || Math.abs(x1.toValue(panelLeft) - x0.toValue(150)) < 3 * x0.unit);
    await screenshot(page, '05-zoomed');
    await tool(page, 40026);
    await page.waitForFunction(
      (labels) => JSON.stringify([...document.querySelectorAll('.mdi-window.active svg text[text-anchor="middle"]')].map((t) => t.textContent).filter((t) => /^-?[\d.]+$/.test(t))) === labels,
      JSON.stringify(x0.labels.map(String)),
    );
  });

  it('shows the data coordinates under the mouse in the status bar', async () => {
    const d = await drawing(page, 'data/nile.txt');
    const x = xAxis(d, 0, d.width);
    const y = yAxis(d, 0, d.width);
    const box = await windowByTitle(page, 'data/nile.txt').locator('.plot-client').boundingBox();
    const earlier = (await status())[2];
    await page.mouse.move(box.x + 200, box.y + 150);
    await page.waitForFunction((old) => {
      const text = document.querySelectorAll('.status-part')[2]?.textContent ?? '';
      return text !== old && /^\( .*, .* \)$/.test(text);
    }, earlier);
    const [, px, py] = /^\( (\S+), (\S+) \)$/.exec((await status())[2]);
    assert.ok(Math.abs(Number(px) - x.toValue(200)) < 2 * x.unit, `${px} vs ${x.toValue(200)}`);
    assert.ok(Math.abs(Number(py) - y.toValue(150)) < 2 * y.unit, `${py} vs ${y.toValue(150)}`);
  });

  it('refuses a plot limit that is not a number and takes good ones', async () => {
    const title = 'ACF/PACF: data/nile.txt';
    await focusWindow(title);
    await menu(page, 'Plot', 'Zoom', 'Manual');
    const dialog = topModal(page);
    await dialog.locator('.title-text', { hasText: 'Set plot limits' }).waitFor();
    await dialog.locator('.dlg-picture svg').waitFor();
    const xMin = dialog.getByLabel('X Min');
    const xMax = dialog.getByLabel('X Max');
    await xMin.fill('abc');
    await dialog.locator('button', { hasText: 'OK' }).click();
    assert.deepEqual(await messageBox(page), { caption: 'KORA::Tarn Error', text: 'Error reading dialog-item' });
    await screenshot(page, '06-limits-error');
    await page.locator('.message-box button', { hasText: 'OK' }).click();
    await page.locator('.message-box').waitFor({ state: 'detached' });
    await page.waitForFunction(() => document.activeElement?.matches('.dlg-edit') && (document.activeElement).value === 'abc');
    await xMin.fill('0');
    await xMax.fill('20');
    await dialog.locator('button', { hasText: 'OK' }).click();
    await dialog.waitFor({ state: 'detached' });
    const d = await drawing(page, title);
    const x = xAxis(d, 0, d.width / 2);
    assert.ok(Math.min(...x.labels) >= 0 && Math.max(...x.labels) <= 20, `labels ${x.labels}`);
  });

  it('renames the project and every title follows', async () => {
    await menu(page, 'File', 'Project', 'Rename');
    const dialog = topModal(page);
    await dialog.locator('.title-text', { hasText: 'Name Tarn Project' }).waitFor();
    const field = dialog.locator('input[type="text"]');
    assert.equal(await field.inputValue(), 'data/nile.txt');
    await field.fill('Nile');
    // Enter right after typing: the typed name is sent first.
    await field.press('Enter');
    await dialog.waitFor({ state: 'detached' });
    for (const title of ['Nile', 'INFO: Nile', 'ACF/PACF:Nile']) await windowByTitle(page, title).waitFor();
    assert.equal((await status())[0], 'Nile');
    await screenshot(page, '07-renamed');
  });

  it('switches projects by clicking their windows', async () => {
    await newProject(page, 'Multivariate', false);
    await windowByTitle(page, 'New Multivariate Project').waitFor();
    await page.waitForFunction(() => document.getElementById('menubar')?.dataset.kind === 'MV_MENU');
    assert.equal((await status())[0], 'New Multivariate Project');
    // The fixed part and the multivariate tail: Import, the three zooms, Info.
    assert.equal(await page.locator('.tool-button').count(), 10);
    await screenshot(page, '08-multivariate');
    await focusWindow('Nile');
    await page.waitForFunction(() => document.getElementById('menubar')?.dataset.kind === 'TARN_MENU');
    assert.equal((await status())[0], 'Nile');
    assert.ok((await page.locator('.tool-button').count()) > 20);
    // The window list sits in the Spectrum popup and activates what is chosen.
    await menu(page, 'Spectrum');
    const list = await page.locator('.popup-menu .menu-entry[data-window] .menu-text').allTextContents();
    assert.ok(list.some((t) => /^\d+ New Multivariate Project$/.test(t)), list.join('|'));
    await page.locator('.popup-menu .menu-entry[data-window]', { hasText: 'New Multivariate Project' }).click();
    await page.waitForFunction(() => document.getElementById('menubar')?.dataset.kind === 'MV_MENU');
    assert.equal(await activeTitle(), 'New Multivariate Project');
  });

  it('duplicates a plot', async () => {
    await focusWindow('ACF/PACF:Nile');
    await tool(page, 40041);
    const copy = windowByTitle(page, '(DUPLICATE) ACF/PACF:Nile');
    await copy.locator('svg').waitFor();
    assert.equal(await copy.getAttribute('data-kind'), '1103');
    assert.ok((await copy.locator('svg rect').count()) > 20);
    await screenshot(page, '09-duplicate');
    await copy.locator('.caption-button.close').click();
    await copy.waitFor({ state: 'detached' });
    await windowByTitle(page, 'ACF/PACF:Nile').waitFor();
  });

  it('closes all projects after the question', async () => {
    await menu(page, 'Window', 'Close All');
    assert.deepEqual(await messageBox(page), { caption: 'KORA', text: 'Close all projects ?' });
    await page.locator('.message-box button', { hasText: 'No' }).click();
    await page.locator('.message-box').waitFor({ state: 'detached' });
    assert.ok((await page.locator('.mdi-window').count()) >= 4);
    await menu(page, 'Window', 'Close All');
    await messageBox(page);
    await page.locator('.message-box button', { hasText: 'Yes' }).click();
    // Each project with unsaved work asks first; none is saved here.
    for (;;) {
      await page.waitForFunction(
        () => document.querySelectorAll('.mdi-window').length === 0 || document.querySelector('.message-box'),
      );
      if (!(await page.locator('.message-box').count())) break;
      const { text } = await messageBox(page);
      assert.match(text, /^Save changes to .* \?$/);
      await page.locator('.message-box button', { hasText: 'No' }).click();
      await page.waitForFunction(
        (asked) => document.querySelector('#modal-layer .message-box .message-text')?.textContent !== asked,
        text,
      );
    }
    await page.waitForFunction(() => document.querySelector('.status-part')?.textContent === 'No project open');
    assert.ok(await page.locator('.menubar-title.greyed', { hasText: 'Transform' }).count());
    await screenshot(page, '10-closed');
  });
});
