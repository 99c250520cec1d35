// Actions the engine asks of the page by bumping a serial: write the
// clipboard, open the help, print a window, draw a picture as PNG. The
// serials seen at page load are taken as done, so a reload repeats nothing;
// only a picture the engine still waits for is drawn then.
import { pngOf, writeClipboard } from './clipboard';
import { printWindow } from './print';
import type { Snapshot, UserEvent } from './protocol';

// Help topics and their pages in the guide.
function helpPage(topic: string): string {
  return topic === 'help on help' ? '/help/using-help.html' : '/help/';
}

async function base64Of(blob: Blob): Promise<string> {
  const bytes = new Uint8Array(await blob.arrayBuffer());
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
}

export class PageActions {
  private seen: { clipboard: number; help: number; print: number } | null = null;
  private pictureDrawn = 0;

  constructor(private readonly send: (event: UserEvent) => void = () => {}) {}

  render(snapshot: Snapshot): void {
    const picture = snapshot.picture;
    if (picture?.svg && picture.serial !== this.pictureDrawn) {
      this.pictureDrawn = picture.serial;
      void pngOf(picture.svg)
        .then(base64Of)
        .then((data) => this.send({ type: 'picture', serial: picture.serial, data }))
        // An empty answer tells the engine the picture could not be drawn.
        .catch(() => this.send({ type: 'picture', serial: picture.serial, data: '' }));
    }
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
