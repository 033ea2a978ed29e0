// 练一练 and the 错题本 on the site: the tab 错题本 and the button 练一练 on the problem pages.
// Every wrong mark (批改我的解答 on any page, 口算 practice, 练一练) is kept by the notebook model
// in the worker and written to this browser's IndexedDB; nothing is sent anywhere. The page and
// the round are loaded when first opened.
import { el } from './dom.js';
import { NotebookClient } from './notebook-db.js';

const SHOWN_STORE = 'qimbel.web.notebook.shown';
const PRACTICE_STORE = 'qimbel.web.practice';

// ctx: {engine, data, problemPage (the <main> of the problem pages), say(text, ok),
// currentType()}.
export class NotebookHooks {
  constructor(ctx) {
    this.ctx = ctx;
    this.client = new NotebookClient(ctx.engine);
    this.page = null;
    this.round = null;
    // The tab stands in the page already (page-html.js).
    this.tab = document.getElementById('tab-notebook')
      || el('button', { type: 'button', role: 'tab', id: 'tab-notebook', 'aria-selected': 'false' }, '错题本');
    this.tab.addEventListener('click', () => this.show());
    if (!this.tab.parentElement) document.getElementById('tabs').append(this.tab);
    // Any other tab hands the screen back to the pages of app.js.
    document.getElementById('tabs').addEventListener('click', (event) => {
      const tab = event.target.closest('[role="tab"]');
      if (tab && tab !== this.tab) this.hide();
    }, true);
    this.addPracticeButton();
    // Wrong marks of the other pages.
    document.addEventListener('qimbel:marked', (event) => this.fileMarked(event.detail));
    document.addEventListener('qimbel:kousuan-wrong', (event) => this.fileKouSuan(event.detail));
  }

  // After start-up: the notebook shown when the page was last closed, a round left unfinished.
  async start() {
    let shown = false;
    let round = null;
    try {
      shown = localStorage.getItem(SHOWN_STORE) === '1';
      round = JSON.parse(localStorage.getItem(PRACTICE_STORE) || 'null');
    } catch {
      /* nothing kept */
    }
    if (shown) await this.show();
    if (round && round.state && !round.finished) await this.openPractice();
  }

  async loadPage() {
    if (!this.page) {
      const { NotebookPage } = await import('./notebook-page.js');
      this.page = new NotebookPage(this.client, this.ctx);
      document.querySelector('header.bar').after(this.page.root);
    }
    return this.page;
  }

  async show() {
    const page = await this.loadPage();
    document.body.dataset.notebook = 'shown';
    this.ctx.problemPage.hidden = true;
    for (const button of document.querySelectorAll('#tabs [role="tab"]')) button.setAttribute('aria-selected', String(button === this.tab));
    page.root.hidden = false;
    try {
      localStorage.setItem(SHOWN_STORE, '1');
    } catch {
      /* this visit only */
    }
    await page.refresh();
  }

  hide() {
    if (document.body.dataset.notebook !== 'shown') return;
    delete document.body.dataset.notebook;
    this.tab.setAttribute('aria-selected', 'false');
    if (this.page) this.page.root.hidden = true;
    try {
      localStorage.removeItem(SHOWN_STORE);
    } catch {
      /* nothing kept */
    }
  }

  // 练一练 beside 批改我的解答, usable on the same types.
  addPracticeButton() {
    const mark = document.getElementById('mark');
    if (!mark) return;
    this.practiceButton = el('button', { type: 'button', id: 'practice', title: '出几道这一类的题，一道一道做，马上批改（做错的题记入错题本）' }, '练一练');
    this.practiceButton.addEventListener('click', () => this.openPractice(this.ctx.currentType()));
    const follow = () => { this.practiceButton.disabled = mark.disabled; };
    new MutationObserver(follow).observe(mark, { attributes: true, attributeFilter: ['disabled'] });
    follow();
    (document.getElementById('hint') || mark).after(this.practiceButton);
  }

  async openPractice(type) {
    if (!this.round) {
      const { PracticeRound } = await import('./practice-round.js');
      this.round = new PracticeRound(this.client, this.ctx);
    }
    await this.round.open(type);
  }

  // 批改我的解答 on a page: its wrong problems are kept (the model marks the same text again).
  async fileMarked({ text, type }) {
    const answer = await this.client.call(['file', type], text);
    // Said after what 批改 said, which stays.
    const marked = document.getElementById('status').textContent;
    const say = (sentence, ok) => this.ctx.say(marked ? `${marked}　${sentence}` : sentence, ok && !marked);
    if (answer.error || answer.message) say(answer.error || answer.message, false);
    else if (answer.filed > 0) say(`做错的${answer.filed}道题已记入错题本。`, true);
    if (this.page && !this.page.root.hidden) await this.page.refresh();
  }

  async fileKouSuan({ question, typed, answer }) {
    const kept = await this.client.call(['kousuan'], `${question}\t${typed}\t${answer}`);
    if (kept.error || kept.message) this.ctx.say(kept.error || kept.message);
  }
}
