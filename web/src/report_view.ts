// The client area of a report window: the text in a fixed-pitch font,
// read-only, scrollable both ways and selectable.
import { h } from './dom';
import type { ChildWindow } from './protocol';
import type { ContentView } from './window_frame';

export class ReportView implements ContentView {
  readonly element: HTMLTextAreaElement;
  private text: string | null = null;

  constructor() {
    this.element = h('textarea', { class: 'report-text', readonly: true, wrap: 'off', spellcheck: 'false' });
  }

  update(w: ChildWindow): void {
    const text = (w.text ?? '').replace(/\r\n/g, '\n');
    if (text === this.text) return;
    this.text = text;
    // A rewritten report keeps the reader's place where it can.
    const { scrollTop, scrollLeft } = this.element;
    this.element.value = text;
    this.element.scrollTop = scrollTop;
    this.element.scrollLeft = scrollLeft;
  }
}
