// 出题 on every problem page: a level (基础, 提高, 拓展), 出一道题 (a made problem of the page's type
// goes below what the pupil typed, replacing nothing), 换一道 (the last made problem, while it
// stands as it was made, is swapped for another) and 举一反三 (five problems like the line under the
// caret, each with its worked solution a click away). The problems are the core maker's own.
import { el } from './dom.js';

const LEVEL_STORE = 'qimbel.web.makeLevel';
const SIMILAR_COUNT = 5;

function newSeed() {
  return Math.floor(Math.random() * 999999998) + 1;
}

// The text with `lines` put below what stands in it: on the last line when that is empty, else on
// a new line. A text that ends with a line break keeps ending with one (the working after it stays).
export function placeBelow(text, lines) {
  const made = lines.join('\n');
  if (text === '') return { text: made, at: 0 };
  if (text.endsWith('\n')) return { text: `${text}${made}\n`, at: text.length };
  return { text: `${text}\n${made}`, at: text.length + 1 };
}

// The paragraph under the caret (at most ten lines around it, up to empty lines) and the caret's
// line in it: the core takes that line, or for a system the whole paragraph. Null on an empty line.
export function paragraphAt(text, caret) {
  const lines = text.split('\n');
  const at = text.slice(0, caret).split('\n').length - 1;
  if (!(lines[at] || '').trim()) return null;
  let first = at;
  while (first > 0 && at - first < 9 && lines[first - 1].trim()) --first;
  let last = at;
  while (last + 1 < lines.length && last - first < 9 && lines[last + 1].trim()) ++last;
  return { lines: lines.slice(first, last + 1), row: at - first };
}

// Types `text` over start…end of the text box as the pupil would, so that the box's own undo
// (Ctrl+Z) takes it back; where the browser cannot, the text is set directly.
function typeInto(box, start, end, text) {
  box.focus();
  box.setSelectionRange(start, end);
  let typed = false;
  try {
    typed = document.execCommand('insertText', false, text);
  } catch {
    typed = false;
  }
  if (!typed || box.value.slice(start, start + text.length) !== text) box.setRangeText(text, start, end, 'end');
}

// ctx: {engine, text (the <textarea>), type(), busy(), edited() after the text changed, say(text, ok)}.
export class MakerBar {
  constructor(ctx, after) {
    this.ctx = ctx;
    this.types = new Map();
    this.seed = newSeed();
    this.last = null; // the last made problem: {at, text, type}
    const link = el('link', { rel: 'stylesheet', href: 'maker.css' });
    document.head.append(link);

    this.level = el('select', { id: 'make-level', 'aria-label': '难度' });
    let kept = 0;
    try {
      kept = Number(localStorage.getItem(LEVEL_STORE)) || 0;
    } catch {
      kept = 0;
    }
    this.level.addEventListener('change', () => {
      this.update();
      try {
        localStorage.setItem(LEVEL_STORE, this.level.value);
      } catch {
        /* this visit only */
      }
    });
    this.make = el('button', { type: 'button', id: 'make-one' }, '出一道题');
    this.again = el('button', { type: 'button', id: 'make-again' }, '换一道');
    this.similar = el('button', { type: 'button', id: 'make-similar', title: '出五道和光标所在行相似的题' }, '举一反三');
    this.make.addEventListener('click', () => this.makeOne());
    this.again.addEventListener('click', () => this.makeAnother());
    this.similar.addEventListener('click', () => this.showSimilar());
    // A press must not take the caret from the text box: 举一反三 reads the line under it.
    this.similar.addEventListener('mousedown', (e) => e.preventDefault());
    this.root = el('div', { class: 'maker-bar', id: 'maker-bar' }, this.level, this.make, this.again, this.similar);
    after.after(this.root);

    this.list = el('ol', { class: 'similar-list', id: 'similar-list' });
    this.caption = el('p', { class: 'similar-caption', id: 'similar-caption' });
    this.note = el('p', { class: 'similar-note', hidden: '' });
    const addAll = el('button', { type: 'button', id: 'similar-add-all', class: 'primary' }, '全部放进题目框');
    addAll.addEventListener('click', () => {
      this.insert(this.made.flatMap((p) => p.lines));
      this.last = null;
      this.dialog.close();
      this.ctx.say(`已把${this.made.length}道题放进题目框。`, true);
    });
    this.dialog = el('dialog', { class: 'dialog similar-dialog', id: 'similar-dialog' },
      el('h2', {}, '举一反三'), this.caption, this.list, this.note,
      el('form', { method: 'dialog', class: 'similar-buttons' }, addAll, el('button', { type: 'submit' }, '关闭')));
    document.body.append(this.dialog);
    this.made = [];
    // The maker lives in the whole core, which the first visit does not download: its list of
    // types is asked for when the pupil first uses the bar.
    this.loaded = false;
    this.ready = null;
    this.root.addEventListener('focusin', () => this.ensureLoaded());
    // The three levels are there at once, so that the choice is the pupil's before the list comes.
    this.level.replaceChildren(...['基础', '提高', '拓展'].map((name, i) => el('option', { value: String(i) }, name)));
    this.level.value = String(kept >= 0 && kept < 3 ? kept : 0);
    window.qimbelMaker = this; // for the browser tests: the seed, and the maker's calls
  }

  ensureLoaded() {
    if (!this.ready) this.ready = this.load();
    return this.ready;
  }

  async load() {
    const answer = await this.ctx.engine.call('maker', [['types'], '']).catch(() => null);
    if (!answer || answer.error) {
      this.ready = null; // asked again on the next press
      return;
    }
    this.loaded = true;
    for (const t of answer.types) this.types.set(t.type, t);
    const chosen = Number(this.level.value);
    this.level.replaceChildren(...answer.levels.map((name, i) => el('option', { value: String(i) }, name)));
    this.level.value = String(chosen >= 0 && chosen < answer.levels.length ? chosen : 0);
    this.update();
  }

  // The buttons work for a type the maker serves; the level's meaning shows on 出一道题.
  update() {
    const type = this.types.get(this.ctx.type());
    const off = (this.loaded && !type) || this.ctx.busy();
    for (const control of [this.level, this.make, this.again, this.similar]) control.disabled = off;
    this.make.title = type ? type.levels[Number(this.level.value)] || '' : this.loaded ? '这一类题目还不能出题' : '';
  }

  // True when the maker serves the page's type (its list fetched first); else says why not.
  async served() {
    await this.ensureLoaded();
    if (this.types.get(this.ctx.type())) return true;
    this.ctx.say(this.loaded ? '这一类题目还不能出题。' : '运算模块出错，请再试一次。');
    this.update();
    return false;
  }

  async call(words, text = '') {
    const answer = await this.ctx.engine.call('maker', [words.map(String), text]).catch(() => null);
    if (!answer || answer.error) {
      this.ctx.say(answer ? answer.error : '运算模块出错，请再试一次。');
      return null;
    }
    return answer;
  }

  async makeProblem() {
    const made = await this.call(['make', this.ctx.type(), this.level.value, 1, this.seed++]);
    if (made && !made.problems.length) this.ctx.say(made.refusal);
    return made && made.problems.length ? made.problems[0] : null;
  }

  insert(lines) {
    const box = this.ctx.text;
    const placed = placeBelow(box.value, lines);
    typeInto(box, box.value.length, box.value.length, placed.text.slice(box.value.length));
    const end = placed.at + lines.join('\n').length;
    box.setSelectionRange(end, end);
    this.ctx.edited();
    return { at: placed.at, text: lines.join('\n'), type: this.ctx.type() };
  }

  async makeOne() {
    if (!(await this.served())) return;
    const problem = await this.makeProblem();
    if (!problem) return;
    this.last = this.insert(problem.lines);
    this.ctx.say('已出一道题，放在题目的最后。', true);
  }

  async makeAnother() {
    if (!(await this.served())) return;
    const box = this.ctx.text;
    const last = this.last;
    const standing = (made) => made && made.type === this.ctx.type() && box.value.slice(made.at, made.at + made.text.length) === made.text;
    if (!standing(last)) {
      await this.makeOne();
      return;
    }
    const problem = await this.makeProblem();
    if (!problem || !standing(last)) return;
    const text = problem.lines.join('\n');
    typeInto(box, last.at, last.at + last.text.length, text);
    this.last = { ...last, text };
    this.ctx.edited();
    this.ctx.say('已换了一道题。', true);
  }

  async showSimilar() {
    if (!(await this.served())) return;
    const type = this.types.get(this.ctx.type());
    const box = this.ctx.text;
    const paragraph = type ? paragraphAt(box.value, box.selectionStart ?? 0) : null;
    if (!paragraph) {
      this.ctx.say('请把光标放在一道题目所在的行上。');
      return;
    }
    const made = await this.call(['similar', type.type, SIMILAR_COUNT, this.seed++, paragraph.row], paragraph.lines.join('\n'));
    if (!made) return;
    if (!made.problems.length) {
      this.ctx.say(made.refusal);
      return;
    }
    this.made = made.problems;
    this.caption.textContent = `和“${made.typed}”相似的题（点一道题看它的解答）：`;
    this.note.textContent = made.refusal;
    this.note.hidden = !made.refusal;
    this.list.replaceChildren(...made.problems.map((problem, i) => this.item(problem, i)));
    this.dialog.showModal();
  }

  item(problem, i) {
    const shown = problem.lines.join('；');
    const solution = el('pre', { class: 'similar-solution', id: `similar-solution-${i}`, hidden: '' }, problem.solution);
    const open = el('button', { type: 'button', class: 'similar-problem', id: `similar-problem-${i}`, 'aria-expanded': 'false' }, shown);
    open.addEventListener('click', () => {
      solution.hidden = !solution.hidden;
      open.setAttribute('aria-expanded', String(!solution.hidden));
    });
    const add = el('button', { type: 'button', class: 'similar-add', id: `similar-add-${i}` }, '放进题目框');
    add.addEventListener('click', () => {
      this.last = this.insert(problem.lines);
      add.disabled = true;
      add.textContent = '已放进';
      this.ctx.say('已把这道题放进题目框。', true);
    });
    return el('li', {}, el('div', { class: 'similar-row' }, open, add), solution);
  }
}
