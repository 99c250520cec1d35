// How a dialog's controls are arranged. Every dialog flows on the page: only
// the browser knows how wide a prompt is in the font it draws, so the engine's
// rectangles (dialog units) are read as hints, never as pixel boxes: they give
// the order, which controls share a row, which ones a group box holds, where a
// column starts at the earliest and how deep a row is indented. A control
// without a rectangle takes a row of its own in model order. Nothing can
// overlap or be cut, because every box is as large as its content.
import type { Control } from './protocol';

// Dialog units of the desktop's dialog font, in pixels.
export const kUnitX = 1.5;
export const kUnitY = 1.625;

// Placed controls whose tops lie this close (dialog units) share a row.
const kRowTolerance = 5;
// Deepest indentation of a row, in pixels.
const kMaxIndent = 24;

export function isPlaced(c: Control): boolean {
  return c.w > 0 && c.h > 0;
}

// One control of a row: `minWidth` keeps the next control at or right of its
// place in the model, so columns of neighbouring rows line up.
export interface Cell {
  index: number;  // into the model's controls
  minWidth: number;  // pixels
  blocks?: Block[];  // the contents of a group box
}

export type Block =
  | { kind: 'row'; indent: number; cells: Cell[] }
  // Rows of one labelled field each, drawn as a table so the fields line up.
  | { kind: 'fields'; indent: number; indices: number[] };

export interface DialogLayout {
  blocks: Block[];
  buttons: number[];  // the push buttons below everything else, in one row
}

interface Item {
  c: Control;
  index: number;
  members?: Item[];  // a group box's controls
}

export function dialogLayout(controls: Control[]): DialogLayout {
  const items = controls.map((c, index) => ({ c, index }));
  const placed = items.some((i) => isPlaced(i.c));
  const buttons = buttonRow(items, placed);
  const rest = items.filter((i) => !buttons.includes(i));
  return { blocks: blocksOf(grouped(rest, placed), placed), buttons: buttons.map((i) => i.index) };
}

// Push buttons that follow every other control (in order, or below it).
function buttonRow(items: Item[], placed: boolean): Item[] {
  const isButton = (i: Item) => i.c.type === 'button';
  if (!placed) {
    let first = items.length;
    while (first > 0 && isButton(items[first - 1])) first--;
    return items.slice(first);
  }
  const bottom = Math.max(0, ...items.filter((i) => !isButton(i)).map((i) => i.c.y + i.c.h));
  return items.filter((i) => isButton(i) && i.c.y >= bottom - 1).sort((a, b) => a.c.x - b.c.x);
}

// Group boxes take the controls inside their rectangle, or without
// rectangles the controls after them up to the next group box or button.
function grouped(items: Item[], placed: boolean): Item[] {
  const top: Item[] = [];
  let open: Item | null = null;
  const boxes = items.filter((i) => i.c.type === 'group').map((i) => ({ ...i, members: [] as Item[] }));
  for (const item of items) {
    if (item.c.type === 'group') {
      open = boxes.find((b) => b.index === item.index)!;
      top.push(open);
      continue;
    }
    const owner = placed ? boxes.find((b) => inside(item.c, b.c)) : item.c.type === 'button' ? null : open;
    if (item.c.type === 'button') open = null;
    if (owner) owner.members!.push(item);
    else top.push(item);
  }
  return top;
}

function inside(c: Control, box: Control): boolean {
  const cx = c.x + c.w / 2;
  // A combo box's height includes its drop-down list.
  const cy = c.y + (c.type === 'combo' ? Math.min(c.h, 12) : c.h) / 2;
  return cx > box.x && cx < box.x + box.w && cy > box.y && cy < box.y + box.h;
}

function rowsOf(items: Item[], placed: boolean): Item[][] {
  const rows: Item[][] = [];
  if (placed) {
    const sorted = [...items].sort((a, b) => a.c.y - b.c.y || a.c.x - b.c.x);
    for (const item of sorted) {
      const row = rows.at(-1);
      if (row && item.c.y - row[0].c.y <= kRowTolerance) row.push(item);
      else rows.push([item]);
    }
    for (const row of rows) row.sort((a, b) => a.c.x - b.c.x);
    return rows;
  }
  // A picture stands beside the control before it (a colour beside its
  // choice); push buttons in a row stay together.
  for (const item of items) {
    const row = rows.at(-1);
    const previous = row?.at(-1);
    const joins = previous && (item.c.type === 'picture' || (item.c.type === 'button' && previous.c.type === 'button'));
    if (row && joins) row.push(item);
    else rows.push([item]);
  }
  return rows;
}

function blocksOf(items: Item[], placed: boolean): Block[] {
  if (items.length === 0) return [];
  const base = Math.min(...items.map((i) => i.c.x));
  const blocks: Block[] = [];
  for (const row of rowsOf(items, placed)) {
    const indent = placed ? Math.min(kMaxIndent, (row[0].c.x - base) * kUnitX) : 0;
    const first = row[0];
    const previous = blocks.at(-1);
    if (row.length === 1 && isLabelledField(first.c)) {
      if (previous?.kind === 'fields' && previous.indent === indent) previous.indices.push(first.index);
      else blocks.push({ kind: 'fields', indent, indices: [first.index] });
      continue;
    }
    blocks.push({ kind: 'row', indent, cells: cellsOf(row, placed) });
  }
  return blocks;
}

function cellsOf(row: Item[], placed: boolean): Cell[] {
  return row.map((item, k) => ({
    index: item.index,
    minWidth: placed && k + 1 < row.length ? Math.max(0, (row[k + 1].c.x - item.c.x) * kUnitX) : 0,
    blocks: item.members ? blocksOf(item.members, placed) : undefined,
  }));
}

function isLabelledField(c: Control): boolean {
  return (c.type === 'edit' || c.type === 'combo') && c.label.trim() !== '';
}

// The controls that can hold the keyboard focus.
export function focusable(c: Control): boolean {
  return c.type !== 'static' && c.type !== 'group' && c.type !== 'picture';
}
