// The tree control of a dialog, drawn from the engine's nodes: expand boxes,
// one selection, labels renamed in place (F2, or a click on the selected
// node; Enter keeps the text, Escape drops it) and nodes dragged with the
// mouse onto a drop target. Every change is sent to the engine, which sends
// the tree back; the page keeps only the edit and the drag in progress.
import { h } from './dom';
import type { Control, TreeNode, UserEvent } from './protocol';

// How far the mouse moves before a press on a node becomes a drag, pixels.
const kDragThreshold = 4;
// How long a click on the selected node waits for a second click before the rename starts, ms.
const kEditDelay = 450;

interface Drag {
  key: number;
  x: number;
  y: number;
  pointer: number;
  ghost?: HTMLElement;
  over?: number;
}

export class TreeView {
  readonly element: HTMLElement;
  private nodes = new Map<number, TreeNode>();
  private parents = new Map<number, number>();
  private order: number[] = [];  // keys of the visible nodes, top to bottom
  private selected = 0;
  private signature = '';
  private editing: { key: number; input: HTMLInputElement } | null = null;
  private drag: Drag | null = null;
  private editTimer = 0;

  constructor(
    private readonly control: number,
    private readonly send: (event: UserEvent) => void,
  ) {
    this.element = h('div', { class: 'dlg-tree', role: 'tree', tabindex: 0, 'data-id': control });
    this.element.addEventListener('keydown', (e) => this.key(e));
    this.element.addEventListener('pointerdown', (e) => this.press(e));
    this.element.addEventListener('pointermove', (e) => this.move(e));
    this.element.addEventListener('pointerup', (e) => this.release(e));
    this.element.addEventListener('pointercancel', () => this.endDrag());
    this.element.addEventListener('dblclick', (e) => {
      window.clearTimeout(this.editTimer);
      const node = this.nodeAt(e.target);
      if (node && node.children.length > 0) this.send({ type: 'tree-expand', control, node: node.key, on: !node.expanded });
    });
  }

  focus(): void {
    if (!this.editing && !this.element.contains(document.activeElement)) this.element.focus();
  }

  update(c: Control): void {
    const nodes = c.nodes ?? [];
    const signature = JSON.stringify([nodes, c.node]);
    // An edit in progress keeps its box until it ends.
    if (signature === this.signature || this.editing) return;
    this.signature = signature;
    this.selected = c.node ?? 0;
    this.nodes.clear();
    this.parents.clear();
    this.order = [];
    this.element.replaceChildren(this.list(nodes, 0, 0));
    this.element.querySelector('.tree-row.selected')?.scrollIntoView({ block: 'nearest' });
  }

  private list(nodes: TreeNode[], parent: number, depth: number): HTMLElement {
    const ul = h('ul', { class: 'tree-list', role: depth === 0 ? undefined : 'group' });
    for (const node of nodes) {
      this.nodes.set(node.key, node);
      this.parents.set(node.key, parent);
      this.order.push(node.key);
      const hasChildren = node.children.length > 0;
      const toggle = h('span', { class: 'tree-toggle', text: hasChildren ? (node.expanded ? '−' : '+') : '' });
      toggle.classList.toggle('leaf', !hasChildren);
      const row = h('div', {
        class: 'tree-row' + (node.key === this.selected ? ' selected' : '') + (node.dropTarget ? ' drop-target' : ''),
        'data-key': node.key,
      }, toggle, h('span', { class: 'tree-label', text: node.label }));
      row.style.paddingLeft = `${depth * 16}px`;
      const li = h('li', {
        role: 'treeitem',
        'aria-selected': node.key === this.selected ? 'true' : 'false',
        'aria-expanded': hasChildren ? String(node.expanded) : undefined,
      }, row);
      if (hasChildren && node.expanded) li.append(this.list(node.children, node.key, depth + 1));
      ul.append(li);
    }
    return ul;
  }

  private nodeAt(target: EventTarget | null): TreeNode | undefined {
    const row = target instanceof Element ? target.closest('.tree-row') : null;
    return row ? this.nodes.get(Number((row as HTMLElement).dataset.key)) : undefined;
  }

  private select(key: number): void {
    if (key === this.selected) return;
    this.selected = key;
    this.element.querySelectorAll('.tree-row').forEach((r) => r.classList.toggle('selected', Number((r as HTMLElement).dataset.key) === key));
    this.send({ type: 'tree-select', control: this.control, node: key });
  }

  private expand(node: TreeNode, on: boolean): void {
    if (node.children.length > 0 && node.expanded !== on) this.send({ type: 'tree-expand', control: this.control, node: node.key, on });
  }

  // The keys of a desktop tree: arrows move and open or close branches, F2 renames.
  private key(e: KeyboardEvent): void {
    if (this.editing) return;
    const node = this.nodes.get(this.selected);
    const at = this.order.indexOf(this.selected);
    let handled = true;
    if (e.key === 'ArrowDown' && at + 1 < this.order.length) this.select(this.order[at + 1]);
    else if (e.key === 'ArrowUp' && at > 0) this.select(this.order[at - 1]);
    else if (e.key === 'ArrowRight' && node) node.expanded && node.children.length > 0 ? this.select(node.children[0].key) : this.expand(node, true);
    else if (e.key === 'ArrowLeft' && node) node.expanded && node.children.length > 0 ? this.expand(node, false) : this.parents.get(node.key) && this.select(this.parents.get(node.key)!);
    else if (e.key === 'F2' && node?.editable) this.startEdit(node);
    else handled = false;
    if (handled) e.preventDefault();
  }

  private press(e: PointerEvent): void {
    if (e.button !== 0 || this.editing) return;
    const node = this.nodeAt(e.target);
    if (!node) return;
    if ((e.target as Element).classList.contains('tree-toggle')) {
      this.expand(node, !node.expanded);
      return;
    }
    this.drag = { key: node.key, x: e.clientX, y: e.clientY, pointer: e.pointerId };
  }

  private move(e: PointerEvent): void {
    const drag = this.drag;
    if (!drag || drag.pointer !== e.pointerId) return;
    const node = this.nodes.get(drag.key);
    if (!drag.ghost) {
      if (!node?.draggable || Math.hypot(e.clientX - drag.x, e.clientY - drag.y) < kDragThreshold) return;
      // The drag image: the node's label following the mouse.
      drag.ghost = h('div', { class: 'tree-drag-image', text: node.label });
      document.body.append(drag.ghost);
      this.element.classList.add('dragging');
      // The mouse is captured: the drag goes on wherever the mouse goes.
      this.element.setPointerCapture(drag.pointer);
    }
    Object.assign(drag.ghost.style, { left: `${e.clientX + 12}px`, top: `${e.clientY + 4}px` });
    const under = this.nodeAt(document.elementFromPoint(e.clientX, e.clientY));
    drag.over = under?.dropTarget ? under.key : undefined;
    this.element.querySelectorAll('.tree-row').forEach((r) => r.classList.toggle('drop-hover', Number((r as HTMLElement).dataset.key) === drag.over));
  }

  private release(e: PointerEvent): void {
    const drag = this.drag;
    if (!drag || drag.pointer !== e.pointerId) return;
    this.endDrag();
    if (drag.ghost) {
      if (drag.over !== undefined) this.send({ type: 'tree-drag', control: this.control, node: drag.key, target: drag.over });
      return;
    }
    // A click selects; a click on the node already selected starts the
    // rename, unless it is the first click of a double click.
    const node = this.nodes.get(drag.key);
    if (!node) return;
    if (node.key === this.selected && node.editable) this.editTimer = window.setTimeout(() => this.startEdit(node), kEditDelay);
    else this.select(node.key);
  }

  private endDrag(): void {
    if (this.drag?.pointer !== undefined && this.element.hasPointerCapture(this.drag.pointer)) this.element.releasePointerCapture(this.drag.pointer);
    this.drag?.ghost?.remove();
    this.drag = null;
    this.element.classList.remove('dragging');
    this.element.querySelectorAll('.drop-hover').forEach((r) => r.classList.remove('drop-hover'));
  }

  private startEdit(node: TreeNode): void {
    window.clearTimeout(this.editTimer);
    if (this.editing) return;
    const label = this.element.querySelector(`.tree-row[data-key="${node.key}"] .tree-label`);
    if (!label) return;
    const input = h('input', { class: 'tree-edit', type: 'text', value: node.label, spellcheck: 'false', 'aria-label': 'New name' });
    this.editing = { key: node.key, input };
    label.replaceWith(input);
    input.focus();
    input.select();
    // Enter and Escape end the edit here and do not reach the dialog.
    input.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter' && e.key !== 'Escape') return;
      e.preventDefault();
      e.stopPropagation();
      this.endEdit(e.key === 'Enter');
    });
    // Leaving the box keeps the text, as on the desktop.
    input.addEventListener('blur', () => this.endEdit(true));
  }

  private endEdit(keep: boolean): void {
    const editing = this.editing;
    if (!editing) return;
    this.editing = null;
    if (keep && editing.input.value !== this.nodes.get(editing.key)?.label)
      this.send({ type: 'tree-rename', control: this.control, node: editing.key, text: editing.input.value });
    // Drawn again from the engine's nodes, with the old label until the new one arrives.
    this.signature = '';
    const row = editing.input.closest('.tree-row');
    editing.input.replaceWith(h('span', { class: 'tree-label', text: this.nodes.get(editing.key)?.label ?? '' }));
    if (row) this.element.focus();
  }
}
