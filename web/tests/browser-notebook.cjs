// 练一练 and the 错题本 in a real browser (Debian's chromium, headless, puppeteer-core): a round of
// five made problems with a wrong try, 再试一次 over a reload, 再做一道相似的 and the 练习报告;
// wrong marks of 批改我的解答 and of the 口算 practice kept too; the notebook's page with its
// filters, 重做, 举一反三, chart and 删除, the same after a reload; 导出 read back by the native
// qimbel-cli and a CLI export imported and exported again byte for byte; damaged and foreign
// files that change nothing; a full store that loses one change and nothing else; a second
// window's change read before the next; a version 1 database migrated; the notebook and a round
// offline from the service worker.
// Screenshots at 1280 and 390 px go to SCREENSHOT_DIR.
//   node web/tests/browser-notebook.cjs SITE_DIR QIMBEL_CLI PUPPETEER_DIR [SCREENSHOT_DIR]
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const launch = require('./chromium.cjs');
const serve = require('./server.cjs');
const { idle, setText } = require('./page-steps.cjs');
const { check, runChecks } = require('./tally.cjs');

const [siteDir, cli, puppeteerDir, shotDir] = process.argv.slice(2);
const TODAY = '2026-12-09';
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'qimbel-notebook-'));

function qimbel(args, input = '') {
  return execFileSync(cli, args, { input, encoding: 'utf8', stdio: ['pipe', 'pipe', 'pipe'] });
}

async function open(context, url, viewport = { width: 1280, height: 800 }) {
  const page = await context.newPage();
  page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
  page.on('dialog', (dialog) => dialog.accept());
  await page.setViewport(viewport);
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.evaluate((today) => localStorage.setItem('qimbel.web.today', today), TODAY);
  await page.waitForSelector('[data-ready] #page:not([hidden]), #more:not([hidden]), #notebook:not([hidden])');
  await page.waitForSelector('#tab-notebook');
  return page;
}

async function shot(page, name) {
  if (!shotDir) return;
  fs.mkdirSync(shotDir, { recursive: true });
  await page.screenshot({ path: path.join(shotDir, name) });
}

const textOf = (page, selector) => page.$eval(selector, (e) => e.textContent);
const entries = (page) => page.$$eval('#nb-list .nb-entry', (list) => list.length);

// The answer of the round's current problem, from the practice model's saved round: each item
// is "item …", then its problem line and its answer, each after "text N".
async function currentAnswer(page) {
  return page.evaluate(() => {
    const state = JSON.parse(localStorage.getItem('qimbel.web.practice')).state;
    const index = Number(state.split(' ')[2]);
    const items = [...state.matchAll(/(?:^|\n)item [^\n]*\ntext \d+\n([^\n]*)\ntext \d+\n([^\n]*)\n/g)];
    return items[index][2];
  });
}

async function typeWorking(page, text) {
  await page.$eval('#pr-working', (box) => { box.value = ''; });
  await page.click('#pr-working');
  await page.keyboard.type(text);
}

// Ctrl+Enter in the working marks it.
async function markWithKeys(page) {
  const before = await page.evaluate(() => localStorage.getItem('qimbel.web.practice'));
  await page.keyboard.down('Control');
  await page.keyboard.press('Enter');
  await page.keyboard.up('Control');
  await page.waitForFunction((b) => localStorage.getItem('qimbel.web.practice') !== b
    && document.querySelector('#pr-marked').textContent !== '', {}, before);
}

async function showNotebook(page) {
  await page.click('#tab-notebook');
  await page.waitForSelector('#notebook:not([hidden]) #nb-status');
  await page.waitForFunction(() => document.querySelector('#nb-status').textContent !== '');
}

async function download(page, dir) {
  const cdp = await page.createCDPSession();
  await cdp.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: dir });
  await page.click('#nb-export');
  const file = path.join(dir, `错题本-${TODAY}.json`);
  for (let i = 0; i < 200 && !fs.existsSync(file); ++i) await new Promise((r) => setTimeout(r, 50));
  if (!fs.existsSync(file)) console.log(`  downloaded: ${fs.readdirSync(dir).join(' ')}`);
  return fs.readFileSync(file);
}

async function importFile(page, file) {
  await page.$eval('#nb-message', (m) => { m.textContent = ''; });
  const input = await page.$('#nb-file');
  await input.uploadFile(file);
  await page.waitForFunction(() => document.querySelector('#nb-message').textContent !== '');
  return textOf(page, '#nb-message');
}

// A round of 练一练 on the current type, up to its first problem.
async function startRound(page, count = '5') {
  await page.click('#practice');
  await page.waitForSelector('#practice-dialog[open] #pr-start');
  await page.select('#pr-count', count);
  await page.click('#pr-start');
  await page.waitForFunction(() => document.querySelector('#pr-problem').textContent !== '');
}

async function practice(page) {
  await page.click('#tab-135');
  await idle(page);
  await page.click('#type-25');
  await idle(page);
  check(!(await page.$eval('#practice', (b) => b.disabled)), '练一练 stands beside 批改我的解答 on a markable type');
  await startRound(page);
  check((await textOf(page, '#pr-progress')).includes('第1题，共5题'), 'a round of five made problems starts at the first');

  // A wrong try: marked at once, kept in the notebook; 再试一次 clears the working.
  await typeWorking(page, 'x＝999');
  await markWithKeys(page);
  check((await textOf(page, '#pr-marked')).includes('×'), 'Ctrl+Enter marks the working: the wrong step is shown');
  check((await textOf(page, '#pr-note')).includes('已记入错题本'), 'the wrong problem goes into the notebook');
  await shot(page, 'practice-1280x800.png');
  await page.click('#pr-retry');
  await page.waitForFunction(() => document.querySelector('#pr-working').value === '');
  const problem = await textOf(page, '#pr-problem');
  await page.click('#pr-working');
  await page.keyboard.type('x＝');

  // A reload mid-round: the same problem, the working as typed.
  await page.reload({ waitUntil: 'domcontentloaded' });
  await page.waitForSelector('#practice-dialog[open] #pr-working');
  await page.waitForFunction(() => document.querySelector('#pr-problem').textContent !== '');
  check(await textOf(page, '#pr-problem') === problem && await page.$eval('#pr-working', (b) => b.value) === 'x＝',
    'a round in progress survives a reload, with what was typed');

  await typeWorking(page, await currentAnswer(page));
  await page.click('#pr-mark');
  await page.waitForFunction(() => document.querySelector('#pr-marked').textContent.includes('√'));
  check(!(await textOf(page, '#pr-marked')).includes('×'), 'the answer typed again is marked right');
  await page.click('#pr-next');
  await page.waitForFunction(() => document.querySelector('#pr-progress').textContent.includes('第2题'));

  // A second wrong problem, followed by a similar one.
  await typeWorking(page, 'x＝999');
  await markWithKeys(page);
  await page.click('#pr-similar');
  await page.waitForFunction(() => document.querySelector('#pr-progress').textContent.includes('第3题，共6题'));
  check((await textOf(page, '#pr-progress')).includes('相似的题'), '再做一道相似的 puts a similar problem next');
  for (let i = 0; i < 4; ++i) {
    await page.click('#pr-next');
    await page.waitForFunction((n) => !document.querySelector('.pr-end').hidden
      || document.querySelector('#pr-progress').textContent.includes(`第${n}题`), {}, i + 4);
  }
  await page.waitForFunction(() => !document.querySelector('.pr-end').hidden);
  const report = await textOf(page, '#pr-report');
  check(report.includes('练习报告') && report.includes('共6道题') && report.includes('改正后做对1道'),
    `the 练习报告 counts the round: ${report.split('\n')[1]}`);
  await page.click('#pr-close');
}

runChecks('browser-notebook', async () => {
  const server = await serve(siteDir, 9331 + (process.pid % 200));
  const browser = await launch(puppeteerDir);
  try {
    const context = await browser.createBrowserContext();
    let page = await open(context, server.url);
    await practice(page);

    // 批改我的解答 on a page: its wrong problem is kept.
    await setText(page, '3x＋1＝7\n3x＝8\nx＝8/3\n');
    await page.click('#mark');
    await idle(page);
    await page.waitForFunction(() => document.querySelector('#status').textContent.includes('错题本'));
    check(true, '批改我的解答 keeps its wrong problem');

    // A wrong 口算 answer is kept too.
    await page.click('#tab-164');
    await page.waitForSelector('#ks-answer');
    await page.click('#ks-generate');
    await page.waitForFunction(() => (document.querySelector('#ks-question')?.textContent ?? '') !== '');
    await page.type('#ks-answer', '9999');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.querySelector('#ks-feedback').textContent.includes('不对'));

    await showNotebook(page);
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 4);
    check((await textOf(page, '#nb-status')).includes('共4道错题'), 'the notebook holds the four wrong problems');
    check(await page.$eval('#nb-chart', (svg) => svg.querySelectorAll('[data-kind="rect"]').length > 0),
      'the slips by kind are drawn as a chart');
    await page.select('#nb-type', '25');
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 3);
    check(true, 'the filter by type lists the three equations');
    await page.select('#nb-type', '0');
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 4);
    await shot(page, 'notebook-1280x800.png');

    // 重做 wrong, 举一反三, 删除, on an equation.
    await page.evaluate(() => [...document.querySelectorAll('#nb-list .nb-entry')].find((b) => b.textContent.includes('一元一次方程')).click());
    await page.click('#nb-redo');
    await page.type('#nb-redo-text', 'x＝999');
    await page.click('#nb-redo-mark');
    await page.waitForFunction(() => document.querySelector('#nb-redo-verdict').textContent !== '');
    check((await textOf(page, '#nb-redo-verdict')).includes('还有错'), '重做 marks the working and counts a wrong try');
    check((await textOf(page, '#nb-detail')).includes('做错2次'), 'the entry counts the wrong redo');
    await page.click('#nb-similar-button');
    await page.waitForSelector('#nb-similar:not([hidden]) li');
    check(await page.$$eval('#nb-similar li', (l) => l.length) === 3, '举一反三 gives three similar problems');
    await page.click('#nb-delete');
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 3);
    check((await textOf(page, '#nb-message')).includes('已删除'), '删除 takes the entry out');

    // Over a reload the notebook is shown again with the same entries.
    await page.reload({ waitUntil: 'domcontentloaded' });
    await page.waitForSelector('#notebook:not([hidden])');
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 3);
    check((await textOf(page, '#nb-status')).includes('共3道错题'), 'the notebook is the same after a reload');

    // 打印错题本: the printed pages of the site, every line inside its page.
    await page.evaluate(() => { window.print = () => {}; });
    await page.click('#nb-print');
    await page.waitForSelector('#nb-print-pages.chosen .print-page');
    const laid = Number(await page.$eval('#nb-print-pages', (h) => h.dataset.pages));
    const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true, printBackground: true }));
    const printed = [...pdf.toString('latin1').matchAll(/\/Type\s*\/Page[^s]/g)].length;
    check(printed === laid && laid > 0, `打印错题本 prints the ${laid} pages laid out (${printed})`);
    await page.emulateMediaType('print');
    const outside = await page.$$eval('#nb-print-pages .print-page', (boxes) => boxes.flatMap((box) => {
      const edge = box.getBoundingClientRect();
      return [...box.querySelectorAll('.run')].filter((run) => {
        const r = run.getBoundingClientRect();
        return r.bottom > edge.bottom + 0.5 || r.right > edge.right + 0.5;
      }).map((run) => run.textContent);
    }));
    check(outside.length === 0, `no printed line runs off its page ${outside.join(' ')}`);
    await page.emulateMediaType(null);
    await page.evaluate(() => delete document.body.dataset.print);

    // A second window deletes an entry; the first one's next change reads it first.
    const second = await context.newPage();
    second.on('dialog', (dialog) => dialog.accept());
    await second.goto(server.url, { waitUntil: 'domcontentloaded' });
    await second.waitForSelector('#notebook:not([hidden])');
    await second.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 3);
    await second.click('#nb-list .nb-entry');
    await second.click('#nb-delete');
    await second.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 2);
    await second.close();
    await page.select('#nb-date', '6');
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 2);
    check(true, 'a change made in another window is read before the next one');
    await page.select('#nb-date', '-1');

    // 导出 is read by the native program, whose export is the same bytes.
    const exported = await download(page, work);
    const db = path.join(work, 'from-browser.db');
    qimbel(['--notebook', db, '--import'], exported);
    const again = qimbel(['--notebook', db, '--export']);
    check(Buffer.from(again).equals(exported), 'the browser\'s export, imported by qimbel-cli, exports byte for byte the same');

    // Offline from the service worker: the notebook and a new round.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload({ waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.setOfflineMode(true);
    await page.reload({ waitUntil: 'domcontentloaded' });
    await page.waitForSelector('#notebook:not([hidden])');
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 2);
    check(true, 'offline: the notebook opens from the kept files');
    await page.click('#tab-135');
    await idle(page);
    await startRound(page, '10');
    check((await textOf(page, '#pr-progress')).includes('共10题'), 'offline: a round of 练一练 starts');
    await page.click('#pr-close');
    await page.setOfflineMode(false);
    await page.close();
    await context.close();

    // A database of the first schema is taken to the second with its entries.
    const old = await browser.createBrowserContext();
    page = await old.newPage();
    await page.goto(`${server.url}manifest.webmanifest`);
    const row = JSON.parse(exported.toString('utf8')).entries[0];
    await page.evaluate((kept) => new Promise((resolve, reject) => {
      const req = indexedDB.open('qimbel-notebook', 1);
      req.onupgradeneeded = () => req.result.createObjectStore('entries', { keyPath: 'id' }).createIndex('key', 'key', { unique: true });
      req.onsuccess = () => {
        const tx = req.result.transaction('entries', 'readwrite');
        tx.objectStore('entries').put({ ...kept, key: 'kept' });
        tx.oncomplete = () => { req.result.close(); resolve(); };
        tx.onerror = () => reject(tx.error);
      };
      req.onerror = () => reject(req.error);
    }), row);
    await page.close();
    page = await open(old, server.url);
    await showNotebook(page);
    await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 1);
    const version = await page.evaluate(() => new Promise((resolve) => {
      const req = indexedDB.open('qimbel-notebook');
      req.onsuccess = () => { resolve(req.result.version); req.result.close(); };
    }));
    check(version === 2 && (await textOf(page, '#nb-list')).includes(row.problem), `a version 1 database is migrated to ${version} with its entry`);
    await old.close();

    // A notebook of qimbel-cli moves into a fresh browser and back, byte for byte.
    const cliDb = path.join(work, 'cli.db');
    qimbel(['--notebook', cliDb, '--add', '--type', '25', '--date', '2026-12-01'], '2x－1＝5\n2x＝4\nx＝2\n');
    qimbel(['--notebook', cliDb, '--add', '--type', '21', '--date', '2026-12-03'], '3(x－2)－(x－1)\n＝3x－6－x－1\n＝2x－7\n');
    qimbel(['--notebook', cliDb, '--redo', '1', '--wrong', '--date', '2026-12-04']);
    const fromCli = path.join(work, 'cli.json');
    fs.writeFileSync(fromCli, qimbel(['--notebook', cliDb, '--export']));
    const fresh = await browser.createBrowserContext();
    for (const [width, height, name] of [[1280, 800, '1280'], [390, 844, '390']]) {
      page = await open(fresh, server.url, { width, height });
      await showNotebook(page);
      if (name === '1280') {
        const said = await importFile(page, fromCli);
        check(said.includes('导入了2道错题'), `a CLI export imports: ${said}`);
        await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 2);
        const back = await download(page, fs.mkdtempSync(path.join(work, 'back-')));
        check(back.equals(fs.readFileSync(fromCli)), 'exported again in the browser, it is byte for byte the CLI\'s file');

        // A damaged or foreign file changes nothing and says so.
        const cut = path.join(work, 'cut.json');
        const whole = fs.readFileSync(fromCli);
        fs.writeFileSync(cut, whole.subarray(0, Math.floor(whole.length / 2)));
        const foreign = path.join(siteDir, 'icons', 'icon-192.png');
        const other = path.join(work, 'other.json');
        fs.writeFileSync(other, JSON.stringify({ format: 'something-else', version: 1, entries: [] }));
        for (const file of [cut, foreign, other]) {
          const refused = await importFile(page, file);
          check(refused.includes('不能导入') && refused.includes('没有改动') && await entries(page) === 2,
            `${path.basename(file)} is refused and changes nothing: ${refused}`);
        }
        // A full store: the change is lost whole, said in Chinese, and the next one is kept.
        await page.evaluate(() => {
          const put = IDBObjectStore.prototype.put;
          IDBObjectStore.prototype.put = function full(...args) {
            IDBObjectStore.prototype.put = put;
            throw new DOMException('full', 'QuotaExceededError');
          };
        });
        await page.click('#tab-135');
        await idle(page);
        await page.click('#type-25');
        await idle(page);
        await setText(page, '5x＋2＝12\n5x＝14\nx＝14/5\n');
        await page.click('#mark');
        await idle(page);
        await page.waitForFunction(() => document.querySelector('#status').textContent.includes('存储空间已满'));
        await showNotebook(page);
        check(await entries(page) === 2 && (await textOf(page, '#nb-status')).includes('共2道错题'),
          'a full store: "浏览器的存储空间已满", every earlier entry kept');
        await page.click('#tab-135');
        await idle(page);
        await page.click('#mark');
        await idle(page);
        await showNotebook(page);
        await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 3);
        check(true, 'the same problem marked again once there is room is kept');
        await page.click('#nb-list .nb-entry');
      } else {
        await page.waitForFunction(() => document.querySelectorAll('#nb-list .nb-entry').length === 3);
        const wide = await page.evaluate(() => document.documentElement.scrollWidth);
        check(wide <= 390, `the notebook fits a phone's width (${wide} px)`);
        await page.click('#nb-list .nb-entry');
        await shot(page, 'notebook-390x844.png');
        await page.click('#tab-135');
        await idle(page);
        await page.click('#type-menu');
        await page.click('#type-25');
        await idle(page);
        await startRound(page);
        await typeWorking(page, 'x＝999');
        await markWithKeys(page);
        await shot(page, 'practice-390x844.png');
      }
      await page.close();
    }
    await fresh.close();
  } finally {
    await browser.close();
    server.stop();
    fs.rmSync(work, { recursive: true, force: true });
  }
});
