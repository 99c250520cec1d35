// A message box: exact caption and text, with OK or with Yes and No.
import type { Connection } from './connection';
import { h } from './dom';
import { modalFrame, type ModalView } from './modal_frame';
import type { MessageModal } from './protocol';

export class MessageBoxView implements ModalView {
  readonly element: HTMLElement;
  private readonly first: HTMLButtonElement;

  constructor(
    private readonly model: MessageModal,
    connection: Connection,
  ) {
    // A Yes/No question has no close box; an OK box closes as OK, a question with Cancel as Cancel.
    const closable = !model.yesNo || model.cancel;
    const { element, body } = modalFrame(model.caption, closable ? () => void connection.send({ type: 'close-dialog' }) : null);
    this.element = element;
    element.classList.add('message-box');
    const icon = h('div', { class: model.yesNo ? 'message-icon question' : 'message-icon error', text: model.yesNo ? '?' : '!' });
    const text = h('div', { class: 'message-text', text: model.text });
    const answers: ['ok' | 'yes' | 'no' | 'cancel', string][] = model.yesNo ? [['yes', 'Yes'], ['no', 'No']] : [['ok', 'OK']];
    if (model.yesNo && model.cancel) answers.push(['cancel', 'Cancel']);
    const buttons = answers.map(([answer, label]) => {
      const button = h('button', { type: 'button', class: 'dlg-button', 'data-answer': answer, text: label });
      button.addEventListener('click', () => void connection.send({ type: answer }));
      return button;
    });
    this.first = buttons[0];
    body.append(h('div', { class: 'message-content' }, icon, text), h('div', { class: 'dlg-buttons' }, ...buttons));
    element.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' && (!model.yesNo || model.cancel)) {
        e.preventDefault();
        void connection.send({ type: model.yesNo ? 'cancel' : 'ok' });
      } else if (e.key === 'ArrowLeft' || e.key === 'ArrowRight') {
        const i = buttons.indexOf(document.activeElement as HTMLButtonElement);
        buttons[(i + (e.key === 'ArrowRight' ? 1 : buttons.length - 1)) % buttons.length].focus();
      }
    });
  }

  matches(modal: { kind: string; caption?: string; text?: string; cancel?: boolean }): boolean {
    return modal.kind === 'message' && modal.caption === this.model.caption && modal.text === this.model.text && !!modal.cancel === !!this.model.cancel;
  }

  focusDefault(): void {
    if (!this.element.contains(document.activeElement)) this.first.focus();
  }
}
