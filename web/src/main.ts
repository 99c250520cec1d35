// The workbench page: renders the engine's snapshot of the desktop and sends
// the user's events back.
import { readClipboardText } from './clipboard';
import { Connection } from './connection';
import { Desktop } from './desktop';
import { LeaveGuard } from './leave_guard';
import { MenuBar } from './menu_bar';
import { ModalLayer } from './modal_layer';
import { PageActions } from './page_actions';
import { PopupMenu } from './popup_menu';
import { Commands, type Snapshot } from './protocol';
import { StatusBar } from './status_bar';
import { Toolbar } from './toolbar';
import { cycleWindows } from './window_cycle';

function byId(id: string): HTMLElement {
  return document.getElementById(id)!;
}

const connection = new Connection();

// A command from the menu, the toolbar or a popup. Import Clipboard first hands
// the engine the system clipboard's text.
async function command(id: number): Promise<void> {
  if (id === Commands.importClipboard) {
    const text = await readClipboardText();
    if (text !== null) await connection.send({ type: 'clipboard', text });
  }
  await connection.send({ type: 'command', id });
}

const actions = {
  command: (id: number) => void command(id),
  activateWindow: (id: number) => void connection.send({ type: 'activate', window: id }),
};
const menuBar = new MenuBar(byId('menubar'), actions);
const toolbar = new Toolbar(byId('toolbar'), actions.command);
const statusBar = new StatusBar(byId('statusbar'));
const desktop = new Desktop(byId('client'), connection, actions);
const modals = new ModalLayer(byId('modal-layer'), byId('app'), connection);
const pageActions = new PageActions((event) => void connection.send(event));
const leaveGuard = new LeaveGuard();

function render(snapshot: Snapshot): void {
  document.title = snapshot.frame.title;
  document.body.dataset.seq = String(snapshot.seq);
  menuBar.render(snapshot);
  toolbar.render(snapshot.frame.toolbar);
  statusBar.render(snapshot.frame.status);
  desktop.render(snapshot);
  modals.render(snapshot);
  pageActions.render(snapshot);
  leaveGuard.render(snapshot);
}

connection.onSnapshot(render);
connection.onProgress((status) => statusBar.showProgress(status));
// Escape while the engine computes stops the computation, whatever has the focus.
document.addEventListener(
  'keydown',
  (e) => {
    if (e.key !== 'Escape' || !connection.computing) return;
    e.preventDefault();
    e.stopImmediatePropagation();
    connection.stop();
  },
  true,
);
connection.onLink((connected) => {
  const banner = byId('connection');
  banner.hidden = connected;
  banner.textContent = 'The connection to KORA is lost; reconnecting…';
  if (connected) void connection.fetchState();
});

document.addEventListener('keydown', (e) => {
  if (!modals.open && cycleWindows(e, connection.latest, (event) => void connection.send(event))) {
    e.preventDefault();
    return;
  }
  if (e.altKey && !modals.open && menuBar.key(e)) {
    e.preventDefault();
    return;
  }
  if (PopupMenu.current?.key(e)) {
    e.preventDefault();
    return;
  }
  if (!modals.open && !PopupMenu.current && menuBar.shortcut(e)) {
    e.preventDefault();
    return;
  }
  if (!modals.open && menuBar.key(e)) e.preventDefault();
});
// The desktop has its own popups; the browser's would only be in the way.
byId('app').addEventListener('contextmenu', (e) => {
  if (!(e.target instanceof HTMLTextAreaElement)) e.preventDefault();
});

connection.start();
