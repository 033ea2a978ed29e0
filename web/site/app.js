// Qimbel's six problem pages in the browser. The page copies the screen into a request, the
// core (in the worker) does all the deciding, and the page shows what comes back; like the
// desktop, nothing here knows a rule of its own.
import { Engine } from './engine.js';
import { showAll, showFragments, showText } from './render.js';
import { OtherPages } from './others.js';
import { NotebookHooks } from './notebook.js';
import { keysHtml, methodsHtml, paletteHtml, PROBLEM_PAGES, tabsHtml, typesHtml } from './page-html.js';

// The pages that are not problem pages, by template: each builds its own section. A page's code
// is a module of its own, fetched when the page is first opened (and kept by the service worker
// from then on), so the first visit downloads only the problem pages.
const OTHER_PAGES = {
  132: () => import('./charts.js').then((m) => m.ChartsPage),
  137: () => import('./graph.js').then((m) => m.GraphPage),
};
const otherPages = {};
const SEPARATOR = '----';
const STORE = 'qimbel.web.v1';
const UNDO_DEPTH = 20;
const KEPT_WORKING = 100000; // characters of working kept over a reload
const PLAIN_STORE = 'qimbel.web.plain';
// Browsers that render MathML Core get the working typeset; the others (and 纯文本) plain text.
const CAN_TYPESET = typeof MathMLElement !== 'undefined';

const $ = (id) => document.getElementById(id);
const els = {
  tabs: $('tabs'), page: $('page'), loading: $('loading'), types: $('types'), typeMenu: $('type-menu'),
  title: $('title'), text: $('text'), keys: $('keys'), palette: $('palette'), clear: $('clear'), undo: $('undo'),
  check: $('check'), compute: $('compute'), status: $('status'), progress: $('progress'),
  progressText: $('progress-text'), stop: $('stop'), result: $('result'), output: $('output'), plain: $('plain'),
  copy: $('copy'), print: $('print'), summary: $('summary'), methods: $('methods'), example: $('example'),
  help: $('help'), optIntro: $('opt-intro'), optWorking: $('opt-working'), optExplain: $('opt-explain'),
  helpDialog: $('help-dialog'), helpCaption: $('help-caption'), helpBody: $('help-body'),
  messageDialog: $('message-dialog'), messageText: $('message-text'),
};

let data = null; // tabs, types and symbols, written by the core at build time
let engine = null;
let others = null; // 知识资料汇总, 自动出卷及测试 and share by link
let busy = false;
let makerBar = null; // 出一道题, 换一道 and 举一反三 (maker-bar.js)
const state = { tab: 0, type: 1, pages: {} };

function freshPage(page) {
  return {
    text: '', tail: '', title: '标题', summary: '摘要', computeEnabled: false, method: 8,
    options: { intro: page !== 131, working: true, explain: true }, undo: [],
  };
}

function currentPageId() { return data.tabs[state.tab].page; }
function currentPage() { return state.pages[currentPageId()]; }

// ---- keeping the pages in localStorage ----

function save() {
  const kept = { tab: state.tab, type: state.type, pages: {} };
  // A text over the page's limit would not fit; what was kept before stays.
  if (Object.values(state.pages).some((page) => overLimit(page.text))) return false;
  for (const [id, page] of Object.entries(state.pages)) {
    const { undo, handlerText, ...rest } = page;
    // A long working is not kept (computing it again is quick); the pupil's text always is.
    if (rest.tail.length > KEPT_WORKING) rest.tail = '';
    kept.pages[id] = rest;
  }
  try {
    localStorage.setItem(STORE, JSON.stringify(kept));
    return true;
  } catch {
    // A very long text does not fit; drop the working, then say so.
    try {
      for (const page of Object.values(kept.pages)) page.tail = '';
      localStorage.setItem(STORE, JSON.stringify(kept));
    } catch {
      /* nothing more can be kept */
    }
    return false;
  }
}

let saveTimer = 0;
function saveSoon() {
  clearTimeout(saveTimer);
  saveTimer = setTimeout(() => {
    if (!save()) say('文字太长，无法全部保存在本机；关闭页面前请先复制。');
  }, 400);
}

function restore() {
  for (const id of PROBLEM_PAGES) state.pages[id] = freshPage(id);
  let kept = null;
  try {
    kept = JSON.parse(localStorage.getItem(STORE) || 'null');
  } catch {
    kept = null;
  }
  if (!kept) return false;
  if (Number.isInteger(kept.tab) && kept.tab >= 0 && kept.tab < data.tabs.length) state.tab = kept.tab;
  if (Number.isInteger(kept.type)) state.type = kept.type;
  for (const id of PROBLEM_PAGES) {
    const page = kept.pages && kept.pages[id];
    if (page) Object.assign(state.pages[id], page, { undo: [] });
  }
  return true;
}

// ---- the page's limit ----

// The handlers that read every problem: over the page's limit (the core's figure, in data.json)
// they are refused at once, before the worker would spend long on the text.
const READS_PROBLEMS = new Set(['check', 'compute', 'checkAndCompute', 'mark', 'markLast', 'hint']);

// Whether the problems typed (the text before the first "----") are surely over the limit: each
// character is at least one byte of the core's text, which counts bytes. Texts near the limit
// are measured by the worker, which refuses them with the same sentence.
function overLimit(text, added = 0) {
  if (!data || !data.longestText) return false;
  const cut = text.indexOf(SEPARATOR);
  return (cut < 0 ? text.length : cut) + added > data.longestText;
}

// ---- showing a page ----

function say(text, ok = false) {
  els.status.textContent = text;
  els.status.classList.toggle('ok', ok);
}

function showMessage(text) {
  els.messageText.textContent = text;
  if (!els.messageDialog.open) els.messageDialog.showModal();
}

// The tabs, type buttons and keys are HTML from page-html.js (index.html holds the first page's
// already); their clicks are taken where they arrive, by the button's id or data.
function buildTabs() {
  if (!els.tabs.children.length) els.tabs.innerHTML = tabsHtml(data.tabs, data.tabs[state.tab].page);
}

function tabClicked(event) {
  const button = event.target.closest('button[id^="tab-"]');
  if (!button) return;
  const index = data.tabs.findIndex((tab) => `tab-${tab.page}` === button.id);
  if (index >= 0) selectTab(index);
}

function typeButton(caption, enabled, onClick, id) {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = caption;
  button.disabled = !enabled;
  if (id) button.id = id;
  if (onClick) button.addEventListener('click', onClick);
  return button;
}

let typesOf = 0; // the page whose type buttons stand in #types
function buildTypes() {
  const pageId = currentPageId();
  // The first page's buttons come with index.html.
  if (typesOf !== pageId && !(typesOf === 0 && els.types.dataset.page === String(pageId))) {
    els.types.innerHTML = typesHtml(data.types, pageId, state.type);
  }
  typesOf = pageId;
}

function typeClicked(event) {
  const button = event.target.closest('button');
  if (!button || button.disabled) return;
  if (button.id === 'type-word') run('wordProblems');
  else if (button.dataset.type) chooseType(Number(button.dataset.type));
}

// A text put again as it stands would still be laid out again (a summary may be a long Chinese
// text, and showPage runs before and after every handler).
function putText(element, text) {
  if (element.textContent !== text) element.textContent = text;
}

function showPage() {
  const page = currentPage();
  const pageId = currentPageId();
  if (!page) return;
  for (const button of els.tabs.children) button.setAttribute('aria-selected', String(button.id === `tab-${pageId}`));
  for (const button of els.types.querySelectorAll('[data-type]')) {
    button.setAttribute('aria-pressed', String(Number(button.dataset.type) === state.type));
  }
  const chosen = data.types.find((t) => t.type === state.type && t.page === pageId);
  putText(els.typeMenu, `题型：${chosen ? chosen.caption : '请选择'}`);
  putText(els.title, page.title);
  putText(els.summary, page.summary);
  if (els.text.value !== page.text) els.text.value = page.text;
  els.optIntro.checked = page.options.intro;
  els.optWorking.checked = page.options.working;
  els.optExplain.checked = page.options.explain;
  els.methods.hidden = !(pageId === 134 && state.type === 22);
  for (const radio of els.methods.querySelectorAll('input')) radio.checked = Number(radio.value) === page.method;
  els.undo.disabled = page.undo.length === 0 || busy;
  els.compute.disabled = !page.computeEnabled || busy;
  for (const button of [els.check, els.clear, els.example]) button.disabled = busy;
  // 批改我的解答: for the types whose working can be marked.
  const markable = data.types.find((t) => t.type === state.type);
  if (els.mark) els.mark.disabled = busy || !(markable && markable.markable);
  // 一步一步: 下一步检查 and 提示, on the same types.
  for (const button of [els.markLast, els.hint]) if (button) button.disabled = busy || !(markable && markable.markable);
  for (const button of els.types.querySelectorAll('button')) {
    if (button.dataset.type) button.disabled = busy || !data.types.find((t) => t.type === Number(button.dataset.type)).enabled;
  }
  els.text.readOnly = busy;
  if (makerBar) makerBar.update();
}

let shownTail = null;
let shownPlain = null;
function plainWanted() {
  try {
    return !CAN_TYPESET || localStorage.getItem(PLAIN_STORE) === '1';
  } catch {
    return !CAN_TYPESET;
  }
}

function showResult() {
  const page = currentPage();
  const plain = plainWanted();
  els.result.hidden = page.tail === '';
  els.result.parentElement.classList.toggle('has-result', page.tail !== '');
  els.plain.hidden = !CAN_TYPESET;
  els.plain.setAttribute('aria-pressed', String(plain));
  if (page.tail === shownTail && plain === shownPlain) return;
  shownTail = page.tail;
  shownPlain = plain;
  if (plain || page.tail === '') {
    showText(els.output, page.tail);
    return;
  }
  // The typesetter runs in the worker; the plain text shows only should it fail.
  const tail = page.tail;
  els.output.replaceChildren();
  engine.call('typeset', [tail, state.type]).then((answer) => {
    if (shownTail !== tail || shownPlain) return;
    if (answer && answer.count) showFragments(els.output, answer.count, answer.rows, (i) => engine.call('fragment', [i]));
    else showText(els.output, tail);
  }, () => {
    if (shownTail === tail) showText(els.output, tail);
  });
}

// ---- handlers ----

function request(extra = {}) {
  const page = currentPage();
  const o = page.options;
  return {
    page: currentPageId(), type: state.type, method: page.method,
    options: (o.intro ? 1 : 0) | (o.working ? 2 : 0) | (o.explain ? 4 : 0),
    text: els.text.value + page.tail, ...extra,
  };
}

// The text box as the core returns it: what stands before the first "----" stays editable, the
// rest is the working.
function takeText(page, text) {
  const cut = text.indexOf(SEPARATOR);
  page.text = cut < 0 ? text : text.slice(0, cut);
  page.tail = cut < 0 ? '' : text.slice(cut);
}

const WARNS = /没有|无法|不能|请/;

const TEXT_CHANGING = new Set(['chooseType', 'check', 'compute', 'clear', 'example', 'wordProblems', 'checkAndCompute', 'mark', 'markLast', 'hint']);

async function run(action, arg) {
  if (busy || !currentPage()) return;
  const page = currentPage();
  const pageId = currentPageId();
  page.text = els.text.value;
  if (READS_PROBLEMS.has(action) && overLimit(page.text)) {
    say(data.textTooLong);
    return;
  }
  const snapshot = { text: page.text, tail: page.tail, title: page.title, summary: page.summary, type: state.type, computeEnabled: page.computeEnabled };
  busy = true;
  showPage();
  say('');
  const started = performance.now();
  const slow = setTimeout(() => {
    els.progress.hidden = false;
    els.progressText.textContent = '正在运算…';
  }, 100);
  const lines = (page.text.match(/\n/g) || []).length + 1;
  let answer;
  try {
    answer = await engine.call('page', [action, request(), arg], (done) => {
      els.progress.hidden = false;
      els.progressText.textContent = `正在运算… 第 ${done} 行，共约 ${lines} 行`;
    });
  } catch (failure) {
    answer = { trapped: failure && failure.trap !== undefined ? String(failure.trap) : String(failure) };
  } finally {
    clearTimeout(slow);
    els.progress.hidden = true;
    busy = false;
  }
  if (answer.trapped !== undefined) {
    const reason = /memory|内存/i.test(answer.trapped) ? '内存不足' : answer.trapped === 'stopped' ? '已停止' : '运算模块出错';
    say(`${reason}：运算模块已重新启动，您输入的文字都还在。`);
  } else if (answer.error !== undefined) {
    say(answer.error); // the text is kept as it was
  } else {
    if (TEXT_CHANGING.has(action)) {
      page.undo.push(snapshot);
      if (page.undo.length > UNDO_DEPTH) page.undo.shift();
    }
    takeText(page, answer.text);
    page.handlerText = page.text;
    if (answer.title !== undefined) page.title = answer.title;
    if (answer.summary !== undefined) page.summary = answer.summary;
    state.type = answer.type;
    // The type the page's buttons chose last is the page's own, shown again on its tab.
    if (action === 'chooseType' || action === 'wordProblems') page.type = answer.type;
    if (action === 'mark') document.dispatchEvent(new CustomEvent('qimbel:marked', { detail: { text: page.text, type: state.type } }));
    if (action === 'check' || action === 'compute' || action === 'checkAndCompute') page.computeEnabled = answer.computeEnabled;
    // What the page did, in the model's words, as the desktop's status bar says it; a compute
    // also its time. A sentence that says something could not be done or asks for something
    // stands out; a plain report does not.
    if (answer.status) {
      const computed = action === 'compute' || action === 'checkAndCompute';
      say(computed ? `${answer.status}（${Math.round(performance.now() - started)} 毫秒）` : answer.status, !WARNS.test(answer.status));
    }
    for (const message of answer.messages) showMessage(message);
  }
  if (currentPageId() === pageId) {
    showPage();
    showResult();
    // A new working that starts below the window is brought into view (phones).
    const computed = action === 'compute' || action === 'checkAndCompute';
    if (computed && !els.result.hidden && els.result.getBoundingClientRect().top > window.innerHeight - 80) {
      els.result.scrollIntoView({ block: 'start' });
    }
  }
  saveSoon();
}

function chooseType(type) {
  closeTypeMenu();
  return run('chooseType', type);
}

// Shows the section of a page that is not a problem page, built on first use; or none.
let shownOther = 0; // the page last asked for, while its code may still be loading
async function showOtherPage(pageId) {
  shownOther = pageId;
  for (const other of Object.values(otherPages)) other.hide();
  const load = OTHER_PAGES[pageId];
  els.page.hidden = Boolean(load);
  if (!load) return;
  for (const button of els.tabs.children) button.setAttribute('aria-selected', String(button.id === `tab-${pageId}`));
  if (!otherPages[pageId]) {
    let Page;
    try {
      Page = await load();
    } catch {
      // Offline, and the page was never opened before (so its code was never kept).
      if (shownOther === pageId) showMessage('这一页还没有下载到本机，请连上网络后再打开。');
      return;
    }
    if (!otherPages[pageId]) {
      otherPages[pageId] = new Page(engine);
      els.page.after(otherPages[pageId].section);
    }
  }
  if (shownOther === pageId) otherPages[pageId].showPage();
}

// `shownType`: the type index.html stands with on a first visit (its title and summary are the
// core's already), which the first tab need not ask the worker for again.
async function selectTab(index, shownType = 0) {
  if (busy) return;
  if (others.owns(data.tabs[index].page)) {
    await showOtherPage(0);
    await others.show(data.tabs[index].page);
    return;
  }
  others.hide();
  state.tab = index;
  await showOtherPage(data.tabs[index].page);
  if (!currentPage()) {
    saveSoon();
    return;
  }
  buildTypes();
  shownTail = null;
  showPage();
  showResult();
  const tab = data.tabs[index];
  const page = currentPage();
  // A page shows the type it had when it was left (also over a reload); a page not yet shown,
  // its tab's type. That type is current and gives the title and summary; the text stays.
  const type = page.type || tab.type;
  if (shownType && index === 0 && !page.type) {
    state.type = shownType;
    showPage();
  } else if (type) {
    const answer = await engine.call('page', ['showType', request(), type]).catch(() => null);
    if (answer && !answer.error) {
      page.title = answer.title;
      page.summary = answer.summary;
      state.type = answer.type;
    }
    showPage();
  } else if (tab.page === 131) {
    // The word problems have no type: their own title and summary.
    const answer = await engine.call('page', ['wordProblems', { ...request(), text: '' }]).catch(() => null);
    if (answer && !answer.error && answer.title !== undefined) {
      page.title = answer.title;
      page.summary = answer.summary;
    }
    showPage();
  }
  saveSoon();
}

// A shared link's problems: its page and problem type, its text in the text box, to be checked.
async function openProblems(pageId, type, text) {
  const index = data.tabs.findIndex((t) => t.page === pageId);
  if (index < 0 || !PROBLEM_PAGES.includes(pageId)) return false;
  await selectTab(index);
  if (type !== state.type && data.types.some((t) => t.type === type && t.page === pageId && t.enabled)) await chooseType(type);
  Object.assign(currentPage(), { tail: '', computeEnabled: false });
  els.text.value = text;
  textEdited();
  showPage();
  showResult();
  return true;
}

function undo() {
  const page = currentPage();
  const last = page.undo.pop();
  if (!last || busy) return;
  Object.assign(page, { text: last.text, tail: last.tail, title: last.title, summary: last.summary, computeEnabled: last.computeEnabled });
  page.handlerText = last.text;
  state.type = last.type;
  showPage();
  showResult();
  say('已撤销。', true);
  saveSoon();
}

function textEdited() {
  const page = currentPage();
  page.text = els.text.value;
  // The working stands after a line break of the text box. Once the text no longer ends with
  // one (it was replaced, or its last line break deleted), the old working would be joined to
  // the last problem: it is dropped, as replacing the whole text box on the desktop drops it.
  if (page.tail && !page.text.endsWith('\n')) {
    page.tail = '';
    showResult();
  }
  saveSoon();
}

function insertSymbol(text) {
  const box = els.text;
  if (box.readOnly) return;
  const start = box.selectionStart ?? box.value.length;
  const end = box.selectionEnd ?? start;
  box.setRangeText(text, start, end, 'end');
  textEdited();
}

function buildKeys() {
  if (!els.keys.children.length) els.keys.innerHTML = keysHtml();
  if (!els.methods.querySelector('input')) els.methods.innerHTML = methodsHtml();
  const more = $('more-symbols');
  // A key press must not take the focus (and the caret) from the text box.
  for (const box of [els.keys, els.palette]) {
    box.addEventListener('mousedown', (e) => e.preventDefault());
    box.addEventListener('click', (event) => {
      const key = event.target.closest('button');
      if (!key) return;
      if (key === more) {
        // The palette is written when first opened.
        if (!els.palette.children.length) els.palette.innerHTML = paletteHtml(data.symbolRows, data.symbols);
        els.palette.hidden = !els.palette.hidden;
        more.setAttribute('aria-expanded', String(!els.palette.hidden));
      } else if (key.dataset.insert !== undefined) {
        insertSymbol(key.dataset.insert);
      }
    });
  }
  els.methods.addEventListener('change', (event) => {
    if (event.target.name !== 'method') return;
    currentPage().method = Number(event.target.value);
    saveSoon();
  });
}

// The help texts come with the first 帮助 (help.json), not with the page.
let helpTexts = null;
async function showHelp() {
  const pageId = currentPageId();
  const own = data.types.some((t) => t.type === state.type && t.page === pageId);
  try {
    helpTexts = helpTexts || fetch('help.json').then((response) => response.json());
    const texts = await helpTexts;
    const help = texts[`${pageId}:${own ? state.type : 0}`] || texts[`${pageId}:0`];
    els.helpCaption.textContent = help.caption;
    els.helpBody.textContent = help.body;
  } catch {
    helpTexts = null;
    showMessage('帮助还没有下载到本机，请连上网络后再打开。');
    return;
  }
  if (!els.helpDialog.open) els.helpDialog.showModal();
}

function closeTypeMenu() {
  els.typeMenu.parentElement.classList.remove('open');
  els.typeMenu.setAttribute('aria-expanded', 'false');
}

function wire() {
  els.tabs.addEventListener('click', tabClicked);
  els.types.addEventListener('click', typeClicked);
  els.check.addEventListener('click', () => run('check'));
  els.compute.addEventListener('click', () => run('compute'));
  els.mark = typeButton('批改我的解答', true, () => run('mark'), 'mark');
  els.mark.className = 'primary';
  els.mark.title = '先写题目，再在下面每行写一步（算式以“＝”开头，方程每行一个），逐步批改';
  els.compute.after(els.mark);
  els.markLast = typeButton('下一步检查', true, () => run('markLast'), 'markLast');
  els.markLast.title = '只检查最后写的一步：和它前面的一行比较';
  els.hint = typeButton('提示', true, () => run('hint'), 'hint');
  els.hint.title = '说出下一步该怎么做，但不替你做';
  els.mark.after(els.markLast);
  els.markLast.after(els.hint);
  els.clear.addEventListener('click', () => run('clear'));
  els.example.addEventListener('click', () => run('example'));
  els.undo.addEventListener('click', undo);
  els.help.addEventListener('click', showHelp);
  els.plain.addEventListener('click', () => {
    try {
      localStorage.setItem(PLAIN_STORE, plainWanted() ? '0' : '1');
    } catch {
      /* the choice lasts this visit only */
    }
    showResult();
  });
  els.stop.addEventListener('click', () => engine.restart('stopped'));
  els.typeMenu.addEventListener('click', () => {
    const open = els.typeMenu.parentElement.classList.toggle('open');
    els.typeMenu.setAttribute('aria-expanded', String(open));
  });
  els.text.addEventListener('input', textEdited);
  // A paste that would take the problems over the page's limit is refused before the text box
  // takes it (laying out megabytes of text alone would stop the page); the text stays as it was.
  els.text.addEventListener('paste', (event) => {
    const pasted = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
    const box = els.text;
    const replaced = Math.max(0, (box.selectionEnd ?? 0) - (box.selectionStart ?? 0));
    if (pasted && overLimit(box.value, pasted.length - replaced)) {
      event.preventDefault();
      say(data.textTooLong);
    }
  });
  for (const [box, key] of [[els.optIntro, 'intro'], [els.optWorking, 'working'], [els.optExplain, 'explain']]) {
    box.addEventListener('change', () => {
      currentPage().options[key] = box.checked;
      saveSoon();
    });
  }
  document.addEventListener('keydown', (event) => {
    if (els.page.hidden) return;
    if ((event.ctrlKey || event.metaKey) && event.key === 'Enter') {
      event.preventDefault();
      run('checkAndCompute');
    } else if ((event.ctrlKey || event.metaKey) && event.key === 'z' && !event.shiftKey) {
      // Ctrl+Z takes back the last button when nothing was typed since; else the text box's own undo.
      const page = currentPage();
      const last = page && page.undo[page.undo.length - 1];
      if (last && els.text.value === page.handlerText) {
        event.preventDefault();
        undo();
      }
    }
  });
  els.copy.addEventListener('click', async () => {
    const text = els.text.value + currentPage().tail;
    try {
      await navigator.clipboard.writeText(text);
      say('已复制到剪贴板。', true);
    } catch {
      say('无法使用剪贴板，请手动选择文字复制。');
    }
  });
  els.print.addEventListener('click', async () => {
    await showAll();
    let problems = document.querySelector('.print-problems');
    if (!problems) {
      problems = document.createElement('pre');
      problems.className = 'print-problems';
      els.result.prepend(problems);
    }
    problems.textContent = `${els.title.textContent}\n${els.text.value}`;
    window.print();
  });
  window.addEventListener('beforeunload', () => save());
}

// What a pupil did before the page's code had started (index.html keeps it): the text typed
// into the first page, and Ctrl+Enter and the buttons pressed, which are done now in order.
async function replayEarly(pending) {
  for (const done of pending) {
    if (done.key) {
      await run('checkAndCompute');
      continue;
    }
    const tab = data.tabs.findIndex((t) => `tab-${t.page}` === done.click);
    const type = /^type-(\d+)$/.exec(done.click);
    if (tab >= 0) await selectTab(tab);
    else if (type) await chooseType(Number(type[1]));
    else if (done.click === 'type-word') await run('wordProblems');
    else if (done.click === 'check' || done.click === 'compute') await run(done.click);
    else document.getElementById(done.click)?.click();
  }
}

async function main() {
  // The worker starts loading the module at once, while the page builds itself.
  engine = new Engine(() => showPage());
  const response = await fetch('data.json');
  data = await response.json();
  const pending = self.qimbelPending || [];
  const typed = els.text.value;
  const kept = restore();
  // The first page's title and summary stand in index.html already, as the core gave them.
  const first = state.pages[data.tabs[0].page];
  const prerendered = els.types.dataset.page === String(data.tabs[0].page);
  if (prerendered && first && first.title === '标题') {
    Object.assign(first, { title: els.title.textContent, summary: els.summary.textContent });
  }
  const shownType = !kept && prerendered ? Number(els.types.dataset.type) || 0 : 0;
  if (typed !== '' || pending.length) {
    // The pupil began on the page index.html shows: its first tab, whatever was kept.
    state.tab = 0;
    if (typed !== '') Object.assign(state.pages[data.tabs[0].page], { text: typed, tail: '', computeEnabled: false });
  }
  others = new OtherPages({
    engine, data, problemPage: els.page, openProblems, say,
    currentProblems: () => ({ page: currentPageId(), type: state.type, text: els.text.value }),
  });
  buildTabs();
  buildKeys();
  wire();
  self.qimbelPending = null;
  els.loading.hidden = true;
  await selectTab(state.tab, shownType);
  document.documentElement.dataset.ready = '';
  await replayEarly(pending);
  // The maker's buttons come after the first answer a pupil asked for before the page had started.
  import('./maker-bar.js').then(({ MakerBar }) => { makerBar = new MakerBar({ engine, text: els.text, type: () => state.type, busy: () => busy, edited: textEdited, say }, document.querySelector('.work .actions')); });
  await others.start();
  await new NotebookHooks({ engine, data, problemPage: els.page, say, currentType: () => state.type }).start();
  // The service worker keeps the site for offline use; its install fetches the files again, so it
  // waits until the first answer has had the machine to itself.
  if ('serviceWorker' in navigator && window.isSecureContext) {
    setTimeout(() => navigator.serviceWorker.register('sw.js').catch(() => {}), 3000);
  }
}

main().catch((error) => {
  els.loading.hidden = false;
  els.loading.textContent = `无法启动：${error}`;
});

// For the browser tests: the text box as the core sees it (before the tables have come, the text
// typed alone: a test may ask while the page is still starting).
window.qimbelTextBox = () => els.text.value + (data ? currentPage().tail : '');
window.qimbelBusy = () => busy;
