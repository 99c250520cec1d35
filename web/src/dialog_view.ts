// A modal dialog drawn from the engine's dialog model. Typing is sent as
// `set` (debounced), leaving a field as `focus` of the next control so the
// engine runs its checks, buttons as `click`; Enter, Escape and the close box
// go to the engine too. The keyboard focus follows the model's focus.
import type { Connection } from './connection';
import { flowLayout, focusable, isPlaced, kUnitX, kUnitY } from './dialog_layout';
import { h, parseSvg, setText } from './dom';
import type { Control, DialogModal } from './protocol';
import { modalFrame, type ModalView } from './modal_frame';

interface Part {
  control: Control;
  root: HTMLElement;
  input?: HTMLInputElement | HTMLSelectElement | HTMLButtonElement;
  label?: HTMLElement;
  picture?: string;
  datalist?: HTMLDataListElement;
}

export class DialogView implements ModalView {
  readonly element: HTMLElement;
  private readonly body: HTMLElement;
  private readonly parts = new Map<number, Part>();
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
    for (const c of modal.controls) this.refresh(c);
    this.engineFocus = modal.focus;
    if (top && !this.connection.busy) this.followFocus(modal.focus);
  }

  focusDefault(): void {
    this.followFocus(this.engineFocus);
  }

  private build(modal: DialogModal): void {
    this.body.replaceChildren();
    this.parts.clear();
    const placed = modal.controls.filter(isPlaced);
    const flowing = modal.controls.filter((c) => !isPlaced(c));
    if (placed.length > 0) {
      const area = h('div', { class: 'dlg-placed' });
      area.style.width = `${modal.width * kUnitX}px`;
      area.style.height = `${modal.height * kUnitY}px`;
      for (const c of placed) this.place(area, c);
      this.body.append(area);
    } else {
      this.body.style.minWidth = `${Math.max(220, modal.width * kUnitX)}px`;
    }
    if (flowing.length > 0) this.flow(flowing);
  }

  private place(area: HTMLElement, c: Control): void {
    const part = this.make(c);
    const left = c.x * kUnitX;
    const top = c.y * kUnitY;
    const height = c.h * kUnitY;
    Object.assign(part.root.style, { left: `${left}px`, top: `${top}px`, width: `${c.w * kUnitX}px`, height: `${height}px` });
    part.root.classList.add('placed');
    area.append(part.root);
    // Prompts of fields, lists and sliders stand to their left.
    if (part.label && (c.type === 'edit' || c.type === 'combo' || c.type === 'slider' || c.type === 'list')) {
      const label = part.label;
      label.classList.add('placed', 'placed-label');
      Object.assign(label.style, { left: '0px', top: `${top}px`, width: `${Math.max(0, left - 4)}px`, height: `${Math.min(height, 12 * kUnitY)}px` });
      area.append(label);
    }
  }

  private flow(controls: Control[]): void {
    const { groups, buttons } = flowLayout(controls);
    for (const group of groups) {
      let container: HTMLElement = this.body;
      if (group.box) {
        const part = this.make(group.box);
        this.body.append(part.root);
        container = part.root;
      }
      for (const c of group.members) {
        const part = this.make(c);
        const row = h('div', { class: `dlg-row dlg-row-${c.type}` });
        if (part.label && c.type !== 'check' && c.type !== 'radio') row.append(part.label);
        row.append(part.root);
        container.append(row);
      }
    }
    if (buttons.length > 0) {
      const row = h('div', { class: 'dlg-buttons' });
      for (const c of buttons) row.append(this.make(c).root);
      this.body.append(row);
    }
  }

  // The elements of one control, wired to send its events.
  private make(c: Control): Part {
    const id = c.id;
    const data = { 'data-id': id };
    const label = c.label ? h('label', { class: 'dlg-label', for: `ctl-${id}`, text: c.label }) : undefined;
    let part: Part;
    switch (c.type) {
      case 'edit': {
        const input = h('input', { ...data, id: `ctl-${id}`, class: 'dlg-edit', type: 'text', autocomplete: 'off', spellcheck: 'false' });
        input.addEventListener('input', () => this.connection.type(id, input.value));
        part = { control: c, root: input, input, label };
        break;
      }
      case 'combo': {
        const list = h('datalist', { id: `ctl-${id}-items` });
        const input = h('input', { ...data, id: `ctl-${id}`, class: 'dlg-edit', type: 'text', list: `ctl-${id}-items`, autocomplete: 'off' });
        input.addEventListener('input', (e) => {
          const index = (this.parts.get(id)?.control.items ?? []).indexOf(input.value);
          if ((e as InputEvent).inputType === 'insertReplacementText' || (!(e as InputEvent).inputType && index >= 0))
            void this.connection.send({ type: 'select', control: id, index: index + 1 });
          else this.connection.type(id, input.value);
        });
        part = { control: c, root: h('div', { class: 'dlg-combo' }, input, list), input, label, datalist: list };
        break;
      }
      case 'button': {
        const button = h('button', { ...data, id: `ctl-${id}`, type: 'button', class: 'dlg-button' + (id === 1 ? ' default' : ''), text: c.label });
        button.addEventListener('click', () => void this.connection.send({ type: 'click', control: id }));
        part = { control: c, root: button, input: button };
        break;
      }
      case 'check':
      case 'radio': {
        const input = h('input', { ...data, id: `ctl-${id}`, type: c.type === 'check' ? 'checkbox' : 'radio', name: c.type === 'radio' ? `group-${c.group}` : undefined });
        input.addEventListener('change', () => {
          if (c.type === 'check') void this.connection.send({ type: 'check', control: id, on: input.checked });
          else if (input.checked) void this.connection.send({ type: 'radio', control: id });
        });
        const text = h('span', { text: c.label });
        part = { control: c, root: h('label', { class: `dlg-${c.type}` }, input, text), input, label: text };
        break;
      }
      case 'group': {
        const legend = h('legend', { text: c.label });
        part = { control: c, root: h('fieldset', { class: 'dlg-group', 'data-id': id }, legend), label: legend };
        break;
      }
      case 'list':
      case 'tree': {
        const select = h('select', { ...data, id: `ctl-${id}`, class: 'dlg-list', size: 6 });
        select.addEventListener('change', () => void this.connection.send({ type: 'select', control: id, index: select.selectedIndex + 1 }));
        part = { control: c, root: select, input: select, label };
        break;
      }
      case 'slider': {
        const input = h('input', { ...data, id: `ctl-${id}`, class: 'dlg-slider', type: 'range', step: 1 });
        input.addEventListener('input', () => this.slide(id, Number(input.value)));
        part = { control: c, root: input, input, label };
        break;
      }
      case 'picture':
        part = { control: c, root: h('div', { class: 'dlg-picture', 'data-id': id }) };
        break;
      default:
        part = { control: c, root: h('div', { class: 'dlg-static', 'data-id': id }) };
    }
    this.parts.set(id, part);
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
  private refresh(c: Control): void {
    const part = this.parts.get(c.id);
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
      case 'list':
      case 'tree': {
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
          if (svg) {
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
    const id = Number((e.target as HTMLElement).dataset.id);
    const part = this.parts.get(id);
    if (!part || !focusable(part.control)) return;
    // A click on a button or box moves the focus itself, with its own event.
    const clicked = this.pointerDown && ['button', 'check', 'radio'].includes(part.control.type);
    if (clicked || id === this.engineFocus) return;
    this.engineFocus = id;
    void this.connection.send({ type: 'focus', control: id });
  }

  private followFocus(id: number): void {
    const target = this.parts.get(id)?.input;
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
