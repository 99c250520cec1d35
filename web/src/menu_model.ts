// Menu data the page works with: the engine's entries plus the window list,
// and the keyboard rules of desktop menus.
import type { ChildWindow, MenuEntry } from './protocol';

export interface PageMenuEntry extends MenuEntry {
  items?: PageMenuEntry[];
  windowId?: number;  // an entry of the window list: activates that window
}

// The letter that opens or picks an entry: the one after '&', else the first letter.
export function mnemonic(text: string | undefined): string {
  if (!text) return '';
  const amp = text.indexOf('&');
  const letter = amp >= 0 && amp + 1 < text.length ? text[amp + 1] : text.trim()[0];
  return (letter ?? '').toLowerCase();
}

// The next entry that can be highlighted (separators are skipped), cycling.
export function nextIndex(items: MenuEntry[], from: number, step: 1 | -1): number {
  const n = items.length;
  for (let k = 1; k <= n; k++) {
    const i = (((from + step * k) % n) + n) % n;
    if (!items[i].separator) return i;
  }
  return -1;
}

// The entries whose mnemonic is `letter`, in order.
export function entriesFor(items: MenuEntry[], letter: string): number[] {
  const out: number[] = [];
  items.forEach((item, i) => {
    if (!item.separator && mnemonic(item.text) === letter.toLowerCase()) out.push(i);
  });
  return out;
}

// A desktop's window list: separator, then "1 title", "2 title", ... with the active one checked.
export function windowListEntries(windows: ChildWindow[]): PageMenuEntry[] {
  if (windows.length === 0) return [];
  const ordered = [...windows].sort((a, b) => a.id - b.id);
  return [
    { separator: true },
    ...ordered.map((w, i) => ({
      text: `${i + 1} ${w.title}`,
      enabled: true,
      checked: w.active,
      windowId: w.id,
    })),
  ];
}

// The menu bar with the window list appended to the popup at `position`.
export function withWindowList(menu: MenuEntry[], position: number, windows: ChildWindow[]): PageMenuEntry[] {
  return menu.map((popup, i) =>
    i === position && popup.items ? { ...popup, items: [...popup.items, ...windowListEntries(windows)] } : popup,
  );
}
