// The shapes the engine sends (snapshots) and takes (events); see PROTOCOL.md.

export interface MenuEntry {
  separator?: boolean;
  id?: number;
  text?: string;
  enabled?: boolean;
  checked?: boolean;
  items?: MenuEntry[];
  shortcut?: string;  // the accelerator key, e.g. "Ctrl+O"
}

export interface ToolButton {
  separator?: boolean;
  id?: number;
  image?: number;
  tooltip?: string;
}

export interface Frame {
  title: string;
  menuKind: string;
  menu: MenuEntry[];
  windowMenuPosition: number;
  toolbar: ToolButton[];
  status: string[];
  zoomMode: number;
  unsaved?: boolean;  // some project holds changes it would lose on closing
}

export const enum WindowKind {
  Plot = 1101,
  Report = 1102,
  DuplicatePlot = 1103,
  DuplicateReport = 1104,
}

export interface Rubber {
  x1: number;
  y1: number;
  x2: number;
  y2: number;
}

export interface ChildWindow {
  id: number;
  kind: number;
  title: string;
  project: number;
  x: number;
  y: number;
  width: number;
  height: number;
  minimized: boolean;
  maximized: boolean;
  active: boolean;
  z: number;
  revision: number;
  svg?: string;
  text?: string;
  rubber?: Rubber;
}

export interface TreeNode {
  key: number;
  label: string;
  expanded: boolean;
  editable: boolean;
  draggable: boolean;
  dropTarget: boolean;
  children: TreeNode[];
}

export interface Control {
  id: number;
  type: string;
  label: string;
  text: string;
  enabled: boolean;
  checked: boolean;
  items: string[];
  selected: number;
  min: number;
  max: number;
  pos: number;
  group: number;
  x: number;
  y: number;
  w: number;
  h: number;
  picture: string;
  nodes?: TreeNode[];  // tree controls: the top-level nodes
  node?: number;  // tree controls: the key of the selected node
}

export interface DialogModal {
  kind: 'dialog';
  title: string;
  width: number;
  height: number;
  focus: number;
  revision: number;
  controls: Control[];
}

export interface MessageModal {
  kind: 'message';
  caption: string;
  text: string;
  yesNo: boolean;
  cancel?: boolean;  // a question with a Cancel button too
}

export interface FileFilter {
  name: string;
  pattern: string;
}

export interface FileModal {
  kind: 'file';
  save: boolean;
  title: string;
  initialName: string;
  filters: FileFilter[];
  defaultExtension: string;
  overwritePrompt?: boolean;
}

export type Modal = DialogModal | MessageModal | FileModal;

export interface Popup {
  serial: number;
  window: number;
  x: number;
  y: number;
  items?: MenuEntry[];
}

export interface Snapshot {
  seq: number;
  product: string;
  version: string;
  frame: Frame;
  windows: ChildWindow[];
  modals: Modal[];
  clipboard: { serial: number; text: string | null; svg: string | null };
  help: { serial: number; topic: string };
  print: { serial: number; window: number };
  popup?: Popup;
  // Save Picture as PNG: the page draws svg at width x height and answers with a 'picture' event.
  picture?: { serial: number; svg?: string; width?: number; height?: number };
}

// A wheel notch is a press of its own: away from the user (zoom in) or towards.
export type MouseAction = 'down' | 'move' | 'up' | 'wheel-up' | 'wheel-down';

export type UserEvent =
  | { type: 'command'; id: number }
  | { type: 'activate' | 'close-window' | 'minimize' | 'restore' | 'maximize'; window: number }
  | { type: 'move'; window: number; x: number; y: number; width: number; height: number }
  | { type: 'mouse'; action: MouseAction; button: 1 | 2; window: number; x: number; y: number }
  | { type: 'picture'; serial: number; data: string }
  | { type: 'set'; control: number; text: string }
  | { type: 'focus' | 'radio' | 'click'; control: number }
  | { type: 'check'; control: number; on: boolean }
  | { type: 'select'; control: number; index: number }
  | { type: 'slider'; control: number; pos: number }
  | { type: 'tree-select'; control: number; node: number }
  | { type: 'tree-expand'; control: number; node: number; on: boolean }
  | { type: 'tree-rename'; control: number; node: number; text: string }
  | { type: 'tree-drag'; control: number; node: number; target: number }
  | { type: 'enter' | 'escape' | 'close-dialog' | 'ok' | 'yes' | 'no' | 'cancel' }
  | { type: 'file'; path: string }
  | { type: 'clipboard'; text: string }
  | { type: 'client-size'; width: number; height: number; frameWidth?: number; frameHeight?: number };

export interface EventAnswer {
  ok: boolean;
  seq?: number;
  error?: string;
  status: number;
}

export interface FileListing {
  dir: string;
  // odd: the real name is not UTF-8; `name` shows it escaped and cannot open it.
  entries: { name: string; dir: boolean; size: number; odd?: boolean }[];
}

// Command ids the page itself needs to know.
export const Commands = {
  importClipboard: 40152,
  print: 40005,
  info: 40042,
  copy: 40011,
  duplicate: 40041,
  nextWindow: 40180,
} as const;
