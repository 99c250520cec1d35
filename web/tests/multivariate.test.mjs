// A multivariate project in the page: the file with its column dialog gives
// one plot window per series, and a Yule-Walker fit shows its report.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { openWorkbench } from './harness.mjs';
import { chooseFile, dialogTitled, drawing, menu, newProject, windowByTitle, xAxis } from './ui.mjs';

describe('a multivariate project', () => {
  let workbench;
  let page;

  before(async () => {
    workbench = await openWorkbench();
    page = workbench.page;
  });

  after(async () => {
    await workbench?.close();
  });

  it('reads two columns into two series windows', async () => {
    await newProject(page, 'Multivariate', true);
    await chooseFile(page, 'data/eustock_returns.txt');
    const dialog = await dialogTitled(page, 'Read Multivariate Data');
    await dialog.locator('.dlg-button', { hasText: 'OK' }).click();
    for (const title of ['Series 1', 'Series 2']) {
      await windowByTitle(page, title).locator('svg').waitFor();
      const d = await drawing(page, title);
      assert.equal(d.polylines.length, 1);
      // The line runs over the 1859 time points (the painter may merge points sharing a pixel).
      const points = d.polylines[0];
      const x = xAxis(d, 0, d.width);
      assert.ok(Math.abs(x.toValue(points[0][0]) - 1) < 2 * x.unit + 1);
      assert.ok(Math.abs(x.toValue(points.at(-1)[0]) - 1859) < 2 * x.unit + 1);
    }
  });

  it('fits a Yule-Walker model and shows its report', async () => {
    await menu(page, 'Model', 'Estimation', 'Yule-Walker');
    const dialog = await dialogTitled(page, 'Multivariate Yule-Walker Estimation');
    await dialog.locator('.dlg-button', { hasText: 'OK' }).click();
    const report = windowByTitle(page, 'Multivariate Yule-Walker estimates: data/eustock_returns.txt');
    await report.waitFor();
    const text = await report.locator('textarea').inputValue();
    assert.match(text, /KORA::\(Multivariate Yule-Walker Estimates\)/);
    assert.match(text, /Optimal value of p = \d+/);
    assert.match(text, /AICC = -?\d/);
  });
});
