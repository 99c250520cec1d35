// Small helpers to build elements tersely.

type Attrs = Record<string, string | number | boolean | undefined>;

export function h<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attrs: Attrs = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  for (const [key, value] of Object.entries(attrs)) {
    if (value === undefined || value === false) continue;
    if (key === 'class') element.className = String(value);
    else if (key === 'text') element.textContent = String(value);
    else element.setAttribute(key, value === true ? '' : String(value));
  }
  for (const child of children) element.append(child);
  return element;
}

export function clear(element: Element): void {
  while (element.firstChild) element.firstChild.remove();
}

// Sets text only when it differs, so selections and carets survive updates.
export function setText(element: Element, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

// Parses an SVG document from the engine into an element of this page.
export function parseSvg(markup: string): SVGSVGElement | null {
  const doc = new DOMParser().parseFromString(markup, 'image/svg+xml');
  const root = doc.documentElement;
  if (!root || root.nodeName !== 'svg' || doc.querySelector('parsererror')) return null;
  return document.importNode(root, true) as unknown as SVGSVGElement;
}
