// Plots people can read and keep: the prediction band of ARMA forecasts and
// its switch, wheel zoom, panning and Zoom Out through the history, and
// pictures saved as SVG and PNG files.
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, screenshot, startKora } from './harness.mjs';
import { chooseFile, dialogTitled, drawing, menu, newProject, saveFileAs, windowByTitle, xAxis } from './ui.mjs';

describe('plots people can read and keep', () => {
  let kora;
  let browser;
  let page;
  const main = () => windowByTitle(page, 'data/nile.txt');
  const forecast = () => windowByTitle(page, 'ARMA Forecast: data/nile.txt');
  const svgText = (w) => w.locator('.plot-client > svg').evaluate((s) => s.outerHTML);
  const status = () => page.locator('.status-part').allTextContents();
  // The x range shown by the main plot, read from its axis labels at the ends of its frame.
  const shownRange = async () => {
    const d = await drawing(page, 'data/nile.txt');
    const x = xAxis(d, 0, d.width);
    const frame = await main().locator('.plot-client > svg > rect[fill="none"]').first().evaluate((r) => ({
      x: Number(r.getAttribute('x')),
      w: Number(r.getAttribute('width')),
    }));
    return [x.toValue(frame.x), x.toValue(frame.x + frame.w)];
  };
  const changed = async (before) => {
    await page.waitForFunction(
      (b) => document.querySelector('.mdi-window.active .plot-client > svg')?.outerHTML !== b,
      before,
    );
  };

  before(async () => {
    kora = await startKora();
    browser = await launchBrowser();
    page = await browser.context.newPage();
    await page.goto(kora.url);
    await newProject(page, 'Univariate', true);
    await chooseFile(page, 'data/nile.txt');
    await main().locator('svg').waitFor();
  });

  after(async () => {
    await browser?.close();
    await kora?.stop();
  });

  it('shows axis titles and a 95% band with a legend that the Plot menu switches off', async () => {
    const axes = await drawing(page, 'data/nile.txt');
    assert.ok(axes.texts.some((t) => t.text === 'Time') && axes.texts.some((t) => t.text === 'Value'));
    assert.ok(!axes.texts.some((t) => /\.$/.test(t.text)), 'no number ends in a point');
    assert.ok(axes.texts.every((t) => t.anchor !== 'end' || t.x > 20), 'no label clipped at the left edge');

    await menu(page, 'Transform', 'Subtract Mean');
    await menu(page, 'Forecasting', 'ARMA');
    const dialog = await dialogTitled(page, 'ARMA Forecast');
    await dialog.getByLabel('Current white noise variance.').fill('28000');
    await dialog.locator('button', { hasText: /^OK$/ }).click();
    await forecast().locator('svg polygon').first().waitFor();
    const band = await forecast().locator('.plot-client > svg').evaluate((s) => ({
      polygons: s.querySelectorAll('polygon').length,
      legend: [...s.querySelectorAll('text')].map((t) => t.textContent).filter((t) => /Data|Forecast|band/.test(t)),
    }));
    assert.ok(band.polygons >= 1);
    assert.deepEqual(band.legend, ['Data', 'Forecast', '95% prediction band']);
    await screenshot(page, 'plots-forecast-band');

    await menu(page, 'Plot', 'Info');
    const report = await page.locator('.mdi-window.active textarea').inputValue();
    assert.match(report, /Step {5}Prediction {6}sqrt\(MSE\) {10}Lower {10}Upper/);

    const withBand = await svgText(forecast());
    await menu(page, 'Window', 'Cascade');
    await forecast().locator('.title-text').click();
    await menu(page, 'Plot', 'Prediction Bands');
    await page.waitForFunction(
      () => ![...document.querySelectorAll('.mdi-window .plot-client > svg')].some((s) => s.querySelector('polygon')),
    );
    assert.notEqual(await svgText(forecast()), withBand);
    await page.locator('.menubar-title', { hasText: /^Plot$/ }).click();
    const entry = page.locator('.popup-menu .menu-entry', { hasText: 'Prediction Bands' });
    assert.equal(await entry.locator('.menu-check').textContent(), '');
    await page.keyboard.press('Escape');
    await menu(page, 'Plot', 'Prediction Bands');
    await forecast().locator('svg polygon').first().waitFor();
  });

  it('zooms with the wheel, pans by dragging and steps back with Zoom Out', async () => {
    await main().locator('.title-text').click();
    const full = await shownRange();
    const box = await main().locator('.plot-client').boundingBox();
    const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    await page.mouse.move(at.x, at.y);
    let before = await svgText(main());
    await page.mouse.wheel(0, -300);
    await changed(before);
    await page.waitForTimeout(300);  // the notches that follow
    const zoomed = await shownRange();
    assert.ok(zoomed[1] - zoomed[0] < 0.85 * (full[1] - full[0]), `${zoomed} within ${full}`);

    before = await svgText(main());
    await page.mouse.down();
    await page.mouse.move(at.x + 120, at.y, { steps: 5 });
    await page.mouse.up();
    await changed(before);
    const panned = await shownRange();
    assert.ok(panned[0] < zoomed[0] - 1, `${panned} left of ${zoomed}`);
    assert.ok(Math.abs(panned[1] - panned[0] - (zoomed[1] - zoomed[0])) < 2);

    before = await svgText(main());
    await menu(page, 'Plot', 'Zoom', 'Out');
    await changed(before);
    const back = await shownRange();
    assert.ok(Math.abs(back[0] - zoomed[0]) < 1 && Math.abs(back[1] - zoomed[1]) < 1, `${back} is ${zoomed}`);
  });

  it('saves the plot as SVG and PNG through the file dialog and confirms a copy', async () => {
    await main().locator('.title-text').click();
    await menu(page, 'Plot', 'Save Picture...');
    await saveFileAs(page, 'nile_plot.svg');
    await page.waitForFunction(() => document.querySelectorAll('.status-part')[2]?.textContent === 'Picture saved to nile_plot.svg');
    const svg = readFileSync(join(kora.root, 'data', 'nile_plot.svg'), 'utf8');
    assert.match(svg, /^<svg xmlns="http:\/\/www.w3.org\/2000\/svg"/);
    assert.match(svg, />Time</);

    // The right-button popup offers the same.
    const box = await main().locator('.plot-client').boundingBox();
    await page.mouse.click(box.x + 200, box.y + 100, { button: 'right' });
    await page.locator('.popup-menu .menu-entry', { hasText: 'Save Picture...' }).click();
    await saveFileAs(page, 'nile_plot.png');
    await page.waitForFunction(() => document.querySelectorAll('.status-part')[2]?.textContent === 'Picture saved to nile_plot.png');
    const png = readFileSync(join(kora.root, 'data', 'nile_plot.png'));
    assert.deepEqual([...png.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
    assert.ok(png.length > 1000);

    await menu(page, 'Plot', 'Copy to Clipboard');
    await page.waitForFunction(() => document.querySelectorAll('.status-part')[2]?.textContent === 'Picture copied to the clipboard');
    assert.ok(!existsSync(join(kora.root, 'nile_plot.png')));
    assert.equal((await status())[2], 'Picture copied to the clipboard');
  });
});
