// 自动组卷 in the browser: a grade (一年级 … 九年级) brings its default selection in the order the
// curriculum takes the topics; any type the maker serves can be added with its level, count and
// points (满分100); the paper and its key (worked solutions or answers only) come from the core
// maker, the same as qimbel-cli --paper and the desktop for the same 试卷编号. Printed through the
// print pages of the 四则运算 paper; a share link (kind=paper2) rebuilds the same paper.
import { button, el, labelled, saveText, viewTabs, wholeNumber } from './dom.js';
import { paperPages, printOnly } from './print-pages.js';

const MOST_KINDS = 12;
const KINDS = /^\d{1,3}\.[0-2]\.\d{1,3}\.\d{1,3}(,\d{1,3}\.[0-2]\.\d{1,3}\.\d{1,3}){0,11}$/;

function newSeed() {
  return Math.floor(Math.random() * 999999) + 1;
}

export class ZuJuanPage {
  constructor(engine, onShare, say) {
    if (!document.querySelector('link[href="maker.css"]')) document.head.append(el('link', { rel: 'stylesheet', href: 'maker.css' }));
    this.engine = engine;
    this.onShare = onShare;
    this.say = say;
    this.paper = null;
    this.types = [];
    this.levels = [];

    this.gradeSelect = el('select', { id: 'zj-grade' });
    this.gradeSelect.addEventListener('change', () => this.chooseGrade(Number(this.gradeSelect.value)));
    this.rows = el('tbody', { id: 'zj-kinds' });
    this.total = el('p', { id: 'zj-total', class: 'total' });
    this.seed = el('input', { type: 'number', id: 'zj-seed', min: 1, max: 999999999, value: newSeed() });
    this.answersOnly = el('input', { type: 'checkbox', id: 'zj-answers-only' });
    this.shareField = el('input', { class: 'share-link', id: 'zj-share-link', readonly: '', hidden: '' });
    const settings = el('fieldset', { class: 'gen-settings zj-settings' }, el('legend', {}, '组卷设置'),
      labelled('年级：', this.gradeSelect),
      el('div', { class: 'zj-table' }, el('table', { class: 'kinds zj-kinds' },
        el('thead', {}, el('tr', {}, el('th', {}, '题型'), el('th', {}, '难度'), el('th', {}, '道数'), el('th', {}, '每题分'), el('th', {}, ''))),
        this.rows)),
      button('添加题型', 'zj-add', () => {
        if (this.rows.children.length >= MOST_KINDS || !this.types.length) return;
        this.addRow({ type: this.types[0].type, level: 0, count: 1, points: 5 });
        this.updateTotal();
      }),
      this.total, labelled('试卷编号：', this.seed), labelled('答案只写结果（不写解题过程）', this.answersOnly, true));
    const side = el('div', { class: 'gen-side' }, settings,
      button('生成试卷', 'zj-generate', () => this.generate(), true),
      button('换一张', 'zj-another', () => {
        this.seed.value = String(newSeed());
        this.generate();
      }),
      button('打印试卷和答案', 'zj-print', () => this.print()),
      button('保存为文本', 'zj-save', () => this.save()),
      button('复制分享链接', 'zj-share', () => this.share()), this.shareField);

    this.paperText = el('pre', { id: 'zj-paper', class: 'paper-text' });
    this.keyText = el('pre', { id: 'zj-key', class: 'paper-text', hidden: '' });
    this.printHolder = el('div', { class: 'print-pages' });
    const main = el('div', { class: 'gen-main' },
      viewTabs(['试卷', 'zj-show-paper', this.paperText], ['答案', 'zj-show-key', this.keyText]),
      this.paperText, this.keyText);
    this.root = el('section', { class: 'generator zujuan', id: 'zujuan', 'aria-label': '自动组卷' }, side, main);
  }

  async call(words) {
    const answer = await this.engine.call('maker', [words.map(String), '']).catch(() => null);
    if (!answer || answer.error) {
      this.say(answer ? answer.error : '运算模块出错，请再试一次。');
      return null;
    }
    return answer;
  }

  // The types and grades, once.
  async start() {
    if (this.types.length) return true;
    const answer = await this.call(['types']);
    if (!answer) return false;
    this.types = answer.types;
    this.levels = answer.levels;
    this.gradeSelect.replaceChildren(...answer.grades.map((name, i) => el('option', { value: String(i + 1) }, name)));
    return true;
  }

  // A grade brings its default selection.
  async chooseGrade(grade) {
    if (!(await this.start())) return false;
    const usual = await this.call(['grade', grade]);
    if (!usual) return false;
    this.gradeSelect.value = String(usual.grade);
    this.setKinds(usual.kinds);
    return true;
  }

  setKinds(kinds) {
    this.rows.replaceChildren();
    for (const kind of kinds.slice(0, MOST_KINDS)) this.addRow(kind);
    this.updateTotal();
  }

  addRow(kind) {
    const type = el('select', { class: 'zj-type', 'aria-label': '题型' },
      ...this.types.map((t) => el('option', { value: String(t.type) }, `${t.type} ${t.name}`)));
    type.value = String(kind.type);
    const level = el('select', { class: 'zj-level', 'aria-label': '难度' },
      ...this.levels.map((name, i) => el('option', { value: String(i) }, name)));
    level.value = String(kind.level);
    const count = el('input', { type: 'number', class: 'zj-count', min: 1, max: 20, value: kind.count, 'aria-label': '道数' });
    const points = el('input', { type: 'number', class: 'zj-points', min: 1, max: 100, value: kind.points, 'aria-label': '每题分数' });
    const remove = el('button', { type: 'button', class: 'zj-remove', title: '删除这一种题', 'aria-label': '删除' }, '×');
    const row = el('tr', {}, el('td', {}, type), el('td', {}, level), el('td', {}, count), el('td', {}, points), el('td', {}, remove));
    // The level's meaning for the type shows on the level box.
    const tip = () => {
      const t = this.types.find((each) => each.type === Number(type.value));
      level.title = t ? t.levels[Number(level.value)] || '' : '';
    };
    type.addEventListener('change', tip);
    level.addEventListener('change', tip);
    for (const input of [count, points]) input.addEventListener('input', () => this.updateTotal());
    remove.addEventListener('click', () => {
      row.remove();
      this.updateTotal();
    });
    tip();
    this.rows.append(row);
  }

  kinds() {
    return [...this.rows.children].map((row) => {
      const [type, level] = row.querySelectorAll('select');
      const count = row.querySelector('.zj-count');
      const points = row.querySelector('.zj-points');
      return [type.value, level.value, wholeNumber(count, 1), wholeNumber(points, 1)].join('.');
    });
  }

  updateTotal() {
    let count = 0;
    let total = 0;
    for (const kind of this.kinds()) {
      const [, , c, p] = kind.split('.').map(Number);
      count += c;
      total += c * p;
    }
    this.total.textContent = `共${count}道题，合计${total}分（满分应是100分）`;
    this.total.classList.toggle('wrong', total !== 100);
  }

  words() {
    return ['paper', this.gradeSelect.value || '1', wholeNumber(this.seed, 1), this.answersOnly.checked ? 0 : 1, ...this.kinds()];
  }

  async generate() {
    if (!this.rows.children.length && !this.paper && !(await this.chooseGrade(1))) return false;
    const paper = await this.call(this.words());
    if (!paper) return false;
    this.paper = paper;
    this.seed.value = String(paper.seed);
    this.paperText.textContent = paper.paper;
    this.keyText.textContent = paper.key;
    this.printHolder.replaceChildren(...paperPages(paper));
    this.say(`已生成${paper.count}道题（试卷编号${paper.seed}）。`, true);
    return true;
  }

  // What a share link holds: the grade, its kinds, the key and the 试卷编号.
  async open(link) {
    const kinds = link.text('kinds');
    const grade = link.number('grade', 0);
    if (!kinds || !KINDS.test(kinds) || grade < 1 || grade > 9 || !(await this.start())) return false;
    this.gradeSelect.value = String(grade);
    this.setKinds(kinds.split(',').map((k) => {
      const [type, level, count, points] = k.split('.').map(Number);
      return { type, level, count, points };
    }));
    this.answersOnly.checked = link.number('key', 1) === 0;
    this.seed.value = String(link.number('seed', 1));
    return this.generate();
  }

  print() {
    if (this.paper) printOnly(this.printHolder);
  }

  save() {
    if (this.paper) saveText(`${this.paper.title}.txt`, this.paper.whole);
  }

  share() {
    if (!this.paper) return;
    const p = this.paper;
    const kinds = p.kinds.map((k) => [k.type, k.level, k.count, k.points].join('.')).join(',');
    this.onShare({ grade: p.grade, kinds, key: p.worked ? 1 : 0, seed: p.seed }, this.shareField);
  }
}
