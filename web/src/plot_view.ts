// The client area of a plot window: the engine's painting, the mouse sent to
// the engine (moves once per frame; a drag without a zoom mode pans, the
// wheel zooms), and the zoom rectangle drawn inverted.
import { h, parseSvg } from './dom';
import type { ChildWindow, MouseAction, Rubber, Snapshot } from './protocol';
import type { ContentView } from './window_frame';

export interface PlotHost {
  mouse(window: number, action: MouseAction, button: 1 | 2, x: number, y: number): Promise<void>;
  rightButton(window: number, x: number, y: number, clientX: number, clientY: number): void;
}

const kZoomRegion = 1;
const kZoomRange = 2;
// Wheel travel of one notch: a mouse wheel moves about 100 pixels a notch,
// a touchpad a few pixels at a time.
const kNotchPixels = 100;
const kLinePixels = 33;

export class PlotView implements ContentView {
  readonly element: HTMLElement;
  private readonly rubber: HTMLElement;
  private svgMarkup = '';
  private window!: ChildWindow;
  private zoomMode = 0;
  // Local rectangle while the left button is held in a zoom gesture.
  private drag: Rubber | null = null;
  private pendingMove: { x: number; y: number } | null = null;
  private frameRequested = false;
  private wheelTravel = 0;
  private wheelBusy = false;

  constructor(
    private readonly host: PlotHost,
    private readonly stretched: boolean,
  ) {
    this.rubber = h('div', { class: 'rubber', hidden: true });
    this.element = h('div', { class: stretched ? 'plot-client duplicate' : 'plot-client' }, this.rubber);
    if (!stretched) this.listen();
    this.element.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  update(w: ChildWindow, snapshot: Snapshot): void {
    this.window = w;
    this.zoomMode = snapshot.frame.zoomMode;
    this.element.classList.toggle('zoom-armed', this.zoomMode === kZoomRegion || this.zoomMode === kZoomRange);
    const markup = w.svg ?? '';
    if (markup !== this.svgMarkup) {
      this.svgMarkup = markup;
      this.element.querySelector('svg')?.remove();
      const svg = markup ? parseSvg(markup) : null;
      if (svg) {
        if (this.stretched) {
          // A duplicate shows its fixed picture stretched into the client area less 10 pixels each side.
          svg.setAttribute('preserveAspectRatio', 'none');
          svg.removeAttribute('width');
          svg.removeAttribute('height');
        }
        this.element.prepend(svg);
      }
    }
    this.drawRubber(this.drag ? this.mergedRubber(w.rubber) : w.rubber);
  }

  // While dragging, the engine's rectangle gives the fixed corner and (in a
  // range zoom) the panel's height; the moving corner follows the mouse here.
  private mergedRubber(engine: Rubber | undefined): Rubber {
    const local = this.drag!;
    if (!engine) return local;
    return this.zoomMode === kZoomRange
      ? { x1: engine.x1, y1: engine.y1, x2: local.x2, y2: engine.y2 }
      : { x1: engine.x1, y1: engine.y1, x2: local.x2, y2: local.y2 };
  }

  private drawRubber(r: Rubber | undefined): void {
    if (!r) {
      this.rubber.hidden = true;
      return;
    }
    this.rubber.hidden = false;
    const x = Math.min(r.x1, r.x2);
    const y = Math.min(r.y1, r.y2);
    Object.assign(this.rubber.style, {
      left: `${x}px`,
      top: `${y}px`,
      width: `${Math.abs(r.x2 - r.x1)}px`,
      height: `${Math.abs(r.y2 - r.y1)}px`,
    });
  }

  private point(e: MouseEvent): { x: number; y: number } {
    const box = this.element.getBoundingClientRect();
    return { x: Math.floor(e.clientX - box.left), y: Math.floor(e.clientY - box.top) };
  }

  private listen(): void {
    const e = this.element;
    e.addEventListener('pointerdown', (event) => {
      const p = this.point(event);
      if (event.button === 2) {
        this.host.rightButton(this.window.id, p.x, p.y, event.clientX, event.clientY);
        return;
      }
      if (event.button !== 0) return;
      event.preventDefault();
      e.setPointerCapture(event.pointerId);
      if (this.zoomMode === kZoomRegion || this.zoomMode === kZoomRange) {
        this.drag = { x1: p.x, y1: p.y, x2: p.x, y2: p.y };
        this.drawRubber(this.drag);
      }
      void this.host.mouse(this.window.id, 'down', 1, p.x, p.y);
    });
    e.addEventListener('pointermove', (event) => {
      const p = this.point(event);
      if (this.drag) {
        this.drag.x2 = p.x;
        this.drag.y2 = p.y;
        this.drawRubber(this.mergedRubber(this.window.rubber));
      }
      this.pendingMove = p;
      if (this.frameRequested) return;
      this.frameRequested = true;
      requestAnimationFrame(() => {
        this.frameRequested = false;
        const move = this.pendingMove;
        this.pendingMove = null;
        if (move) void this.host.mouse(this.window.id, 'move', 1, move.x, move.y);
      });
    });
    const up = (event: PointerEvent) => {
      if (event.button !== 0) return;
      if (e.hasPointerCapture(event.pointerId)) e.releasePointerCapture(event.pointerId);
      const p = this.point(event);
      // The last position goes first, so the engine's rectangle ends where the mouse did.
      this.pendingMove = null;
      const wasDragging = this.drag !== null;
      void this.host.mouse(this.window.id, 'up', 1, p.x, p.y).then(() => {
        if (wasDragging) {
          this.drag = null;
          this.drawRubber(this.window.rubber);
        }
      });
    };
    e.addEventListener('pointerup', up);
    e.addEventListener('pointercancel', up);
    e.addEventListener('wheel', (event) => this.wheel(event), { passive: false });
  }

  // Notches are sent one at a time, each after the engine has painted the
  // last one; travel that arrives meanwhile is gathered.
  private wheel(event: WheelEvent): void {
    event.preventDefault();
    const pixels = event.deltaMode === 1 ? event.deltaY * kLinePixels : event.deltaMode === 2 ? event.deltaY * kNotchPixels * 3 : event.deltaY;
    this.wheelTravel += pixels;
    if (this.wheelBusy) return;
    const p = this.point(event);
    const send = (): void => {
      if (Math.abs(this.wheelTravel) < kNotchPixels / 4) {
        this.wheelBusy = false;
        return;
      }
      const action = this.wheelTravel < 0 ? 'wheel-up' : 'wheel-down';
      this.wheelTravel -= Math.sign(this.wheelTravel) * Math.min(Math.abs(this.wheelTravel), kNotchPixels);
      this.wheelBusy = true;
      void this.host.mouse(this.window.id, action, 1, p.x, p.y).then(send, () => (this.wheelBusy = false));
    };
    send();
  }
}
