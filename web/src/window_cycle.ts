// Ctrl+F6 makes the next window active and Ctrl+Shift+F6 the previous one, as
// on a desktop. The engine keeps the stacking order: forwards it sends the
// active window behind the others (Window > Next Window); backwards the
// hindmost window comes to the front.
import { Commands, type Snapshot, type UserEvent } from './protocol';

export function cycleWindows(e: KeyboardEvent, snapshot: Snapshot | null, send: (event: UserEvent) => void): boolean {
  if (e.key !== 'F6' || !e.ctrlKey || e.altKey || e.metaKey || !snapshot || snapshot.windows.length === 0) return false;
  if (!e.shiftKey) {
    send({ type: 'command', id: Commands.nextWindow });
  } else {
    const hindmost = snapshot.windows.reduce((a, b) => (b.z > a.z ? b : a));
    send({ type: 'activate', window: hindmost.id });
  }
  return true;
}
