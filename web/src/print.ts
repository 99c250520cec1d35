// Printing one window on one page, from a hidden frame.
import { placePicture, placePlot, reportLines, type Placement } from './print_layout';
import { WindowKind, type ChildWindow } from './protocol';

function escapeHtml(text: string): string {
  return text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]!);
}

function placed(p: Placement, inner: string): string {
  return `<div class="sheet-item" style="left:${p.left}in;top:${p.top}in;width:${p.width}in;height:${p.height}in">${inner}</div>`;
}

// The sized picture: the engine's painting stretched to the placement.
function picture(svg: string): string {
  return svg.replace(/<svg([^>]*?)\swidth="[^"]*"\s+height="[^"]*"/, '<svg$1 width="100%" height="100%" preserveAspectRatio="none"');
}

export function printDocument(w: ChildWindow): string {
  let content = '';
  if (w.kind === WindowKind.Plot && w.svg) {
    content = placed(placePlot(w.width, w.height), picture(w.svg));
  } else if (w.kind === WindowKind.DuplicatePlot && w.svg) {
    const size = /viewBox="0 0 ([\d.]+) ([\d.]+)"/.exec(w.svg);
    const p = size ? placePicture(Number(size[1]), Number(size[2])) : null;
    if (p) content = placed(p, picture(w.svg));
  } else {
    const lines = reportLines(w.text ?? '').map((l) => `<div class="line">${escapeHtml(l)}</div>`);
    content = `<div class="report">${lines.join('')}</div>`;
  }
  return `<!doctype html><html><head><meta charset="utf-8"><title>KORA</title><style>
@page { size: A4 portrait; margin: 10mm; }
html, body { margin: 0; padding: 0; }
.sheet { position: relative; width: 190mm; height: 277mm; overflow: hidden; }
.sheet-item { position: absolute; }
.sheet-item svg { display: block; }
.report { position: absolute; left: 4px; top: 0; font: 10pt 'Courier New', monospace; white-space: pre; }
.line { line-height: 1.2; }
</style></head><body><div class="sheet" data-window="${w.id}">${content}</div></body></html>`;
}

// Prints the window; the frame stays in the page until the next print.
export function printWindow(w: ChildWindow): void {
  document.getElementById('print-frame')?.remove();
  const frame = document.createElement('iframe');
  frame.id = 'print-frame';
  frame.setAttribute('aria-hidden', 'true');
  frame.style.cssText = 'position:fixed;right:0;bottom:0;width:0;height:0;border:0;visibility:hidden';
  frame.addEventListener('load', () => {
    frame.contentWindow?.focus();
    frame.contentWindow?.print();
  }, { once: true });
  frame.srcdoc = printDocument(w);
  document.body.append(frame);
}
