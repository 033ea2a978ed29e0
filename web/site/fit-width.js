// A block of fixed-pitch text (a test paper, its key) that keeps its lines as the core wrote them
// is shown smaller on a narrow screen, so that every column stays in view instead of running off
// the right edge; the pupil can still zoom in. Below the least size it scrolls sideways.
const LEAST = 8; // px

function fit(node) {
  node.style.fontSize = '';
  if (node.hidden || node.clientWidth === 0) return;
  const base = parseFloat(getComputedStyle(node).fontSize);
  // Glyph widths round to whole pixels at some sizes: a few tries, each from the measured width.
  for (let size = base, tries = 0; tries < 4 && node.scrollWidth > node.clientWidth && size > LEAST; ++tries) {
    size = Math.max(LEAST, Math.floor((size * node.clientWidth * 10) / node.scrollWidth) / 10);
    node.style.fontSize = `${size}px`;
  }
}

// Fits `nodes` now and whenever their width changes.
export function fitWidth(...nodes) {
  for (const node of nodes) {
    fit(node);
    if (node.fitWatch) continue;
    let width = node.clientWidth;
    node.fitWatch = new ResizeObserver(() => {
      if (node.clientWidth === width) return;
      width = node.clientWidth;
      fit(node);
    });
    node.fitWatch.observe(node);
  }
}
