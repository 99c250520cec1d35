// Actions the engine asks of the page by bumping a serial: write the
// clipboard, open the help, print a window. The serials seen at page load are
// taken as done, so a reload repeats nothing.
import { writeClipboard } from './clipboard';
import { printWindow } from './print';
import type { Snapshot } from './protocol';

// Help topics and their pages in the guide.
function helpPage(topic: string): string {
  return topic === 'help on help' ? '/help/using-help.html' : '/help/';
}

export class PageActions {
  private seen: { clipboard: number; help: number; print: number } | null = null;

  render(snapshot: Snapshot): void {
    const now = { clipboard: snapshot.clipboard.serial, help: snapshot.help.serial, print: snapshot.print.serial };
    const before = this.seen;
    this.seen = now;
    if (!before) return;
    if (now.clipboard !== before.clipboard) void writeClipboard(snapshot.clipboard.text, snapshot.clipboard.svg);
    if (now.help !== before.help) window.open(helpPage(snapshot.help.topic), '_blank');
    if (now.print !== before.print) {
      const target = snapshot.windows.find((w) => w.id === snapshot.print.window);
      if (target) printWindow(target);
    }
  }
}
