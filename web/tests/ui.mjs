// What a user does on the page (menus, toolbar, dialogs, windows) and what
// the tests read back from the drawn plots.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { examplesDir, referenceDir } from './harness.mjs';

export function windowByTitle(page, title) {
  return page.locator('.mdi-window', { has: page.locator('.title-bar .title-text', { hasText: new RegExp(`^${escape(title)}$`) }) });
}

function escape(text) {
  return text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
}

// Chooses an entry through the menu bar with the mouse: menu(page, 'Plot', 'Zoom', 'Manual').
export async function menu(page, ...path) {
  await page.locator('.menubar-title', { hasText: new RegExp(`^${escape(path[0])}$`) }).click();
  for (let i = 1; i < path.length; i++) {
    const entry = page.locator('.popup-menu').nth(i - 1).locator('.menu-entry', { has: page.locator('.menu-text', { hasText: new RegExp(`^${escape(path[i])}$`) }) });
    if (i < path.length - 1) await entry.hover();
    else await entry.click();
  }
}

export async function tool(page, id) {
  await page.locator(`.tool-button[data-id="${id}"]`).click();
}

export function topModal(page) {
  return page.locator('#modal-layer .modal-window:not(.inactive)').last();
}

// Waits for the message box and returns its caption and text.
export async function messageBox(page) {
  const box = page.locator('#modal-layer .message-box').last();
  await box.waitFor();
  return { caption: await box.locator('.title-text').textContent(), text: await box.locator('.message-text').textContent() };
}

// Opens `path` (relative to the served folder) in the file dialog that is open.
export async function chooseFile(page, path) {
  const dialog = page.locator('.file-dialog');
  await dialog.waitFor();
  await dialog.locator('#file-types').selectOption({ label: 'All Files (*.*)' });
  const parts = path.split('/');
  const up = dialog.locator('button[aria-label="Up one level"]');
  // Start from the root folder.
  for (let i = 0; i < 4 && (await dialog.locator('.file-folder').textContent()) !== '/'; i++) await up.click();
  for (const folder of parts.slice(0, -1)) {
    await dialog.locator(`.file-list option[value="${folder}"]`).dblclick();
    await page.waitForFunction((f) => document.querySelector('.file-folder')?.textContent?.endsWith(f), folder);
  }
  await dialog.locator(`.file-list option[value="${parts.at(-1)}"]`).click();
  await dialog.locator('[data-role="accept"]').click();
  await dialog.waitFor({ state: 'detached' });
}

// New project of the given kind through the toolbar and the "Create New Project " dialog.
export async function newProject(page, kind, viaOpen) {
  await tool(page, viaOpen ? 40095 : 40091);
  const dialog = topModal(page);
  await dialog.locator('.title-text', { hasText: 'Create New Project' }).waitFor();
  await dialog.locator('label', { hasText: kind }).click();
  await dialog.locator('button', { hasText: 'OK' }).click();
}

export function seriesOf(file) {
  return readFileSync(join(examplesDir, file), 'utf8').split(/\r?\n/).filter((l) => l.trim()).map(Number);
}

export function reference(name) {
  return JSON.parse(readFileSync(join(referenceDir, `${name}.json`), 'utf8'));
}

// The drawing of a plot window as shown: texts, lines, rectangles, polylines.
export async function drawing(page, title) {
  return windowByTitle(page, title).locator('.plot-client > svg').evaluate((svg) => {
    const num = (e, a) => Number(e.getAttribute(a));
    return {
      width: num(svg, 'width'),
      height: num(svg, 'height'),
      texts: [...svg.querySelectorAll('text')].map((t) => ({ x: num(t, 'x'), y: num(t, 'y'), anchor: t.getAttribute('text-anchor'), text: t.textContent })),
      lines: [...svg.querySelectorAll('line')].map((l) => ({ x1: num(l, 'x1'), y1: num(l, 'y1'), x2: num(l, 'x2'), y2: num(l, 'y2'), dashed: l.hasAttribute('stroke-dasharray') })),
      rects: [...svg.querySelectorAll('g rect')].map((r) => ({ x: num(r, 'x'), y: num(r, 'y'), w: num(r, 'width'), h: num(r, 'height'), fill: r.getAttribute('fill') })),
      polylines: [...svg.querySelectorAll('polyline')].map((p) => p.getAttribute('points').trim().split(/\s+/).map((xy) => xy.split(',').map(Number))),
    };
  });
}

// The y-axis of the panel whose labels stand left of pixel column `beforeX`:
// pixel row to data value, fitted through its labelled ticks.
// A label stands at its tick mark: the short horizontal line ending just right of it.
export function yAxis(d, fromX, toX) {
  const ticks = d.texts
    .filter((t) => t.anchor === 'end' && t.x >= fromX && t.x < toX)
    .map((t) => {
      const marks = d.lines.filter((l) => l.y1 === l.y2 && !l.dashed && Math.min(l.x1, l.x2) >= t.x - 2 && Math.min(l.x1, l.x2) <= t.x + 15);
      marks.sort((a, b) => Math.abs(a.y1 - t.y) - Math.abs(b.y1 - t.y));
      return { v: Number(t.text), p: marks[0]?.y1 ?? t.y };
    });
  return linearFit(ticks);
}

// The x-axis labels (centred under their ticks) of the panel between two pixel columns.
export function xAxis(d, fromX, toX) {
  const ticks = d.texts.filter((t) => t.anchor === 'middle' && t.x >= fromX && t.x < toX && /^-?[\d.]+$/.test(t.text)).map((t) => ({ v: Number(t.text), p: t.x }));
  return linearFit(ticks);
}

function linearFit(ticks) {
  if (ticks.length < 2) throw new Error('fewer than two labelled ticks');
  const a = ticks[0];
  const b = ticks[ticks.length - 1];
  const slope = (b.v - a.v) / (b.p - a.p);
  return { toValue: (p) => a.v + (p - a.p) * slope, toPixel: (v) => a.p + (v - a.v) / slope, labels: ticks.map((t) => t.v), unit: Math.abs(slope) };
}

// Types `name` into the save dialog that is open and saves.
export async function saveFileAs(page, name) {
  const dialog = page.locator('.file-dialog');
  await dialog.waitFor();
  await dialog.locator('#file-name').fill(name);
  await dialog.locator('[data-role="accept"]').click();
  await dialog.waitFor({ state: 'detached' });
}

// The dialog with this title once it is the top modal window.
export async function dialogTitled(page, title) {
  const dialog = topModal(page);
  await dialog.locator('.title-text', { hasText: title }).waitFor();
  return dialog;
}
