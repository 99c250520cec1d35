// The modal windows, innermost last: only the last takes input, and while any
// is open the rest of the page is inert.
import type { Connection } from './connection';
import { DialogView } from './dialog_view';
import { FileDialogView } from './file_dialog';
import { MessageBoxView } from './message_box';
import type { ModalView } from './modal_frame';
import type { Modal, Snapshot } from './protocol';
import { hideTooltip } from './tooltip';

export class ModalLayer {
  private views: ModalView[] = [];

  constructor(
    private readonly layer: HTMLElement,
    private readonly app: HTMLElement,
    private readonly connection: Connection,
  ) {}

  get open(): boolean {
    return this.views.length > 0;
  }

  render(snapshot: Snapshot): void {
    const modals = snapshot.modals;
    const before = this.views.length;
    let keep = 0;
    while (keep < modals.length && keep < this.views.length && this.views[keep].matches(modals[keep] as never)) keep++;
    for (const gone of this.views.splice(keep)) gone.element.remove();
    for (let i = keep; i < modals.length; i++) {
      const view = this.create(modals[i]);
      // Each new window opens centred, a little below its owner.
      view.element.style.setProperty('--stack', String(i));
      this.layer.append(view.element);
      this.views.push(view);
    }
    this.views.forEach((view, i) => {
      const top = i === this.views.length - 1;
      view.element.inert = !top;
      view.element.classList.toggle('inactive', !top);
      if (view instanceof DialogView) view.update(modals[i] as Extract<Modal, { kind: 'dialog' }>, top);
    });
    const anyOpen = this.views.length > 0;
    this.layer.classList.toggle('open', anyOpen);
    this.app.inert = anyOpen;
    if (anyOpen) hideTooltip();
    // A window that just opened takes the focus at once; later the focus waits for the engine.
    const top = this.views[this.views.length - 1];
    if (top && (!this.connection.busy || this.views.length > before || keep < before)) top.focusDefault();
  }

  private create(modal: Modal): ModalView {
    switch (modal.kind) {
      case 'dialog':
        return new DialogView(modal, this.connection);
      case 'message':
        return new MessageBoxView(modal, this.connection);
      default:
        return new FileDialogView(modal, this.connection);
    }
  }
}
