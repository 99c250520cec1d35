// The frame's client area with every child window, in the engine's stacking
// order; minimised windows line up at the bottom. Tells the engine the area's
// size, window moves, activation and the mouse in plots.
import { maximizedClient, minimizedSlot, type Rect } from './geometry';
import { windowListEntries, type PageMenuEntry } from './menu_model';
import { PlotView } from './plot_view';
import { PopupMenu } from './popup_menu';
import { WindowKind, type ChildWindow, type MouseAction, type Snapshot } from './protocol';
import type { Connection } from './connection';
import { ReportView } from './report_view';
import { WindowFrame, type ContentView, type WindowHost } from './window_frame';

export interface DesktopActions {
  command(id: number): void;
}

export class Desktop implements WindowHost {
  private readonly frames = new Map<number, WindowFrame>();
  private snapshot: Snapshot | null = null;
  // Where a window stood before it was maximised, to go back there on restore.
  private readonly normalRects = new Map<number, Rect>();
  private readonly popup: PopupMenu;
  private popupFor: WindowFrame | null = null;
  private sizeTimer = 0;
  private sentSize = '';
  private maximizeRequests = new Map<number, string>();

  constructor(
    private readonly element: HTMLElement,
    private readonly connection: Connection,
    private readonly actions: DesktopActions,
  ) {
    this.popup = new PopupMenu({
      choose: (entry) => this.choosePopup(entry),
      closed: () => {},
    });
    new ResizeObserver(() => {
      window.clearTimeout(this.sizeTimer);
      this.sizeTimer = window.setTimeout(() => this.sendClientSize(), 150);
    }).observe(element);
    const stored = sessionStorage.getItem('kora-normal-rects');
    if (stored) for (const [id, rect] of JSON.parse(stored) as [number, Rect][]) this.normalRects.set(id, rect);
  }

  private sendClientSize(): void {
    const width = Math.max(1, this.element.clientWidth);
    const height = Math.max(1, this.element.clientHeight);
    const key = `${width}x${height}`;
    if (key === this.sentSize) return;
    this.sentSize = key;
    // The frame drawn around each client area: two borders and the title bar.
    const style = getComputedStyle(document.documentElement);
    const border = parseFloat(style.getPropertyValue('--border')) || 4;
    const title = parseFloat(style.getPropertyValue('--title')) || 22;
    void this.connection.send({
      type: 'client-size', width, height, frameWidth: Math.round(2 * border), frameHeight: Math.round(title + 2 * border),
    });
    if (this.snapshot) this.fitMaximized(this.snapshot);
  }

  render(snapshot: Snapshot): void {
    this.snapshot = snapshot;
    if (!this.sentSize) this.sendClientSize();
    const seen = new Set<number>();
    const minimized = snapshot.windows.filter((w) => w.minimized).sort((a, b) => a.id - b.id);
    for (const w of snapshot.windows) {
      seen.add(w.id);
      let frame = this.frames.get(w.id);
      if (!frame || Number(frame.element.dataset.kind) !== w.kind) {
        frame?.element.remove();
        frame = new WindowFrame(w.id, this, this.viewFor(w.kind));
        this.frames.set(w.id, frame);
        this.element.append(frame.element);
      }
      const slot = w.minimized
        ? minimizedSlot(minimized.indexOf(w), this.element.clientWidth, this.element.clientHeight)
        : null;
      frame.update(w, snapshot, slot);
    }
    for (const [id, frame] of this.frames) {
      if (seen.has(id)) continue;
      frame.element.remove();
      this.frames.delete(id);
      this.normalRects.delete(id);
    }
    this.fitMaximized(snapshot);
  }

  private viewFor(kind: number): ContentView {
    switch (kind) {
      case WindowKind.Plot:
        return new PlotView(this, false);
      case WindowKind.DuplicatePlot:
        return new PlotView(this, true);
      default:
        return new ReportView();
    }
  }

  // A maximised window is painted at the size it fills.
  private fitMaximized(snapshot: Snapshot): void {
    const size = maximizedClient(this.element.clientWidth, this.element.clientHeight);
    const key = `${size.width}x${size.height}`;
    for (const w of snapshot.windows) {
      if (!w.maximized || w.minimized) continue;
      if (w.width === size.width && w.height === size.height) continue;
      if (this.maximizeRequests.get(w.id) === key) continue;
      this.maximizeRequests.set(w.id, key);
      void this.connection.send({ type: 'move', window: w.id, x: 0, y: 0, ...size });
    }
  }

  private find(id: number): ChildWindow | undefined {
    return this.snapshot?.windows.find((w) => w.id === id);
  }

  private saveNormalRects(): void {
    sessionStorage.setItem('kora-normal-rects', JSON.stringify([...this.normalRects]));
  }

  // WindowHost
  activate(id: number): void {
    void this.connection.send({ type: 'activate', window: id });
  }

  send(type: 'close-window' | 'minimize' | 'maximize' | 'restore', id: number): void {
    const w = this.find(id);
    if (type === 'maximize' && w && !w.maximized && !w.minimized) {
      this.normalRects.set(id, { x: w.x, y: w.y, width: w.width, height: w.height });
      this.saveNormalRects();
    }
    if (type === 'maximize') this.maximizeRequests.delete(id);
    void this.connection.send({ type, window: id });
    if (type === 'restore' && w?.maximized) {
      const normal = this.normalRects.get(id);
      if (normal) void this.connection.send({ type: 'move', window: id, ...normal });
    }
  }

  async moved(id: number, rect: Rect): Promise<void> {
    await this.connection.send({ type: 'move', window: id, ...rect });
  }

  systemMenu(id: number, items: PageMenuEntry[], x: number, y: number): void {
    this.popupFor = this.frames.get(id) ?? null;
    this.popup.show(items, x, y, false);
  }

  command(windowId: number, command: number): void {
    // Commands act on the active child: make sure it is this one.
    if (!this.find(windowId)?.active) this.activate(windowId);
    this.actions.command(command);
  }

  maximizedSize(): { width: number; height: number } {
    return maximizedClient(this.element.clientWidth, this.element.clientHeight);
  }

  // PlotHost
  async mouse(window: number, action: MouseAction, button: 1 | 2, x: number, y: number): Promise<void> {
    await this.connection.send({ type: 'mouse', action, button, window, x, y });
  }

  rightButton(window: number, x: number, y: number, clientX: number, clientY: number): void {
    const before = this.connection.latest?.popup?.serial ?? 0;
    void this.connection.send({ type: 'mouse', action: 'down', button: 2, window, x, y }).then((answer) => {
      const snapshot = this.connection.latest;
      if (!answer.ok || !snapshot) return;
      const popup = snapshot.popup;
      let items: PageMenuEntry[] | undefined;
      if (popup && popup.serial > before) items = popup.items;
      if (!items && (!popup || popup.serial > before)) items = snapshot.frame.menu[snapshot.frame.windowMenuPosition]?.items;
      if (!items) return;
      // The popup is the same menu that carries the window list.
      if (snapshot.frame.menuKind === 'TARN_MENU') items = [...items, ...windowListEntries(snapshot.windows)];
      this.popupFor = null;
      this.popup.show(items, clientX, clientY, false);
    });
  }

  private choosePopup(entry: PageMenuEntry): void {
    if (this.popupFor && entry.id !== undefined) {
      this.popupFor.systemCommand(entry.id);
    } else if (entry.windowId !== undefined) {
      this.activate(entry.windowId);
    } else if (entry.id !== undefined) {
      this.actions.command(entry.id);
    }
    this.popupFor = null;
  }
}
