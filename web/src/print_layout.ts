// Where a printed window goes on the page. Sizes in inches unless named pixels.

export const kScreenDpi = 96;
// The page the browser prints on: A4 less a 10 mm margin at every side.
export const kPrintableWidthIn = (210 - 20) / 25.4;
export const kPrintableHeightIn = (297 - 20) / 25.4;
// The resolution a printer surface is taken to have.
export const kPrinterDpi = 600;

export interface Placement {
  left: number;
  top: number;
  width: number;
  height: number;
}

// A plot: its client size in inches, shrunk by 0.9 until it fits the
// printable page, with the same margin at the left and at the top.
export function placePlot(widthPx: number, heightPx: number, pageWidth = kPrintableWidthIn, pageHeight = kPrintableHeightIn): Placement {
  let w = widthPx / kScreenDpi;
  let h = heightPx / kScreenDpi;
  while (w > pageWidth || h > pageHeight) {
    w *= 0.9;
    h *= 0.9;
  }
  const m = (pageWidth - w) / 2;
  return { left: m, top: m, width: w, height: h };
}

// A duplicated plot: its picture enlarged by the whole factor k that fits the
// printable width in printer pixels, square margins.
export function placePicture(widthPx: number, heightPx: number, pageWidth = kPrintableWidthIn): Placement | null {
  if (widthPx <= 0) return null;
  const printable = Math.floor(pageWidth * kPrinterDpi);
  const k = Math.floor(printable / widthPx);
  const m = (printable - k * widthPx) / 2;
  return { left: m / kPrinterDpi, top: m / kPrinterDpi, width: (k * widthPx) / kPrinterDpi, height: (k * heightPx) / kPrinterDpi };
}

// A report prints its non-empty lines, one under the other.
export function reportLines(text: string): string[] {
  return text.split(/\r?\n/).filter((line) => line.length > 0);
}
