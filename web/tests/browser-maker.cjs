// 出题 in a real browser (Debian's chromium, headless, driven by puppeteer-core): 出一道题, 换一道
// and 举一反三 on three problem pages, the 自动组卷 page with its print pages and share link, and the
// browser's made problems and papers held byte for byte against native qimbel-cli --make, --similar
// and --paper (same seed, same text) for every type and level the maker serves and every grade.
// Screenshots at 390 and 1280 px go to SCREENSHOT_DIR.
//   node web/tests/browser-maker.cjs SITE_DIR QIMBEL_CLI PUPPETEER_DIR [SCREENSHOT_DIR]
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');
const launch = require('./chromium.cjs');
const serve = require('./server.cjs');
const { check, runChecks } = require('./tally.cjs');

const [siteDir, cli, puppeteerDir, shotDir] = process.argv.slice(2);
const LEVELS = ['基础', '提高', '拓展'];
const PHONE = { width: 390, height: 844, isMobile: true, hasTouch: true };
const DESKTOP = { width: 1280, height: 800 };

// qimbel-cli's output (UTF-8, LF), or null when it refuses.
function native(args, input = '') {
  const run = spawnSync(cli, args.map(String), { input, encoding: 'utf8' });
  return run.status === 0 ? run.stdout : null;
}

const open = launch.openSite;

async function shot(page, name) {
  if (!shotDir) return;
  fs.mkdirSync(shotDir, { recursive: true });
  await page.screenshot({ path: path.join(shotDir, name) });
}

const textOf = (page, selector) => page.$eval(selector, (e) => e.textContent);
const boxText = (page) => page.$eval('#text', (b) => b.value);
const idle = (page) => page.waitForFunction(() => !window.qimbelBusy());

// The phone shows nothing past its right edge: the page does not scroll sideways.
async function fits(page, what) {
  const wide = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  check(wide <= 0, `${what}: nothing cut off on a phone (${wide} px too wide)`);
}

async function chooseType(page, tab, type) {
  await page.click(`#tab-${tab}`);
  await idle(page);
  await page.evaluate((t) => document.querySelector(`#type-${t}`).click(), type);
  await idle(page);
  // The bar asks for its types (and levels) when the pupil comes to it: before it has them, a level
  // cannot be chosen.
  await page.waitForFunction(() => window.qimbelMaker);
  await page.evaluate(() => window.qimbelMaker.ensureLoaded().then(() => true));
  await page.waitForFunction(() => window.qimbelMaker.loaded && !document.querySelector('#make-one').disabled);
}

async function setText(page, text, caret = text.length) {
  await page.$eval('#text', (box, v, at) => {
    box.value = v;
    box.dispatchEvent(new Event('input'));
    box.focus();
    box.setSelectionRange(at, at);
  }, text, caret);
}

async function setSeed(page, seed) {
  await page.evaluate((s) => { window.qimbelMaker.seed = s; }, seed);
}

// 出一道题 and 换一道 on a page: the pupil's lines stay, the made problem is the native one of the seed.
async function makeOne(page, tab, type, level, typed) {
  await chooseType(page, tab, type);
  await page.select('#make-level', String(level));
  await setText(page, typed);
  await setSeed(page, 40 + type);
  const before = await boxText(page);
  await page.click('#make-one');
  await page.waitForFunction((t) => document.querySelector('#text').value !== t, {}, before);
  const made = native(['--make', type, '--level', LEVELS[level], '--count', 1, '--seed', 40 + type]);
  const lines = made.trim().split('；').join('\n');
  const after = await boxText(page);
  const below = (made) => (typed ? `${typed}\n${made}` : made);
  check(after === below(lines), `type ${type}: 出一道题 puts the native problem below the typed lines: ${after.replace(/\n/g, " / ")}`);
  await page.click('#make-again');
  await page.waitForFunction((t) => document.querySelector('#text').value !== t, {}, after);
  const again = native(['--make', type, '--level', LEVELS[level], '--count', 1, '--seed', 41 + type]).trim().split('；').join('\n');
  check(await boxText(page) === below(again), `type ${type}: 换一道 swaps the made problem only`);
  // The text box's own undo takes a made problem back as it would a typed one.
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  check(await boxText(page) === below(lines), `type ${type}: Ctrl+Z brings back the problem before 换一道`);
  await setText(page, below(again));
  return again;
}

// 举一反三 on the line (or system) under the caret: five native problems, a solution a click away, and
// 放进题目框 appends one.
async function similar(page, type, caretLine, expectedLine) {
  const text = await boxText(page);
  const lines = text.split('\n');
  const caret = lines.slice(0, caretLine).join('\n').length + (caretLine ? 1 : 0);
  await setText(page, text, caret);
  await setSeed(page, 77);
  await page.click('#make-similar');
  await page.waitForSelector('#similar-dialog[open]');
  const shown = await page.$$eval('.similar-problem', (b) => b.map((x) => x.textContent));
  const expected = native(['--type', type, '--similar', 5, '--seed', 77], `${expectedLine}\n`).trim().split('\n');
  check(JSON.stringify(shown) === JSON.stringify(expected),
    `type ${type}: 举一反三 of “${expectedLine}” shows the native five: ${shown.join(' ')}`);
  check(await page.$eval('#similar-solution-0', (s) => s.hidden), 'a solution is hidden until its problem is clicked');
  await page.click('#similar-problem-1');
  const solution = await textOf(page, '#similar-solution-1');
  check(!(await page.$eval('#similar-solution-1', (s) => s.hidden)) && solution.split('\n').length >= 2,
    `type ${type}: a click shows the worked solution (${solution.split('\n').length} lines)`);
  await page.click('#similar-add-1');
  check(await boxText(page) === `${text}\n${expected[1].split('；').join('\n')}`, `type ${type}: 放进题目框 adds it below`);
  return solution;
}

async function problemPages(context) {
  const page = await open(context, serverUrl, DESKTOP);
  await makeOne(page, 130, 8, 1, '12+3*4');
  await similar(page, 8, 0, '12+3*4');
  await shot(page, 'maker-similar-1280x800.png');
  await page.click('#similar-dialog button[type="submit"]');
  await shot(page, 'maker-1280x800.png');

  await makeOne(page, 134, 22, 0, 'x^2-5x+6');
  await page.click('#similar-dialog button[type="submit"]').catch(() => {});
  const system = await makeOne(page, 135, 26, 1, '');
  // The second equation of a system: 举一反三 reads the whole system.
  await setText(page, system, system.length);
  await similar(page, 26, 1, system.split('\n').join('；'));
  await page.click('#similar-dialog button[type="submit"]');

  // A line the maker cannot read gets a sentence, and the page lives.
  await chooseType(page, 130, 8);
  await setText(page, '这不是题目', 0);
  await page.click('#make-similar');
  await page.waitForFunction(() => document.querySelector('#status').textContent !== '');
  check((await textOf(page, '#status')).length > 4 && !(await page.$('#similar-dialog[open]')), `unreadable line: ${await textOf(page, '#status')}`);
  // A type without a maker leaves the buttons off.
  await page.click('#tab-131');
  await idle(page);
  await page.close();

  const phone = await open(context, serverUrl, PHONE);
  await makeOne(phone, 134, 22, 2, '');
  await phone.$eval('#title', (t) => t.scrollIntoView({ block: 'start' }));
  await shot(phone, 'maker-390x844.png');
  await fits(phone, '出一道题');
  await similar(phone, 22, 0, await boxText(phone));
  await shot(phone, 'maker-similar-390x844.png');
  const dialogFits = await phone.$eval('#similar-dialog', (d) => d.getBoundingClientRect().right <= window.innerWidth);
  check(dialogFits, 'phone: the 举一反三 window fits the screen');
  await phone.close();
}

// Every type and level the browser's maker serves, against native: the same seed, the same lines;
// and the types are the native maker's types, no more and no fewer.
async function everyType(context) {
  const page = await open(context, serverUrl, DESKTOP);
  // The list comes with the whole core, asked for when the pupil comes to the bar.
  await page.waitForFunction(() => window.qimbelMaker);
  await page.evaluate(() => window.qimbelMaker.ensureLoaded());
  await page.waitForFunction(() => window.qimbelMaker.types.size > 0);
  const types = await page.evaluate(() => [...window.qimbelMaker.types.keys()]);
  const nativeTypes = [];
  for (let t = 0; t <= 40; ++t) if (native(['--make', t, '--count', 1]) !== null) nativeTypes.push(t);
  check(JSON.stringify(types) === JSON.stringify(nativeTypes), `the browser makes the native maker's types: ${types.join(' ')}`);
  const differ = [];
  for (const type of types) {
    for (let level = 0; level < 3; ++level) {
      const seed = 1000 + type * 7 + level;
      const browser = await page.evaluate((w) => window.qimbelMaker.call(w), ['make', type, level, 10, seed]);
      const text = browser ? browser.problems.map((p) => `${p.line}\n`).join('') : '';
      if (text !== native(['--make', type, '--level', LEVELS[level], '--seed', seed])) differ.push(`${type}/${LEVELS[level]}`);
    }
  }
  check(differ.length === 0, `--make: browser and native give the same ten problems for ${types.length} types × 3 levels ${differ.join(' ')}`);
  // Calls that cannot be read are refused with a sentence; the worker lives on.
  const bad = [[['make', 8, 0, 100000, 1]], [['make', 8, 3, 1, 1]], [['make', 'x']], [['similar', 8, 5, 1, 99], '1+1'],
    [['similar', 8, 5, 1, 0], '1+1\uD800'], [['paper', 8, 1, 1, '20.0.999.1']], [['paper', 10, 1, 1, '20.0.1.100']],
    [['paper', 8, 1, 1, ...Array(13).fill('20.0.1.1')]], [['paper', 8, 1, 1, '20.0.61.1']], [['nothing']]];
  const answers = [];
  for (const [words, text = ''] of bad) {
    answers.push(await page.evaluate((w, t) => window.qimbelMaker.ctx.engine.call('maker', [w.map(String), t]).catch((e) => e), words, text));
  }
  check(answers.every((a) => a && typeof a.error === 'string' && a.error !== ''), `bad calls refused: ${answers.map((a) => a && a.error).join(' | ')}`);
  await page.close();
}

async function kindsOf(page) {
  return page.$$eval('#zj-kinds tr', (rows) => rows.map((r) => [...r.querySelectorAll('select, input')].map((c) => c.value).join('.')));
}

async function generate(page) {
  const before = await textOf(page, '#zj-paper');
  await page.click('#zj-generate');
  await page.waitForFunction((t) => document.querySelector('#zj-paper').textContent !== t, { timeout: 20000 }, before).catch(() => null);
}

// The grade's line of the curriculum file, as the form's rows read: type.level.count.points.
const INI = fs.readFileSync(path.join(__dirname, '../../data/Document/ZuJuan.ini'), 'utf8');
function gradeKinds(grade) {
  const line = INI.split('\n').find((l) => l.startsWith(`${'一二三四五六七八九'[grade - 1]}年级|`));
  return line.split('|')[1].trim().split(';').map((k) => {
    const [t, l, c, p] = k.trim().split(' ');
    return [t, LEVELS.indexOf(l), c, p].join('.');
  });
}

// Chooses a grade; true once the form holds its default selection.
async function chooseGrade(page, grade) {
  await page.select('#zj-grade', String(grade));
  const expected = JSON.stringify(gradeKinds(grade));
  return page.waitForFunction((e) => JSON.stringify([...document.querySelectorAll('#zj-kinds tr')].map((r) =>
    [...r.querySelectorAll('select, input')].map((c) => c.value).join('.'))) === e, { timeout: 20000 }, expected)
    .then(() => true, () => false);
}

async function zuJuan(context) {
  const page = await open(context, serverUrl, DESKTOP);
  await page.click('#tab-164');
  await page.click('#launcher-zujuan');
  await page.waitForFunction(() => document.querySelector('#zj-paper') && document.querySelector('#zj-paper').textContent !== '', { timeout: 20000 });
  const differ = [];
  for (let grade = 1; grade <= 9; ++grade) {
    if (!(await chooseGrade(page, grade))) differ.push(`form of ${grade}: ${(await kindsOf(page)).join(',')}`);
    await page.$eval('#zj-seed', (s, v) => { s.value = String(v); }, 2026 + grade);
    await generate(page);
    const shown = `${await textOf(page, '#zj-paper')}\n${await textOf(page, '#zj-key')}`;
    if (shown !== native(['--paper', grade, '--seed', 2026 + grade])) differ.push(grade);
  }
  check(differ.length === 0, `--paper: every grade's form is its line of ZuJuan.ini, its paper and key the native ones ${differ.join(' ')}`);

  // 八年级, answers only: the native --answers-only key.
  await chooseGrade(page, 8);
  await page.$eval('#zj-seed', (s) => { s.value = '31'; });
  await page.$eval('#zj-answers-only', (c) => { c.checked = true; });
  await generate(page);
  check(`${await textOf(page, '#zj-paper')}\n${await textOf(page, '#zj-key')}` === native(['--paper', 8, '--seed', 31, '--answers-only']),
    'answers only: the native key of answers');
  await page.$eval('#zj-answers-only', (c) => { c.checked = false; });
  await generate(page);
  check((await textOf(page, '#zj-key')).includes('＝'), 'the worked key holds the working');

  // A kind added and the total shown; a paper that does not count 100 is refused with a sentence.
  await page.click('#zj-add');
  check((await textOf(page, '#zj-total')).includes('合计105分'), `a kind more: ${await textOf(page, '#zj-total')}`);
  const kept = await textOf(page, '#zj-paper');
  await page.click('#zj-generate');
  await page.waitForFunction(() => document.querySelector('#other-status').textContent.includes('100分'));
  check(await textOf(page, '#zj-paper') === kept, `not 100: refused, the paper stays (${await textOf(page, '#other-status')})`);
  await page.$$eval('.zj-remove', (b) => b[b.length - 1].click());
  await generate(page);

  // 换一张: another number, another paper of the same kinds.
  await page.click('#zj-another');
  await page.waitForFunction((t) => document.querySelector('#zj-paper').textContent !== t, {}, kept);
  const seed = await page.$eval('#zj-seed', (s) => s.value);
  check(`${await textOf(page, '#zj-paper')}\n${await textOf(page, '#zj-key')}` === native(['--paper', 8, '--seed', seed]),
    `换一张 makes paper ${seed}, the native one`);
  await page.evaluate(() => window.scrollTo(0, 0));
  await shot(page, 'zujuan-1280x800.png');
  await page.click('#zj-show-key');
  await shot(page, 'zujuan-key-1280x800.png');

  // Printed: every problem once, nothing past a page's edge, no lone last problem, key pages after.
  await page.evaluate(() => { window.print = () => {}; });
  await page.click('#zj-print');
  await page.emulateMediaType('print');
  const printed = await page.$$eval('.print-pages.chosen .print-page', (boxes) => boxes.map((box) => {
    const edge = box.getBoundingClientRect();
    const runs = [...box.querySelectorAll('.run')];
    return {
      key: box.classList.contains('key'),
      problems: box.querySelectorAll('.run.problem').length,
      cut: runs.filter((run) => {
        const r = run.getBoundingClientRect();
        return r.top < edge.top - 0.5 || r.bottom > edge.bottom + 0.5 || r.right > edge.right + 0.5;
      }).map((run) => run.textContent),
      texts: runs.map((run) => run.textContent),
    };
  }));
  const paperPages = printed.filter((p) => !p.key);
  const problems = (await textOf(page, '#zj-paper')).split('\n').filter((l) => /^\d+．/.test(l));
  const printedProblems = paperPages.flatMap((p) => p.texts.filter((t) => /^\d+．/.test(t)));
  check(printed.length >= 2 && printed.some((p) => p.key) && !printed[0].key, `printed: ${paperPages.length} pages of paper, then the key`);
  check(JSON.stringify(printedProblems) === JSON.stringify(problems), `every problem printed once (${problems.length})`);
  check(printed.every((p) => p.cut.length === 0), `nothing cut at a page's edge ${printed.flatMap((p) => p.cut).join(' ')}`);
  check(paperPages.length < 2 || paperPages[paperPages.length - 1].problems !== 1, 'the last page of the paper holds no lone problem');
  const keyLines = (await textOf(page, '#zj-key')).split('\n').filter((l) => l.trim() !== '');
  // The key's headings are printed as the paper's, with their points.
  const printedKey = printed.filter((p) => p.key).flatMap((p) => p.texts).filter((t) => t.trim() !== '')
    .map((t) => t.replace(/（每题\d+分，共\d+分）$/, ''));
  // Line for line: a line wider than the page (9.5 points a character, half for ASCII, on 510
  // points) may stand in pieces on consecutive lines, nothing lost; any other line stands whole.
  const ems = (text) => [...text].reduce((n, c) => n + (c.charCodeAt(0) < 0x80 ? 0.5 : 1), 0);
  const keyWrong = [];
  let at = 0;
  for (const line of keyLines) {
    let joined = '';
    const from = at;
    while (at < printedKey.length && joined.length < line.length) joined += printedKey[at++];
    if (joined !== line || (at - from > 1 && ems(line) * 9.5 <= 510)) keyWrong.push(line);
  }
  check(keyWrong.length === 0 && at === printedKey.length, `the key is printed line for line ${keyWrong.join(' | ')}`);

  // The pages break where the native layout of the same paper breaks them (qimbel-sheets answers
  // the module's calls natively).
  const sheets = path.join(path.dirname(cli), 'qimbel-sheets');
  const kinds = await kindsOf(page);
  const nativeRun = spawnSync(sheets, ['maker', 'paper', 8, seed, 1, ...kinds].map(String), { input: '', encoding: 'utf8' });
  const nativePages = nativeRun.status === 0 ? JSON.parse(nativeRun.stdout).pages : [];
  const breaks = (pages) => JSON.stringify(pages.map((p) => [p.key, p.texts.filter((t) => t !== '')]));
  check(breaks(printed) === breaks(nativePages.map((p) => ({ key: p.key, texts: p.runs.map((r) => r.text) }))),
    `the printed pages break where native qimbel-sheets breaks them (${nativePages.length} pages)`);
  await page.emulateMediaType(null);
  await page.evaluate(() => delete document.body.dataset.print);

  // A share link rebuilds the same paper, on a phone too.
  await page.click('#zj-share');
  const link = await page.$eval('#zj-share-link', (f) => f.value);
  check(/#kind=paper2&grade=8&kinds=[\d.,%C]+&key=1&seed=\d+$/.test(link), `the link: ${link.replace(/^.*#/, '#')}`);
  const whole = `${await textOf(page, '#zj-paper')}\n${await textOf(page, '#zj-key')}`;
  const fresh = await context.browser().createBrowserContext();
  const phone = await open(fresh, link, PHONE);
  await phone.waitForFunction((t) => {
    const p = document.querySelector('#zj-paper');
    return p && `${p.textContent}\n${document.querySelector('#zj-key').textContent}` === t;
  }, { timeout: 20000 }, whole).catch(() => null);
  const reopened = await phone.evaluate(() => `${document.querySelector('#zj-paper')?.textContent}\n${document.querySelector('#zj-key')?.textContent}`);
  check(reopened === whole, 'a paper2 link reopens the same paper and key');
  await phone.evaluate(() => window.scrollTo(0, 0));
  await shot(phone, 'zujuan-390x844.png');
  await fits(phone, '自动组卷');
  const bad = ['#kind=paper2&grade=8&kinds=99.0.1.100&seed=1', '#kind=paper2&grade=12&kinds=20.0.4.25&seed=1', '#kind=paper2&grade=8&kinds=20.7.1.1;x&seed=1'];
  for (const fragment of bad) {
    const tab = await open(fresh, link.replace(/#.*/, '') + fragment, DESKTOP);
    await tab.waitForFunction(() => (document.querySelector('#other-status')?.textContent || '').includes('链接'), { timeout: 20000 }).catch(() => null);
    const status = await tab.evaluate(() => document.querySelector('#other-status')?.textContent || '');
    check(status !== '' && (await tab.evaluate(() => 1 + 1)) === 2, `bad link ${fragment}: ${status}`);
    await tab.close();
  }
  await fresh.close();
  await page.close();
}

let serverUrl = '';
runChecks('web maker', async () => {
  const server = await serve(siteDir, 9131 + (process.pid % 200));
  serverUrl = server.url;
  const browser = await launch(puppeteerDir);
  try {
    const context = await browser.createBrowserContext();
    await problemPages(context);
    await everyType(context);
    await zuJuan(context);
  } finally {
    await browser.close();
    server.stop();
  }
});
