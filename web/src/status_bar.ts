// The three-part status bar; the parts end at W/3, 2W/3 and the right edge.
import { h, setText } from './dom';

export class StatusBar {
  private readonly parts: HTMLElement[];
  private texts: string[] = [];
  private progress: string | null = null;

  constructor(private readonly element: HTMLElement) {
    this.parts = [0, 1, 2].map((i) => h('div', { class: 'status-part', 'data-part': i }));
    element.append(...this.parts);
    new ResizeObserver(() => this.layout()).observe(element);
    this.layout();
  }

  render(texts: string[]): void {
    this.texts = texts;
    this.show();
  }

  // A computation's live progress stands in the third part until it ends.
  showProgress(status: string | null): void {
    this.progress = status;
    this.show();
  }

  private show(): void {
    this.parts.forEach((part, i) => setText(part, i === 2 && this.progress !== null ? this.progress : (this.texts[i] ?? '')));
  }

  private layout(): void {
    const width = this.element.clientWidth;
    const edges = [Math.floor(width / 3), Math.floor((2 * width) / 3), width];
    let left = 0;
    this.parts.forEach((part, i) => {
      part.style.width = `${edges[i] - left}px`;
      left = edges[i];
    });
  }
}
