// A modal dialog drawn from the engine's dialog model. Typing is sent as
// `set` (debounced), leaving a field as `focus` of the next control so the
// engine runs its checks, buttons as `click`; Enter, Escape and the close box
// go to the engine too. The keyboard focus follows the model's focus.
import type { Connection } from './connection';
import { dialogLayout, focusable, isPlaced, kUnitX, kUnitY, type Block, type Cell } from './dialog_layout';
import { h, parseSvg, setText } from './dom';
import type { Control, DialogModal } from './protocol';
import { modalFrame, type ModalView } from './modal_frame';
import { TreeView } from './tree_view';

interface Part {
  control: Control;
  root: HTMLElement;
  input?: HTMLInputElement | HTMLSelectElement | HTMLButtonElement;
  label?: HTMLElement;
  picture?: string;
  datalist?: HTMLDataListElement;
  tree?: TreeView;
}

let dialogSerial = 0;

export class DialogView implements ModalView {
  readonly element: HTMLElement;
  private readonly body: HTMLElement;
  // Parts by their place in the model: static texts may share an id (0).
  private parts: Part[] = [];
  // The parts that take events, by control id.
  private readonly byId = new Map<number, Part>();
  // Element ids and radio groups of this dialog alone (a dialog over another may use the same ids).
  private readonly prefix = `dlg${++dialogSerial}`;
  private structure = '';
  private engineFocus = 0;
  private pointerDown = false;
  private programmatic = false;
  private sliderBusy = new Set<number>();
  private sliderWanted = new Map<number, number>();

  constructor(
    private readonly model: DialogModal,
    private readonly connection: Connection,
  ) {
    const { element, body } = modalFrame(model.title, () => void connection.send({ type: 'close-dialog' }));
    this.element = element;
    this.element.classList.add('dialog');
    this.body = body;
    body.addEventListener('pointerdown', () => {
      this.pointerDown = true;
      window.setTimeout(() => (this.pointerDown = false), 0);
    }, true);
    body.addEventListener('focusin', (e) => this.focusIn(e));
    element.addEventListener('keydown', (e) => this.key(e));
  }

  matches(modal: { kind: string; title?: string }): boolean {
    return modal.kind === 'dialog' && modal.title === this.model.title;
  }

  update(modal: DialogModal, top: boolean): void {
    const structure = JSON.stringify(modal.controls.map((c) => [c.id, c.type, c.group, c.x, c.y, c.w, c.h]));
    if (structure !== this.structure) {
      this.structure = structure;
      this.build(modal);
    }
    modal.controls.forEach((c, i) => this.refresh(c, this.parts[i]));
    this.engineFocus = modal.focus;
    if (top && !this.connection.busy) this.followFocus(modal.focus);
  }

  focusDefault(): void {
    this.followFocus(this.engineFocus);
  }

  private build(modal: DialogModal): void {
    this.body.replaceChildren();
    this.parts = [];
    this.byId.clear();
    this.body.style.minWidth = `${Math.min(modal.width * kUnitX, 480)}px`;
    const parts = modal.controls.map((c, index) => this.make(c, index));
    const layout = dialogLayout(modal.controls);
    this.body.append(...this.blocks(layout.blocks, parts));
    if (layout.buttons.length > 0)
      this.body.append(h('div', { class: 'dlg-buttons' }, ...layout.buttons.map((i) => parts[i].root)));
  }

  private blocks(blocks: Block[], parts: Part[]): HTMLElement[] {
    return blocks.map((block) => {
      const element =
        block.kind === 'fields'
          ? h('div', { class: 'dlg-fields' }, ...block.indices.flatMap((i) => [parts[i].label!, parts[i].root]))
          : h('div', { class: 'dlg-row' }, ...block.cells.map((cell) => this.cell(cell, parts)));
      if (block.indent > 0) element.style.marginLeft = `${block.indent}px`;
      return element;
    });
  }

  private cell(cell: Cell, parts: Part[]): HTMLElement {
    const part = parts[cell.index];
    if (cell.blocks) part.root.append(...this.blocks(cell.blocks, parts));
    const type = part.control.type;
    const labelFirst = part.label && (type === 'edit' || type === 'combo' || type === 'slider' || type === 'list' || type === 'tree');
    const element = h('div', { class: `dlg-cell dlg-cell-${type}` }, ...(labelFirst ? [part.label!] : []), part.root);
    if (cell.minWidth > 0) element.style.minWidth = `${cell.minWidth}px`;
    return element;
  }

  // The size a placed control asks for; prompts and texts take what they need.
  private size(element: HTMLElement, c: Control): void {
    if (!isPlaced(c)) return;
    const width = c.w * kUnitX;
    const height = c.h * kUnitY;
    if (c.type === 'edit' || c.type === 'combo') element.style.width = `${Math.min(Math.max(width, 48), 120)}px`;
    else if (c.type === 'slider') element.style.width = `${width}px`;
    else if (c.type === 'list' || c.type === 'tree' || c.type === 'picture') Object.assign(element.style, { width: `${width}px`, height: `${height}px` });
    else if (c.type === 'static') element.style.maxWidth = `${Math.max(width, 160)}px`;
  }

  // The elements of one control, wired to send its events.
  private make(c: Control, index: number): Part {
    const id = c.id;
    const key = `${this.prefix}-${index}`;
    const data = { 'data-id': id, 'data-index': index };
    const label = c.label ? h('label', { class: 'dlg-label', for: key, text: c.label }) : undefined;
    let part: Part;
    switch (c.type) {
      case 'edit': {
        const input = h('input', { ...data, id: key, class: 'dlg-edit', type: 'text', autocomplete: 'off', spellcheck: 'false' });
        input.addEventListener('input', () => this.connection.type(id, input.value));
        part = { control: c, root: input, input, label };
        break;
      }
      case 'combo': {
        const list = h('datalist', { id: `${key}-items` });
        const input = h('input', { ...data, id: key, class: 'dlg-edit', type: 'text', list: `${key}-items`, autocomplete: 'off' });
        input.addEventListener('input', (e) => {
          const index = (this.byId.get(id)?.control.items ?? []).indexOf(input.value);
          if ((e as InputEvent).inputType === 'insertReplacementText' || (!(e as InputEvent).inputType && index >= 0))
            void this.connection.send({ type: 'select', control: id, index: index + 1 });
          else this.connection.type(id, input.value);
        });
        part = { control: c, root: h('div', { class: 'dlg-combo' }, input, list), input, label, datalist: list };
        break;
      }
      case 'button': {
        const button = h('button', { ...data, id: key, type: 'button', class: 'dlg-button' + (id === 1 ? ' default' : ''), text: c.label });
        button.addEventListener('click', () => void this.connection.send({ type: 'click', control: id }));
        part = { control: c, root: button, input: button };
        break;
      }
      case 'check':
      case 'radio': {
        const input = h('input', { ...data, id: key, type: c.type === 'check' ? 'checkbox' : 'radio', name: c.type === 'radio' ? `${this.prefix}-group-${c.group}` : undefined });
        input.addEventListener('change', () => {
          if (c.type === 'check') void this.connection.send({ type: 'check', control: id, on: input.checked });
          else if (input.checked) void this.connection.send({ type: 'radio', control: id });
        });
        const text = h('span', { class: 'dlg-choice-text', text: c.label });
        part = { control: c, root: h('label', { class: `dlg-${c.type}`, 'data-index': index }, input, text), input, label: text };
        break;
      }
      case 'group': {
        const legend = h('legend', { text: c.label });
        part = { control: c, root: h('fieldset', { class: 'dlg-group', ...data }, legend), label: legend };
        break;
      }
      case 'tree': {
        const tree = new TreeView(id, (event) => void this.connection.send(event));
        tree.element.dataset.index = String(index);
        part = { control: c, root: tree.element, label, tree };
        break;
      }
      case 'list': {
        const select = h('select', { ...data, id: key, class: 'dlg-list', size: 6 });
        select.addEventListener('change', () => void this.connection.send({ type: 'select', control: id, index: select.selectedIndex + 1 }));
        part = { control: c, root: select, input: select, label };
        break;
      }
      case 'slider': {
        const input = h('input', { ...data, id: key, class: 'dlg-slider', type: 'range', step: 1 });
        input.addEventListener('input', () => this.slide(id, Number(input.value)));
        part = { control: c, root: input, input, label };
        break;
      }
      case 'picture':
        part = { control: c, root: h('div', { class: 'dlg-picture', ...data }) };
        break;
      default:
        part = { control: c, root: h('div', { class: 'dlg-static', ...data }) };
    }
    this.size(part.root, c);
    this.parts[index] = part;
    if (focusable(c) || !this.byId.has(id)) this.byId.set(id, part);
    return part;
  }

  // A slider sends its newest position, one at a time (each may repaint plots).
  private slide(id: number, pos: number): void {
    this.sliderWanted.set(id, pos);
    if (this.sliderBusy.has(id)) return;
    this.sliderBusy.add(id);
    void this.connection.send({ type: 'slider', control: id, pos }).then(() => {
      this.sliderBusy.delete(id);
      const wanted = this.sliderWanted.get(id);
      if (wanted !== undefined && wanted !== pos) this.slide(id, wanted);
    });
  }

  // Brings one control's elements up to the model.
  private refresh(c: Control, part: Part | undefined): void {
    if (!part) return;
    part.control = c;
    const input = part.input;
    if (input) input.disabled = !c.enabled;
    part.root.classList.toggle('greyed', !c.enabled);
    switch (c.type) {
      case 'edit':
      case 'combo': {
        const field = input as HTMLInputElement;
        const typing = this.connection.pendingText(c.id) !== undefined && document.activeElement === field;
        if (!typing && field.value !== c.text) field.value = c.text;
        if (part.datalist && part.datalist.childElementCount !== c.items.length)
          part.datalist.replaceChildren(...c.items.map((item) => h('option', { value: item })));
        if (part.label) setText(part.label, c.label);
        break;
      }
      case 'check':
      case 'radio':
        (input as HTMLInputElement).checked = c.checked;
        if (part.label) setText(part.label, c.label);
        break;
      case 'button':
        setText(input as HTMLButtonElement, c.label);
        break;
      case 'tree':
        part.tree?.update(c);
        break;
      case 'list': {
        const select = input as HTMLSelectElement;
        const options = Array.from(select.options).map((o) => o.text);
        if (JSON.stringify(options) !== JSON.stringify(c.items))
          select.replaceChildren(...c.items.map((item) => h('option', { text: item })));
        if (select.selectedIndex !== c.selected) select.selectedIndex = c.selected;
        break;
      }
      case 'slider': {
        const range = input as HTMLInputElement;
        range.min = String(c.min);
        range.max = String(c.max);
        if (!this.sliderBusy.has(c.id) && range.value !== String(c.pos)) range.value = String(c.pos);
        break;
      }
      case 'picture':
        if (part.picture !== c.picture) {
          part.picture = c.picture;
          const svg = c.picture ? parseSvg(c.picture) : null;
          // A placed picture fills its rectangle; another keeps its own size.
          if (svg && isPlaced(c)) {
            svg.removeAttribute('width');
            svg.removeAttribute('height');
          }
          part.root.replaceChildren(...(svg ? [svg] : []));
        }
        break;
      case 'group':
        if (part.label) setText(part.label, c.label);
        break;
      default:
        setText(part.root, c.label || c.text);
    }
  }

  private focusIn(e: FocusEvent): void {
    if (this.programmatic) return;
    const part = this.parts[Number((e.target as HTMLElement).dataset.index)];
    if (!part || !focusable(part.control)) return;
    const id = part.control.id;
    // A click on a button or box moves the focus itself, with its own event.
    const clicked = this.pointerDown && ['button', 'check', 'radio'].includes(part.control.type);
    if (clicked || id === this.engineFocus) return;
    this.engineFocus = id;
    void this.connection.send({ type: 'focus', control: id });
  }

  private followFocus(id: number): void {
    const tree = this.byId.get(id)?.tree;
    if (tree) return tree.focus();
    const target = this.byId.get(id)?.input;
    if (!target || document.activeElement === target || target.disabled) return;
    this.programmatic = true;
    target.focus();
    if (target instanceof HTMLInputElement && target.type === 'text') target.select();
    this.programmatic = false;
  }

  private key(e: KeyboardEvent): void {
    if (e.key === 'Enter') {
      e.preventDefault();
      void this.connection.send({ type: 'enter' });
    } else if (e.key === 'Escape') {
      e.preventDefault();
      void this.connection.send({ type: 'escape' });
    }
  }
}
