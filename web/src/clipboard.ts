// The system clipboard: what the engine put on its clipboard goes there too
// (text, or a picture as PNG with its SVG), and Import Clipboard reads it.

// The picture drawn on a white canvas of its own size, as PNG.
export async function pngOf(svg: string): Promise<Blob> {
  const image = new Image();
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  try {
    image.src = url;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth || 640;
    canvas.height = image.naturalHeight || 480;
    const context = canvas.getContext('2d')!;
    context.fillStyle = '#ffffff';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, 0, 0);
    return await new Promise<Blob>((resolve, reject) =>
      canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no PNG'))), 'image/png'),
    );
  } finally {
    URL.revokeObjectURL(url);
  }
}

let latest = 0;

// Writes what the engine copied; a page without the focus may not write, and
// then writes when it gets the focus, unless something newer was copied since.
export async function writeClipboard(text: string | null, svg: string | null, serial = ++latest): Promise<void> {
  if (serial !== latest) return;
  try {
    if (text !== null) {
      await navigator.clipboard.writeText(text);
    } else if (svg !== null) {
      const png = pngOf(svg);
      const svgBlob = new Blob([svg], { type: 'image/svg+xml' });
      try {
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': png, 'image/svg+xml': svgBlob })]);
      } catch {
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
      }
    }
  } catch (error) {
    if (!document.hasFocus()) window.addEventListener('focus', () => void writeClipboard(text, svg, serial), { once: true });
    else console.warn('KORA: the clipboard cannot be written', error);
  }
}

// The clipboard's text, or null when it cannot be read.
export async function readClipboardText(): Promise<string | null> {
  try {
    return await navigator.clipboard.readText();
  } catch {
    return null;
  }
}
