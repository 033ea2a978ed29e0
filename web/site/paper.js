// 小学数学四则运算自动出题系统 in the browser: a grade's usual paper as the core proposes it, the
// paper and its key (with the worked solutions) as text, and the printed paper as the core lays
// it out page by page. Same settings and 试卷编号, same paper as the desktop.
import { button, el, labelled, saveText, viewTabs, wholeNumber } from './dom.js';
import { paperPages, printOnly } from './print-pages.js';
import { fitWidth } from './fit-width.js';

export class PaperPage {
  constructor(engine, onShare, say) {
    this.engine = engine;
    this.onShare = onShare;
    this.say = say;
    this.paper = null;
    this.grade = null;

    this.gradeSelect = el('select', { id: 'sj-grade' });
    this.kindRows = el('tbody');
    this.counts = [];
    this.scores = [];
    this.names = [];
    for (let k = 0; k < 4; ++k) {
      this.names.push(el('td'));
      this.counts.push(el('input', { type: 'number', id: `sj-count${k}`, min: 0, value: 0 }));
      this.scores.push(el('input', { type: 'number', id: `sj-score${k}`, min: 1, max: 20, value: 1 }));
      this.kindRows.append(el('tr', {}, this.names[k], el('td', {}, this.counts[k]), el('td', {}, this.scores[k])));
    }
    this.decimals = el('input', { type: 'checkbox', id: 'sj-decimals' });
    this.hundred = el('input', { type: 'checkbox', id: 'sj-hundred' });
    this.seed = el('input', { type: 'number', id: 'sj-seed', min: 1, max: 999999999, value: 1 });
    this.total = el('p', { id: 'sj-total', class: 'total' });
    this.gradeSelect.addEventListener('change', () => this.chooseGrade(Number(this.gradeSelect.value)));

    this.shareField = el('input', { class: 'share-link', id: 'sj-share-link', readonly: '', hidden: '' });
    const settings = el('fieldset', { class: 'gen-settings' }, el('legend', {}, '出题设置'),
      labelled('年级：', this.gradeSelect),
      el('table', { class: 'kinds' }, el('thead', {}, el('tr', {}, el('th', {}, '题型'), el('th', {}, '题数'), el('th', {}, '每题分数'))),
        this.kindRows),
      labelled('含小数（三年级起）', this.decimals, true), labelled('试卷编号：', this.seed),
      labelled('满分100分（按每题分数的比例分配）', this.hundred, true), this.total);
    const side = el('div', { class: 'gen-side' }, settings,
      button('出题', 'sj-generate', () => this.generate(), true),
      button('换一套', 'sj-new-seed', () => {
        this.seed.value = String(Date.now() % 999999999 + 1);
        this.generate();
      }),
      button('打印试卷和答案', 'sj-print', () => this.print()),
      button('保存为文本', 'sj-save', () => this.save()),
      button('复制分享链接', 'sj-share', () => this.share()), this.shareField);

    this.paperText = el('pre', { id: 'sj-paper', class: 'paper-text' });
    this.keyText = el('pre', { id: 'sj-key', class: 'paper-text', hidden: '' });
    this.printHolder = el('div', { class: 'print-pages' });
    const main = el('div', { class: 'gen-main' },
      viewTabs(['试卷', 'sj-show-paper', this.paperText], ['答案与解题过程', 'sj-show-key', this.keyText],
        () => fitWidth(this.paperText, this.keyText)),
      this.paperText, this.keyText);
    this.root = el('section', { class: 'generator', id: 'shijuan', 'aria-label': '小学数学四则运算自动出题系统' }, side, main);
  }

  async call(words) {
    return this.engine.call('sheets', [words.map(String), '']);
  }

  // A grade brings its usual paper; kinds it does not teach yet cannot be chosen.
  async chooseGrade(grade) {
    const usual = await this.call(['grade', grade]).catch(() => null);
    if (!usual || usual.error) return false;
    this.grade = usual;
    if (this.gradeSelect.options.length === 0) {
      this.gradeSelect.append(...usual.grades.map((name, i) => el('option', { value: i + 1 }, name)));
    }
    this.gradeSelect.value = String(usual.grade);
    usual.kinds.forEach((kind, k) => {
      this.names[k].textContent = kind.name;
      this.counts[k].value = String(kind.count);
      this.counts[k].max = String(usual.most);
      this.scores[k].value = String(kind.score);
      this.counts[k].disabled = !kind.fits;
      this.scores[k].disabled = !kind.fits;
    });
    this.decimals.disabled = !usual.decimalsFit;
    return true;
  }

  words() {
    const whole = wholeNumber;
    return ['paper', this.gradeSelect.value || '3',
      ...this.counts.map((c) => (c.disabled ? '0' : whole(c, 0))), ...this.scores.map((s) => whole(s, 1)),
      this.decimals.checked && !this.decimals.disabled ? 1 : 0, this.hundred.checked ? 1 : 0, whole(this.seed, 1)].map(String);
  }

  async generate() {
    if (!this.grade) await this.chooseGrade(3);
    const paper = await this.call(this.words()).catch(() => null);
    if (!paper || paper.error) {
      this.say(paper ? paper.error : '运算模块出错，请再试一次。');
      return false;
    }
    this.paper = paper;
    const s = paper.settings;
    this.seed.value = String(s.seed);
    this.paperText.textContent = `${paper.title}\n\n${paper.text}`;
    this.keyText.textContent = `${paper.keyTitle}\n\n${paper.key}`;
    this.total.textContent = paper.hundredMissed ? `满分：${paper.total}分（题数多于100，凑不成满分100分）` : `满分：${paper.total}分`;
    this.printHolder.replaceChildren(...paperPages(paper));
    fitWidth(this.paperText, this.keyText);
    return true;
  }

  // A setting from a link: the grade's form first, then the link's numbers over it.
  async open({ grade, counts, scores, decimals, hundred, seed }) {
    if (!(await this.chooseGrade(grade))) return false;
    counts.forEach((c, k) => { if (!this.counts[k].disabled) this.counts[k].value = String(c); });
    scores.forEach((s, k) => { this.scores[k].value = String(s); });
    this.decimals.checked = Boolean(decimals) && !this.decimals.disabled;
    this.hundred.checked = Boolean(hundred);
    this.seed.value = String(seed);
    return this.generate();
  }

  print() {
    if (!this.paper) return;
    printOnly(this.printHolder);
  }

  save() {
    if (this.paper) saveText(`${this.paper.title}.txt`, this.paper.whole);
  }

  share() {
    const w = this.words();
    this.onShare({ grade: w[1], counts: w.slice(2, 6).join(','), scores: w.slice(6, 10).join(','), decimals: w[10],
      hundred: w[11], seed: w[12] }, this.shareField);
  }
}
