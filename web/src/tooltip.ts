// Tooltips as a desktop shows them: after a short rest of the mouse, below the pointer.
const kDelayMs = 450;

let timer = 0;

function tip(): HTMLElement {
  return document.getElementById('tooltip')!;
}

export function hideTooltip(): void {
  window.clearTimeout(timer);
  tip().hidden = true;
}

export function attachTooltip(element: HTMLElement, text: () => string): void {
  element.addEventListener('pointerenter', (e) => {
    window.clearTimeout(timer);
    const x = e.clientX;
    const y = e.clientY;
    timer = window.setTimeout(() => {
      const content = text();
      if (!content || !element.isConnected) return;
      const t = tip();
      t.textContent = content;
      t.hidden = false;
      const box = t.getBoundingClientRect();
      t.style.left = `${Math.min(x, window.innerWidth - box.width - 4)}px`;
      t.style.top = `${y + 20}px`;
    }, kDelayMs);
  });
  element.addEventListener('pointerleave', hideTooltip);
  element.addEventListener('pointerdown', hideTooltip);
}
