// Qimbel at every size in a real browser: at 390, 800 and 1280 px no step label and no mark of a
// typeset working lies outside its view (labels go under their steps, marks stand right after
// them); the chosen type, the page shown and the text survive a reload; the type's introduction
// left above the problems is no problem for check and compute. Screenshots (a phone's marked
// working among them) go to the screenshot folder when one is given.
//   node web/tests/browser-fit.cjs SITE_DIR QIMBEL_CLI PUPPETEER_DIR [SCREENSHOT_DIR]
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const launch = require('./chromium.cjs');
const serve = require('./server.cjs');
const { idle, setText } = require('./page-steps.cjs');
const { check, runChecks } = require('./tally.cjs');
const load = require('./load-module.cjs');

const [siteDir, cli, puppeteerDir, shotDir] = process.argv.slice(2);

function native(args, input) {
  return execFileSync(cli, args, { input, encoding: 'utf8', maxBuffer: 1 << 26, stdio: ['pipe', 'pipe', 'ignore'] });
}


async function chooseType(page, tab, type) {
  await page.click(`#tab-${tab}`);
  await idle(page);
  if (await page.$eval('#type-menu', (b) => getComputedStyle(b).display !== 'none')) await page.click('#type-menu');
  await page.click(`#type-${type}`);
  await idle(page);
}

// Every label, mark and note of the typeset working: the part of it that lies right of the
// working's box (0 when all are inside), and how many there are.
async function outside(page) {
  await page.waitForSelector('#output .qimbel-typeset', { timeout: 30000 });
  await new Promise((r) => setTimeout(r, 300));
  return page.evaluate(() => {
    const box = document.querySelector('#output').getBoundingClientRect();
    const right = Math.min(box.right, window.innerWidth);
    let worst = 0;
    const cells = [...document.querySelectorAll('#output td.label, #output .mark, #output td.note')]
      .filter((c) => c.textContent.trim() !== '' && c.offsetParent !== null);
    for (const cell of cells) {
      const range = document.createRange();
      range.selectNodeContents(cell);
      worst = Math.max(worst, range.getBoundingClientRect().right - right);
    }
    return { worst, count: cells.length };
  });
}

// 自动出卷及测试 at this size: the test paper and its key show every column (smaller on a phone,
// never cut or off the right edge); the printed pages of the paper and of a 口算 sheet hold every
// run and every cell whole inside their sheet of paper; the whole 口算 sheet on screen too.
async function paperPreview(page, width, height) {
  await page.click('#tab-164');
  await page.waitForSelector('#more:not([hidden])');
  await page.click('#launcher-1217');
  await page.waitForFunction(() => document.querySelector('#sj-paper') && document.querySelector('#sj-paper').textContent !== '');
  // A 三年级 paper of 100 marks, as a teacher prints it.
  await page.$eval('#sj-hundred', (box) => { box.checked = true; });
  await page.click('#sj-generate');
  await page.waitForFunction(() => document.querySelector('#sj-total').textContent.includes('100'), { timeout: 20000 });
  const inView = (selector) => page.$eval(selector, (pre) => ({
    over: pre.scrollWidth - pre.clientWidth, size: parseFloat(getComputedStyle(pre).fontSize),
    right: pre.getBoundingClientRect().right - window.innerWidth,
  }));
  const paper = await inView('#sj-paper');
  check(paper.over <= 1 && paper.right <= 1 && paper.size >= 8,
    `${width} px: the test paper shows every column (${paper.over} px over, ${paper.size.toFixed(1)} px type)`);
  if (shotDir) {
    await page.$eval('#sj-paper', (pre) => pre.scrollIntoView({ block: 'start' }));
    await page.screenshot({ path: path.join(shotDir, `paper-preview-${width}x${height}.png`) });
  }
  await page.click('#sj-show-key');
  const key = await inView('#sj-key');
  check(key.over <= 1 && key.right <= 1 && key.size >= 8,
    `${width} px: the key and its working show every column (${key.over} px over, ${key.size.toFixed(1)} px type)`);
  await page.click('#sj-show-paper');

  // Printed from this screen: each page a sheet of A4 (180 mm between the margins).
  const printed = async (button) => {
    await page.evaluate(() => { window.print = () => {}; });
    await page.click(button);
    await page.emulateMediaType('print');
    const faults = await page.$$eval('.print-pages.chosen .print-page', (boxes) => {
      const found = [];
      for (const box of boxes) {
        const edge = box.getBoundingClientRect();
        if (edge.width > 681) found.push(`a page ${edge.width.toFixed(0)} px wide`);
        for (const run of box.querySelectorAll('.run, .sheet-cell')) {
          const r = run.getBoundingClientRect();
          if (r.right > edge.right + 0.5 || r.bottom > edge.bottom + 0.5 || run.scrollWidth > run.clientWidth + 1) found.push(run.textContent);
        }
      }
      return { found, pages: boxes.length };
    });
    await page.emulateMediaType('screen');
    await page.evaluate(() => delete document.body.dataset.print);
    return faults;
  };
  const paperPrinted = await printed('#sj-print');
  check(paperPrinted.pages > 0 && paperPrinted.found.length === 0,
    `${width} px: the printed paper holds every run whole on its ${paperPrinted.pages} pages ${paperPrinted.found.slice(0, 3).join(' ')}`);

  await page.click('#launcher-1218');
  await page.$eval('#ks-count', (input) => { input.value = '100'; });
  await page.click('#ks-generate');
  await page.waitForFunction(() => (document.querySelector('#ks-question')?.textContent ?? '') !== '');
  await page.$eval('.whole-sheet', (d) => { d.open = true; });
  const listed = await page.$eval('#ks-list', (list) => {
    const edge = list.getBoundingClientRect();
    return [...list.children].filter((li) => {
      const r = li.getBoundingClientRect();
      return r.right > Math.min(edge.right, window.innerWidth) + 0.5 || li.scrollWidth > li.clientWidth + 1;
    }).length;
  });
  check(listed === 0, `${width} px: the whole 口算 sheet on screen shows every problem whole (${listed} cut)`);
  const sheetPrinted = await printed('#ks-print');
  check(sheetPrinted.pages > 0 && sheetPrinted.found.length === 0,
    `${width} px: the printed 口算 sheet holds every cell whole on its ${sheetPrinted.pages} pages ${sheetPrinted.found.slice(0, 3).join(' ')}`);
  // Back to a problem page: the next page of this browser opens where this one left off.
  await page.click('#tab-134');
  await idle(page);
}

// The part of the text box after the separator: the results.
const results = (text) => text.slice(text.indexOf('\n---'));

runChecks('web at every size', async () => {
  const server = await serve(siteDir, 8931 + (process.pid % 200));
  const browser = await launch(puppeteerDir);
  try {
    const context = await browser.createBrowserContext();
    for (const [width, height] of [[390, 844], [800, 600], [1280, 800]]) {
      const page = await context.newPage();
      page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
      await page.setViewport({ width, height, isMobile: width < 500, hasTouch: width < 500 });
      await page.goto(server.url, { waitUntil: 'domcontentloaded' });
      await page.waitForSelector('[data-ready] #page:not([hidden])');
      await idle(page);
      if (await page.$eval('#plain', (b) => b.getAttribute('aria-pressed') === 'true')) await page.click('#plain');

      // Long step labels of 整式四则运算.
      await chooseType(page, 134, 20);
      await setText(page, '[(a+b)]*(12.5-3.75)/(2.5+7.25)-(-7-5)*(3-8)');
      await page.click('#check');
      await idle(page);
      await page.click('#compute');
      await idle(page);
      const worked = await outside(page);
      check(worked.count > 0 && worked.worst <= 1, `${width} px: every step label inside the view (${worked.count}, ${worked.worst.toFixed(1)} px out)`);
      if (shotDir) await page.screenshot({ path: path.join(shotDir, `labels-${width}x${height}.png`), fullPage: true });

      // On paper (a sheet of A4 between its margins) the labels fit the sheet as they do the view.
      if (width === 1280) {
        await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
        await page.emulateMediaType('print');
        await page.setViewport({ width: 794, height: 1123 });
        const printed = await page.evaluate(() => {
          const right = document.querySelector('#output').getBoundingClientRect().left + 680;
          return Math.max(...[...document.querySelectorAll('#output td.label')]
            .map((c) => c.getBoundingClientRect().right - right));
        });
        check(printed <= 1, `printed: every label inside the sheet (${printed.toFixed(1)} px out)`);
        if (shotDir) await page.screenshot({ path: path.join(shotDir, 'printed-labels-a4.png'), fullPage: true });
        await page.emulateMediaType('screen');
        await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
        await page.setViewport({ width, height });
      }

      // A marked working of 一元一次不等式 with a wrong step.
      await chooseType(page, 135, 25);
      await setText(page, '3-2x>7\n-2x>4\nx>-2');
      await page.click('#mark');
      await idle(page);
      const marked = await outside(page);
      const marks = await page.$$eval('#output .mark', (m) => m.length);
      // Each mark right after its step: no more than 3em from the step's end.
      const gap = await page.$$eval('#output .mark', (list) => Math.max(...list.map((m) => {
        const row = m.closest('tr');
        const maths = [...row.querySelectorAll('math')];
        const end = Math.max(...maths.map((x) => x.getBoundingClientRect().right));
        return m.getBoundingClientRect().left - end;
      })));
      check(gap < 60, `${width} px: each mark stands right after its step (${gap.toFixed(0)} px)`);
      check(marks >= 2 && marked.worst <= 1, `${width} px: every mark beside its step, inside the view (${marks}, ${marked.worst.toFixed(1)} px out)`);
      if (shotDir) await page.screenshot({ path: path.join(shotDir, `marked-${width}x${height}.png`), fullPage: true });

      await paperPreview(page, width, height);
      await page.close();
    }

    const page = await context.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    await page.goto(server.url, { waitUntil: 'domcontentloaded' });
    await page.waitForSelector('[data-ready] #page:not([hidden])');
    await idle(page);

    // 分式四则运算: the check turns the typed bars into ÷, which the routine reads as bars; the
    // typeset working shows them stacked.
    await chooseType(page, 134, 23);
    await setText(page, 'x/(x-1)+1/(x-1)');
    await page.click('#check');
    await idle(page);
    check((await page.$eval('#text', (b) => b.value)).includes('÷'), '分式四则运算: the check writes ÷');
    await page.click('#compute');
    await idle(page);
    await page.waitForSelector('#output .qimbel-typeset', { timeout: 30000 });
    await new Promise((r) => setTimeout(r, 300));
    const stacked = await page.$$eval('#output mfrac', (list) => list.length);
    const signs = await page.$$eval('#output mo', (list) => list.filter((m) => m.textContent === '÷').length);
    check(stacked >= 2 && signs === 0, `分式四则运算: fractions stacked, no ÷ shown (${stacked} fractions, ${signs} ÷)`);

    // The introduction left above the problem: the results are those of the problem alone.
    await chooseType(page, 130, 8);
    await page.click('#clear');
    await idle(page);
    await chooseType(page, 130, 8);
    const intro = await page.$eval('#text', (b) => b.value);
    check(intro.trim() !== '', 'the type button puts the introduction into the empty box');
    await setText(page, `${intro.replace(/\n*$/, '')}\n2*(3+4)-5`);
    await page.click('#check');
    await idle(page);
    const checked = await page.$eval('#text', (b) => b.value);
    check(checked.startsWith(intro.trim()), 'the check leaves the introduction as it was');
    await page.click('#compute');
    await idle(page);
    const shown = await page.evaluate(() => window.qimbelTextBox());
    check(results(shown) === results(native(['--type', '8', '--level', '5'], '2*(3+4)-5')),
      'compute: the introduction is no problem, the results are those of the typed line');
    const status = await page.$eval('#status', (s) => s.textContent);
    check(status.startsWith('已完成 1 道题的运算。'), `the status line counts the one problem (${status})`);
    check(await page.$eval('#status', (s) => s.classList.contains('ok')), 'a compute that did every problem is reported, not warned of');

    // The type chosen (not the tab's first), the text and the tab survive a reload.
    await setText(page, '36.5*2.4');
    await new Promise((r) => setTimeout(r, 600));
    await page.reload({ waitUntil: 'domcontentloaded' });
    await page.waitForSelector('[data-ready] #page:not([hidden])');
    await idle(page);
    await page.waitForFunction(() => document.querySelector('#type-8') && document.querySelector('#type-8').getAttribute('aria-pressed') === 'true', { timeout: 10000 }).catch(() => null);
    check(await page.$eval('#type-8', (b) => b.getAttribute('aria-pressed')) === 'true', 'the chosen type is kept over a reload');
    check(await page.$eval('#tab-130', (b) => b.getAttribute('aria-selected')) === 'true', 'the tab is kept over a reload');
    check((await page.$eval('#text', (b) => b.value)) === '36.5*2.4', 'the text is kept over a reload');
    const title = await page.$eval('#title', (t) => t.textContent);
    check(title !== '标题', `the title is the type's (${title})`);

    // The word-problem page shows its own title and summary on a first visit.
    await page.click('#tab-131');
    await idle(page);
    await page.waitForFunction(() => document.querySelector('#title').textContent !== '标题', { timeout: 10000 }).catch(() => null);
    check(await page.$eval('#title', (t) => t.textContent) === '公式应用题', '小学应用题: its own title');
    check(await page.$eval('#summary', (t) => t.textContent) !== '摘要', '小学应用题: its own summary');
    const greyed = await page.$$eval('#types button', (list) => list.filter((b) => b.disabled).map((b) => b.textContent));
    check(greyed.length === 0, `小学应用题: no greyed button beside the working ones ${greyed.join(' ')}`);
    await page.click('#tab-129');
    await idle(page);
    const greyed129 = await page.$$eval('#types button', (list) => list.filter((b) => b.disabled).map((b) => b.textContent));
    check(greyed129.length === 0, `小学基础知识: no greyed button beside the working ones ${greyed129.join(' ')}`);

    // Word problems the page cannot read are not counted as done, and nothing reports a success
    // when none was worked; the status is the model's sentence.
    // The module under Node reads its file itself when fetch is not there (the other tests run
    // node with --no-experimental-fetch; this one drives chromium and keeps it).
    const fetching = globalThis.fetch;
    globalThis.fetch = undefined;
    const model = await load(siteDir).finally(() => { globalThis.fetch = fetching; });
    await page.click('#tab-131');
    await idle(page);
    await page.click('#type-word');
    await idle(page);
    for (const [text, done] of [['今天天气很好，我们去公园玩。', 0],
      ['〖长方形〗长方形的长是5米，宽是3米，求长方形的面积是多少？\n今天天气很好，我们去公园玩。', 1]]) {
      await setText(page, text);
      await page.click('#check');
      await idle(page);
      await page.click('#compute');
      await idle(page);
      const said = await page.$eval('#status', (s) => s.textContent);
      // The page may also say why in its message box.
      if (await page.$('#message-dialog[open]')) await page.click('#message-dialog button');
      const plain = await page.$eval('#status', (s) => s.classList.contains('ok'));
      const expected = model.page('checkAndCompute', { page: 131, type: 0, options: 7, method: 8, text }).status;
      check(said.startsWith(expected) && !said.includes('运算完成'), `a refused word problem: the model's status (${said})`);
      check(!said.startsWith(`已完成 ${done + 1} `) && !(done === 0 && (said.startsWith('已完成') || plain)),
        `a refused word problem is not counted as done (${done} worked)`);
    }


    // 自动出卷及测试 with a 口算 practice half done: a reload comes back to that tab and that
    // problem, with the answers so far.
    await page.click('#tab-164');
    await page.waitForSelector('#kousuan:not([hidden])');
    await page.$eval('#ks-count', (input) => { input.value = '10'; });
    await page.click('#ks-generate');
    await page.waitForFunction(() => (document.querySelector('#ks-question')?.textContent ?? '') !== '');
    for (let i = 0; i < 2; ++i) {
      const shown = await page.$eval('#ks-question', (q) => q.textContent);
      await page.click('#ks-next');
      await page.waitForFunction((q) => (document.querySelector('#ks-question')?.textContent ?? '') !== q, {}, shown);
    }
    const third = await page.$eval('#ks-question', (q) => q.textContent);
    const listed = await page.$$eval('#ks-list li', (items) => items.map((i) => i.textContent).join('|'));
    await page.reload({ waitUntil: 'domcontentloaded' });
    await page.waitForSelector('#more:not([hidden])', { timeout: 20000 }).catch(() => null);
    check(await page.$eval('#tab-164', (b) => b.getAttribute('aria-selected')) === 'true', '自动出卷及测试 is the tab shown after a reload');
    await page.waitForFunction(() => (document.querySelector('#ks-question')?.textContent ?? '') !== '', { timeout: 20000 }).catch(() => null);
    check(await page.$$eval('#ks-list li', (items) => items.map((i) => i.textContent).join('|')) === listed,
      '口算: the same sheet after a reload');
    check(await page.$eval('#ks-question', (q) => q.textContent) === third, '口算: the practice goes on at the problem it had reached');
    check((await page.$eval('#ks-progress', (p) => p.textContent)).includes('3/10'), '口算: the round as far as it went');
  } finally {
    await browser.close();
    server.stop();
  }
});
