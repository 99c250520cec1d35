// The open and save file dialogs: browse the folders under the root, filter by
// the chosen file type, pick or type a name; sends `file` with the path
// relative to the root, or `cancel`.
import type { Connection } from './connection';
import { h } from './dom';
import { isPattern, joinPath, matchesPattern, parentDir } from './file_pattern';
import { modalFrame, type ModalView } from './modal_frame';
import type { FileListing, FileModal } from './protocol';

const kLastDirKey = 'kora-file-dir';

export class FileDialogView implements ModalView {
  readonly element: HTMLElement;
  private readonly folder: HTMLElement;
  private readonly list: HTMLSelectElement;
  private readonly name: HTMLInputElement;
  private readonly types: HTMLSelectElement;
  private readonly notice: HTMLElement;
  private dir = sessionStorage.getItem(kLastDirKey) ?? '';
  private listing: FileListing | null = null;
  private pattern: string;
  private busy = false;

  constructor(
    private readonly model: FileModal,
    private readonly connection: Connection,
  ) {
    const { element, body } = modalFrame(model.title, () => this.cancel());
    this.element = element;

    element.classList.add('file-dialog');
    this.pattern = model.filters[0]?.pattern ?? '*.*';

    this.folder = h('span', { class: 'file-folder' });
    const up = h('button', { type: 'button', class: 'dlg-button small', 'aria-label': 'Up one level', text: '↑' });
    up.addEventListener('click', () => void this.go(parentDir(this.dir)));
    this.list = h('select', { class: 'file-list', size: 12, 'aria-label': 'Files' });
    this.list.addEventListener('change', () => {
      const entry = this.selectedEntry();
      if (entry && !entry.dir) this.name.value = entry.name;
    });
    this.list.addEventListener('dblclick', () => this.openSelected());
    this.name = h('input', { type: 'text', class: 'dlg-edit file-name', id: 'file-name', autocomplete: 'off', spellcheck: 'false' });
    this.name.value = model.initialName;
    this.types = h('select', { class: 'file-types', id: 'file-types' });
    model.filters.forEach((f, i) => this.types.append(h('option', { value: String(i), text: f.name })));
    this.types.addEventListener('change', () => {
      this.pattern = model.filters[Number(this.types.value)]?.pattern ?? '*.*';
      this.fill();
    });
    const accept = h('button', { type: 'button', class: 'dlg-button default', 'data-role': 'accept', text: model.save ? 'Save' : 'Open' });
    accept.addEventListener('click', () => void this.accept());
    const cancel = h('button', { type: 'button', class: 'dlg-button', 'data-role': 'cancel', text: 'Cancel' });
    cancel.addEventListener('click', () => this.cancel());
    this.notice = h('div', { class: 'file-notice', role: 'alert', hidden: true });

    body.append(
      h('div', { class: 'file-row' }, h('span', { class: 'file-caption', text: model.save ? 'Save in:' : 'Look in:' }), this.folder, up),
      this.list,
      h('div', { class: 'file-grid' },
        h('label', { for: 'file-name', text: 'File name:' }), this.name, accept,
        h('label', { for: 'file-types', text: model.save ? 'Save as type:' : 'Files of type:' }), this.types, cancel),
      this.notice,
    );
    element.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') {
        e.preventDefault();
        if (document.activeElement === this.list) this.openSelected();
        else void this.accept();
      } else if (e.key === 'Escape') {
        e.preventDefault();
        this.cancel();
      }
    });
    void this.go(this.dir);
  }

  matches(modal: { kind: string; title?: string }): boolean {
    return modal.kind === 'file' && modal.title === this.model.title;
  }

  focusDefault(): void {
    if (!this.element.contains(document.activeElement)) {
      this.name.focus();
      this.name.select();
    }
  }

  private async go(dir: string): Promise<void> {
    const listing = await this.connection.listFiles(dir);
    if ('error' in listing) {
      // A folder that went away: start again at the root.
      if (dir !== '') return this.go('');
      this.say(listing.error);
      return;
    }
    this.dir = listing.dir;
    sessionStorage.setItem(kLastDirKey, this.dir);
    this.listing = listing;
    this.folder.textContent = '/' + this.dir;
    this.fill();
  }

  private fill(): void {
    const entries = (this.listing?.entries ?? [])
      .filter((e) => e.dir || matchesPattern(e.name, this.pattern))
      .sort((a, b) => Number(b.dir) - Number(a.dir) || a.name.localeCompare(b.name));
    this.list.replaceChildren(
      ...entries.map((e) =>
        h('option', {
          value: e.name,
          'data-dir': e.dir ? 'true' : 'false',
          text: e.dir ? `[${e.name}]` : e.name,
          // A name that is not UTF-8 is shown escaped; the engine cannot open it by that text.
          disabled: e.odd === true,
          title: e.odd ? 'This name is not UTF-8 text; rename the file to open it.' : undefined,
        }),
      ),
    );
  }

  private selectedEntry(): { name: string; dir: boolean } | null {
    const option = this.list.selectedOptions[0];
    return option ? { name: option.value, dir: option.dataset.dir === 'true' } : null;
  }

  private openSelected(): void {
    const entry = this.selectedEntry();
    if (!entry) return;
    if (entry.dir) void this.go(joinPath(this.dir, entry.name) ?? '');
    else {
      this.name.value = entry.name;
      void this.accept();
    }
  }

  private say(text: string | null): void {
    this.notice.hidden = text === null;
    this.notice.textContent = text ?? '';
  }

  private cancel(): void {
    void this.connection.send({ type: 'cancel' });
  }

  private async accept(): Promise<void> {
    const typed = this.name.value.trim();
    if (!typed || this.busy) return;
    this.say(null);
    if (isPattern(typed)) {
      // A pattern typed as the name filters the list, as on the desktop.
      this.pattern = typed;
      this.fill();
      return;
    }
    const path = joinPath(this.dir, typed);
    if (path === null || path === '') return this.say(`${typed}\nThe path is outside the folder KORA serves.`);
    const folder = this.listing?.entries.find((e) => e.dir && e.name === typed);
    if (folder || typed.endsWith('/')) return this.go(path);
    const exists = typed.includes('/') || (this.listing?.entries.some((e) => !e.dir && e.name === typed) ?? false);
    if (!this.model.save && !exists) return this.say(`${typed}\nFile not found.\nPlease verify the correct file name was given.`);
    // Replacing an existing file is asked by the engine, which shows the question as a message box.
    this.busy = true;
    const answer = await this.connection.send({ type: 'file', path });
    this.busy = false;
    if (!answer.ok) this.say(`${typed}\n${answer.error ?? 'The file cannot be used.'}`);
  }

}
