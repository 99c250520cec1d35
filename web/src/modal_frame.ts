// The window of a dialog, message box or file dialog: a caption with a close
// box, a body, centred on the page and movable by its caption.
import { h } from './dom';

export interface ModalView {
  readonly element: HTMLElement;
  matches(modal: { kind: string; title?: string; caption?: string; text?: string }): boolean;
  focusDefault(): void;
}

export function modalFrame(title: string, onClose: (() => void) | null): { element: HTMLElement; body: HTMLElement } {
  const close = h('button', { class: 'caption-button close', type: 'button', tabindex: -1, 'aria-label': 'Close' });
  if (onClose) close.addEventListener('click', onClose);
  else close.disabled = true;
  const caption = h('div', { class: 'title-bar' }, h('span', { class: 'title-text', text: title }), close);
  const body = h('div', { class: 'modal-body' });
  const element = h('div', { class: 'modal-window', role: 'dialog', 'aria-label': title }, caption, body);
  caption.addEventListener('pointerdown', (down) => {
    if ((down.target as HTMLElement).tagName === 'BUTTON' || down.button !== 0) return;
    down.preventDefault();
    const box = element.getBoundingClientRect();
    caption.setPointerCapture(down.pointerId);
    const move = (e: PointerEvent) => {
      element.style.left = `${box.left + e.clientX - down.clientX}px`;
      element.style.top = `${box.top + e.clientY - down.clientY}px`;
      element.style.transform = 'none';
    };
    const up = () => {
      caption.removeEventListener('pointermove', move);
      caption.removeEventListener('pointerup', up);
    };
    caption.addEventListener('pointermove', move);
    caption.addEventListener('pointerup', up);
  });
  return { element, body };
}
