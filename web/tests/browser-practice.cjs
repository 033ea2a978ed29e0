// 知识资料汇总, 口算练习, 四则运算测试卷 and share links in a real browser (Debian's chromium,
// headless, driven by puppeteer-core): a handbook's own link and its search; five 口算 problems
// answered, two of them wrong, and the report as native code writes it; a paper printed to PDF
// with the pages its layout made and no problem cut; shared links that open the same problems;
// bad links that leave a living page. Screenshots go to SCREENSHOT_DIR.
//   node web/tests/browser-practice.cjs SITE_DIR QIMBEL_SHEETS PUPPETEER_DIR [SCREENSHOT_DIR]
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const launch = require('./chromium.cjs');
const serve = require('./server.cjs');
const { check, runChecks } = require('./tally.cjs');

const [siteDir, sheets, puppeteerDir, shotDir] = process.argv.slice(2);

function native(words, input = '') {
  return JSON.parse(execFileSync(sheets, words.map(String), { input, encoding: 'utf8' }));
}

const open = launch.openSite;

async function setValue(page, selector, value) {
  await page.$eval(selector, (input, v) => {
    if (input.type === 'checkbox') input.checked = v;
    else input.value = String(v);
    input.dispatchEvent(new Event('change'));
  }, value);
}

async function shot(page, name) {
  if (!shotDir) return;
  fs.mkdirSync(shotDir, { recursive: true });
  await page.screenshot({ path: path.join(shotDir, name) });
}

const textOf = (page, selector) => page.$eval(selector, (e) => e.textContent);
const alive = async (page) => (await page.evaluate(() => 1 + 1)) === 2;

// 口算 with 加法 and 减法 within 20, 10 problems, 练习编号 123.
const KOUSUAN = ['kousuan', 3, 20, 0, 10, 0, 123];
const PAPER = ['paper', 3, 20, 4, 4, 0, 1, 4, 5, 5, 0, 1, 2026];

async function handbook(page) {
  await page.click('#tab-153');
  // The library's code comes when the tab is first opened.
  await page.waitForSelector('#book-1208');
  await page.click('#book-1208');
  await page.waitForFunction(() => {
    const doc = document.querySelector('#book-frame').contentDocument;
    return doc && doc.readyState === 'complete' && doc.getElementById('sanjiao');
  });
  const frame = page.frames().find((f) => f.url().includes('zhishi/shuxueshouce.html'));
  await frame.click('a[href="#sanjiao"]');
  await frame.waitForFunction(() => window.location.hash === '#sanjiao');
  const top = await frame.$eval('#sanjiao', (h) => h.getBoundingClientRect().top);
  check(Math.abs(top) < 40, `a handbook's own link leads to its section (top at ${Math.round(top)} px)`);
  await page.type('#find-text', '函数');
  await page.keyboard.press('Enter');
  const found = await textOf(page, '#find-result');
  const marked = await frame.$$eval('mark.qimbel-find', (m) => m.length);
  check(/共 \d+ 处/.test(found) && marked > 1 && await frame.$('mark.qimbel-find.current') !== null,
    `search marks every place in the handbook (${found})`);
  await page.click('#find-next');
  check((await textOf(page, '#find-result')).startsWith('第 2 处'), 'search steps to the next place');
  await shot(page, 'handbook-1280x800.png');
  await page.click('#book-back');
}

async function practice(page) {
  await page.click('#tab-164');
  await page.waitForSelector('#kousuan:not([hidden])');
  await setValue(page, '#ks-op-1', true);
  await setValue(page, '#ks-op-2', true);
  await setValue(page, '#ks-op-4', false);
  await setValue(page, '#ks-op-8', false);
  await setValue(page, '#ks-range', 20);
  await setValue(page, '#ks-count', 10);
  await setValue(page, '#ks-seed', 123);
  await page.click('#ks-generate');
  await page.waitForFunction(() => (document.querySelector('#ks-question')?.textContent ?? '') !== '');
  const sheet = native(KOUSUAN);
  const listed = await page.$$eval('#ks-list li', (items) => items.map((i) => i.textContent));
  check(JSON.stringify(listed) === JSON.stringify(sheet.problems.map((p) => p.question)), 'the sheet is the native sheet');

  // Five problems: the second and the fourth wrong (then 下一题).
  const answers = [];
  for (let i = 0; i < 5; ++i) {
    const shown = await textOf(page, '#ks-question');
    check(shown === sheet.problems[i].question, `problem ${i + 1} on screen: ${shown}`);
    const typed = i === 1 || i === 3 ? `${Number(sheet.problems[i].answer) + 1}` : sheet.problems[i].answer;
    answers.push(`${i}\t${typed}`);
    await page.click('#ks-answer');
    await page.keyboard.type(typed);
    await page.keyboard.press('Enter');
    if (i === 1 || i === 3) {
      await page.waitForSelector('#ks-answer.wrong');
      if (i === 1) await shot(page, 'kousuan-wrong-1280x800.png');
      await page.click('#ks-next');
    }
    await page.waitForFunction((q) => (document.querySelector('#ks-question')?.textContent ?? '') !== q, {}, shown);
  }
  await page.click('#ks-finish');
  await page.waitForSelector('.report-view:not([hidden])');
  const report = await textOf(page, '#ks-report');
  let same = false;
  for (let seconds = 0; seconds < 600 && !same; ++seconds) {
    same = native(['practice', ...KOUSUAN.slice(1), seconds], answers.join('\n')).report === report;
  }
  check(same, 'the report is the native report of those answers');
  check(report.includes('第一次就做对3题') && (report.match(/你的答案/g) || []).length === 2,
    `the report counts three right and lists the two wrong\n${report}`);
  await shot(page, 'kousuan-report-1280x800.png');
  await page.click('#ks-retry');
  check((await textOf(page, '#ks-progress')).includes('这一轮1/7'), 'retry goes over the seven not yet right');
}

async function paper(page) {
  await page.click('#launcher-1217');
  await page.waitForFunction(() => document.querySelector('#sj-paper') && document.querySelector('#sj-paper').textContent !== '');
  await setValue(page, '#sj-grade', 3);
  await page.waitForFunction(() => !document.querySelector('#sj-count3').disabled === false);
  const form = [['#sj-count0', 20], ['#sj-count1', 4], ['#sj-count2', 4], ['#sj-score0', 1], ['#sj-score1', 4],
    ['#sj-score2', 5], ['#sj-decimals', false], ['#sj-hundred', true], ['#sj-seed', 2026]];
  for (const [selector, value] of form) await setValue(page, selector, value);
  await page.click('#sj-generate');
  const expected = native(PAPER);
  await page.waitForFunction((t) => (document.querySelector('#sj-paper')?.textContent ?? '').endsWith(t), {}, expected.text);
  check(await textOf(page, '#sj-paper') === `${expected.title}\n\n${expected.text}`, 'the paper is the native paper');
  check(await textOf(page, '#sj-key') === `${expected.keyTitle}\n\n${expected.key}`, 'the key is the native key');
  await shot(page, 'paper-1280x800.png');

  // Printed: as many PDF pages as the layout made, every problem whole on its page.
  await page.evaluate(() => { window.print = () => {}; });
  await page.click('#sj-print');
  const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true, printBackground: true }));
  const counts = [...pdf.toString('latin1').matchAll(/\/Type\s*\/Page[^s]/g)].length;
  check(counts === expected.pages.length, `the PDF has the layout's ${expected.pages.length} pages (${counts})`);
  await page.emulateMediaType('print');
  const cut = await page.$$eval('.print-pages.chosen .print-page', (boxes) => {
    const faults = [];
    for (const box of boxes) {
      const edge = box.getBoundingClientRect();
      for (const run of box.querySelectorAll('.run')) {
        const r = run.getBoundingClientRect();
        if (r.top < edge.top - 0.5 || r.bottom > edge.bottom + 0.5 || r.right > edge.right + 0.5) faults.push(run.textContent);
      }
    }
    return faults;
  });
  check(cut.length === 0, `no problem is cut at a page's edge ${cut.join(' ')}`);
  const printedProblems = await page.$$eval('.print-pages.chosen .run.problem', (runs) => runs.map((r) => r.textContent));
  const laidProblems = expected.pages.flatMap((p) => p.runs.filter((r) => r.problem).map((r) => r.text));
  check(JSON.stringify(printedProblems) === JSON.stringify(laidProblems), `every problem printed once (${laidProblems.length})`);
  const lone = expected.pages.filter((p) => !p.key && p.runs.filter((r) => r.problem).length === 1).length;
  check(lone === 0, 'no page of the paper holds a lone problem');
  await page.emulateMediaType(null);
  await page.evaluate(() => delete document.body.dataset.print);
}

async function shares(context, page) {
  // 口算 and the paper: the settings travel, the same problems come out.
  await page.click('#launcher-1218');
  await page.click('#ks-share');
  const kousuanLink = await page.$eval('#ks-share-link', (f) => f.value);
  await page.click('#launcher-1217');
  await page.click('#sj-share');
  const paperLink = await page.$eval('#sj-share-link', (f) => f.value);
  // A problem page: its type and its lines.
  await page.click('#tab-134');
  await page.click('#type-22');
  await page.waitForFunction(() => !window.qimbelBusy());
  const lines = 'a^2b-b^3\nx^2-5x+6';
  await page.$eval('#text', (box, v) => {
    box.value = v;
    box.dispatchEvent(new Event('input'));
  }, lines);
  await page.click('#share-problems');
  const problemsLink = await page.$eval('#problems-share-link', (f) => f.value);
  check(!/^https?:\/\/[^#]*\?/.test(problemsLink) && problemsLink.includes('#kind=problems'), 'the problems travel in the fragment only');

  const fresh = await context.browser().createBrowserContext();
  const opened = await open(fresh, kousuanLink, { width: 390, height: 844, isMobile: true, hasTouch: true });
  await opened.waitForFunction(() => document.querySelectorAll('#ks-list li').length > 0);
  const listed = await opened.$$eval('#ks-list li', (items) => items.map((i) => i.textContent));
  check(JSON.stringify(listed) === JSON.stringify(native(KOUSUAN).problems.map((p) => p.question)), 'a 口算 link opens the same sheet');
  await shot(opened, 'kousuan-390x844.png');
  check(!(await opened.evaluate(() => window.location.hash)), 'a link is read once, then leaves the address');
  await opened.goto(paperLink, { waitUntil: 'domcontentloaded' });
  const expected = native(PAPER);
  await opened.waitForFunction((t) => (document.querySelector('#sj-paper')?.textContent ?? '').endsWith(t), { timeout: 20000 }, expected.text)
    .catch(() => null);
  check(await textOf(opened, '#sj-paper') === `${expected.title}\n\n${expected.text}`, 'a paper link opens the same paper');
  await shot(opened, 'paper-390x844.png');
  await opened.goto(problemsLink, { waitUntil: 'domcontentloaded' });
  await opened.waitForFunction((v) => document.querySelector('#text').value === v, { timeout: 20000 }, lines).catch(() => null);
  check(await opened.$eval('#text', (b) => b.value) === lines
    && await opened.$eval('#type-22', (b) => b.getAttribute('aria-pressed')) === 'true', 'a problems link opens the page, its type and its lines');
  await opened.click('#tab-153');
  await opened.waitForSelector('#book-1206');
  await opened.click('#book-1206');
  await shot(opened, 'handbook-390x844.png');
  const sideways = await opened.evaluate(() => document.documentElement.scrollWidth > window.innerWidth);
  check(!sideways, 'phone: the library does not scroll sideways');

  // Bad links: refused with a sentence or kept in range, never a dead page.
  const base = kousuanLink.replace(/#.*/, '');
  const bad = [
    ['#' + 'kind=problems&text='.padEnd(200000, 'x'), '链接太长'],
    ['#kind=paper&grade=3&counts=1,2&scores=1', '无法读取'],
    ['#kind=problems&page=999&type=1&text=1', '无法打开'],
    ['#kind=nothing', '无法读取'],
    ['#kind=handbook&book=../../etc/passwd', '找不到'],
    ['#kind=problems&page=134&type=20&text=%E0%A4%A%ZZ%00', ''],
    ['#kind=kousuan&ops=99999999999999&count=99999999999&seed=abc&range=-5', ''],
  ];
  for (const [fragment, sentence] of bad) {
    const tab = await open(fresh, base + fragment);
    await new Promise((r) => setTimeout(r, 600));
    const status = await tab.evaluate(() => `${document.querySelector('#status').textContent}${document.querySelector('#other-status')?.textContent || ''}`);
    check(await alive(tab) && status.includes(sentence), `bad link ${fragment.slice(0, 50)}: ${status || 'opened within range'}`);
    await tab.close();
  }
  await fresh.close();
}

runChecks('web practice', async () => {
  const server = await serve(siteDir, 8931 + (process.pid % 200));
  const browser = await launch(puppeteerDir);
  try {
    const context = await browser.createBrowserContext();
    const page = await open(context, server.url);
    await handbook(page);
    await practice(page);
    await paper(page);
    await shares(context, page);
  } finally {
    await browser.close();
    server.stop();
  }
});
