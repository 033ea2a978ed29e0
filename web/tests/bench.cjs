// How fast the browser edition is, against the native qimbel-cli on the same lines:
//  - the first visit: the bytes over the wire (gzip, as a web server sends them) before the first
//    worked solution and in all (with what the service worker keeps at install), and the time
//    from opening the page with a cold cache to the first worked solution, with the CPU slowed
//    4x through the DevTools protocol (a phone's speed): through the test's steps, and typed the
//    moment the page stands;
//  - every problem page: 400 lines of its golden inputs computed in chromium (from pressing
//    再进行运算操作 to the text box being filled, and the worker's CPU time in that) against
//    qimbel-cli's CPU time on them, once the engine has optimised the module, and on the first
//    compute of the visit.
//   node web/tests/bench.cjs SITE_DIR QIMBEL_CLI PUPPETEER_DIR [SLOWDOWN]
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');
const launch = require('./chromium.cjs');
const { firstAnswer, idle, setText } = require('./page-steps.cjs');

const [siteDir, cli, puppeteerDir, slowdownArg] = process.argv.slice(2);
const SLOWDOWN = Number(slowdownArg || 4);
const LINES = 400;
const SETTLE_MS = 2000;
const WARM = 3;
const TIMED = 10; // timed computes after those; the least counts, as for qimbel-cli: a busy machine inflates it less
const golden = path.join(__dirname, '../../tests/golden');

const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json', '.data': 'application/octet-stream',
};

// A static server that gzips every answer (level 9) and counts the bytes it sends, by file.
function gzipServer(siteDir) {
  const dir = path.resolve(siteDir);
  const sent = [];
  const zipped = new Map();
  const server = http.createServer((req, res) => {
    let name = decodeURIComponent(new URL(req.url, 'http://x').pathname).slice(1) || 'index.html';
    const file = path.join(dir, name);
    if (!file.startsWith(dir + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404);
      res.end();
      return;
    }
    const modified = fs.statSync(file).mtime;
    modified.setMilliseconds(0);
    const since = req.headers['if-modified-since'];
    if (since && new Date(since) >= modified) {
      res.writeHead(304);
      res.end();
      sent.push({ name, bytes: 0, at: Date.now() });
      return;
    }
    if (!zipped.has(file)) zipped.set(file, zlib.gzipSync(fs.readFileSync(file), { level: 9 }));
    const body = zipped.get(file);
    res.writeHead(200, {
      'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Content-Encoding': 'gzip',
      'Content-Length': body.length, 'Last-Modified': modified.toUTCString(),
    });
    res.end(body, () => sent.push({ name, bytes: body.length, at: Date.now() }));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`, sent, stop: () => server.close(),
  })));
}

// The golden input lines of each problem type of qimbel-cli (--type N, or --page 131).
function goldenLines() {
  const byArgs = new Map();
  const walk = (dir) => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
      const full = path.join(dir, entry.name);
      if (entry.isDirectory()) walk(full);
      else if (entry.name === 'cmd') {
        const cmd = fs.readFileSync(full, 'utf8');
        const match = cmd.match(/--(type|page) (\d+)/);
        if (!match || /--mark|--compute-only|--method/.test(cmd)) continue;
        const key = `${match[1]} ${match[2]}`;
        const lines = fs.readFileSync(path.join(dir, 'input.txt'), 'utf8').split('\n').filter((l) => l.trim());
        byArgs.set(key, [...(byArgs.get(key) || []), ...lines]);
      }
    }
  };
  walk(golden);
  return byArgs;
}

// qimbel-cli's CPU time (user + system) on `input`, in ms: the least of `runs`. A qimbel-cli that
// writes to stderr (one copied away from its data files answers every word problem with a
// complaint) stops the bench rather than being timed.
function nativeCpuMs(args, input, runs = 15) {
  // The children's time before the run is taken off: a python3 started through a wrapper script
  // (pyenv) inherits the time of the wrapper's own children.
  const script = 'import resource,subprocess,sys\n'
    + 'cpu = lambda r: r.ru_utime + r.ru_stime\n'
    + 'before = cpu(resource.getrusage(resource.RUSAGE_CHILDREN))\n'
    + 'said = subprocess.run(sys.argv[1:], stdin=sys.stdin, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True).stderr\n'
    + 'if said: sys.exit("qimbel-cli complained, so its time is not that of the page: " + said.decode("utf-8", "replace")[:300])\n'
    + 'print((cpu(resource.getrusage(resource.RUSAGE_CHILDREN)) - before) * 1000)';
  let best = Infinity;
  for (let i = 0; i < runs; ++i) {
    best = Math.min(best, Number(execFileSync('python3', ['-c', script, cli, ...args], { input, maxBuffer: 1 << 30 })));
  }
  return best;
}

// Slows the page and each of its workers down `rate` times; returns the targets that refused.
async function slowDown(page, rate) {
  const refused = [];
  const slow = async (client, what) => {
    try {
      await client.send('Emulation.setCPUThrottlingRate', { rate });
    } catch {
      refused.push(what);
    }
  };
  await slow(await page.createCDPSession(), 'page');
  page.on('workercreated', (worker) => slow(worker.client, `worker ${path.basename(worker.url())}`));
  return refused;
}

// Runs `action` (-> its wall time, ms) while tracing; returns it with the CPU time of the page's
// workers (where the module computes) meanwhile, from the trace's thread times: a figure that a
// loaded machine does not inflate.
async function workerCpu(page, action) {
  await page.tracing.start({ categories: ['toplevel'] });
  const wall = await action();
  const events = JSON.parse(Buffer.from(await page.tracing.stop()).toString('utf8')).traceEvents;
  const workers = new Set(events.filter((e) => e.ph === 'M' && e.name === 'thread_name' && /DedicatedWorker/.test(e.args.name))
    .map((e) => `${e.pid}:${e.tid}`));
  const tasks = events.filter((e) => e.ph === 'X' && workers.has(`${e.pid}:${e.tid}`) && e.tdur !== undefined);
  const outer = tasks.some((e) => e.name === 'ThreadControllerImpl::RunTask') ? 'ThreadControllerImpl::RunTask' : 'RunTask';
  return { wall, cpu: tasks.filter((e) => e.name === outer).reduce((n, e) => n + e.tdur, 0) / 1000 };
}

const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

// Marks, on the page's own clock (from the start of the navigation), when the problem page first
// stands visible, when Ctrl+Enter is pressed and when the working is in the text box: the time the
// site itself takes, without the test's own steps between the page standing and the key.
// With `atOnce`, a pupil who types the moment the page stands: the number goes into the text box
// and Ctrl+Enter is pressed as soon as the text box is there (the page keeps both until its code
// has started), with no step of the test between; marks.answer is then the whole time to the
// first worked solution.
function markFirstAnswer(atOnce) {
  const marks = (self.qimbelMarks = {});
  const shown = () => {
    const page = document.getElementById('page');
    const box = document.getElementById('text');
    if (marks.shown !== undefined || !page || page.hidden || (atOnce && !box)) return;
    marks.shown = performance.now();
    if (!atOnce) return;
    box.value = '1234567';
    box.dispatchEvent(new Event('input'));
    document.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', ctrlKey: true, bubbles: true, cancelable: true }));
  };
  new MutationObserver(shown).observe(document, { subtree: true, childList: true, attributes: true, attributeFilter: ['hidden'] });
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && marks.key === undefined) marks.key = performance.now();
  }, true);
  const poll = setInterval(() => {
    try {
      if (window.qimbelTextBox && window.qimbelTextBox().includes('----')) {
        marks.answer = performance.now();
        clearInterval(poll);
      }
    } catch {
      /* the page's code is not there yet */
    }
  }, 5);
}

// One cold visit of `url` in a fresh context: [the test's wall time to the answer, the site's own
// time (shown + (answer - key); typed at once, answer), the page].
async function coldVisit(browser, url, atOnce = false) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.setDefaultTimeout(600000); // slowed down on a busy machine
  const refused = await slowDown(page, SLOWDOWN);
  await page.evaluateOnNewDocument(markFirstAnswer, atOnce);
  // A new window starts Chromium's own pages (the address bar's popup among them) in processes of
  // their own, which on a small machine take the CPU from the page for a second or more; a pupil's
  // browser is open before the address is typed. The visit is timed once they are done.
  await new Promise((resolve) => setTimeout(resolve, SETTLE_MS));
  const started = Date.now();
  if (atOnce) {
    await page.goto(url, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => self.qimbelMarks.answer !== undefined, { polling: 10 });
  } else {
    await firstAnswer(page, url);
  }
  const wall = Date.now() - started;
  const m = await page.evaluate(() => self.qimbelMarks);
  return { wall, own: atOnce ? m.answer : m.shown + (m.answer - m.key), context, page, refused };
}

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

async function firstVisit(browser, server) {
  // The same steps on a page that answers at once: what the test itself costs.
  const floorDir = fs.mkdtempSync(path.join(require('os').tmpdir(), 'qimbel-floor-'));
  fs.writeFileSync(path.join(floorDir, 'index.html'), '<!doctype html><meta charset="utf-8"><main id="page"><textarea id="text"></textarea></main>'
    + '<script>const box = document.getElementById("text"); window.qimbelTextBox = () => box.value;'
    + 'document.addEventListener("keydown", (e) => { if (e.ctrlKey && e.key === "Enter") box.value += "\\n----"; });</script>');
  const floorServer = await gzipServer(floorDir);
  const floor = { wall: [], own: [] };
  const site = { wall: [], own: [] };
  const atOnce = { wall: [], own: [] };
  for (let i = 0; i < 5; ++i) {
    for (const [url, into, typed] of [[floorServer.url, floor, false], [server.url, site, false], [server.url, atOnce, true]]) {
      const visit = await coldVisit(browser, url, typed);
      into.wall.push(visit.wall);
      into.own.push(visit.own);
      await visit.context.close();
    }
  }
  floorServer.stop();
  fs.rmSync(floorDir, { recursive: true, force: true });

  const { context, page, refused, wall } = await (async () => {
    server.sent.length = 0;
    return coldVisit(browser, server.url);
  })();
  const answered = Date.now();
  const before = server.sent.filter((s) => s.at <= answered);
  // The service worker's install (the files it keeps).
  await page.evaluate(() => navigator.serviceWorker.ready);
  await new Promise((r) => setTimeout(r, 500));
  const all = [...server.sent];
  await context.close();
  const sum = (list) => list.reduce((n, s) => n + s.bytes, 0);
  console.log(`first visit, ${SLOWDOWN}x slower CPU${refused.length ? ` (not slowed: ${refused.join(', ')})` : ''}:`);
  console.log(`  first worked solution, cold cache (median of 5): ${median(site.wall)} ms from opening the page to the working in the text box, `
    + `of which the site's own time ${median(site.own).toFixed(0)} ms (page shown, then Ctrl+Enter to the working, on the page's clock); `
    + `a page that answers at once takes ${median(floor.wall)} ms (own ${median(floor.own).toFixed(0)} ms) through the same steps`);
  console.log(`  typed the moment the page stands (no step of the test between), median of 5: the working in the text box ${median(atOnce.own).toFixed(0)} ms `
    + `after the start of the navigation, on the page's clock (${median(atOnce.wall)} ms as the test sees it)`);
  console.log(`  this visit: ${wall} ms`);
  console.log(`  over the wire before it (gzip): ${kb(sum(before))} in ${before.length} files; the whole first visit: ${kb(sum(all))} in ${all.length} requests`);
  const byName = new Map();
  for (const s of all) byName.set(s.name, (byName.get(s.name) || 0) + s.bytes);
  console.log(`  ${[...byName].sort((a, b) => b[1] - a[1]).map(([n, b]) => `${n} ${kb(b)}`).join(', ')}`);
}

async function pages(browser, server) {
  const data = JSON.parse(fs.readFileSync(path.join(siteDir, 'data.json'), 'utf8'));
  const lines = goldenLines();
  const page = await (await browser.createBrowserContext()).newPage();
  page.setDefaultTimeout(600000);
  await page.goto(server.url, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector('[data-ready] #page:not([hidden])');
  await idle(page);
  // The start-up loads the whole core in the worker (for the 错题本) after the first page: its
  // compile is the worker's CPU too, and is let finish first.
  await page.waitForNetworkIdle({ idleTime: 1000 });
  await new Promise((r) => setTimeout(r, 2000));
  const ratios = [];
  const firsts = [];
  for (const pageId of [129, 130, 131, 133, 134, 135]) {
    // The page's type with the most golden lines (the word problems: the page itself).
    let args = ['--page', String(pageId)];
    let type = 0;
    if (!lines.has(`page ${pageId}`)) {
      const own = data.types.filter((t) => t.page === pageId && t.enabled && lines.has(`type ${t.type}`));
      own.sort((a, b) => lines.get(`type ${b.type}`).length - lines.get(`type ${a.type}`).length);
      type = own[0].type;
      args = ['--type', String(type)];
    }
    const found = lines.get(args.join(' ').slice(2));
    const input = Array.from({ length: LINES }, (_, i) => found[i % found.length]).join('\n');
    const native = nativeCpuMs(args, input);
    await page.click(`#tab-${pageId}`);
    await idle(page);
    if (type) {
      await page.click(`#type-${type}`);
      await idle(page);
    }
    // The engine compiles the module quickly first and optimises each function once it has run
    // enough: the first computes of a visit run the quick code. The module's own speed is taken
    // once it has been optimised (after WARM computes, as a pupil's page is after a few), and the
    // first compute of the visit is shown beside it.
    const runs = [];
    for (let i = 0; i < WARM + TIMED; ++i) {
      await setText(page, input);
      await page.click('#check');
      await idle(page, 300000);
      runs.push(await workerCpu(page, () => page.evaluate(async () => {
        const start = performance.now();
        document.getElementById('compute').click();
        while (window.qimbelBusy()) await new Promise((r) => setTimeout(r, 1));
        return performance.now() - start;
      })));
    }
    const timed = runs.slice(WARM);
    const best = { wall: Math.min(...timed.map((r) => r.wall)), cpu: Math.min(...timed.map((r) => r.cpu)) };
    ratios.push(best.cpu / native);
    firsts.push(runs[0].cpu / native);
    console.log(`page ${pageId} (${args.join(' ')}), ${LINES} lines: qimbel-cli ${native.toFixed(1)} ms CPU; `
      + `chromium ${best.wall.toFixed(1)} ms, of it the worker's CPU ${best.cpu.toFixed(1)} ms (${(best.cpu / native).toFixed(2)}x); `
      + `the first compute of the visit ${runs[0].cpu.toFixed(1)} ms (${(runs[0].cpu / native).toFixed(2)}x)`);
  }
  console.log(`slowest page against native, in CPU time: ${Math.max(...ratios).toFixed(2)}x (on the first compute of each page: ${Math.max(...firsts).toFixed(2)}x)`);
}

(async () => {
  const server = await gzipServer(siteDir);
  const browser = await launch(puppeteerDir);
  try {
    await firstVisit(browser, server);
    await pages(browser, server);
  } finally {
    await browser.close();
    server.stop();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
