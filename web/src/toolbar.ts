// The toolbar: the engine's buttons with their pictures and tooltips.
import { clear, h } from './dom';
import type { ToolButton } from './protocol';
import { attachTooltip } from './tooltip';

// Pictures 0..21 are the program's own, 22 + k the standard picture k.
export function iconUrl(image: number): string {
  return image >= 22 ? `icons/std${String(image - 22).padStart(2, '0')}.svg` : `icons/img${String(image).padStart(2, '0')}.svg`;
}

export class Toolbar {
  private signature = '';

  constructor(
    private readonly element: HTMLElement,
    private readonly command: (id: number) => void,
  ) {}

  render(buttons: ToolButton[]): void {
    const signature = JSON.stringify(buttons);
    if (signature === this.signature) return;
    this.signature = signature;
    clear(this.element);
    for (const button of buttons) {
      if (button.separator || button.id === undefined) {
        this.element.append(h('span', { class: 'tool-separator' }));
        continue;
      }
      const id = button.id;
      const tooltip = button.tooltip ?? '';
      const element = h(
        'button',
        { class: 'tool-button', type: 'button', tabindex: -1, 'data-id': id, 'aria-label': tooltip || String(id) },
        h('img', { src: iconUrl(button.image ?? 0), alt: '', draggable: 'false' }),
      );
      element.addEventListener('click', () => this.command(id));
      attachTooltip(element, () => tooltip);
      this.element.append(element);
    }
  }
}
