// The 函数与图象 and 统计图初步 pages in headless chromium: a graph of two functions, a pie and a
// bar chart drawn as SVG must hold the elements of the models' display lists (the same kinds in
// the same order, the same texts, as native qimbel-cli --pictures gives for the same requests);
// zoom, drag, the table editor, the histogram form and saving as PNG work; screenshots at phone
// and desktop sizes go to SHOT_DIR.
//   node web/tests/browser-charts.cjs SITE_DIR QIMBEL_CLI PUPPETEER_DIR [SHOT_DIR]
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const launch = require('./chromium.cjs');
const serve = require('./server.cjs');

const [siteDir, cli, puppeteerDir, shotDir] = process.argv.slice(2);

const { check, runChecks } = require('./tally.cjs');

// The last answer of qimbel-cli --pictures for the requests.
function native(requests) {
  const out = execFileSync(cli, ['--pictures'], { input: requests.map((r) => `${r}\n%%\n`).join(''), encoding: 'utf8' });
  const lines = out.split('\n').filter(Boolean);
  return JSON.parse(lines[lines.length - 1]);
}

// What an SVG shows: the kind of each element and the texts, in order.
async function shown(page, selector) {
  return page.$eval(selector, (svg) => ({
    width: Number(svg.getAttribute('width')),
    height: Number(svg.getAttribute('height')),
    kinds: [...svg.children].filter((e) => e.dataset.kind).map((e) => e.dataset.kind),
    texts: [...svg.querySelectorAll('text')].map((t) => t.textContent),
    strokes: [...svg.querySelectorAll('polyline')].map((p) => p.getAttribute('stroke')),
  }));
}

function sameAsModel(svg, picture, what) {
  const kinds = picture.items.map((item) => item.kind);
  const texts = picture.items.filter((item) => item.kind === 'text').map((item) => item.text);
  const ok = svg.width === picture.width && svg.height === picture.height
    && JSON.stringify(svg.kinds) === JSON.stringify(kinds) && JSON.stringify(svg.texts) === JSON.stringify(texts);
  if (!ok) console.log(`  svg ${svg.width}×${svg.height} ${svg.kinds.length} elements, model ${picture.width}×${picture.height} ${kinds.length}`);
  check(ok, `${what}: the SVG holds the model's ${kinds.length} elements and ${texts.length} texts`);
}

// Waits until the SVG shows something other than `before` (its serialised text).
async function changed(page, selector, before) {
  await page.waitForFunction((s, b) => {
    const svg = document.querySelector(s);
    return svg && svg.children.length > 1 && svg.innerHTML !== b;
  }, { timeout: 30000, polling: 50 }, selector, before);
}
const outer = (page, selector) => page.$eval(selector, (svg) => svg.innerHTML).catch(() => '');

async function tableRows(page) {
  return page.$$eval('#chart-table tr', (rows) => rows.map((tr) => [...tr.cells].map((td) => td.firstChild.value.trim())));
}

async function drawGraph(page) {
  await page.click('#tab-137');
  await page.waitForSelector('#graph-picture [data-kind]');
  // Functions kept from an earlier visit go first.
  await page.click('#graph-clear');
  await page.waitForFunction(() => document.querySelectorAll('#graph-list li').length === 0);
  for (const typed of ['y=2x+1', 'x^2-2x-3']) {
    const before = await outer(page, '#graph-picture');
    await page.click('#graph-function', { clickCount: 3 });
    await page.keyboard.type(typed);
    await page.keyboard.press('Enter');
    await changed(page, '#graph-picture', before);
  }
  await page.waitForFunction(() => document.querySelectorAll('#graph-list li').length === 2);
}

// A chart button: waits for the picture it draws (which may look like the one before).
async function drawChart(page, kind) {
  const drawn = await page.$eval('#chart-picture', (svg) => Number(svg.dataset.drawn || 0));
  await page.click(`#chart-${kind}`);
  await page.waitForFunction((n) => Number(document.querySelector('#chart-picture').dataset.drawn) > n, { timeout: 30000 }, drawn);
}

// The numbers under the x axis of a histogram: whether they are turned, and whether they would
// fit side by side unturned (each narrower than the room between two of them).
async function histogramLabels(page) {
  return page.$eval('#chart-picture', (svg) => {
    const numbers = [...svg.querySelectorAll('text')].filter((t) => /^-?[\d.]+$/.test(t.textContent));
    const lowest = Math.max(...numbers.map((t) => Number(t.getAttribute('y'))));
    const labels = numbers.filter((t) => Number(t.getAttribute('y')) === lowest)
      .sort((a, b) => Number(a.getAttribute('x')) - Number(b.getAttribute('x')));
    let room = Infinity;
    for (let i = 1; i < labels.length; ++i) room = Math.min(room, Number(labels[i].getAttribute('x')) - Number(labels[i - 1].getAttribute('x')));
    const widest = Math.max(...labels.map((t) => t.getComputedTextLength()));
    return { count: labels.length, turned: labels.some((t) => t.hasAttribute('transform')), widest, room };
  });
}

// The graph's legend: the texts of the picture (axis numbers and captions) that it covers.
async function underLegend(page) {
  return page.$eval('#graph-picture', (svg) => {
    const boxes = [...svg.querySelectorAll('[data-kind="rect"]')].map((g) => g.getBBox())
      .filter((b) => b.x > 0 && b.y > 0); // the frame of the whole picture starts at 0
    const legend = boxes[0];
    if (!legend) return null;
    const inside = (b) => b.x >= legend.x && b.y >= legend.y && b.x + b.width <= legend.x + legend.width + 0.5
      && b.y + b.height <= legend.y + legend.height + 0.5;
    const overlaps = (b) => b.x < legend.x + legend.width && legend.x < b.x + b.width
      && b.y < legend.y + legend.height && legend.y < b.y + b.height;
    return [...svg.querySelectorAll('text')].map((t) => [t.textContent, t.getBBox()])
      .filter(([, b]) => !inside(b) && overlaps(b)).map(([text]) => text);
  });
}

// At 390, 800 and 1280 px: the histogram's numbers are turned only when they do not fit, and the
// graph's legend covers no axis label.
async function atEverySize(browser, server) {
  const context = await browser.createBrowserContext();
  const few = '141 142 150 151 160 171 148 155 155 169';
  // Twenty classes whose bounds have four decimals: too close to stand side by side.
  const many = Array.from({ length: 40 }, (_, i) => (1000.0001 + i * 0.00065).toFixed(5)).join(' ');
  for (const [width, height] of [[390, 844], [800, 600], [1280, 800]]) {
    const page = await context.newPage();
    await page.setViewport({ width, height, isMobile: width < 500, hasTouch: width < 500 });
    await page.goto(server.url, { waitUntil: 'domcontentloaded' });
    await page.waitForSelector('#tab-132'); // the page shown last in this context may be any
    await page.click('#tab-132');
    await page.waitForSelector('#chart-picture [data-kind]');
    await page.click('#chart-clear');
    for (const [data, classWidth] of [[few, ''], [many, '0.0014']]) {
      const drawn = await page.$eval('#chart-picture', (svg) => Number(svg.dataset.drawn || 0));
      await page.click('#chart-histogram');
      await page.waitForSelector('#frequency-dialog[open]');
      await page.$eval('#frequency-data', (box, v) => { box.value = v; }, data);
      await page.$eval('#frequency-width', (box, v) => { box.value = v; }, classWidth);
      await page.click('#frequency-ok');
      await page.waitForFunction((n) => Number(document.querySelector('#chart-picture').dataset.drawn) > n, { timeout: 30000 }, drawn);
      const labels = await histogramLabels(page);
      const fit = labels.widest + 4 <= labels.room;
      check(labels.count > 3 && labels.turned === !fit,
        `${width} px, ${labels.count} class bounds: turned ${labels.turned}, they fit unturned: ${fit} (${labels.widest.toFixed(0)} px wide, ${labels.room.toFixed(0)} px apart)`);
    }
    await drawGraph(page);
    const covered = await underLegend(page);
    check(covered !== null && covered.length === 0, `${width} px: the graph's legend covers no axis label ${(covered || []).join(' ')}`);
    if (shotDir && width !== 1280) await page.screenshot({ path: path.join(shotDir, `graph-legend-${width}x${height}.png`) });
    await page.close();
  }
}

runChecks('web charts', async () => {
  const server = await serve(siteDir, 9131 + (process.pid % 200));
  const browser = await launch(puppeteerDir);
  try {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    page.on('pageerror', (error) => {
      check(false, `page error: ${error.message}`);
    });
    await page.setViewport({ width: 1280, height: 800 });
    await page.goto(server.url, { waitUntil: 'domcontentloaded' });
    await page.waitForSelector('[data-ready] #page:not([hidden])');

    // 函数与图象: two functions.
    await drawGraph(page);
    let svg = await shown(page, '#graph-picture');
    const size = `size ${svg.width} ${svg.height}`;
    const graphRequests = [size, 'add y=2x+1', 'add x^2-2x-3'];
    sameAsModel(svg, native(graphRequests).picture, 'graph of y=2x+1 and x^2-2x-3');
    check(svg.strokes.includes('#ff0000') && svg.strokes.includes('#0000ff'), 'the two curves are red and blue');
    check(svg.texts.includes('y＝2x＋1') && svg.texts.includes('y＝x^2－2x－3'), 'the legend names both functions');
    const properties = await page.$eval('#graph-properties', (p) => p.textContent);
    check(properties.includes('一次函数') && properties.includes('二次函数'), '函数的性质 describes both');

    let before = await outer(page, '#graph-picture');
    await page.click('#graph-zoom-in');
    await changed(page, '#graph-picture', before);
    sameAsModel(await shown(page, '#graph-picture'), native([...graphRequests, 'zoomin']).picture, '放大');

    // A drag pans the picture; the pointer line follows the mouse.
    const box = await (await page.$('#graph-picture')).boundingBox();
    before = await outer(page, '#graph-picture');
    await page.mouse.move(box.x + 200, box.y + 200);
    await page.mouse.down();
    await page.mouse.move(box.x + 260, box.y + 230, { steps: 4 });
    await page.mouse.up();
    await changed(page, '#graph-picture', before);
    await page.waitForFunction(() => document.querySelector('#graph-pointer').textContent.startsWith('鼠标位置 ('));
    check(true, 'a drag pans the graph and 鼠标位置 follows the mouse');
    // The wheel zooms about the mouse: five notches (three times the scale) make the axis count in fifths.
    await page.mouse.wheel({ deltaY: -500 });
    const fifths = await page.waitForFunction(() => [...document.querySelectorAll('#graph-picture text')]
      .some((t) => t.textContent === '0.2'), { timeout: 10000 }).then(() => true, () => false);
    check(fifths, 'the wheel zooms in');
    await page.mouse.move(box.x + box.width + 50, box.y + box.height + 50);
    before = await outer(page, '#graph-picture');
    await page.click('#graph-reset');
    await changed(page, '#graph-picture', before).catch(() => null);
    sameAsModel(await shown(page, '#graph-picture'), native(graphRequests).picture, '复原 after zoom and drag');

    if (shotDir) {
      fs.mkdirSync(shotDir, { recursive: true });
      await page.screenshot({ path: path.join(shotDir, 'graph-1280x800.png') });
    }
    const bad = await page.evaluate(async () => {
      const input = document.querySelector('#graph-function');
      input.value = 'y=(';
      document.querySelector('#graph-draw').click();
      await new Promise((r) => setTimeout(r, 500));
      return document.querySelector('#graph-status').textContent;
    });
    check(bad.length > 0 && bad !== '已画出图象。' && (await page.$$('#graph-list li')).length === 2,
      `a function that cannot be read is refused: ${bad}`);

    const png = await page.evaluate(async () => {
      const { pngBlob } = await import('./svg.js');
      const blob = await pngBlob(document.querySelector('#graph-picture'));
      const bytes = new Uint8Array(await blob.arrayBuffer());
      return [blob.type, blob.size, bytes[1], bytes[2], bytes[3]];
    });
    check(png[0] === 'image/png' && png[1] > 2000 && String.fromCharCode(png[2], png[3], png[4]) === 'PNG', `保存PNG: ${png[1]} bytes of PNG`);

    // 统计图初步: the default table, a pie and a bar chart.
    await page.click('#tab-132');
    await page.waitForSelector('#chart-picture [data-kind]');
    const rows = await tableRows(page);
    check(rows[1][0] === '男生' && rows[0][1] === '一年级', 'the table starts with the default table of the core');
    const title = await page.$eval('#chart-title', (t) => t.value);
    const chartRequest = (kind, s) => `chart ${kind} ${s.width} ${s.height}\n${title}\n${rows.map((r) => r.join('\t')).join('\n')}`;
    await drawChart(page, 'pie');
    svg = await shown(page, '#chart-picture');
    sameAsModel(svg, native([chartRequest('pie', svg)]).picture, 'pie chart');
    check(svg.kinds.filter((k) => k === 'pie').length >= 12, 'two pies of six slices');
    if (shotDir) await page.screenshot({ path: path.join(shotDir, 'charts-pie-1280x800.png') });
    await drawChart(page, 'bar');
    svg = await shown(page, '#chart-picture');
    sameAsModel(svg, native([chartRequest('bar', svg)]).picture, 'bar chart');
    if (shotDir) await page.screenshot({ path: path.join(shotDir, 'charts-bar-1280x800.png') });

    // The table editor: a row and a column more; a cell typed is drawn.
    const [height, width] = [rows.length, rows[0].length];
    await page.click('#chart-add-row');
    await page.click('#chart-add-column');
    const grown = await tableRows(page);
    check(grown.length === height + 1 && grown.every((r) => r.length === width + 1), '增加一行 and 增加一列 grow the table');
    await page.click('#chart-table tr:nth-child(4) td:nth-child(1) input');
    await page.keyboard.type('老师');
    await page.click('#chart-table tr:nth-child(4) td:nth-child(2) input');
    await page.keyboard.type('9');
    await drawChart(page, 'bar');
    svg = await shown(page, '#chart-picture');
    check(svg.texts.includes('老师'), 'a row typed into the table is drawn (its legend)');

    // The histogram form: refused data keeps the form open with the reason; good data draws.
    await page.click('#chart-histogram');
    await page.waitForSelector('#frequency-dialog[open]');
    await page.click('#frequency-ok');
    await page.waitForFunction(() => document.querySelector('#frequency-error').textContent !== '');
    check(await page.$('#frequency-dialog[open]') !== null, 'no data: the form says why and stays open');
    await page.click('#frequency-data');
    await page.keyboard.type('141 142 150 151 160 171 148 155 155 169');
    await page.waitForFunction(() => document.querySelector('#frequency-width').placeholder.startsWith('不填就用'));
    // The table holds a row the pupil typed: the histogram asks before it replaces it; 取消
    // keeps the table and the title.
    const typedTable = await tableRows(page);
    const typedTitle = await page.$eval('#chart-title', (t) => t.value);
    await page.keyboard.press('Enter');
    await page.waitForSelector('#replace-dialog[open]');
    check((await page.$eval('#replace-dialog', (d) => d.textContent)).includes('要替换吗'), '频率分布直方图 asks before replacing a typed table');
    if (shotDir) await page.screenshot({ path: path.join(shotDir, 'charts-replace-1280x800.png') });
    await page.click('#replace-cancel');
    await page.waitForFunction(() => !document.querySelector('#replace-dialog').open);
    check(JSON.stringify(await tableRows(page)) === JSON.stringify(typedTable)
      && await page.$eval('#chart-title', (t) => t.value) === typedTitle, '取消 keeps the typed table and title');
    await page.click('#chart-histogram');
    await page.waitForSelector('#frequency-dialog[open]');
    before = await outer(page, '#chart-picture');
    await page.click('#frequency-ok');
    await page.waitForSelector('#replace-dialog[open]');
    await page.click('#replace-ok');
    await changed(page, '#chart-picture', before);
    const grid = await tableRows(page);
    const note = await page.$eval('#chart-note', (n) => n.textContent);
    check(grid[0].slice(0, 3).join() === '分组,频数,频率' && note.startsWith('共10个数据'), `the histogram fills the table (${note})`);
    check((await shown(page, '#chart-picture')).texts.includes('频数分布直方图'), 'the histogram is drawn with its title, 频数 like its axis');
    check(await page.$eval('#chart-note', (n) => n.classList.contains('ok')), 'the histogram\'s note is told, not shown as a warning');

    // A histogram over the last one's table asks nothing.
    await page.click('#chart-histogram');
    await page.waitForSelector('#frequency-dialog[open]');
    await page.click('#frequency-ok');
    await page.waitForFunction(() => !document.querySelector('#frequency-dialog').open, { timeout: 10000 }).catch(() => null);
    check(await page.$('#replace-dialog[open]') === null, 'a histogram over the last histogram\'s table asks nothing');
    if (shotDir) await page.screenshot({ path: path.join(shotDir, 'charts-histogram-1280x800.png') });

    // 清空 empties the table and the title.
    await page.click('#chart-clear');
    check((await tableRows(page)).every((r) => r.every((c) => c === '')) && await page.$eval('#chart-title', (t) => t.value) === '',
      '清空 empties the table and the title');
    await new Promise((r) => setTimeout(r, 300));
    await page.reload({ waitUntil: 'domcontentloaded' });
    await page.waitForSelector('#tab-132');
    await page.click('#tab-132');
    await page.waitForSelector('#chart-picture [data-kind]');
    check(await page.$eval('#chart-title', (t) => t.value) === '', '清空: the empty title is kept over a reload');

    await atEverySize(browser, server);

    if (shotDir) {
      // A phone of its own (nothing kept from the pages above).
      const phone = await (await browser.createBrowserContext()).newPage();
      await phone.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
      await phone.goto(server.url, { waitUntil: 'domcontentloaded' });
      await phone.waitForSelector('[data-ready] #page:not([hidden]), #charts-page:not([hidden])');
      await drawGraph(phone);
      await phone.screenshot({ path: path.join(shotDir, 'graph-phone-390x844.png') });
      // Two fingers moving apart from 100 to 200 pixels zoom in twice: the axis counts in halves.
      const area = await (await phone.$('#graph-picture')).boundingBox();
      const [cx, cy] = [area.x + area.width / 2, area.y + area.height / 2];
      const touch = await phone.createCDPSession();
      const fingers = (d) => [{ x: cx - d / 2, y: cy, id: 1 }, { x: cx + d / 2, y: cy, id: 2 }];
      const before = await outer(phone, '#graph-picture');
      await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: fingers(100) });
      for (const d of [125, 150, 175, 200]) await touch.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: fingers(d) });
      await touch.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
      await changed(phone, '#graph-picture', before);
      await phone.waitForFunction(() => [...document.querySelectorAll('#graph-picture text')].some((t) => t.textContent === '0.5'),
        { timeout: 10000 }).catch(() => null);
      const halves = (await shown(phone, '#graph-picture')).texts;
      check(halves.includes('0.5') && !halves.includes('7'), 'phone: a pinch zooms the graph in');
      check(!(await phone.evaluate(() => document.documentElement.scrollWidth > window.innerWidth)), 'phone: the graph page does not scroll sideways');
      await phone.click('#tab-132');
      await phone.waitForSelector('#chart-picture [data-kind]');
      await drawChart(phone, 'bar');
      await phone.evaluate(() => document.querySelector('#chart-picture').scrollIntoView({ block: 'center' }));
      await phone.screenshot({ path: path.join(shotDir, 'charts-bar-phone-390x844.png') });
      check(!(await phone.evaluate(() => document.documentElement.scrollWidth > window.innerWidth)), 'phone: the chart page does not scroll sideways');
    }
  } finally {
    await browser.close();
    server.stop();
  }
});
