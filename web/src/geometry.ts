// Sizes of a child window's frame around its client area, and the rules that
// place windows on the desktop. Window x, y name the frame's corner; width and
// height the client area (plots are painted at that size).

export const kBorder = 4;
export const kTitleHeight = 22;
export const kMinimizedWidth = 168;

export interface Rect {
  x: number;
  y: number;
  width: number;
  height: number;
}

// The frame box around a client area of width x height at frame corner x, y.
export function frameBox(r: Rect): Rect {
  return { x: r.x, y: r.y, width: r.width + 2 * kBorder, height: r.height + kTitleHeight + 2 * kBorder };
}

// The client size of a maximised window filling an area of the desktop.
export function maximizedClient(areaWidth: number, areaHeight: number): { width: number; height: number } {
  return { width: Math.max(1, areaWidth), height: Math.max(1, areaHeight - kTitleHeight) };
}

// Minimised windows line up from the bottom-left corner, row by row.
export function minimizedSlot(index: number, areaWidth: number, areaHeight: number): { x: number; y: number } {
  const perRow = Math.max(1, Math.floor(areaWidth / kMinimizedWidth));
  const row = Math.floor(index / perRow);
  const column = index % perRow;
  return { x: column * kMinimizedWidth, y: areaHeight - (row + 1) * (kTitleHeight + 2 * kBorder) };
}

export type Edge = 'n' | 's' | 'e' | 'w' | 'ne' | 'nw' | 'se' | 'sw';

// A resize: the client rectangle after dragging `edge` by dx, dy, kept at a minimum size.
export function resized(start: Rect, edge: Edge, dx: number, dy: number, minWidth = 120, minHeight = 60): Rect {
  let { x, y, width, height } = start;
  if (edge.includes('e')) width = Math.max(minWidth, start.width + dx);
  if (edge.includes('s')) height = Math.max(minHeight, start.height + dy);
  if (edge.includes('w')) {
    width = Math.max(minWidth, start.width - dx);
    x = start.x + (start.width - width);
  }
  if (edge.includes('n')) {
    height = Math.max(minHeight, start.height - dy);
    y = start.y + (start.height - height);
  }
  return { x, y, width, height };
}
