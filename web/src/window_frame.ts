// One child window of the desktop: title bar with system menu, minimise,
// maximise/restore and close; moving by the title bar and resizing by the
// borders; a click anywhere activates it. The client area holds a view.
import { h, setText } from './dom';
import { frameBox, kBorder, kTitleHeight, kMinimizedWidth, resized, type Edge, type Rect } from './geometry';
import type { PageMenuEntry } from './menu_model';
import { Commands, WindowKind, type ChildWindow, type Snapshot } from './protocol';

export interface ContentView {
  readonly element: HTMLElement;
  update(window: ChildWindow, snapshot: Snapshot): void;
}

export interface WindowHost {
  activate(id: number): void;
  send(type: 'close-window' | 'minimize' | 'maximize' | 'restore', id: number): void;
  moved(id: number, rect: Rect): Promise<void>;
  systemMenu(id: number, items: PageMenuEntry[], x: number, y: number): void;
  command(windowId: number, command: number): void;
  // The client size a maximised window gets now.
  maximizedSize(): { width: number; height: number };
}

const kEdges: Edge[] = ['n', 's', 'e', 'w', 'ne', 'nw', 'se', 'sw'];

// The entries a window adds to its system menu, top first.
function ownEntries(kind: number): PageMenuEntry[] {
  const entry = (text: string, id: number): PageMenuEntry => ({ text, id, enabled: true });
  switch (kind) {
    case WindowKind.Plot:
      return [entry('Duplicate', Commands.duplicate), entry('Info', Commands.info), entry('Print', Commands.print), entry('Copy', Commands.copy)];
    case WindowKind.Report:
      return [entry('Duplicate', Commands.duplicate), entry('Print', Commands.print)];
    case WindowKind.DuplicatePlot:
      return [entry('Copy', Commands.copy), entry('Print', Commands.print)];
    default:
      return [entry('Print', Commands.print)];
  }
}

// System-menu entries that are not commands of the frame.
const kSysRestore = -1;
const kSysMinimize = -2;
const kSysMaximize = -3;
const kSysClose = -4;

export class WindowFrame {
  readonly element: HTMLElement;
  private readonly titleText: HTMLElement;
  private readonly maxButton: HTMLButtonElement;
  private readonly client: HTMLElement;
  private current!: ChildWindow;
  // Geometry shown while the user drags, until the engine has taken it.
  private override: Rect | null = null;

  constructor(
    readonly id: number,
    private readonly host: WindowHost,
    readonly view: ContentView,
  ) {
    this.titleText = h('span', { class: 'title-text' });
    const icon = h('button', { class: 'sys-icon', type: 'button', tabindex: -1, 'aria-label': 'System menu' });
    const minButton = h('button', { class: 'caption-button min', type: 'button', tabindex: -1, 'aria-label': 'Minimize' });
    this.maxButton = h('button', { class: 'caption-button max', type: 'button', tabindex: -1, 'aria-label': 'Maximize' });
    const closeButton = h('button', { class: 'caption-button close', type: 'button', tabindex: -1, 'aria-label': 'Close' });
    const titleBar = h('div', { class: 'title-bar' }, icon, this.titleText, minButton, this.maxButton, closeButton);
    this.client = h('div', { class: 'window-client' }, view.element);
    this.element = h('div', { class: 'mdi-window', 'data-id': id }, titleBar, this.client);
    for (const edge of kEdges) {
      const handle = h('div', { class: `resize-handle resize-${edge}` });
      handle.addEventListener('pointerdown', (e) => this.beginResize(e, edge));
      this.element.append(handle);
    }

    this.element.addEventListener('pointerdown', () => {
      if (!this.current.active) host.activate(id);
    }, true);
    minButton.addEventListener('click', () => host.send('minimize', id));
    this.maxButton.addEventListener('click', () => this.toggleMaximize());
    closeButton.addEventListener('click', () => host.send('close-window', id));
    icon.addEventListener('click', () => {
      const box = icon.getBoundingClientRect();
      this.showSystemMenu(box.left, box.bottom);
    });
    icon.addEventListener('dblclick', () => host.send('close-window', id));
    titleBar.addEventListener('pointerdown', (e) => this.beginMove(e));
    titleBar.addEventListener('dblclick', (e) => {
      if ((e.target as HTMLElement).tagName === 'BUTTON') return;
      if (this.current.minimized) this.host.send('restore', id);
      else this.toggleMaximize();
    });
    titleBar.addEventListener('contextmenu', (e) => {
      e.preventDefault();
      this.showSystemMenu(e.clientX, e.clientY);
    });
  }

  update(w: ChildWindow, snapshot: Snapshot, minimizedAt: { x: number; y: number } | null): void {
    this.current = w;
    const e = this.element;
    e.dataset.kind = String(w.kind);
    e.classList.toggle('active', w.active);
    e.classList.toggle('maximized', w.maximized && !w.minimized);
    e.classList.toggle('minimized', w.minimized);
    e.style.zIndex = String(1000 - w.z);
    setText(this.titleText, w.title);
    this.titleText.title = w.title;
    this.maxButton.classList.toggle('restore', w.maximized || w.minimized);
    this.maxButton.setAttribute('aria-label', w.maximized || w.minimized ? 'Restore' : 'Maximize');
    if (w.minimized && minimizedAt) {
      this.place({ x: minimizedAt.x, y: minimizedAt.y, width: kMinimizedWidth - 2 * kBorder, height: 0 }, true);
    } else if (w.maximized) {
      e.style.left = '0px';
      e.style.top = '0px';
      e.style.width = '100%';
      e.style.height = '100%';
      this.sizeClient(w.width, w.height);
    } else {
      this.place(this.override ?? w, false);
    }
    if (!w.minimized) this.view.update(w, snapshot);
  }

  private place(r: Rect, minimized: boolean): void {
    const box = frameBox(r);
    const e = this.element;
    e.style.left = `${box.x}px`;
    e.style.top = `${box.y}px`;
    e.style.width = `${box.width}px`;
    e.style.height = minimized ? `${kTitleHeight + 2 * kBorder}px` : `${box.height}px`;
    if (!minimized) this.sizeClient(r.width, r.height);
  }

  private sizeClient(width: number, height: number): void {
    this.client.style.width = `${width}px`;
    this.client.style.height = `${height}px`;
  }

  private rect(): Rect {
    const w = this.override ?? this.current;
    return { x: w.x, y: w.y, width: w.width, height: w.height };
  }

  private toggleMaximize(): void {
    if (this.current.minimized || this.current.maximized) {
      this.host.send('restore', this.id);
    } else {
      this.host.send('maximize', this.id);
    }
  }

  private beginMove(down: PointerEvent): void {
    if (down.button !== 0 || (down.target as HTMLElement).tagName === 'BUTTON') return;
    if (this.current.maximized || this.current.minimized) return;
    down.preventDefault();
    const start = this.rect();
    this.track(down, (dx, dy) => ({ ...start, x: start.x + dx, y: start.y + dy }));
  }

  private beginResize(down: PointerEvent, edge: Edge): void {
    if (down.button !== 0 || this.current.maximized || this.current.minimized) return;
    down.preventDefault();
    down.stopPropagation();
    if (!this.current.active) this.host.activate(this.id);
    const start = this.rect();
    this.track(down, (dx, dy) => resized(start, edge, dx, dy));
  }

  // Follows the pointer until release, then tells the engine the new rectangle.
  private track(down: PointerEvent, next: (dx: number, dy: number) => Rect): void {
    const target = down.currentTarget as HTMLElement;
    target.setPointerCapture(down.pointerId);
    let moved = false;
    const onMove = (e: PointerEvent) => {
      const dx = e.clientX - down.clientX;
      const dy = e.clientY - down.clientY;
      if (!moved && Math.abs(dx) + Math.abs(dy) < 3) return;
      moved = true;
      this.override = next(dx, dy);
      this.place(this.override, false);
    };
    const onUp = () => {
      target.removeEventListener('pointermove', onMove);
      target.removeEventListener('pointerup', onUp);
      target.removeEventListener('pointercancel', onUp);
      if (!moved || !this.override) return;
      const rect = this.override;
      void this.host.moved(this.id, rect).then(() => {
        if (this.override === rect) this.override = null;
      });
    };
    target.addEventListener('pointermove', onMove);
    target.addEventListener('pointerup', onUp);
    target.addEventListener('pointercancel', onUp);
  }

  private showSystemMenu(x: number, y: number): void {
    const w = this.current;
    const sys = (text: string, id: number, enabled: boolean): PageMenuEntry => ({ text, id, enabled });
    const items: PageMenuEntry[] = [
      ...ownEntries(w.kind),
      { separator: true },
      sys('Restore', kSysRestore, w.minimized || w.maximized),
      sys('Minimize', kSysMinimize, !w.minimized),
      sys('Maximize', kSysMaximize, !w.maximized),
      { separator: true },
      sys('Close', kSysClose, true),
    ];
    this.host.systemMenu(this.id, items, x, y);
  }

  // An entry of the system menu was chosen.
  systemCommand(id: number): void {
    if (id === kSysRestore) this.host.send('restore', this.id);
    else if (id === kSysMinimize) this.host.send('minimize', this.id);
    else if (id === kSysMaximize) this.host.send('maximize', this.id);
    else if (id === kSysClose) this.host.send('close-window', this.id);
    else this.host.command(this.id, id);
  }
}
