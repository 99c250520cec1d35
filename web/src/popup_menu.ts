// A cascade of popup menus (a menu-bar popup, a window's system menu or the
// right-button popup): mouse and keyboard navigation, greyed and checked
// entries, nested popups.
import { h } from './dom';
import { entriesFor, menuCaption, nextIndex, type PageMenuEntry } from './menu_model';

// An entry's text with its mnemonic letter underlined.
export function menuLabel(text: string | undefined, className: string): HTMLElement {
  const { shown, at } = menuCaption(text);
  if (at < 0) return h('span', { class: className, text: shown });
  return h('span', { class: className }, shown.slice(0, at), h('u', { text: shown[at] }), shown.slice(at + 1));
}

export interface PopupOwner {
  choose(entry: PageMenuEntry): void;
  // Left or Right on the outermost level (the menu bar moves to its neighbour).
  sideways?(step: 1 | -1): void;
  closed(): void;
}

interface Level {
  items: PageMenuEntry[];
  element: HTMLElement;
  index: number;
}

export class PopupMenu {
  // The open menu that takes the keyboard, if any.
  static current: PopupMenu | null = null;
  private levels: Level[] = [];
  private readonly layer: HTMLElement;
  private readonly onOutside = (e: PointerEvent) => {
    if (!this.levels.some((l) => l.element.contains(e.target as Node))) this.close();
  };

  constructor(private readonly owner: PopupOwner) {
    this.layer = document.getElementById('popup-layer')!;
  }

  get open(): boolean {
    return this.levels.length > 0;
  }

  show(items: PageMenuEntry[], x: number, y: number, highlightFirst: boolean): void {
    if (PopupMenu.current && PopupMenu.current !== this) PopupMenu.current.close();
    PopupMenu.current = this;
    this.closeLevels(0);
    this.openLevel(items, x, y);
    if (highlightFirst) this.highlight(0, nextIndex(items, -1, 1));
    // Deferred so the press that opened the menu does not close it.
    window.setTimeout(() => document.addEventListener('pointerdown', this.onOutside, true));
  }

  close(): void {
    if (!this.open) return;
    this.closeLevels(0);
    if (PopupMenu.current === this) PopupMenu.current = null;
    document.removeEventListener('pointerdown', this.onOutside, true);
    this.owner.closed();
  }

  private openLevel(items: PageMenuEntry[], x: number, y: number): void {
    const depth = this.levels.length;
    const element = h('div', { class: 'popup-menu', role: 'menu' });
    items.forEach((item, i) => element.append(this.entryElement(item, depth, i)));
    this.layer.append(element);
    // Kept inside the viewport, as desktop menus are.
    const box = element.getBoundingClientRect();
    const left = Math.max(0, Math.min(x, window.innerWidth - box.width - 2));
    const top = Math.max(0, Math.min(y, window.innerHeight - box.height - 2));
    element.style.left = `${left}px`;
    element.style.top = `${top}px`;
    this.levels.push({ items, element, index: -1 });
  }

  private entryElement(item: PageMenuEntry, depth: number, index: number): HTMLElement {
    if (item.separator) return h('div', { class: 'menu-separator', role: 'separator' });
    const enabled = item.enabled !== false;
    const row = h(
      'div',
      {
        class: 'menu-entry' + (enabled ? '' : ' greyed') + (item.items ? ' has-popup' : ''),
        role: 'menuitem',
        'aria-disabled': enabled ? undefined : 'true',
        'data-id': item.id,
        'data-window': item.windowId,
      },
      h('span', { class: 'menu-check', text: item.checked ? '✓' : '' }),
      menuLabel(item.text, 'menu-text'),
      h('span', { class: 'menu-shortcut', text: item.shortcut ?? '' }),
      h('span', { class: 'menu-arrow', text: item.items ? '▶' : '' }),
    );
    row.addEventListener('pointerenter', () => this.highlight(depth, index, true));
    row.addEventListener('click', (e) => {
      e.stopPropagation();
      this.activate(depth, index);
    });
    return row;
  }

  // Marks entry `index` of level `depth`; with `openPopup` a nested popup opens too.
  private highlight(depth: number, index: number, openPopup = false): void {
    if (depth >= this.levels.length) return;
    this.closeLevels(depth + 1);
    const level = this.levels[depth];
    level.index = index;
    Array.from(level.element.children).forEach((row, i) => row.classList.toggle('highlighted', i === index));
    const item = level.items[index];
    if (openPopup && item?.items && item.enabled !== false) this.openNested(depth, index, false);
  }

  private openNested(depth: number, index: number, highlightFirst: boolean): void {
    const level = this.levels[depth];
    const row = level.element.children[index] as HTMLElement;
    const box = row.getBoundingClientRect();
    const items = level.items[index].items!;
    this.openLevel(items, box.right - 3, box.top - 3);
    if (highlightFirst) this.highlight(depth + 1, nextIndex(items, -1, 1));
  }

  private activate(depth: number, index: number): void {
    const item = this.levels[depth]?.items[index];
    if (!item || item.separator || item.enabled === false) return;
    if (item.items) {
      this.highlight(depth, index);
      this.openNested(depth, index, true);
      return;
    }
    this.close();
    this.owner.choose(item);
  }

  private closeLevels(from: number): void {
    while (this.levels.length > from) this.levels.pop()!.element.remove();
  }

  // Keys while the menu is open; true when the key was used.
  key(event: KeyboardEvent): boolean {
    if (!this.open) return false;
    const depth = this.levels.length - 1;
    const level = this.levels[depth];
    switch (event.key) {
      case 'ArrowDown':
      case 'ArrowUp':
        this.highlight(depth, nextIndex(level.items, level.index, event.key === 'ArrowDown' ? 1 : -1));
        return true;
      case 'ArrowRight': {
        const item = level.items[level.index];
        if (item?.items && item.enabled !== false) this.openNested(depth, level.index, true);
        else this.owner.sideways?.(1);
        return true;
      }
      case 'ArrowLeft':
        if (depth > 0) this.closeLevels(depth);
        else this.owner.sideways?.(-1);
        return true;
      case 'Enter':
      case ' ':
        if (level.index >= 0) this.activate(depth, level.index);
        return true;
      case 'Escape':
        if (depth > 0) this.closeLevels(depth);
        else this.close();
        return true;
      default: {
        if (event.key.length !== 1 || event.ctrlKey || event.metaKey) return false;
        const matches = entriesFor(level.items, event.key);
        if (matches.length === 1) this.activate(depth, matches[0]);
        else if (matches.length > 1) {
          const after = matches.find((i) => i > level.index) ?? matches[0];
          this.highlight(depth, after);
        }
        return true;
      }
    }
  }
}
