// make-site.mjs SITE_SOURCES WASM_DIR OUT [HANDBOOKS]: writes the static site. The page's own files are
// copied, the modules beside them; data.json holds what the page shows before the module has
// loaded (tabs, type buttons, symbol palette), help.json the help texts, both written by the
// module itself; sw.js gets the files of the first visit (kept at install), the other files
// (kept when first fetched) and a version that changes with any of them.
//
// The first visit is index.html, what it links, the scripts its scripts import statically
// (import ... from './x.js'), and FIRST_FETCHED. A page's code imported with import() when the
// page is first opened is not downloaded before that.
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const [sources, wasmDir, out, handbooks] = process.argv.slice(2);
const require = createRequire(import.meta.url);

fs.rmSync(out, { recursive: true, force: true });
fs.mkdirSync(out, { recursive: true });
fs.cpSync(sources, out, { recursive: true });
// What the worker loads at once and app.js fetches at start.
const FIRST_FETCHED = ['data.json', 'worker.js', 'qimbel-api.js', 'qimbel-pages.js', 'qimbel-pages.wasm', 'qimbel-pages.data'];

for (const file of ['qimbel.js', 'qimbel.wasm', 'qimbel.data', 'qimbel-pages.js', 'qimbel-pages.wasm', 'qimbel-pages.data']) fs.copyFileSync(path.join(wasmDir, file), path.join(out, file));
// The handbooks of 知识资料汇总, as built for the desktop, under zhishi/.
if (handbooks) {
  fs.mkdirSync(path.join(out, 'zhishi'));
  for (const file of fs.readdirSync(handbooks).filter((f) => f.endsWith('.html'))) {
    fs.copyFileSync(path.join(handbooks, file), path.join(out, 'zhishi', file));
  }
}

const load = require(path.resolve(sources, '../tests/load-module.cjs'));
const api = await load(wasmDir);
const tables = api.tables();
const help = {};
for (const tab of tables.tabs) {
  const own = tables.types.filter((t) => t.page === tab.page);
  for (const type of [0, ...own.map((t) => t.type)]) help[`${tab.page}:${type}`] = api.help(tab.page, type);
}
const library = api.sheets(['handbooks']);
fs.writeFileSync(path.join(out, 'data.json'), JSON.stringify({ ...tables, library }));
// Fetched at the first 帮助.
fs.writeFileSync(path.join(out, 'help.json'), JSON.stringify(help));

// Every file of the site, for the service worker to keep.
const files = [];
const walk = (dir) => {
  for (const entry of fs.readdirSync(dir, { withFileTypes: true }).sort((a, b) => a.name.localeCompare(b.name))) {
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) walk(full);
    else if (entry.name !== 'sw.js') files.push(path.relative(out, full).split(path.sep).join('/'));
  }
};
walk(out);
// index.html's own links, then the static imports of every script among them, transitively.
// The page under both its names (a bookmark may hold either).
const first = new Set([...FIRST_FETCHED, 'index.html']);
const staticImports = (file) => [...fs.readFileSync(path.join(out, file), 'utf8')
  .matchAll(/^\s*(?:import|export)\s[^;]*?\sfrom\s+'\.\/([^']+)'/gm)].map((m) => path.posix.join(path.posix.dirname(file), m[1]));
// The page's scripts and every script they import are asked for at once (modulepreload), not one
// import after another.
let html = fs.readFileSync(path.join(out, 'index.html'), 'utf8');
// The first page is written into index.html as the page's code would build it for a first visit
// (the first tab and its type, as the core shows them), so it stands before any script has run.
const pageHtml = await import(pathToFileURL(path.join(out, 'page-html.js')).href);
const firstTab = tables.tabs[0];
const shown = api.page('showType', { page: firstTab.page, type: firstTab.type, options: 7, method: 8, text: '' }, firstTab.type);
const firstType = tables.types.find((t) => t.type === shown.type && t.page === firstTab.page);
const fill = (from, to) => {
  if (!html.includes(from)) throw new Error(`make-site: index.html has no ${from}`);
  html = html.replace(from, to);
};
const esc = pageHtml.escapeHtml;
fill('aria-label="题目页"></nav>', `aria-label="题目页">${pageHtml.tabsHtml(tables.tabs, firstTab.page)}</nav>`);
fill('<main id="page" class="page" hidden>', '<main id="page" class="page">');
fill('aria-controls="types">题型</button>', `aria-controls="types">题型：${esc(firstType ? firstType.caption : '请选择')}</button>`);
fill('<div id="types" class="types"></div>', `<div id="types" class="types" data-page="${firstTab.page}" data-type="${shown.type}">${pageHtml.typesHtml(tables.types, firstTab.page, shown.type)}</div>`);
fill('<h2 id="title" class="title"></h2>', `<h2 id="title" class="title">${esc(shown.title)}</h2>`);
fill('aria-label="符号键盘"></div>', `aria-label="符号键盘">${pageHtml.keysHtml()}</div>`);
fill('aria-label="摘要"></div>', `aria-label="摘要">${esc(shown.summary)}</div>`);
fill('<fieldset id="methods" class="methods" hidden>\n      <legend>因式分解方法</legend>\n    </fieldset>', `<fieldset id="methods" class="methods" hidden>${pageHtml.methodsHtml()}</fieldset>`);
// A problem page's first options: 显示简介 (not on the word problems), 运算过程 and 运算说明.
if (firstTab.page !== 131) fill('id="opt-intro">', 'id="opt-intro" checked>');
fill('id="opt-working">', 'id="opt-working" checked>');
fill('id="opt-explain">', 'id="opt-explain" checked>');
fill('<p id="loading" class="loading">', '<p id="loading" class="loading" hidden>');
// The header's icon drawn in the page itself: as an image, an SVG is a document of its own, built
// on the page's thread just when the worker is being started (14 ms at a phone's speed).
const icon = fs.readFileSync(path.join(out, 'icons/icon.svg'), 'utf8').replace(/<\?xml[^>]*>|<!--[\s\S]*?-->/g, '')
  .replace(/\s*\n\s*/g, ' ').trim().replace(/width="128" height="128"/, 'width="28" height="28" aria-hidden="true" focusable="false"');
if (!icon.startsWith('<svg') || !icon.includes('width="28"')) throw new Error('make-site: icons/icon.svg is not the 128 px drawing expected');
fill('<img src="icons/icon.svg" alt="" width="28" height="28">', icon);
const scripts = [...html.matchAll(/<script type="module" src="([^"]+)"/g)].map((m) => m[1]);
for (let i = 0; i < scripts.length; ++i) {
  for (const file of staticImports(scripts[i])) if (!scripts.includes(file)) scripts.push(file);
}
html = html.replace('<!-- modulepreload -->', scripts.map((file) => `<link rel="modulepreload" href="${file}">`).join('\n'));
fs.writeFileSync(path.join(out, 'index.html'), html);
const pending = [...html.matchAll(/(?:href|src)="([^":#?]+)"/g)].map((m) => m[1]);
while (pending.length) {
  const file = path.posix.normalize(pending.pop());
  if (first.has(file) || !files.includes(file)) continue;
  first.add(file);
  if (file.endsWith('.js')) pending.push(...staticImports(file));
}
const missing = FIRST_FETCHED.filter((file) => !files.includes(file));
if (missing.length) throw new Error(`make-site: not in the site: ${missing.join(', ')}`);
const later = files.filter((file) => !first.has(file));

const hash = createHash('sha256');
for (const file of files) hash.update(file).update(fs.readFileSync(path.join(out, file)));
const sw = fs.readFileSync(path.join(out, 'sw.js'), 'utf8')
  .replace("'__VERSION__'", JSON.stringify(hash.digest('hex').slice(0, 16)))
  .replace("['__FILES__']", JSON.stringify(['./', ...files.filter((file) => first.has(file))]))
  .replace("['__LATER__']", JSON.stringify(later));
fs.writeFileSync(path.join(out, 'sw.js'), sw);
console.log(`site: ${files.length + 1} files in ${out}, ${first.size + 1} of them kept at install`);
