// Menu data the page works with: the engine's entries plus the window list,
// and the keyboard rules of desktop menus.
import type { ChildWindow, MenuEntry } from './protocol';

export interface PageMenuEntry extends MenuEntry {
  items?: PageMenuEntry[];
  windowId?: number;  // an entry of the window list: activates that window
}

// An entry's text as shown, and where its mnemonic letter stands in it: the
// letter after '&' ("&&" shows one '&'), else the first letter.
export function menuCaption(text: string | undefined): { shown: string; at: number } {
  const t = text ?? '';
  let shown = '';
  let at = -1;
  for (let i = 0; i < t.length; i++) {
    if (t[i] === '&' && i + 1 < t.length) {
      i++;
      if (t[i] !== '&' && at < 0) at = shown.length;
    }
    shown += t[i];
  }
  return { shown, at: at >= 0 ? at : shown.search(/\S/) };
}

// The letter that opens or picks an entry.
export function mnemonic(text: string | undefined): string {
  const { shown, at } = menuCaption(text);
  return at >= 0 ? shown[at].toLowerCase() : '';
}

// A key press written the way the engine writes shortcuts: "Ctrl+Shift+S", "F1".
export function chordOf(e: { ctrlKey: boolean; altKey: boolean; shiftKey: boolean; key: string }): string {
  const key = e.key.length === 1 ? e.key.toUpperCase() : e.key;
  return [e.ctrlKey && 'Ctrl', e.altKey && 'Alt', e.shiftKey && 'Shift', key].filter(Boolean).join('+');
}

// The entry whose shortcut is `chord`, and whether it and every popup above it are enabled.
export function shortcutEntry(items: MenuEntry[], chord: string): { id: number; enabled: boolean } | undefined {
  for (const item of items) {
    const found = item.items
      ? shortcutEntry(item.items, chord)
      : item.shortcut === chord && item.id !== undefined
        ? { id: item.id, enabled: true }
        : undefined;
    if (found) return { id: found.id, enabled: found.enabled && item.enabled !== false };
  }
  return undefined;
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
      text: `${i + 1} ${w.title.replaceAll('&', '&&')}`,
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
