// 口算练习生成器 in the browser: the settings, then one problem at a time with the clock; a wrong
// answer is marked and may be tried again, 结束练习 shows the report, and the problems still
// wrong can be done again. The core makes the sheet (same settings and 练习编号, same sheet as
// the desktop), judges every answer and writes the report; the page keeps only what was typed.
import { button, el, labelled, wholeNumber } from './dom.js';
import { printOnly, sheetPages } from './print-pages.js';

const RANGES = [10, 20, 100, 1000];
const BLANKS = ['a＋b＝(  )', 'a＋(  )＝c', '两种都有'];
const OPS = [['加法', 1], ['减法', 2], ['乘法', 4], ['除法', 8]];
const MOST_ANSWER = 20; // characters: enough for any quotient and remainder
const STORE = 'qimbel.web.kousuan'; // a practice in progress, kept over a reload

export class KouSuanPage {
  constructor(engine, onShare, say) {
    this.engine = engine;
    this.onShare = onShare;
    this.say = say;
    this.sheet = null;
    this.answers = [];
    this.order = [];
    this.position = 0;
    this.clock = { spent: 0, since: 0, timer: 0 };
    this.waiting = false;
    this.linked = { range: 20, table: 0, blank: 0 };

    const f = {};
    this.form = f;
    f.ops = OPS.map(([caption, bit]) => {
      const box = el('input', { type: 'checkbox', id: `ks-op-${bit}` });
      box.dataset.bit = bit;
      return box;
    });
    f.range = el('select', { id: 'ks-range' }, ...RANGES.map((r) => el('option', { value: r }, `${r}以内`)));
    f.table = el('select', { id: 'ks-table' }, el('option', { value: 0 }, '按数的范围'),
      ...Array.from({ length: 9 }, (_, i) => el('option', { value: i + 1 }, `表内乘除，1到${i + 1}的口诀`)));
    f.count = el('input', { type: 'number', id: 'ks-count', min: 10, max: 200, value: 20 });
    f.blank = el('select', { id: 'ks-blank' }, ...BLANKS.map((b, i) => el('option', { value: i }, b)));
    f.negative = el('input', { type: 'checkbox', id: 'ks-negative' });
    f.remainder = el('input', { type: 'checkbox', id: 'ks-remainder' });
    f.seed = el('input', { type: 'number', id: 'ks-seed', min: 1, max: 999999, value: 1 });
    f.ops[0].checked = true;
    f.ops[1].checked = true;
    f.range.value = '20';
    f.seed.value = String(Math.floor(Date.now() / 1000) % 999999 + 1);

    this.printButton = button('打印练习卷和答案', 'ks-print', () => this.print());
    this.printButton.disabled = true;
    this.shareField = el('input', { class: 'share-link', id: 'ks-share-link', readonly: '', hidden: '' });
    const settings = el('fieldset', { class: 'gen-settings' }, el('legend', {}, '题目设置'),
      el('div', { class: 'ops' }, ...f.ops.map((box, i) => labelled(OPS[i][0], box, true))),
      labelled('数的范围：', f.range), labelled('乘法和除法：', f.table), labelled('题数：', f.count),
      labelled('填空形式：', f.blank), labelled('结果可以是负数（低年级不要选）', f.negative, true),
      labelled('除法可以有余数', f.remainder, true), labelled('练习编号：', f.seed));
    const side = el('div', { class: 'gen-side' }, settings,
      button('出题并开始练习', 'ks-generate', () => this.generate(), true),
      button('换一个编号', 'ks-new-seed', () => {
        f.seed.value = String(Date.now() % 999999 + 1);
        this.generate();
      }),
      this.printButton, button('复制分享链接', 'ks-share', () => this.share()), this.shareField);

    this.progress = el('span', { id: 'ks-progress', class: 'grow' });
    this.clockText = el('span', { id: 'ks-clock' }, '用时：0秒');
    this.question = el('div', { id: 'ks-question', class: 'question' });
    this.answer = el('input', { id: 'ks-answer', class: 'answer', maxlength: MOST_ANSWER, autocomplete: 'off',
      inputmode: 'numeric', placeholder: '写好答案按回车；有余数写成 3……2 或 3 2', 'aria-label': '答案' });
    this.feedback = el('div', { id: 'ks-feedback', class: 'feedback', role: 'status' });
    this.answer.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.submit();
      }
    });
    this.oneByOne = el('div', { class: 'one-by-one', hidden: '' }, this.question, this.answer, this.feedback,
      el('div', { class: 'row-buttons' }, button('确定', 'ks-confirm', () => this.submit(), true),
        button('下一题', 'ks-next', () => this.next()), button('结束练习', 'ks-finish', () => this.finish())));
    this.reportText = el('pre', { id: 'ks-report', class: 'report' });
    this.retryButton = button('重做还没做对的题', 'ks-retry', () => this.retry());
    this.report = el('div', { class: 'report-view', hidden: '' }, this.reportText, this.retryButton);
    this.empty = el('p', { class: 'empty' }, '选好题目，按“出题并开始练习”。');
    this.list = el('ol', { id: 'ks-list', class: 'problem-list' });
    this.listBox = el('details', { class: 'whole-sheet', hidden: '' }, el('summary', {}, '看整张题目'), this.list);
    this.printHolder = el('div', { class: 'print-pages' });
    const practice = el('div', { class: 'gen-main' },
      el('div', { class: 'status-row' }, this.progress, this.clockText),
      this.empty, this.oneByOne, this.report, this.listBox);
    this.root = el('section', { class: 'generator', id: 'kousuan', 'aria-label': '口算练习生成器' }, side, practice);
  }

  words() {
    const f = this.form;
    const flags = f.ops.reduce((sum, box) => sum + (box.checked ? Number(box.dataset.bit) : 0), 0)
      + (f.negative.checked ? 16 : 0) + (f.remainder.checked ? 32 : 0);
    const whole = wholeNumber;
    // A link's number that is none of the choices goes to the core as it is; the core takes the
    // nearest it offers, and the form then shows that.
    const chosen = (select, key) => select.value || String(this.linked[key]);
    return ['kousuan', flags, chosen(f.range, 'range'), chosen(f.table, 'table'), whole(f.count, 20), chosen(f.blank, 'blank'),
      whole(f.seed, 1)].map(String);
  }

  // The settings as a link or a share link gives them (numbers; the core keeps them in range).
  setSettings({ ops, range, table, count, blank, seed }) {
    const f = this.form;
    this.linked = { range, table, blank: Math.min(blank, 2) };
    for (const box of f.ops) box.checked = (ops & Number(box.dataset.bit)) !== 0;
    f.negative.checked = (ops & 16) !== 0;
    f.remainder.checked = (ops & 32) !== 0;
    f.range.value = String(range);
    f.table.value = String(table);
    f.count.value = String(count);
    f.blank.value = String(blank);
    f.seed.value = String(seed);
  }

  // Shows the settings the core used (a number outside the choices comes back as the nearest).
  showUsed(o) {
    this.setSettings({
      ops: (o.add ? 1 : 0) | (o.sub ? 2 : 0) | (o.mul ? 4 : 0) | (o.div ? 8 : 0) | (o.negative ? 16 : 0) | (o.remainder ? 32 : 0),
      range: o.range, table: o.table, count: o.count, blank: o.blank, seed: o.seed,
    });
  }

  async call(words, text = '') {
    return this.engine.call('sheets', [words, text]);
  }

  async generate(words = this.words()) {
    const sheet = await this.call(words).catch(() => null);
    if (!sheet || sheet.error) {
      this.say(sheet ? sheet.error : '运算模块出错，请再试一次。');
      return false;
    }
    this.sheet = sheet;
    this.sheetWords = words;
    this.showUsed(sheet.options);
    this.answers = [];
    this.order = sheet.problems.map((_, i) => i);
    this.position = 0;
    this.list.replaceChildren(...sheet.problems.map((p) => el('li', {}, p.question)));
    this.listBox.hidden = false;
    this.printButton.disabled = false;
    this.printHolder.replaceChildren();
    this.startClock(true);
    this.showCurrent();
    this.keep();
    return true;
  }

  // The practice as far as it went: its sheet's settings, the answers, the round and the time.
  keep() {
    try {
      if (!this.sheet) return;
      localStorage.setItem(STORE, JSON.stringify({
        words: this.sheetWords, answers: this.answers, order: this.order, position: this.position,
        spent: this.seconds() * 1000, finished: !this.report.hidden,
      }));
    } catch {
      /* kept for this visit only */
    }
  }

  // A practice left unfinished by a reload goes on where it was; a finished one shows its report.
  async resume() {
    let kept = null;
    try {
      kept = JSON.parse(localStorage.getItem(STORE) || 'null');
    } catch {
      kept = null;
    }
    if (!kept || !Array.isArray(kept.words) || kept.words[0] !== 'kousuan' || this.sheet) return false;
    if (!(await this.generate(kept.words.map(String)))) return false;
    const count = this.sheet.problems.length;
    const index = (i) => Number.isInteger(i) && i >= 0 && i < count;
    if (Array.isArray(kept.answers)) {
      this.answers = kept.answers.filter((a) => Array.isArray(a) && index(a[0]))
        .map(([i, typed]) => [i, String(typed).slice(0, MOST_ANSWER)]);
    }
    if (Array.isArray(kept.order) && kept.order.every(index)) this.order = kept.order;
    this.position = Math.min(Math.max(0, Number(kept.position) || 0), this.order.length);
    this.clock.spent = Math.max(0, Number(kept.spent) || 0);
    this.startClock(false);
    if (kept.finished) await this.finish();
    else this.showCurrent();
    this.keep();
    return true;
  }

  startClock(fresh) {
    if (fresh) this.clock.spent = 0;
    clearInterval(this.clock.timer);
    this.clock.since = Date.now();
    this.clock.timer = setInterval(() => this.tick(), 1000);
    this.tick();
  }

  seconds() {
    return Math.floor((this.clock.spent + (this.clock.since ? Date.now() - this.clock.since : 0)) / 1000);
  }

  async tick() {
    const answer = await this.call(['clock', String(this.seconds())]).catch(() => null);
    if (answer && answer.text) this.clockText.textContent = `用时：${answer.text}`;
  }

  stopClock() {
    if (this.clock.since) this.clock.spent += Date.now() - this.clock.since;
    this.clock.since = 0;
    clearInterval(this.clock.timer);
  }

  showCurrent() {
    if (this.position >= this.order.length) {
      this.finish();
      return;
    }
    const i = this.order[this.position];
    this.empty.hidden = true;
    this.report.hidden = true;
    this.oneByOne.hidden = false;
    this.question.textContent = this.sheet.problems[i].question;
    this.answer.value = '';
    this.answer.classList.remove('wrong');
    this.feedback.textContent = '';
    this.progress.textContent = `第${i + 1}题（这一轮${this.position + 1}/${this.order.length}）`;
    this.answer.focus();
  }

  // The answers so far, judged by the core.
  async judge() {
    const text = this.answers.map(([i, typed]) => `${i}\t${typed.replace(/[\t\n\r]/g, ' ')}`).join('\n');
    return this.call(['practice', ...this.sheetWords.slice(1), String(this.seconds())], text);
  }

  async submit() {
    if (!this.sheet || this.waiting || this.oneByOne.hidden || this.position >= this.order.length) return;
    const i = this.order[this.position];
    this.answers.push([i, this.answer.value.slice(0, MOST_ANSWER)]);
    this.waiting = true;
    const judged = await this.judge().catch(() => null);
    this.waiting = false;
    if (!judged || judged.error) {
      this.answers.pop();
      this.say(judged ? judged.error : '运算模块出错，请再试一次。');
      return;
    }
    const verdict = judged.verdicts[judged.verdicts.length - 1];
    if (verdict === 'right') {
      ++this.position;
      this.showCurrent();
      if (this.position < this.order.length) this.feedback.textContent = '上一题做对了！';
      this.keep();
    } else if (verdict === 'wrong') {
      this.keep();
      document.dispatchEvent(new CustomEvent('qimbel:kousuan-wrong', { detail: { question: this.sheet.problems[i].question, typed: this.answers[this.answers.length - 1][1], answer: this.sheet.problems[i].answer } }));
      this.answer.classList.add('wrong');
      this.feedback.textContent = '不对，再想一想，改好后再按回车；也可以按“下一题”。';
      this.answer.select();
    } else {
      this.answers.pop();
      this.feedback.textContent = '请写一个数。';
    }
  }

  next() {
    if (!this.sheet || this.position >= this.order.length) return;
    ++this.position;
    this.showCurrent();
    this.keep();
  }

  async finish() {
    if (!this.sheet) return;
    this.stopClock();
    this.tick();
    const judged = await this.judge().catch(() => null);
    if (!judged || judged.error) return;
    this.oneByOne.hidden = true;
    this.report.hidden = false;
    this.reportText.textContent = judged.report;
    this.retryButton.disabled = judged.open < 0;
    this.progress.textContent = '练习结束';
    this.judged = judged;
    this.keep();
  }

  retry() {
    if (!this.judged) return;
    this.order = this.judged.problems.map((p, i) => (p.rightNow ? -1 : i)).filter((i) => i >= 0);
    if (this.order.length === 0) return;
    this.position = 0;
    this.startClock(false);
    this.showCurrent();
    this.keep();
  }

  print() {
    if (!this.sheet) return;
    this.printHolder.replaceChildren(...sheetPages(this.sheet));
    printOnly(this.printHolder);
  }

  share() {
    const [, ops, range, table, count, blank, seed] = this.words();
    this.onShare({ ops, range, table, count, blank, seed }, this.shareField);
  }
}
