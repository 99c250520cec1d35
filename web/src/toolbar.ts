// The toolbar: the engine's buttons with their pictures and tooltips.
import { clear, h } from './dom';
import type { ToolButton } from './protocol';
import { attachTooltip } from './tooltip';

// Pictures 0..21 are the program's own, 22 + k (k < 15) the standard picture k,
// and 37 + k the program's own pictures added later, img22 onwards.
export function iconUrl(image: number): string {
  if (image >= 22 && image < 37) return `icons/std${String(image - 22).padStart(2, '0')}.svg`;
  return `icons/img${String(image < 22 ? image : image - 15).padStart(2, '0')}.svg`;
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
