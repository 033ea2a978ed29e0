// 练一练: a level and a count, then one made problem at a time; the pupil writes the working (for
// the 口算-like types only the answer), 批改 (or Ctrl+Enter) marks it, 再试一次, 再做一道相似的,
// 下一题, and the 练习报告 at the end. The round is the practice model's own saved text
// (pages/Practice): every step goes to the worker with it and comes back changed; kept in
// localStorage with what is typed, so a reload loses nothing. Wrong problems go into the 错题本.
import { button, el, labelled } from './dom.js';

const STORE = 'qimbel.web.practice';
const LEVELS = ['基础', '提高', '拓展'];
const COUNTS = [5, 10, 20];
const MOST_WORKING = 20000; // characters of working

const now = () => String(Math.floor(Date.now() / 1000));

export class PracticeRound {
  constructor(client, ctx) {
    this.client = client;
    this.ctx = ctx;
    this.kept = { state: '', working: '', type: 0, finished: false };
    this.view = null;
    this.busy = false;

    this.level = el('select', { id: 'pr-level' }, ...LEVELS.map((l, i) => el('option', { value: i }, l)));
    this.count = el('select', { id: 'pr-count' }, ...COUNTS.map((c) => el('option', { value: c }, `${c}道`)));
    this.refusal = el('p', { id: 'pr-refusal', class: 'status' });
    this.setup = el('div', { class: 'pr-setup' }, labelled('难度：', this.level), labelled('题数：', this.count),
      button('开始', 'pr-start', () => this.start(), true), this.refusal);

    this.progress = el('p', { id: 'pr-progress', class: 'pr-progress' });
    this.problem = el('div', { id: 'pr-problem', class: 'question' });
    this.working = el('textarea', { id: 'pr-working', class: 'text pr-working', spellcheck: 'false', autocomplete: 'off',
      autocapitalize: 'off', maxlength: MOST_WORKING, 'aria-label': '我的解答' });
    this.working.addEventListener('input', () => {
      this.kept.working = this.working.value;
      this.keep();
    });
    this.working.addEventListener('keydown', (event) => {
      if ((event.ctrlKey || event.metaKey) && event.key === 'Enter') {
        event.preventDefault();
        event.stopPropagation();
        this.mark();
      }
    });
    this.buttons = {
      mark: button('批改', 'pr-mark', () => this.mark(), true),
      retry: button('再试一次', 'pr-retry', () => this.step('practice-retry')),
      similar: button('再做一道相似的', 'pr-similar', () => this.step('practice-similar')),
      next: button('下一题', 'pr-next', () => this.step('practice-next')),
    };
    this.marked = el('pre', { id: 'pr-marked', class: 'nb-detail marked' });
    this.note = el('p', { id: 'pr-note', class: 'status', role: 'status' });
    this.work = el('div', { class: 'pr-work', hidden: '' }, this.progress, this.problem, this.working,
      el('div', { class: 'row-buttons' }, ...Object.values(this.buttons)), this.note, this.marked);

    this.report = el('pre', { id: 'pr-report', class: 'report' });
    this.end = el('div', { class: 'pr-end', hidden: '' }, this.report,
      el('div', { class: 'row-buttons' }, button('再练一轮', 'pr-again', () => this.again(), true)));

    this.title = el('h2', { id: 'pr-title' }, '练一练');
    this.dialog = el('dialog', { id: 'practice-dialog', class: 'dialog practice-dialog', 'aria-labelledby': 'pr-title' },
      this.title, this.setup, this.work, this.end,
      el('form', { method: 'dialog' }, el('button', { type: 'submit', id: 'pr-close' }, '关闭')));
    document.body.append(this.dialog);
    this.restore();
  }

  restore() {
    try {
      const kept = JSON.parse(localStorage.getItem(STORE) || 'null');
      if (kept && typeof kept.state === 'string' && typeof kept.working === 'string') Object.assign(this.kept, kept);
    } catch {
      /* a new round */
    }
  }

  keep() {
    try {
      localStorage.setItem(STORE, JSON.stringify(this.kept));
    } catch {
      this.note.textContent = '练习太长，无法保存在本机。';
    }
  }

  // Opens the round under way; a finished one (or none) asks for a new round of `type`.
  async open(type) {
    if (!this.dialog.open) this.dialog.showModal();
    if (this.kept.state && !this.kept.finished) {
      const answer = await this.client.call(['practice-show', now()], this.kept.state);
      if (!answer.error && answer.active) {
        this.show(answer, false);
        return;
      }
      this.refusal.textContent = answer.error || '';
    }
    if (type) this.kept.type = type;
    this.showSetup();
  }

  showSetup() {
    this.kept = { state: '', working: '', type: this.kept.type, finished: false };
    this.keep();
    const row = this.ctx.data.types.find((t) => t.type === this.kept.type);
    this.title.textContent = `练一练${row ? `：${row.caption}` : ''}`;
    this.setup.hidden = false;
    this.work.hidden = true;
    this.end.hidden = true;
    this.dialog.querySelector('#pr-start').focus();
  }

  again() {
    this.refusal.textContent = '';
    this.showSetup();
  }

  async start() {
    if (this.busy || !this.kept.type) return;
    this.busy = true;
    const seed = String(Date.now() % 1000000007);
    const answer = await this.client.call(['practice-start', this.kept.type, this.level.value, this.count.value, seed, now()]);
    this.busy = false;
    if (answer.error) {
      this.refusal.textContent = answer.error;
      return;
    }
    this.refusal.textContent = '';
    this.show(answer, true);
  }

  // The round as the model answered it; `fresh`: a new problem, its working as the model has it.
  show(answer, fresh) {
    this.view = answer;
    this.kept.state = answer.state;
    this.kept.finished = answer.finished;
    if (fresh) this.kept.working = answer.working || '';
    this.keep();
    this.setup.hidden = true;
    this.work.hidden = answer.finished;
    this.end.hidden = !answer.finished;
    if (answer.finished) {
      this.report.textContent = answer.report;
      return;
    }
    this.title.textContent = `练一练：${answer.typeName}`;
    this.progress.textContent = `第${answer.index + 1}题，共${answer.count}题${answer.similar ? '（相似的题）' : ''}`;
    this.problem.textContent = answer.problem;
    this.working.placeholder = answer.answerOnly ? '在这里写出答案，再按“批改”（Ctrl+Enter）。'
      : '在这里一步一步写出解答，每步一行，再按“批改”（Ctrl+Enter）。';
    if (this.working.value !== this.kept.working) this.working.value = this.kept.working;
    this.marked.textContent = answer.marked;
    this.marked.classList.toggle('right', answer.right);
    this.marked.classList.toggle('wrong', answer.wrong);
    this.buttons.retry.disabled = !answer.wrong;
    this.buttons.similar.disabled = !answer.wrong;
    this.buttons.next.textContent = answer.last ? '看练习报告' : '下一题';
    if (answer.message) this.note.textContent = answer.message;
    this.working.focus();
  }

  async mark() {
    if (this.busy || !this.view || this.view.finished) return;
    this.busy = true;
    const answer = await this.client.call(['practice-mark', now()], this.kept.state, this.working.value);
    this.busy = false;
    if (answer.error) {
      this.note.textContent = answer.error;
      return;
    }
    this.note.textContent = answer.message || (answer.filed > 0 ? '这道题已记入错题本。' : answer.right ? '做对了！' : '');
    this.show(answer, false);
  }

  async step(call) {
    if (this.busy || !this.view || this.view.finished) return;
    this.busy = true;
    const answer = await this.client.call([call, now()], this.kept.state);
    this.busy = false;
    if (answer.error) {
      this.note.textContent = answer.error;
      return;
    }
    this.note.textContent = '';
    this.show(answer, !answer.message);
  }
}
