// The 统计图初步 page: a table typed into an HTML table, drawn as a bar, line or pie chart, or a
// frequency distribution (typed into the 频率分布直方图数据 form) drawn as a histogram. The page
// copies the table into a request; the chart builders in the worker decide everything, and the
// page shows the picture they lay out for the picture area's size.
import { createPicture, drawPicture, savePng, saveSvg } from './svg.js';

const STORE = 'qimbel.web.charts';
// Empty rows and columns kept after the table, to type into.
const SPARE_ROWS = 2;
const SPARE_COLUMNS = 2;
// An empty table (after 清空) still has room for a heading row, two rows of data and six columns.
const LEAST_ROWS = 4;
const LEAST_COLUMNS = 7;
const LEAST_WIDTH = 600;
const HISTOGRAM_TITLE = '频数分布直方图'; // the bars are counts, as the axis says
const REPLACE_QUESTION = '直方图的分组会替换表格中的数据和标题，原来的表格不能恢复。要替换吗？';

// A table as its cells say, without empty cells at the ends of rows and empty rows at the end.
function trimmed(table) {
  const rows = table.map((row) => {
    let end = row.length;
    while (end > 0 && !row[end - 1]) --end;
    return row.slice(0, end);
  });
  while (rows.length && !rows[rows.length - 1].length) rows.pop();
  return rows;
}
const sameTable = (a, b) => JSON.stringify(trimmed(a)) === JSON.stringify(trimmed(b));

function make(tag, attributes = {}, text) {
  const node = document.createElement(tag);
  Object.assign(node, attributes);
  if (text !== undefined) node.textContent = text;
  return node;
}

export class ChartsPage {
  constructor(engine) {
    this.engine = engine;
    this.last = null; // the request of the picture shown: it is asked again when the size changes
    this.build();
  }

  build() {
    const s = (this.section = make('main', { id: 'charts-page', className: 'picture-page charts-page', hidden: true }));
    const top = make('div', { className: 'title-row' });
    this.title = make('input', { id: 'chart-title', type: 'text', autocomplete: 'off' });
    top.append(make('label', { htmlFor: 'chart-title' }, '标题'), this.title);
    this.tableBox = make('div', { className: 'table-box' });
    this.table = make('table', { id: 'chart-table', className: 'chart-table' });
    this.tableBox.append(this.table);
    const button = (text, id, onClick, primary) => {
      const b = make('button', { type: 'button', id, className: primary ? 'primary' : '' }, text);
      b.addEventListener('click', onClick);
      return b;
    };
    const buttons = make('div', { className: 'button-row chart-buttons' });
    buttons.append(
      button('条形统计图', 'chart-bar', () => this.chart('bar'), true),
      button('折线统计图', 'chart-line', () => this.chart('line'), true),
      button('扇形统计图', 'chart-pie', () => this.chart('pie'), true),
      button('频率分布直方图', 'chart-histogram', () => this.openFrequency(), true),
      button('增加一行', 'chart-add-row', () => this.addRow()),
      button('增加一列', 'chart-add-column', () => this.addColumn()),
      button('清空', 'chart-clear', () => this.clear()),
      button('保存SVG', 'chart-save-svg', () => saveSvg(this.svg, '统计图')),
      button('保存PNG', 'chart-save-png', () => savePng(this.svg, '统计图')));
    this.holder = make('div', { className: 'picture-holder' });
    this.svg = createPicture('统计图');
    this.svg.id = 'chart-picture';
    this.holder.append(this.svg);
    this.note = make('div', { id: 'chart-note', className: 'status', role: 'status' });
    s.append(top, make('h2', { className: 'side-heading' }, '数据分析'), this.tableBox, buttons, this.holder, this.note);
    s.append(this.buildFrequencyDialog(), this.buildReplaceDialog());
    this.table.addEventListener('input', () => this.keep());
    this.title.addEventListener('input', () => this.keep());
    new ResizeObserver(() => this.fit()).observe(this.holder);
    window.addEventListener('resize', () => this.fit());
  }

  // The dialog 频率分布直方图数据: raw data and a class width; 确定 draws only when the core
  // found a distribution, else it says why and stays open; 取消 changes nothing.
  buildFrequencyDialog() {
    const d = (this.dialog = make('dialog', { id: 'frequency-dialog', className: 'dialog' }));
    const form = make('form', { method: 'dialog', className: 'frequency-form' });
    this.data = make('textarea', { id: 'frequency-data', rows: 8, placeholder: '原始数据，数与数之间用空格、逗号或换行隔开' });
    this.data.setAttribute('aria-label', '原始数据');
    this.width = make('input', { id: 'frequency-width', type: 'text', inputMode: 'decimal', autocomplete: 'off' });
    const widthRow = make('div', { className: 'title-row' });
    widthRow.append(make('label', { htmlFor: 'frequency-width' }, '组距'), this.width);
    this.error = make('p', { id: 'frequency-error', className: 'status', role: 'alert' });
    const ok = make('button', { type: 'submit', id: 'frequency-ok', className: 'primary', value: 'ok' }, '确定');
    const cancel = make('button', { type: 'button', id: 'frequency-cancel' }, '取消');
    cancel.addEventListener('click', () => d.close());
    const row = make('div', { className: 'button-row dialog-buttons' });
    row.append(ok, cancel);
    form.append(make('h2', {}, '频率分布直方图数据'), this.data, widthRow, make('p', {}, '每组含下限，不含上限。'), this.error, row);
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.acceptFrequency();
    });
    // Enter confirms in the data box too (a pasted column keeps its line breaks; Shift+Enter
    // starts a new line by hand).
    this.data.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && !event.shiftKey) {
        event.preventDefault();
        this.acceptFrequency();
      }
    });
    this.data.addEventListener('input', () => this.showDefaultWidth());
    d.append(form);
    return d;
  }

  // The question before a histogram replaces the pupil's own table: 替换 or 取消.
  buildReplaceDialog() {
    const d = (this.replaceDialog = make('dialog', { id: 'replace-dialog', className: 'dialog' }));
    const form = make('form', { method: 'dialog', className: 'frequency-form' });
    const row = make('div', { className: 'button-row dialog-buttons' });
    row.append(make('button', { type: 'submit', id: 'replace-ok', className: 'primary', value: 'yes' }, '替换'),
      make('button', { type: 'submit', id: 'replace-cancel', value: 'no' }, '取消'));
    form.append(make('h2', {}, '频率分布直方图'), make('p', { className: 'message-text' }, REPLACE_QUESTION), row);
    d.append(form);
    return d;
  }

  // Whether the pupil says yes to replacing the table and title (Esc is no).
  askToReplace() {
    return new Promise((resolve) => {
      const d = this.replaceDialog;
      d.returnValue = '';
      d.addEventListener('close', () => resolve(d.returnValue === 'yes'), { once: true });
      d.showModal();
      d.querySelector('#replace-cancel').focus();
    });
  }

  // The table or the title holds something of the pupil's own: not what the page started with,
  // nor what the last histogram wrote.
  holdsOwnWork() {
    const table = this.cells();
    const title = this.title.value.trim();
    const start = this.defaults || { title: '', table: [] };
    const ownTable = table.some((row) => row.some((c) => c !== '')) && !sameTable(table, start.table)
      && !(this.histogramGrid && sameTable(table, this.histogramGrid));
    const ownTitle = title !== '' && title !== start.title && title !== HISTOGRAM_TITLE;
    return ownTable || ownTitle;
  }

  async showDefaultWidth() {
    const data = this.data.value;
    const answer = await this.call(`classwidth\n${data}`);
    if (this.data.value !== data || !answer) return;
    this.width.placeholder = answer.width ? `不填就用 ${answer.width}` : '';
  }

  openFrequency() {
    this.error.textContent = '';
    this.dialog.showModal();
    this.data.focus();
  }

  async acceptFrequency() {
    const title = HISTOGRAM_TITLE;
    const body = `${title}\n${this.width.value.trim()}\n${this.data.value}`;
    const request = (width, height) => `histogram ${width} ${height}\n${body}`;
    const answer = await this.call(request(...this.size()));
    if (!answer) return;
    if (answer.error) {
      this.error.textContent = answer.error;
      return;
    }
    this.dialog.close();
    // The pupil's own table and title go only when the pupil says so.
    if (this.holdsOwnWork() && !(await this.askToReplace())) return;
    this.title.value = title;
    this.setTable(answer.grid);
    this.histogramGrid = answer.grid;
    this.last = request;
    this.show(answer, `共${answer.total}个数据，组距${answer.width}。`, true);
    this.keep();
  }

  // ---- the table ----

  cells() {
    return [...this.table.rows].map((row) => [...row.cells].map((cell) => cell.firstChild.value.trim().replace(/\t/g, ' ')));
  }

  cell(r, c, value) {
    const td = make('td');
    const input = make('input', { type: 'text', value: value || '', autocomplete: 'off', spellcheck: false });
    input.setAttribute('aria-label', `第${r + 1}行第${c + 1}列`);
    if (r === 0 || c === 0) td.className = 'heading';
    td.append(input);
    return td;
  }

  // The table without its empty rows and columns at the end, then spare ones after it.
  setTable(table) {
    const rows = trimmed(table);
    const height = Math.max(rows.length + SPARE_ROWS, LEAST_ROWS);
    const width = Math.max(Math.max(0, ...rows.map((r) => r.length)) + SPARE_COLUMNS, LEAST_COLUMNS);
    const body = [];
    for (let r = 0; r < height; ++r) {
      const tr = make('tr');
      for (let c = 0; c < width; ++c) tr.append(this.cell(r, c, rows[r] && rows[r][c]));
      body.push(tr);
    }
    this.table.replaceChildren(...body);
  }

  addRow() {
    const r = this.table.rows.length;
    const width = r ? this.table.rows[0].cells.length : 1;
    const tr = make('tr');
    for (let c = 0; c < width; ++c) tr.append(this.cell(r, c));
    this.table.append(tr);
    tr.cells[0].firstChild.focus();
  }

  addColumn() {
    if (!this.table.rows.length) return this.addRow();
    const c = this.table.rows[0].cells.length;
    [...this.table.rows].forEach((tr, r) => tr.append(this.cell(r, c)));
    this.table.rows[0].cells[c].firstChild.focus();
    return undefined;
  }

  clear() {
    this.setTable([]);
    // The title belongs to the table that went.
    this.title.value = '';
    this.keep();
  }

  // ---- the picture ----

  // As wide as the page; as high as the window leaves below the buttons, within reason. A narrow
  // screen (a phone) gets the picture laid out for LEAST_WIDTH pixels and shown smaller: six pies
  // side by side need the width, and the SVG stays sharp when the pupil zooms in.
  size() {
    const shown = Math.max(1, Math.floor(this.holder.clientWidth));
    const width = Math.max(LEAST_WIDTH, shown);
    const room = window.innerHeight - (this.holder.getBoundingClientRect().top + window.scrollY) - 48;
    const height = shown < LEAST_WIDTH ? Math.round(width * 0.62) : Math.max(280, Math.min(Math.round(width * 0.62), 640, Math.floor(room)));
    return [width, height];
  }

  fit() {
    if (this.section.hidden || !this.last || !this.shown) return;
    const [width, height] = this.size();
    if (this.shown.width !== width || this.shown.height !== height) this.redraw();
  }

  chart(kind) {
    const rows = this.cells().map((row) => row.join('\t')).join('\n');
    const title = this.title.value.replace(/\n/g, ' ');
    this.last = (width, height) => `chart ${kind} ${width} ${height}\n${title}\n${rows}`;
    this.redraw();
  }

  async redraw() {
    const request = this.last;
    const answer = await this.call(request(...this.size()));
    if (!answer || request !== this.last) return;
    if (answer.error) this.note.textContent = answer.error;
    else this.show(answer, answer.note !== undefined ? answer.note : this.note.textContent);
  }

  // `ok`: the note only tells (共10个数据); otherwise it warns (data left out) and shows so.
  show(answer, note, ok = false) {
    this.shown = answer.picture;
    drawPicture(this.svg, answer.picture);
    this.note.textContent = note;
    this.note.classList.toggle('ok', ok);
  }

  async call(request) {
    try {
      return await this.engine.call('picture', [request]);
    } catch {
      this.note.textContent = '运算模块已重新启动，请再试一次。';
      return null;
    }
  }

  // The table and the title survive a reload.
  keep() {
    try {
      localStorage.setItem(STORE, JSON.stringify({ title: this.title.value, table: this.cells() }));
    } catch {
      /* kept for this visit only */
    }
  }

  async start() {
    // The table and the title the page starts with come from the core; a table that is still
    // them is no work of the pupil's.
    const answer = await this.call('defaults');
    if (answer && answer.table) this.defaults = { title: answer.title, table: answer.table };
    let kept = null;
    try {
      kept = JSON.parse(localStorage.getItem(STORE) || 'null');
    } catch {
      kept = null;
    }
    if (kept && Array.isArray(kept.table) && typeof kept.title === 'string') {
      this.title.value = kept.title;
      this.setTable(kept.table.map((row) => (Array.isArray(row) ? row.map(String) : [])));
      return;
    }
    if (this.defaults) {
      this.title.value = this.defaults.title;
      this.setTable(this.defaults.table);
    }
  }

  showPage() {
    this.section.hidden = false;
    if (!this.started) this.started = this.start().then(() => this.chart('bar'));
    else this.fit();
  }

  hide() {
    this.section.hidden = true;
  }
}
