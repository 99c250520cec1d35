// A session done on the page, saved with File > Save Session As Script... and
// played again headless by `kora script`, gives the same reports and files.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { examplesDir, koraBinary, launchBrowser, startKora, state } from './harness.mjs';
import { chooseFile, menu, newProject, tool, topModal, windowByTitle } from './ui.mjs';

// Types a name into the save dialog that is open and saves.
async function saveAs(page, name) {
  const dialog = page.locator('.file-dialog');
  await dialog.waitFor();
  await dialog.locator('#file-name').fill(name);
  await dialog.locator('[data-role="accept"]').click();
  await dialog.waitFor({ state: 'detached' });
}

async function dialogNamed(page, title) {
  const dialog = topModal(page);
  await dialog.locator('.title-text', { hasText: title }).waitFor();
  return dialog;
}

async function pressOk(dialog) {
  await dialog.locator('button', { hasText: /^OK$/ }).click();
  await dialog.waitFor({ state: 'detached' });
}

// The report windows' texts as `print` shows them: plain line breaks, a last one at the end.
function plain(text) {
  const lines = text.replaceAll('\r', '');
  return lines.endsWith('\n') ? lines : lines + '\n';
}

function printedBlocks(transcript) {
  const blocks = new Map();
  for (const [, title, body] of transcript.matchAll(/^--- begin (.*)\n([\s\S]*?)^--- end$/gm)) blocks.set(title, body);
  return blocks;
}

describe('a session saved as a script and played again', () => {
  let kora;
  let browser;
  let page;
  let replayDir;

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
    if (replayDir) rmSync(replayDir, { recursive: true, force: true });
  });

  it('records a session of menus, toolbar, dialogs and the mouse', async () => {
    await newProject(page, 'Univariate', true);
    await chooseFile(page, 'data/nile.txt');
    await windowByTitle(page, 'data/nile.txt').locator('svg').waitFor();
    await menu(page, 'Transform', 'Subtract Mean');
    await page.waitForFunction(() => document.querySelectorAll('.status-part')[1]?.textContent !== 'None');
    await tool(page, 40047);
    await windowByTitle(page, 'ACF/PACF: data/nile.txt').locator('svg').waitFor();

    // A zoom gesture in the main plot: many mouse moves, of which the script keeps the last.
    const main = windowByTitle(page, 'data/nile.txt');
    await main.locator('.title-text').click();
    await tool(page, 40027);
    await page.waitForFunction(() => document.querySelector('.plot-client.zoom-armed'));
    const box = await main.locator('.plot-client').boundingBox();
    await page.mouse.move(box.x + 120, box.y + 80);
    await page.mouse.down();
    await page.mouse.move(box.x + 260, box.y + 200, { steps: 6 });
    await page.mouse.up();
    await page.waitForFunction(() => !document.querySelector('.plot-client.zoom-armed'));

    await menu(page, 'Model', 'Estimation', 'Preliminary');
    let dialog = await dialogNamed(page, 'Preliminary Estimation');
    await dialog.getByLabel('AR order:').fill('1');
    await dialog.getByLabel('MA order:').fill('1');
    await dialog.locator('label', { hasText: 'Hannan-Rissanen' }).click();
    await pressOk(dialog);
    await menu(page, 'Model', 'Estimation', 'Max likelihood');
    await pressOk(await dialogNamed(page, 'Maximum Likelihood Estimation'));
    await menu(page, 'Statistics', 'Residual Analysis', 'Tests of Randomness');
    await pressOk(await dialogNamed(page, 'Tests of Randomness'));
    await menu(page, 'Forecasting', 'ARMA');
    dialog = await dialogNamed(page, 'ARMA Forecast');
    await dialog.getByLabel('Number of forecasts past last observation').fill('10');
    await pressOk(dialog);
    await windowByTitle(page, 'ARMA Forecast: data/nile.txt').waitFor();
    await menu(page, 'File', 'Project', 'Save As');
    await saveAs(page, 'nile_model.kra');

    await menu(page, 'File', 'Save Session As Script...');
    await saveAs(page, 'session.kora');
    // The file dialog opens in the folder last used: data/.
    const script = readFileSync(join(kora.root, 'data', 'session.kora'), 'utf8');
    assert.match(script, /^command file\.open$/m);
    assert.match(script, /^radio "Hannan-Rissanen"$/m);
    assert.match(script, /^command model\.estimate\.max-likelihood$/m);
    assert.match(script, /^file data\/nile\.txt$/m);
    // Seven moves were made: of each run of them only the last stays.
    assert.ok(script.match(/^mouse move /gm).length <= 2, script);
    assert.doesNotMatch(script, /save-session-as-script|session\.kora/);
  });

  it('plays headless to the same report texts and the same project file', async () => {
    const reports = (await state(page)).windows.filter((w) => w.kind === 1102 && w.text);
    assert.ok(reports.length >= 4, reports.map((w) => w.title).join('|'));
    replayDir = mkdtempSync(join(tmpdir(), 'kora-replay-'));
    cpSync(examplesDir, join(replayDir, 'data'), { recursive: true });
    cpSync(join(kora.root, 'data', 'session.kora'), join(replayDir, 'session.kora'));
    appendFileSync(join(replayDir, 'session.kora'), reports.map((w) => `print "${w.title}"\n`).join(''));
    const run = spawnSync(koraBinary(), ['script', 'session.kora'], { cwd: replayDir, encoding: 'utf8' });
    assert.equal(run.status, 0, run.stdout + run.stderr);
    const printed = printedBlocks(run.stdout);
    for (const w of reports) assert.equal(printed.get(w.title), plain(w.text), w.title);
    const saved = ['data', 'nile_model.kra'];
    assert.deepEqual(readFileSync(join(replayDir, ...saved)), readFileSync(join(kora.root, ...saved)));
  });
});
