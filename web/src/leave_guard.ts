// Leaving the page (closing the tab, reloading, another address) asks first
// while the engine says some project holds changes it has not saved.
import type { Snapshot } from './protocol';

export class LeaveGuard {
  private unsaved = false;

  constructor() {
    window.addEventListener('beforeunload', (e) => {
      if (!this.unsaved) return;
      e.preventDefault();
      e.returnValue = '';
    });
  }

  render(snapshot: Snapshot): void {
    this.unsaved = snapshot.frame.unsaved === true;
  }
}
