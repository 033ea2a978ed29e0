// The tabs 知识资料汇总 and 自动出卷及测试, and share by link. The problem pages (app.js) hand
// over the screen when one of these tabs is chosen, and open a shared page's problems when asked.
import { el } from './dom.js';
import { MOST_FRAGMENT, offerLink, readFragment, shareLink } from './share.js';

const LIBRARY = 153;
const EXERCISES = 164;
const KOUSUAN = 1218;
const PAPER = 1217;
const ZUJUAN = 'zujuan'; // 自动组卷 (zujuan.js, loaded when first shown)
const SHOWN_STORE = 'qimbel.web.other';
const KOUSUAN_STORE = 'qimbel.web.kousuan'; // kousuan.js: a practice in progress
// Each part's code is fetched when the part is first shown (and kept by the service worker).
const PARTS = {
  library: () => import('./handbook.js').then((m) => m.HandbookPage),
  kousuan: () => import('./kousuan.js').then((m) => m.KouSuanPage),
  paper: () => import('./paper.js').then((m) => m.PaperPage),
};

// ctx: {engine, data, problemPage (the <main> of the problem pages), openProblems(page, type,
// text), currentProblems(), say(text, ok)}.
export class OtherPages {
  constructor(ctx) {
    this.ctx = ctx;
    this.shown = 0;
    // The tab shown when the page was last closed, read before the problem pages' start-up
    // selects their tab and so forgets it.
    try {
      this.kept = Number(localStorage.getItem(SHOWN_STORE));
    } catch {
      this.kept = 0;
    }
    this.status = el('div', { class: 'status', id: 'other-status', role: 'status', 'aria-live': 'polite' });
    const say = (text, ok = false) => {
      this.status.textContent = text;
      this.status.classList.toggle('ok', ok);
    };
    this.say = say;
    const share = (kind) => async (fields, field) => say(
      await offerLink(shareLink(kind, fields), field, kind === 'handbook' ? '手册的同一处' : '同样的题目'), true);
    // How each part is built once its code has come (see part()).
    this.builders = {
      library: (Page) => new Page(ctx.data.library, share('handbook')),
      kousuan: (Page) => new Page(ctx.engine, share('kousuan'), say),
      paper: (Page) => new Page(ctx.engine, share('paper'), say),
    };
    this.library = null;
    this.kousuan = null;
    this.paper = null;

    // 自动出卷及测试: the two programs' buttons, as on the desktop, each showing its program below.
    const programs = ctx.data.library.launchers.map((launcher) => {
      const button = el('button', { type: 'button', role: 'tab', id: `launcher-${launcher.id}`, class: 'launcher' }, launcher.caption);
      button.addEventListener('click', () => this.showProgram(launcher.id));
      return button;
    });
    programs.push(el('button', { type: 'button', role: 'tab', id: `launcher-${ZUJUAN}`, class: 'launcher' }, '自动组卷（一到九年级）'));
    programs[programs.length - 1].addEventListener('click', () => this.showProgram(ZUJUAN));
    this.shareZuJuan = share('paper2');
    this.launchers = el('div', { class: 'launchers', role: 'tablist' }, ...programs);
    this.exercises = el('section', { class: 'exercises', hidden: '' }, this.launchers);
    this.root = el('main', { id: 'more', class: 'more', hidden: '' }, this.status, this.exercises);
    ctx.problemPage.after(this.root);
    this.addProblemShare();
    window.addEventListener('hashchange', () => this.follow(window.location.hash));
  }

  // The part (library, kousuan or paper), its code fetched and built on first use; null when its
  // code cannot be fetched (offline before the part was ever opened), which is said.
  async part(name) {
    if (!this[name]) {
      let Page;
      try {
        Page = await PARTS[name]();
      } catch {
        this.say('这一部分还没有下载到本机，请连上网络后再打开。');
        return null;
      }
      if (this[name]) return this[name];
      const part = this.builders[name](Page);
      part.root.hidden = true;
      if (name === 'library') {
        this.exercises.before(part.root);
      } else {
        this.exercises.append(part.root);
        // The printed pages of the two programs stand apart, so that printing shows nothing else.
        this.root.append(part.printHolder);
      }
      this[name] = part;
    }
    return this[name];
  }

  owns(page) {
    return page === LIBRARY || page === EXERCISES;
  }

  async show(page) {
    this.shown = page;
    for (const button of document.querySelectorAll('#tabs [role="tab"]')) {
      button.setAttribute('aria-selected', String(button.id === `tab-${page}`));
    }
    this.ctx.problemPage.hidden = true;
    this.root.hidden = false;
    if (page === LIBRARY) await this.part('library');
    if (this.library) this.library.root.hidden = this.shown !== LIBRARY;
    this.exercises.hidden = page !== EXERCISES;
    if (page === EXERCISES && !this.program) await this.showProgram(KOUSUAN);
    try {
      localStorage.setItem(SHOWN_STORE, String(page));
    } catch {
      /* remembered for this visit only */
    }
  }

  hide() {
    this.shown = 0;
    this.root.hidden = true;
    this.ctx.problemPage.hidden = false;
    try {
      localStorage.removeItem(SHOWN_STORE);
    } catch {
      /* nothing kept */
    }
  }

  async showProgram(id) {
    this.program = id;
    for (const button of this.launchers.children) button.setAttribute('aria-selected', String(button.id === `launcher-${id}`));
    if (id === ZUJUAN) {
      const zujuan = await this.loadZuJuan();
      if (this.program !== id || !zujuan) return;
      if (this.kousuan) this.kousuan.root.hidden = true;
      if (this.paper) this.paper.root.hidden = true;
      zujuan.root.hidden = false;
      if (!zujuan.paper) await zujuan.chooseGrade(1).then((ok) => ok && zujuan.generate());
      return;
    }
    const shown = await this.part(id === KOUSUAN ? 'kousuan' : 'paper');
    if (this.program !== id) return;
    if (this.zujuan) this.zujuan.root.hidden = true;
    if (this.kousuan) this.kousuan.root.hidden = id !== KOUSUAN;
    if (this.paper) this.paper.root.hidden = id === KOUSUAN;
    if (shown && id !== KOUSUAN && !this.paper.paper) await this.paper.generate();
  }

  // 自动组卷's code comes the first time it is shown, like the parts above.
  async loadZuJuan() {
    if (!this.zujuan) {
      let ZuJuanPage;
      try {
        ({ ZuJuanPage } = await import('./zujuan.js'));
      } catch {
        this.say('这一部分还没有下载到本机，请连上网络后再打开。');
        return null;
      }
      if (this.zujuan) return this.zujuan;
      this.zujuan = new ZuJuanPage(this.ctx.engine, this.shareZuJuan, this.say);
      this.exercises.append(this.zujuan.root);
      this.root.append(this.zujuan.printHolder);
    }
    return this.zujuan;
  }

  // After start-up: a shared link wins; else the tab shown when the page was last closed.
  async start() {
    if (window.location.hash) return this.follow(window.location.hash);
    let saved = false;
    try {
      saved = localStorage.getItem(KOUSUAN_STORE) !== null;
    } catch {
      saved = false;
    }
    // 口算's code is fetched at start only for a practice in progress.
    const kousuan = saved ? await this.part('kousuan') : null;
    const resumed = kousuan ? await kousuan.resume().catch(() => false) : false;
    if (this.owns(this.kept)) await this.show(this.kept);
    else if (resumed) this.ctx.say('上次的口算练习还没有做完：在“自动出卷及测试”里接着做。', true);
    return true;
  }

  // Opens what a link holds; a link that cannot be read leaves the page as it is and says so.
  async follow(hash) {
    const link = readFragment(hash);
    if (!link) return false;
    // Read once: a reload then keeps what was done since, as it does without a link.
    history.replaceState(null, '', window.location.pathname + window.location.search);
    const refuse = (text) => {
      this.ctx.say(text);
      this.say(text);
      return false;
    };
    if (link.error) return refuse(link.error);
    if (link.kind === 'problems') {
      const text = link.text('text');
      const opened = text !== null && await this.ctx.openProblems(link.number('page', 0), link.number('type', 0), text);
      return opened || refuse('链接中的题目页无法打开。');
    }
    if (link.kind === 'handbook') {
      await this.show(LIBRARY);
      return (this.library && this.library.openByName(link.name('book'), link.name('at'))) || refuse('链接中的手册找不到。');
    }
    await this.show(EXERCISES);
    if (link.kind === 'paper2') return (await this.showProgram(ZUJUAN), this.zujuan && await this.zujuan.open(link)) || refuse('链接中的试卷设置无法读取。');
    if (link.kind === 'kousuan') {
      await this.showProgram(KOUSUAN);
      if (!this.kousuan) return false;
      this.kousuan.setSettings({
        ops: link.number('ops', 3), range: link.number('range', 20), table: link.number('table', 0),
        count: link.number('count', 20), blank: link.number('blank', 0), seed: link.number('seed', 1),
      });
      return this.kousuan.generate();
    }
    const counts = link.list('counts', 4);
    const scores = link.list('scores', 4);
    if (!counts || !scores) return refuse('链接中的试卷设置无法读取。');
    await this.showProgram(PAPER);
    if (!this.paper) return false;
    return this.paper.open({
      grade: link.number('grade', 3), counts, scores, decimals: link.number('decimals', 0),
      hundred: link.number('hundred', 0), seed: link.number('seed', 1),
    });
  }

  // 分享链接 on the problem pages: the page, its problem type and the typed problems.
  addProblemShare() {
    const actions = this.ctx.problemPage.querySelector('.actions');
    if (!actions) return;
    const field = el('input', { class: 'share-link', id: 'problems-share-link', readonly: '', hidden: '' });
    const button = el('button', { type: 'button', id: 'share-problems', title: '复制一个链接，打开它就是这一页的这些题目' }, '分享链接');
    button.addEventListener('click', async () => {
      const { page, type, text } = this.ctx.currentProblems();
      const link = shareLink('problems', { page, type, text });
      // What a link cannot hold is not put in one: the pupil would get only part of the page.
      if (link.length > MOST_FRAGMENT) this.ctx.say('题目太多，放不进一个链接，请分几次分享。');
      else this.ctx.say(await offerLink(link, field), true);
    });
    actions.querySelector('.grow').before(button);
    actions.after(field);
  }
}
