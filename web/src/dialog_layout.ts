// How a dialog's controls are arranged: at their places in dialog units, or,
// for controls without a place, in order with group boxes around the choices
// that follow them and the push buttons in a row at the bottom.
import type { Control } from './protocol';

// Dialog units of the desktop's dialog font, in pixels.
export const kUnitX = 1.5;
export const kUnitY = 1.625;

export function isPlaced(c: Control): boolean {
  return c.w > 0 && c.h > 0;
}

export interface FlowGroup {
  box: Control | null;  // the group box, or null for controls outside any
  members: Control[];
}

export interface FlowLayout {
  groups: FlowGroup[];
  buttons: Control[];
}

// A group box takes the controls after it up to the next group box or push button.
export function flowLayout(controls: Control[]): FlowLayout {
  const groups: FlowGroup[] = [];
  const buttons: Control[] = [];
  let open: FlowGroup | null = null;
  for (const c of controls) {
    if (c.type === 'button') {
      buttons.push(c);
      open = null;
    } else if (c.type === 'group') {
      open = { box: c, members: [] };
      groups.push(open);
    } else if (open) {
      open.members.push(c);
    } else {
      groups.push({ box: null, members: [c] });
    }
  }
  return { groups, buttons };
}

// The controls that can hold the keyboard focus.
export function focusable(c: Control): boolean {
  return c.type !== 'static' && c.type !== 'group' && c.type !== 'picture';
}
