// The same lines computed by the native qimbel-cli and by the site in headless chromium: the time
// of the compute alone (in the browser, from pressing 再进行运算操作 to the text box being filled),
// and the time from opening the page with a cold cache to the first worked solution.
//   node web/tests/bench.cjs SITE_DIR QIMBEL_CLI PUPPETEER_DIR
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const serve = require('./server.cjs');

const [siteDir, cli, puppeteerDir] = process.argv.slice(2);
const puppeteer = require(path.resolve(puppeteerDir, 'node_modules/puppeteer-core'));
const source = path.join(__dirname, '../../tests/golden');

// Lines of the golden inputs of 有理数四则运算 and 一元一次方程, repeated to 400 lines each.
function lines(area, type) {
  const found = [];
  for (const name of fs.readdirSync(path.join(source, area))) {
    const dir = path.join(source, area, name);
    const cmd = path.join(dir, 'cmd');
    if (fs.existsSync(cmd) && fs.readFileSync(cmd, 'utf8').includes(`--type ${type} `)) {
      found.push(...fs.readFileSync(path.join(dir, 'input.txt'), 'utf8').split('\n').filter((l) => l.trim()));
    }
  }
  return Array.from({ length: 400 }, (_, i) => found[i % found.length]);
}

function nativeMs(args, input, runs = 5) {
  let best = Infinity;
  for (let i = 0; i < runs; ++i) {
    const start = process.hrtime.bigint();
    execFileSync(cli, args, { input, maxBuffer: 1 << 30 });
    best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e6);
  }
  return best;
}

(async () => {
  const server = await serve(siteDir, 8931 + (process.pid % 50));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []), '--disable-gpu'],
  });
  try {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const started = Date.now();
    await page.goto(server.url, { waitUntil: 'domcontentloaded' });
    await page.waitForSelector('#page:not([hidden])');
    await page.$eval('#text', (b) => { b.value = '1234567'; b.dispatchEvent(new Event('input')); });
    await page.keyboard.down('Control');
    await page.keyboard.press('Enter');
    await page.keyboard.up('Control');
    await page.waitForFunction(() => window.qimbelTextBox().includes('----'), { polling: 10 });
    console.log(`first worked solution, cold cache: ${Date.now() - started} ms`);

    for (const [area, type, tab] of [['arith', 20, 134], ['equations', 25, 135]]) {
      const input = lines(area, type).join('\n');
      const native = nativeMs(['--type', String(type)], input);
      await page.click(`#tab-${tab}`);
      await page.waitForFunction(() => !window.qimbelBusy());
      await page.click(`#type-${type}`);
      await page.waitForFunction(() => !window.qimbelBusy());
      let best = Infinity;
      for (let i = 0; i < 5; ++i) {
        await page.$eval('#text', (b, v) => { b.value = v; b.dispatchEvent(new Event('input')); }, input);
        await page.click('#check');
        await page.waitForFunction(() => !window.qimbelBusy(), { polling: 5 });
        const ms = await page.evaluate(async () => {
          const start = performance.now();
          document.getElementById('compute').click();
          while (window.qimbelBusy()) await new Promise((r) => setTimeout(r, 1));
          return performance.now() - start;
        });
        best = Math.min(best, ms);
      }
      console.log(`type ${type}, 400 lines: native ${native.toFixed(1)} ms (whole process), chromium ${best.toFixed(1)} ms (${(best / native).toFixed(2)}x)`);
    }
  } finally {
    await browser.close();
    server.stop();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
