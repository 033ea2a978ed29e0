// Showing the working: the text is laid out for a fixed-pitch font in which a Chinese character
// (two GBK bytes) is two columns wide. Each run of wide characters gets exactly that width, so
// the columns line up whatever CJK font the system has. Long texts are shown in slices, one
// slice per task, so the page stays responsive.
const LINES_PER_SLICE = 100;

const ESCAPES = { '&': '&amp;', '<': '&lt;', '>': '&gt;' };
const escape = (text) => text.replace(/[&<>]/g, (c) => ESCAPES[c]);

// One line as HTML: ASCII as it is, every run of other characters in a box of two columns each.
export function lineHtml(line) {
  let html = '';
  let last = 0;
  for (const match of line.matchAll(/[^\x00-\x7f]+/g)) {
    html += escape(line.slice(last, match.index));
    const run = match[0];
    const columns = 2 * [...run].length;
    html += `<span class="w" style="width:${columns}ch">${escape(run)}</span>`;
    last = match.index + run.length;
  }
  return html + escape(line.slice(last));
}

let generation = 0;

// Fills `box` with the text; returns a promise that settles when the last slice is shown. A
// newer call abandons an older one that is still showing.
export function showText(box, text) {
  const mine = ++generation;
  box.replaceChildren();
  const lines = text.split('\n');
  return new Promise((resolve) => {
    let at = 0;
    const step = () => {
      if (mine !== generation) return resolve(false);
      const pre = document.createElement('pre');
      const slice = lines.slice(at, at + LINES_PER_SLICE);
      pre.innerHTML = slice.map(lineHtml).join('\n');
      box.append(pre);
      at += LINES_PER_SLICE;
      if (at < lines.length) setTimeout(step, 0);
      else resolve(true);
    };
    step();
  });
}

// Fills `box` with the typeset working: `count` fragments of HTML with MathML from the core's
// typesetter, which stay in the worker. Each stands as an empty box of about its height until it
// comes near the window, and is fetched then, so a long working costs the page only what is
// looked at. `fetchPiece(i)` gives a promise of the HTML of fragment i.
let observer = null;

export function showFragments(box, count, rows, fetchPiece) {
  const mine = ++generation;
  if (observer) observer.disconnect();
  const index = new Map();
  const fill = (piece) => {
    const i = index.get(piece);
    index.delete(piece);
    return fetchPiece(i).then((html) => {
      if (mine !== generation) return;
      piece.innerHTML = html;
      piece.style.minHeight = '';
      fitPiece(piece);
    });
  };
  observer = new IntersectionObserver((entries) => {
    for (const entry of entries) {
      if (!entry.isIntersecting || !index.has(entry.target)) continue;
      observer.unobserve(entry.target);
      fill(entry.target);
    }
  }, { rootMargin: '1000px 0px' });
  const pieces = Array.from({ length: count }, (_, i) => {
    const piece = document.createElement('div');
    piece.className = 'typeset-piece';
    piece.style.minHeight = `${Math.max(1, rows[i] || 1) * 32}px`;
    index.set(piece, i);
    return piece;
  });
  box.replaceChildren(...pieces);
  for (const piece of pieces) observer.observe(piece);
  fillAll = () => Promise.all([...index.keys()].map(fill));
}

let fillAll = () => Promise.resolve();

// Every piece of the typeset working filled in, for printing.
export function showAll() {
  return fillAll();
}

// Marks stand right after their steps. A piece too wide for its box sets each step label on a
// row of its own under its step; one that fits keeps the labels in a column beside the steps.
export function fitPiece(piece) {
  for (const mark of piece.querySelectorAll('td.mark')) markBesideStep(mark);
  piece.classList.remove('narrow');
  if (piece.scrollWidth <= piece.clientWidth + 1) return;
  piece.classList.add('narrow');
  for (const label of piece.querySelectorAll('td.label')) breakable(label);
}

// The ✓ or ✗ of a step moves from its column into the step's own cell, right after the step,
// however far a long sentence or a label of another row reaches.
function markBesideStep(mark) {
  const cells = [...mark.parentElement.children].filter((c) => !c.matches('.label, .mark'));
  const step = cells[cells.length - 1];
  if (!step) return;
  const sign = document.createElement('span');
  sign.className = mark.className;
  sign.style.cssText = mark.style.cssText;
  sign.style.paddingLeft = '0.6em';
  sign.textContent = mark.textContent;
  (step.querySelector('pre') || step).append(sign);
  mark.remove();
}

// A label under its step may take several rows: its words become text, which breaks between
// characters, and each maths part a formula of its own, which never breaks.
function breakable(cell) {
  const math = cell.querySelector(':scope > math');
  if (!math) return;
  const parts = [];
  for (const child of [...math.children]) {
    if (child.localName === 'mtext') {
      parts.push(document.createTextNode(child.textContent));
    } else {
      const alone = document.createElementNS(math.namespaceURI, 'math');
      alone.append(child);
      parts.push(alone);
    }
  }
  math.replaceWith(...parts);
}

function fitAll() {
  for (const piece of document.querySelectorAll('.typeset-piece')) fitPiece(piece);
}

// The width of the printed page: a sheet of A4 between its margins, in CSS pixels.
const PRINT_WIDTH = '680px';

let refit = 0;
window.addEventListener('resize', () => {
  cancelAnimationFrame(refit);
  refit = requestAnimationFrame(fitAll);
});
// On paper the pieces are as wide as the sheet: labels that fit beside their steps on screen may
// not fit there.
window.addEventListener('beforeprint', () => {
  for (const output of document.querySelectorAll('.output')) output.style.width = PRINT_WIDTH;
  fitAll();
});
window.addEventListener('afterprint', () => {
  for (const output of document.querySelectorAll('.output')) output.style.width = '';
  fitAll();
});
