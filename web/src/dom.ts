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
  const svg = document.importNode(root, true) as unknown as SVGSVGElement;
  isolateIds(svg);
  return svg;
}

let idCounter = 0;

// Gives the ids inside an SVG (clip paths) names no other picture on the page
// uses, and points the references at them; the same ids in two plots would
// otherwise clip one plot by the other's rectangles.
export function isolateIds(svg: SVGSVGElement): void {
  const prefix = `p${++idCounter}-`;
  const renamed = new Map<string, string>();
  svg.querySelectorAll('[id]').forEach((e) => {
    const fresh = prefix + e.id;
    renamed.set(e.id, fresh);
    e.id = fresh;
  });
  if (renamed.size === 0) return;
  svg.querySelectorAll('*').forEach((e) => {
    for (const attr of ['clip-path', 'mask', 'filter', 'fill', 'stroke', 'href']) {
      const value = e.getAttribute(attr);
      if (!value || !value.includes('#')) continue;
      e.setAttribute(attr, value.replace(/#([\w-]+)/g, (whole, id: string) => (renamed.has(id) ? `#${renamed.get(id)}` : whole)));
    }
  });
}
