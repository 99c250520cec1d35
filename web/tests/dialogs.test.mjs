// Every dialog of both menu bars, opened with the mouse and read from the
// drawn page: no two controls overlap, no text is cut, every static text of
// the engine's model shows, and each check box and radio button changes by a
// click on its box and on its text, as the engine's model then says.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, postEvent, screenshotDir, startKora, state } from './harness.mjs';
import { chooseFile, menu, newProject, topModal } from './ui.mjs';

// The dialogs and how a user reaches them: the menu path, then optionally the
// answer to a question on the way, a choice and a button of the first dialog,
// and a field to fill in before the dialog's choices are clicked.
const univariate = [
  { title: 'Name Tarn Project', path: ['File', 'Project', 'Rename'] },
  { title: 'Project Editor', path: ['File', 'Project Editor'] },
  { title: 'Export to ASCII', path: ['File', 'Export'] },
  { title: 'Box-Cox Transformation', path: ['Transform', 'Box - Cox'] },
  { title: 'Classical Decomposition', path: ['Transform', 'Classical'] },
  { title: 'Difference the series', path: ['Transform', 'Difference'] },
  { title: 'Select Subsequence', path: ['Transform', 'Subsequence'] },
  { title: 'Specify Model', path: ['Model', 'Specify'] },
  // With q = 0 the engine keeps the choice on an AR method; q = 1 leaves every method open.
  { title: 'Preliminary Estimation', path: ['Model', 'Estimation', 'Preliminary'], answer: 'No', fill: ['MA order:', '1'] },
  { title: 'Maximum Likelihood Estimation', path: ['Model', 'Estimation', 'Max likelihood'], answer: 'No' },
  { title: 'Constrain Optimization', path: ['Model', 'Estimation', 'Max likelihood'], answer: 'No', button: 'Constrain optimization' },
  { title: 'Specify Lag', path: ['Model', 'ACF/PACF', 'Specify Lag'] },
  { title: 'ARMA Simulation', path: ['Model', 'Simulate'] },
  { title: 'Regression Trend Function', path: ['Regression', 'Specify'] },
  { title: 'Specify Histogram Bins', path: ['Statistics', 'Histogram', 'Set Bin Count'] },
  { title: 'Tests of Randomness', path: ['Statistics', 'Residual Analysis', 'Tests of Randomness'] },
  { title: 'ARMA Forecast', path: ['Forecasting', 'ARMA'] },
  { title: 'ARAR Forecasting', path: ['Forecasting', 'ARAR'] },
  { title: 'Holt-Winters Forecasting', path: ['Forecasting', 'Holt-Winters'] },
  { title: 'Seasonal Holt-Winters Forecasting', path: ['Forecasting', 'Seasonal Holt-Winters'] },
  { title: 'Exponential Smoothing', path: ['Smooth', 'Exponential'] },
  { title: 'FFT Smoothing', path: ['Smooth', 'FFT'] },
  { title: 'Moving Average Smooth', path: ['Smooth', 'Moving Ave.'] },
  { title: 'Spectrum smoothing', path: ['Spectrum', 'Smoothed Periodogram'] },
  { title: 'Fisher Spectrum Test', path: ['Spectrum', 'Fisher Test'] },
  { title: 'Set plot limits', path: ['Plot', 'Zoom', 'Manual'] },
  { title: 'Customize Colors', path: ['Plot', 'Customize Colors'] },
  { title: 'Color', path: ['Plot', 'Customize Colors'], choose: 'Axis Text', button: 'Choose Color' },
  { title: 'About KORA 0.1.0', path: ['Help', 'About'] },
  // Last: a New that is cancelled leaves no project current.
  { title: 'Create New Project ', path: ['File', 'Project', 'New'] },
];

// A multivariate project, its data read through the first dialog (kept with OK).
const multivariate = [
  { title: 'Read Multivariate Data  ', path: ['File', 'Import'], file: 'data/seatbelts_drivers_front.txt', keep: true },
  { title: 'Export to ASCII', path: ['File', 'Export'] },
  { title: 'Project Editor', path: ['File', 'Project Editor'] },
  { title: 'Difference the series', path: ['Transform', 'Difference'] },
  { title: 'Select Subsequence', path: ['Transform', 'Trim'] },
  { title: 'Multivariate Burg Estimation', path: ['Model', 'Estimation', 'Burg'] },
  { title: 'Multivariate Yule-Walker Estimation', path: ['Model', 'Estimation', 'Yule-Walker'], keep: true },
  { title: 'Multivariate AR Forecasting', path: ['Forecasting', 'AR Model'] },
];

const outDir = join(screenshotDir, 'dialogs');

async function top(page) {
  return (await state(page)).modals.at(-1);
}

// Closes the modal windows above the one titled `title` (all without a title)
// through the engine: closing is not under test here.
async function closeAbove(page, title) {
  for (let m = await top(page); m && (title === undefined || m.title !== title); m = await top(page))
    await postEvent(page, { type: m.kind === 'dialog' ? 'escape' : m.kind === 'file' ? 'cancel' : m.yesNo ? 'no' : 'ok' });
}

async function closeAll(page) {
  await closeAbove(page);
  await page.locator('#modal-layer .modal-window').first().waitFor({ state: 'detached' });
}

async function reach(page, { path, file, answer, choose, button, fill }) {
  await menu(page, ...path);
  if (file) await chooseFile(page, file);
  if (answer) await topModal(page).locator('button', { hasText: new RegExp(`^${answer}$`) }).click();
  if (choose) await topModal(page).locator('.dlg-choice-text', { hasText: choose }).click();
  if (button) await topModal(page).locator('.dlg-button', { hasText: button }).click();
  if (fill) {
    const [label, text] = fill;
    await topModal(page).getByLabel(label, { exact: true }).fill(text);
    for (let k = 0; k < 50 && (await top(page)).controls.find((c) => c.label === label)?.text !== text; k++);
  }
}

// Boxes, clipped texts and hidden statics of the dialog as drawn.
function measure(frame, model) {
  const body = frame.querySelector('.modal-body');
  const outer = frame.getBoundingClientRect();
  const within = (r) => r.left >= outer.left - 0.5 && r.right <= outer.right + 0.5 && r.top >= outer.top - 0.5 && r.bottom <= outer.bottom + 0.5;
  const name = (e) => `${e.className || e.tagName} "${e.textContent.trim().slice(0, 30)}"`;
  const boxes = [...body.querySelectorAll('[data-index], .dlg-label')].filter((e) => e.getClientRects().length > 0);
  const overlaps = [];
  boxes.forEach((a, i) => boxes.slice(i + 1).forEach((b) => {
    if (a.contains(b) || b.contains(a)) return;
    const ra = a.getBoundingClientRect();
    const rb = b.getBoundingClientRect();
    const w = Math.min(ra.right, rb.right) - Math.max(ra.left, rb.left);
    const h = Math.min(ra.bottom, rb.bottom) - Math.max(ra.top, rb.top);
    if (w > 0.5 && h > 0.5) overlaps.push(`${name(a)} / ${name(b)}`);
  }));
  const clipped = [...body.querySelectorAll('.dlg-label, .dlg-choice-text, .dlg-static, .dlg-button, legend')]
    .filter((t) => t.scrollWidth > t.clientWidth + 1 || t.scrollHeight > t.clientHeight + 1 || !within(t.getBoundingClientRect()))
    .map(name);
  const hidden = model.controls
    .map((c, i) => ({ c, e: body.querySelector(`.dlg-static[data-index="${i}"]`) }))
    .filter(({ c }) => c.type === 'static' && c.label.trim() !== '')
    .filter(({ c, e }) => {
      if (!e || e.textContent !== c.label) return true;
      const r = e.getBoundingClientRect();
      const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
      return r.width === 0 || !within(r) || !e.contains(hit);
    })
    .map(({ c }) => c.label);
  return { overlaps, clipped, hidden };
}

// Clicks the box or the text of choice `i` and waits until the engine's model
// has it checked (or unchecked); the page must then show the model's choices.
async function clickChoice(page, dialog, i, part, want) {
  const before = await top(page);
  await dialog.locator(`[data-index="${i}"] ${part === 'box' ? 'input' : '.dlg-choice-text'}`).click({ timeout: 3000 });
  let m = await top(page);
  for (let k = 0; k < 50 && m.controls?.[i]?.checked !== want && m.title === before.title; k++) m = await top(page);
  if (m.title !== before.title) return false;  // the choice opened a window of its own
  assert.equal(m.controls[i].checked, want, `${before.title}: "${m.controls[i].label}" by its ${part}`);
  await page.waitForFunction(({ title, controls }) => {
    const frames = [...document.querySelectorAll('#modal-layer .modal-window')];
    const frame = frames.find((f) => f.querySelector('.title-text')?.textContent === title);
    return controls.every((c, k) => !['check', 'radio'].includes(c.type) || frame.querySelector(`input[data-index="${k}"]`).checked === c.checked);
  }, m);
  return true;
}

async function checkChoices(page, dialog) {
  const model = await top(page);
  const choices = model.controls.map((c, i) => ({ c, i }));
  const enabled = async (i) => (await top(page)).controls[i].enabled;
  for (const { c, i } of choices.filter(({ c }) => c.type === 'check')) {
    if (!(await enabled(i))) continue;
    if (await clickChoice(page, dialog, i, 'box', !c.checked)) await clickChoice(page, dialog, i, 'text', c.checked);
    else await closeAbove(page, model.title);
  }
  const radios = choices.filter(({ c }) => c.type === 'radio');
  for (const [order, part] of [[[...radios].reverse(), 'text'], [radios, 'box']]) {
    for (const { c, i } of order) {
      if (!(await enabled(i))) continue;
      if (!(await clickChoice(page, dialog, i, part, true))) {
        await closeAbove(page, model.title);
        continue;
      }
      const m = await top(page);
      const together = m.controls.filter((o) => o.type === 'radio' && o.group === c.group && o.checked);
      assert.deepEqual(together.map((o) => o.label), [c.label], `${model.title}: one choice of group ${c.group}`);
    }
  }
}

async function checkDialog(page, title, bar = 'tarn') {
  const dialog = topModal(page);
  await dialog.locator('.title-text', { hasText: new RegExp(`^${title.replace(/[.*+?()]/g, '\\$&')}$`) }).waitFor();
  const model = await top(page);
  assert.equal(model.title, title);
  await dialog.screenshot({ path: join(outDir, `${bar}-${title.trim().replace(/[^\w-]+/g, '_')}.png`) });
  const found = await dialog.evaluate(measure, model);
  assert.deepEqual(found, { overlaps: [], clipped: [], hidden: [] }, title);
  await checkChoices(page, dialog);
}

// Each menu of the bar shows its letter underlined, no two the same, and
// Alt with that letter opens it; entries show their shortcut keys, which work.
async function checkMenuKeys(page) {
  const letters = (await page.locator('.menubar-title u').allTextContents()).map((l) => l.toLowerCase());
  assert.equal(letters.length, await page.locator('.menubar-title').count(), 'every menu has its letter');
  assert.equal(new Set(letters).size, letters.length, `one menu a letter: ${letters.join(' ')}`);
  for (const [i, letter] of letters.entries()) {
    if (await page.locator(`.menubar-title[data-index="${i}"].greyed`).count()) continue;
    await page.keyboard.press(`Alt+${letter}`);
    await page.locator(`.menubar-title[data-index="${i}"].open`).waitFor();
    await page.keyboard.press('Escape');
  }
  await menu(page, 'File');
  await page.locator('.menu-entry.has-popup', { hasText: 'Project' }).hover();
  assert.equal(await page.locator('.menu-entry[data-id="40095"] .menu-shortcut').textContent(), 'Ctrl+O');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Control+o');
  await checkDialog(page, 'Create New Project ');
  await closeAll(page);
}

describe('every dialog is readable and clickable', () => {
  let kora;
  let browser;
  let page;

  before(async () => {
    mkdirSync(outDir, { recursive: true });
    kora = await startKora();
    browser = await launchBrowser();
    page = await browser.context.newPage();
    await page.setViewportSize({ width: 1400, height: 900 });
    await page.goto(kora.url);
    await page.locator('.menubar-title').first().waitFor();
    await newProject(page, 'Univariate', true);
    await chooseFile(page, 'data/air_passengers.txt');
    await page.locator('.mdi-window').first().waitFor();
  });

  after(async () => {
    await browser?.close();
    await kora?.stop();
  });

  const dialogsOf = (bar, entries) => {
    for (const entry of entries) {
      it(`${entry.title} (${[...entry.path, entry.button].filter(Boolean).join(' > ')})`, async () => {
        await reach(page, entry);
        try {
          await checkDialog(page, entry.title, bar);
          if (entry.keep) {
            await topModal(page).locator('.dlg-button.default').click();
            await page.locator('#modal-layer .modal-window').first().waitFor({ state: 'detached' });
          }
        } finally {
          await closeAll(page);
        }
      });
    }
  };

  dialogsOf('tarn', univariate);
  it('menus of a univariate project show their letters and shortcut keys', () => checkMenuKeys(page));

  it('a multivariate project', async () => {
    await newProject(page, 'Multivariate');
    await page.locator('#menubar[data-kind="MV_MENU"]').waitFor();
  });
  dialogsOf('mv', multivariate);
  it('menus of a multivariate project show their letters and shortcut keys', () => checkMenuKeys(page));
});
