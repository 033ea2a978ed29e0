// The page 错题本: today's due entries first, filters by type, slip and date, 重做 (marked at
// once), 举一反三, the slips by kind as a chart, 打印错题本, 删除, 导出 and 导入. What it lists,
// marks, prints and imports the notebook model decides (NotebookWeb.cpp); the page shows it.
import { button, el, labelled } from './dom.js';
import { paperPages, printOnly } from './print-pages.js';
import { createPicture, drawPicture } from './svg.js';

const DATES = [['全部日期', -1], ['最近一周', 6], ['最近一个月', 29]];
const MOST_IMPORT = 256 * 1024 * 1024; // bytes: as the model reads at most
const SHOWN_TEXT = 20000; // characters of a marked working shown

export class NotebookPage {
  constructor(client, ctx) {
    this.client = client;
    this.ctx = ctx;
    this.selected = 0;
    this.listed = null;

    this.status = el('p', { id: 'nb-status', class: 'nb-status' });
    this.message = el('div', { id: 'nb-message', class: 'status', role: 'status', 'aria-live': 'polite' });
    this.type = el('select', { id: 'nb-type' });
    this.slip = el('select', { id: 'nb-slip' });
    this.date = el('select', { id: 'nb-date' }, ...DATES.map(([caption, days]) => el('option', { value: days }, caption)));
    for (const box of [this.type, this.slip, this.date]) box.addEventListener('change', () => this.refresh());
    const filters = el('div', { class: 'nb-filters' }, labelled('题型：', this.type), labelled('错误：', this.slip), labelled('日期：', this.date));

    this.list = el('ul', { id: 'nb-list', class: 'nb-list', 'aria-label': '错题' });
    this.chart = createPicture('错误的种类');
    this.chart.id = 'nb-chart';
    this.chartBox = el('figure', { class: 'nb-chart', hidden: '' }, this.chart);

    this.detail = el('pre', { id: 'nb-detail', class: 'nb-detail' });
    this.redoProblem = el('div', { id: 'nb-redo-problem', class: 'question' });
    this.redoText = el('textarea', { id: 'nb-redo-text', class: 'text nb-redo-text', spellcheck: 'false', autocomplete: 'off',
      autocapitalize: 'off', placeholder: '重做：在题目下面一步一步写出解答，再按“批改”（Ctrl+Enter）。', 'aria-label': '重做的解答' });
    this.redoText.addEventListener('keydown', (event) => {
      if ((event.ctrlKey || event.metaKey) && event.key === 'Enter') {
        event.preventDefault();
        event.stopPropagation();
        this.markRedo();
      }
    });
    this.redoMarked = el('pre', { id: 'nb-redo-marked', class: 'nb-detail marked' });
    this.redoVerdict = el('p', { id: 'nb-redo-verdict', class: 'nb-verdict' });
    this.redoBox = el('div', { class: 'nb-redo', hidden: '' }, this.redoProblem, this.redoText,
      el('div', { class: 'row-buttons' }, button('批改', 'nb-redo-mark', () => this.markRedo(), true),
        button('取消', 'nb-redo-cancel', () => { this.redoBox.hidden = true; })),
      this.redoVerdict, this.redoMarked);
    this.similarBox = el('div', { id: 'nb-similar', class: 'nb-similar', hidden: '' });

    this.file = el('input', { type: 'file', id: 'nb-file', accept: '.json,application/json', hidden: '' });
    this.file.addEventListener('change', () => this.importFile());
    this.buttons = {
      redo: button('重做', 'nb-redo', () => this.startRedo(), true),
      similar: button('举一反三', 'nb-similar-button', () => this.similar()),
      remove: button('删除', 'nb-delete', () => this.remove()),
      print: button('打印错题本', 'nb-print', () => this.print()),
      exportButton: button('导出', 'nb-export', () => this.exportFile()),
      importButton: button('导入', 'nb-import', () => this.file.click()),
    };
    const actions = el('div', { class: 'nb-actions' }, this.buttons.redo, this.buttons.similar, this.buttons.remove,
      el('span', { class: 'grow' }), this.buttons.print, this.buttons.exportButton, this.buttons.importButton, this.file);
    const left = el('div', { class: 'nb-left' }, filters, this.list);
    const right = el('div', { class: 'nb-right' }, this.detail, this.redoBox, this.similarBox);
    this.printHolder = el('div', { class: 'print-pages', id: 'nb-print-pages' });
    this.root = el('section', { id: 'notebook', class: 'notebook', 'aria-label': '错题本', hidden: '' },
      el('h2', { class: 'title' }, '错题本'), this.status, this.message, actions, el('div', { class: 'nb-body' }, left, right, this.chartBox),
      el('p', { class: 'nb-privacy' }, '错题本只保存在这个浏览器里，不会发送到任何地方。换电脑或浏览器时，请用“导出”和“导入”。'));
    document.addEventListener('qimbel:notebook-changed', () => {
      if (!this.root.hidden) this.refresh();
    });
  }

  say(text, ok = false) {
    this.message.textContent = text;
    this.message.classList.toggle('ok', ok);
  }

  words(call) {
    return [call, this.type.value || 0, this.date.value];
  }

  async refresh() {
    const listed = await this.client.call(this.words('list'), this.slip.value);
    if (listed.error) {
      this.say(listed.error);
      return;
    }
    this.listed = listed;
    this.status.textContent = listed.status;
    const keep = (select, first, options, chosen) => {
      select.replaceChildren(el('option', { value: first[1] }, first[0]),
        ...options.map(([caption, value]) => el('option', { value }, caption)));
      select.value = options.some(([, value]) => String(value) === String(chosen)) ? chosen : first[1];
    };
    keep(this.type, ['全部题型', '0'], listed.types.map((t) => [`${t.name}（${t.count}）`, t.type]), this.type.value);
    keep(this.slip, ['全部错误', ''], listed.slips.map((s) => [`${s.name}（${s.count}）`, s.name]), this.slip.value);
    if (!listed.entries.some((e) => e.id === this.selected)) this.selected = listed.entries.length ? listed.entries[0].id : 0;
    this.list.replaceChildren(...listed.entries.map((entry) => {
      const item = el('li', {},
        el('button', { type: 'button', class: `nb-entry${entry.due ? ' due' : ''}${entry.mastered ? ' mastered' : ''}`,
          id: `nb-entry-${entry.id}`, 'aria-pressed': String(entry.id === this.selected) },
        el('span', { class: 'nb-when' }, `【${entry.when}】`), el('span', { class: 'nb-problem' }, entry.problem),
        el('span', { class: 'nb-meta' }, `${entry.typeName}　错在第${entry.wrongStep}步：${entry.slip}`)));
      item.firstChild.addEventListener('click', () => this.select(entry.id));
      return item;
    }));
    this.chartBox.hidden = !listed.chart;
    if (listed.chart) drawPicture(this.chart, listed.chart);
    await this.showSelected();
  }

  entry() {
    return this.listed && this.listed.entries.find((e) => e.id === this.selected);
  }

  select(id) {
    this.selected = id;
    for (const b of this.list.querySelectorAll('.nb-entry')) b.setAttribute('aria-pressed', String(b.id === `nb-entry-${id}`));
    this.redoBox.hidden = true;
    this.similarBox.hidden = true;
    return this.showSelected();
  }

  // The list holds what it shows; the chosen entry's whole text is asked for when shown.
  async showSelected() {
    const entry = this.entry();
    for (const b of [this.buttons.redo, this.buttons.similar, this.buttons.remove]) b.disabled = !entry;
    if (!entry) {
      this.redoBox.hidden = true;
      this.detail.textContent = '';
      return;
    }
    const shown = await this.client.call(['show', entry.id]);
    if (this.selected === entry.id) this.detail.textContent = shown.error || shown.detail;
  }

  startRedo() {
    const entry = this.entry();
    if (!entry) return;
    this.redoProblem.textContent = entry.problem;
    this.redoText.value = '';
    this.redoMarked.textContent = '';
    this.redoVerdict.textContent = '';
    this.redoBox.hidden = false;
    this.redoText.focus();
  }

  async markRedo() {
    const entry = this.entry();
    if (!entry || this.redoBox.hidden) return;
    const id = entry.id;
    const answer = await this.client.call(['redo', id], this.redoText.value);
    if (answer.error) {
      this.say(answer.error);
      return;
    }
    this.redoMarked.textContent = (answer.marked || '').slice(0, SHOWN_TEXT);
    this.redoVerdict.textContent = answer.ok ? answer.verdict : answer.message;
    this.redoVerdict.classList.toggle('ok', Boolean(answer.right));
    const box = this.redoBox;
    await this.refresh();
    if (this.selected === id) box.hidden = false;
  }

  async similar() {
    const entry = this.entry();
    if (!entry) return;
    const answer = await this.client.call(['similar', entry.id]);
    this.similarBox.hidden = false;
    if (answer.error) {
      this.similarBox.replaceChildren(el('p', {}, answer.error));
      return;
    }
    this.similarBox.replaceChildren(el('h3', {}, `举一反三：和“${entry.problem}”相似的题`),
      el('ol', {}, ...answer.problems.map((p) => el('li', {}, p))));
  }

  async remove() {
    const entry = this.entry();
    if (!entry || !window.confirm(`从错题本中删除“${entry.problem}”？`)) return;
    const answer = await this.client.call(['delete', entry.id]);
    this.say(answer.error || answer.message || '已删除。', !answer.error && !answer.message);
    await this.refresh();
  }

  async print() {
    const paper = await this.client.call(this.words('paper'), this.slip.value);
    if (paper.error) {
      this.say(paper.error);
      return;
    }
    // The printed pages stand with those of the other programs, which printing shows alone.
    const more = document.getElementById('more');
    if (more && this.printHolder.parentElement !== more) more.append(this.printHolder);
    this.printHolder.replaceChildren(...paperPages(paper));
    this.printHolder.dataset.pages = String(paper.pages.length);
    printOnly(this.printHolder);
  }

  async exportFile() {
    const answer = await this.client.call(['export']);
    if (answer.error) {
      this.say(answer.error);
      return;
    }
    const url = URL.createObjectURL(new Blob([answer.json], { type: 'application/json' }));
    const link = el('a', { href: url, download: `错题本-${this.listed ? this.listed.today : ''}.json` });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
    this.say('错题本已导出（在浏览器的下载文件夹里）。', true);
  }

  async importFile() {
    const file = this.file.files[0];
    this.file.value = '';
    if (!file) return;
    if (file.size > MOST_IMPORT) {
      this.say('这个文件不能导入，错题本没有改动：文件太大。');
      return;
    }
    let text;
    try {
      // A file that is not UTF-8 is refused as a whole, never read in part.
      text = new TextDecoder('utf-8', { fatal: true }).decode(await file.arrayBuffer());
    } catch {
      this.say('这个文件不能导入，错题本没有改动：它不是错题本导出的文件。');
      return;
    }
    const answer = await this.client.call(['import'], text);
    this.say(answer.error || answer.message, Boolean(answer.ok) && !answer.unsaved);
    await this.refresh();
  }
}
