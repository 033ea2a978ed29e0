// Printed pages of the exercise programs: each page the core laid out becomes one box of the
// printable area of an A4 page (15 mm margins), its texts where the layout put them, in a
// fixed-pitch face as the layout measured them. A box is exactly one sheet of paper, so the
// browser breaks pages where the layout did, never inside a problem.
import { el } from './dom.js';

const pt = (value) => `${value}pt`;

// The test paper and its key: pages of runs.
export function paperPages(paper) {
  return paper.pages.map((page) => {
    const box = el('div', { class: `print-page${page.key ? ' key' : ''}` });
    box.style.width = pt(paper.width);
    box.style.height = pt(paper.height);
    for (const run of page.runs) {
      const font = paper.fonts[run.font];
      const line = el('div', { class: `run ${run.font}${run.problem ? ' problem' : ''}` }, run.text);
      Object.assign(line.style, { left: pt(run.x), top: pt(run.y), fontSize: pt(run.size || font.size), lineHeight: pt((run.size || font.size) * font.line / font.size) });
      box.append(line);
    }
    return box;
  });
}

// The 口算 worksheet and answer sheet: a title, a subtitle and the columns of rows.
export function sheetPages(sheet) {
  return sheet.pages.map((page) => {
    const box = el('div', { class: 'print-page sheet' },
      el('div', { class: 'sheet-title' }, page.title), el('div', { class: 'sheet-subtitle' }, page.subtitle));
    box.style.width = pt(sheet.width);
    box.style.height = pt(sheet.height);
    const grid = el('div', { class: 'sheet-grid' });
    grid.style.gridTemplateColumns = `repeat(${Math.max(page.cells.length, 1)}, 1fr)`;
    grid.style.gridTemplateRows = `repeat(${sheet.rows}, 1fr)`;
    page.cells.forEach((column, c) => column.forEach((text, r) => {
      const cell = el('div', { class: 'sheet-cell problem' }, text);
      cell.style.gridColumn = String(c + 1);
      cell.style.gridRow = String(r + 1);
      grid.append(cell);
    }));
    box.append(grid);
    return box;
  });
}

// Prints `holder` alone: the rest of the site is hidden on paper while it prints.
export function printOnly(holder) {
  for (const other of document.querySelectorAll('.print-pages.chosen')) other.classList.remove('chosen');
  holder.classList.add('chosen');
  document.body.dataset.print = 'pages';
  const done = () => {
    delete document.body.dataset.print;
    window.removeEventListener('afterprint', done);
  };
  window.addEventListener('afterprint', done);
  window.print();
}
