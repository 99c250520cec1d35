// The page's rules that need no browser: file patterns and paths, print
// placement, window geometry and menu keys.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { build } from 'esbuild';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { webDir } from './harness.mjs';

// The TypeScript modules, bundled once into a module the test can import.
async function load() {
  const dir = mkdtempSync(join(tmpdir(), 'kora-logic-'));
  const entry = join(dir, 'entry.ts');
  const src = join(webDir, 'src');
  writeFileSync(entry, ['file_pattern', 'print_layout', 'geometry', 'menu_model'].map((m) => `export * from '${join(src, m)}';`).join('\n'));
  const out = join(dir, 'logic.mjs');
  await build({ entryPoints: [entry], bundle: true, format: 'esm', outfile: out, logLevel: 'error' });
  const module = await import(out);
  rmSync(dir, { recursive: true, force: true });
  return module;
}

const logic = await load();

test('file patterns and paths of the file dialogs', () => {
  const { matchesPattern, joinPath, parentDir, isPattern } = logic;
  assert.ok(matchesPattern('nile.kra', '*.KRA'));
  assert.ok(!matchesPattern('nile.txt', '*.KRA'));
  assert.ok(!matchesPattern('nile.kra.txt', '*.KRA'));
  assert.ok(matchesPattern('README', '*.*'), '*.* takes names without a dot too');
  assert.ok(matchesPattern('a.txt', '*.dat; *.txt'));
  assert.ok(matchesPattern('x1.txt', 'x?.txt') && !matchesPattern('x12.txt', 'x?.txt'));
  assert.ok(matchesPattern('a+b(1).txt', 'a+b(1).*'), 'other characters are literal');
  assert.ok(isPattern('*.kra') && !isPattern('nile.txt'));
  assert.equal(joinPath('data', 'nile.txt'), 'data/nile.txt');
  assert.equal(joinPath('data', '../x/./y.txt'), 'x/y.txt');
  assert.equal(joinPath('data', '/top.txt'), 'top.txt');
  assert.equal(joinPath('', '../etc/passwd'), null);
  assert.equal(parentDir('data/sub'), 'data');
  assert.equal(parentDir('data'), '');
});

test('a printed plot shrinks by 0.9 until it fits, with equal left and top margins', () => {
  const { placePlot, placePicture, reportLines } = logic;
  // 480 x 288 pixels = 5 x 3 inches: fits an 8 x 10 inch page as it is.
  assert.deepEqual(placePlot(480, 288, 8, 10), { left: 1.5, top: 1.5, width: 5, height: 3 });
  // 960 pixels = 10 inches on an 8 inch page: 9, 8.1, 7.29 inches.
  const wide = placePlot(960, 480, 8, 10);
  assert.ok(Math.abs(wide.width - 7.29) < 1e-9 && Math.abs(wide.height - 3.645) < 1e-9);
  assert.ok(Math.abs(wide.left - (8 - 7.29) / 2) < 1e-9 && wide.top === wide.left);
  // Too tall only: the height decides.
  const tall = placePlot(96, 1200, 8, 10);
  assert.ok(tall.height <= 10 && tall.height / 0.9 > 10);
  // A picture 500 pixels wide on a 4-inch printable width at 600 dpi: 2400 / 500 = 4 times.
  const picture = placePicture(500, 300, 4);
  assert.deepEqual(picture, { left: 200 / 600, top: 200 / 600, width: 2000 / 600, height: 1200 / 600 });
  assert.equal(placePicture(0, 300, 4), null);
  assert.deepEqual(reportLines('a\r\n\r\nb\r\n  \r\n'), ['a', 'b', '  ']);
});

test('window geometry: resizing keeps the opposite edge, minimised windows fill rows', () => {
  const { resized, minimizedSlot, frameBox, kBorder, kTitleHeight, kMinimizedWidth } = logic;
  const start = { x: 100, y: 50, width: 300, height: 200 };
  assert.deepEqual(resized(start, 'se', 20, -30), { x: 100, y: 50, width: 320, height: 170 });
  assert.deepEqual(resized(start, 'nw', 20, 30), { x: 120, y: 80, width: 280, height: 170 });
  assert.deepEqual(resized(start, 'w', 250, 0), { x: 280, y: 50, width: 120, height: 200 }, 'no narrower than the minimum');
  assert.deepEqual(frameBox(start), { x: 100, y: 50, width: 300 + 2 * kBorder, height: 200 + kTitleHeight + 2 * kBorder });
  const perRow = Math.floor(500 / kMinimizedWidth);
  assert.deepEqual(minimizedSlot(0, 500, 400), { x: 0, y: 400 - (kTitleHeight + 2 * kBorder) });
  assert.deepEqual(minimizedSlot(perRow, 500, 400), { x: 0, y: 400 - 2 * (kTitleHeight + 2 * kBorder) });
});

test('menu keys and the window list', () => {
  const { mnemonic, menuCaption, chordOf, shortcutEntry, nextIndex, entriesFor, withWindowList } = logic;
  const items = [{ text: 'Cascade' }, { separator: true }, { text: 'Tile' }, { text: 'Close All' }];
  assert.equal(mnemonic('&Window'), 'w');
  assert.equal(mnemonic(' Model'), 'm');
  assert.deepEqual(menuCaption('Sp&ectrum'), { shown: 'Spectrum', at: 2 });
  assert.deepEqual(menuCaption('R&&D &b'), { shown: 'R&D b', at: 4 }, '&& is one &, not the mark');
  assert.equal(chordOf({ ctrlKey: true, altKey: false, shiftKey: true, key: 's' }), 'Ctrl+Shift+S');
  const bar = [{ text: 'File', items: [{ id: 1, text: 'Open', shortcut: 'Ctrl+O' }] },
    { text: 'Edit', enabled: false, items: [{ id: 2, text: 'Undo', shortcut: 'Ctrl+Z' }] }];
  assert.deepEqual(shortcutEntry(bar, 'Ctrl+O'), { id: 1, enabled: true });
  assert.deepEqual(shortcutEntry(bar, 'Ctrl+Z'), { id: 2, enabled: false }, 'a greyed popup greys its keys');
  assert.equal(shortcutEntry(bar, 'Ctrl+P'), undefined);
  assert.equal(nextIndex(items, 0, 1), 2, 'separators are skipped');
  assert.equal(nextIndex(items, 0, -1), 3, 'wraps around');
  assert.deepEqual(entriesFor(items, 'C'), [0, 3]);
  const windows = [{ id: 5, title: 'INFO: x', active: false }, { id: 2, title: 'x', active: true }];
  const menu = withWindowList([{ text: 'A', items: [] }, { text: 'B', items: [{ id: 1, text: 'b' }] }], 1, windows);
  assert.deepEqual(menu[0].items, []);
  assert.deepEqual(menu[1].items.map((i) => i.text ?? '-'), ['b', '-', '1 x', '2 INFO: x']);
  assert.deepEqual(menu[1].items.filter((i) => i.checked).map((i) => i.windowId), [2]);
});
