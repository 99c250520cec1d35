// The frame's menu bar: the engine's current bar with the window list added to
// the popup at windowMenuPosition; mouse and keyboard access (Alt + letter,
// F10, arrows, Enter, Escape).
import { clear } from './dom';
import { chordOf, entriesFor, shortcutEntry, withWindowList, type PageMenuEntry } from './menu_model';
import { menuLabel, PopupMenu } from './popup_menu';
import type { Snapshot } from './protocol';

export interface MenuActions {
  command(id: number): void;
  activateWindow(id: number): void;
}

export class MenuBar {
  private entries: PageMenuEntry[] = [];
  private openIndex = -1;
  private signature = '';
  private readonly popup: PopupMenu;

  constructor(
    private readonly element: HTMLElement,
    private readonly actions: MenuActions,
  ) {
    this.popup = new PopupMenu({
      choose: (entry) => this.choose(entry),
      sideways: (step) => this.openAt(this.neighbour(step), true),
      closed: () => this.markOpen(-1),
    });
  }

  render(snapshot: Snapshot): void {
    const frame = snapshot.frame;
    let entries: PageMenuEntry[] =
      frame.menuKind === 'TARN_MENU'
        ? withWindowList(frame.menu, frame.windowMenuPosition, snapshot.windows)
        : (frame.menu as PageMenuEntry[]);
    // The Window menu lists the open windows too, in both menu bars.
    const windowMenu = frame.menu.findIndex((popup) => popup.text?.replace('&', '') === 'Window');
    if (windowMenu >= 0) entries = withWindowList(entries, windowMenu, snapshot.windows);
    const signature = JSON.stringify(entries);
    if (signature === this.signature) return;
    this.signature = signature;
    this.entries = entries;
    this.element.dataset.kind = frame.menuKind;
    clear(this.element);
    entries.forEach((entry, i) => {
      const title = menuLabel(entry.text, 'menubar-title' + (entry.enabled === false ? ' greyed' : ''));
      Object.assign(title.dataset, { index: String(i) });
      title.setAttribute('role', 'menuitem');
      title.setAttribute('aria-haspopup', 'true');
      title.addEventListener('pointerdown', (e) => {
        e.preventDefault();
        if (this.openIndex === i) this.popup.close();
        else this.openAt(i, false);
      });
      title.addEventListener('pointerenter', () => {
        if (this.popup.open && this.openIndex !== i) this.openAt(i, false);
      });
      this.element.append(title);
    });
    // An open popup follows the new states (greyed entries, window list).
    if (this.popup.open && this.openIndex >= 0 && this.openIndex < entries.length) this.openAt(this.openIndex, false);
    else if (this.popup.open) this.popup.close();
  }

  // Alt + letter opens the popup with that letter; F10 the first one.
  key(event: KeyboardEvent): boolean {
    if (event.key === 'F10' && !event.altKey && !event.ctrlKey) {
      this.openAt(0, true);
      return true;
    }
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return false;
    const letter = event.code.startsWith('Key') ? event.code.slice(3).toLowerCase() : event.key.toLowerCase();
    const matches = entriesFor(this.entries, letter).filter((i) => this.entries[i].enabled !== false);
    if (matches.length === 0) return false;
    this.openAt(matches[0], true);
    return true;
  }

  // A menu entry's shortcut key chooses it; a greyed entry's key does nothing
  // (and not what the browser would do with it either).
  shortcut(event: KeyboardEvent): boolean {
    const found = shortcutEntry(this.entries, chordOf(event));
    if (!found) return false;
    if (found.enabled) this.actions.command(found.id);
    return true;
  }

  // The next popup to the left or right that is not greyed.
  private neighbour(step: 1 | -1): number {
    const n = this.entries.length;
    for (let k = 1; k <= n; k++) {
      const i = (((this.openIndex + step * k) % n) + n) % n;
      if (this.entries[i].enabled !== false) return i;
    }
    return this.openIndex;
  }

  private openAt(index: number, highlightFirst: boolean): void {
    const entry = this.entries[index];
    const title = this.element.children[index] as HTMLElement | undefined;
    // A greyed popup does not open.
    if (!entry || !title || entry.enabled === false) return;
    this.markOpen(index);
    const box = title.getBoundingClientRect();
    this.popup.show(entry.items ?? [], box.left, box.bottom, highlightFirst);
  }

  private markOpen(index: number): void {
    this.openIndex = index;
    Array.from(this.element.children).forEach((t, i) => t.classList.toggle('open', i === index));
  }

  private choose(entry: PageMenuEntry): void {
    if (entry.windowId !== undefined) this.actions.activateWindow(entry.windowId);
    else if (entry.id !== undefined) this.actions.command(entry.id);
  }
}
