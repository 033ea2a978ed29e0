// 1,000 random lines per problem page through the WebAssembly module and the native qimbel-cli:
// the two text boxes must agree byte for byte. The lines are the help examples and golden inputs
// of each type with random edits (digits, signs, letters, brackets, Chinese words), and some lines
// of random signs; the seed is fixed, so a failure repeats.
//   node --no-experimental-fetch web/tests/random-lines.cjs WASM_DIR QIMBEL_CLI SOURCE_DIR [LINES]
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const load = require('./load-module.cjs');

function Random(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  next.int = (n) => Math.floor(next() * n);
  next.pick = (list) => list[next.int(list.length)];
  return next;
}

const PIECES = [...'0123456789', ...'0123456789', '.', '+', '-', '*', '/', '×', '÷', '＋', '－', '(', ')', '[', ']',
  '{', '}', '^', '=', '＝', '>', '<', '≥', '≤', 'x', 'y', 'a', 'b', ',', '，', '、', ' ', '万', '亿', '米', '千克',
  '()', '求', '多少', '是', '〖', '〗', '%', '√', '-0', '00', '999999999', '0.5', '1/3'];

function mutate(line, random) {
  const chars = [...line];
  const edits = 1 + random.int(3);
  for (let i = 0; i < edits; ++i) {
    const at = random.int(chars.length + 1);
    const kind = random.int(4);
    if (kind === 0 && chars.length > 0) chars.splice(Math.min(at, chars.length - 1), 1);
    else if (kind === 1 && chars.length > 0) chars[Math.min(at, chars.length - 1)] = random.pick(PIECES);
    else if (kind === 2) chars.splice(at, 0, random.pick(PIECES));
    else chars.splice(at, 0, ...chars.slice(at, at + 1 + random.int(4)));
  }
  return chars.join('');
}

// The typed lines of a text box: what stands before its first "----".
function problemLines(text) {
  return text.split('----')[0].split(/\r?\n/).map((l) => l.trim()).filter(Boolean);
}

function seedLines(sourceDir, type, page) {
  const lines = [];
  const example = path.join(sourceDir, 'data/Help/ShiLi', `${type}.txt`);
  if (fs.existsSync(example)) lines.push(...problemLines(fs.readFileSync(example, 'utf8')));
  const golden = path.join(sourceDir, 'tests/golden');
  for (const area of fs.readdirSync(golden)) {
    const areaDir = path.join(golden, area);
    if (!fs.statSync(areaDir).isDirectory()) continue;
    for (const name of fs.readdirSync(areaDir)) {
      const dir = path.join(areaDir, name);
      if (!fs.existsSync(path.join(dir, 'cmd'))) continue;
      const cmd = fs.readFileSync(path.join(dir, 'cmd'), 'utf8').split(/\s+/);
      const t = cmd.indexOf('--type') >= 0 ? Number(cmd[cmd.indexOf('--type') + 1]) : 0;
      const p = cmd.indexOf('--page') >= 0 ? Number(cmd[cmd.indexOf('--page') + 1]) : 0;
      if ((type && t === type) || (!type && p === page)) lines.push(...problemLines(fs.readFileSync(path.join(dir, 'input.txt'), 'utf8')));
    }
  }
  return lines.length > 0 ? lines : ['1+2'];
}

(async () => {
  const [wasmDir, cli, sourceDir, count = '1000'] = process.argv.slice(2);
  const perPage = Number(count);
  const api = await load(wasmDir);
  const tables = api.tables();
  const random = Random(30);
  let passed = 0;
  let failed = 0;
  for (const tab of tables.tabs.filter((t) => [129, 130, 131, 133, 134, 135].includes(t.page))) {
    const types = tables.types.filter((t) => t.page === tab.page && t.enabled).map((t) => t.type);
    // One run per type and level: the page's lines are dealt over its types.
    const groups = types.length > 0 ? types.map((type) => ({ type, lines: [] })) : [{ type: 0, lines: [] }];
    const seeds = groups.map((g) => seedLines(sourceDir, g.type, tab.page));
    for (let i = 0; i < perPage; ++i) {
      const g = random.int(groups.length);
      const line = random() < 0.1
        ? Array.from({ length: 1 + random.int(12) }, () => random.pick(PIECES)).join('')
        : mutate(random.pick(seeds[g]), random);
      groups[g].lines.push(line);
    }
    for (const group of groups) {
      for (const level of [5, 1]) {
        const lines = level === 5 ? group.lines : group.lines.slice(0, 50);
        const args = [...(group.type ? ['--type', String(group.type)] : ['--page', String(tab.page)]), '--level', String(level)];
        const input = lines.join('\n') + '\n';
        let native;
        try {
          native = execFileSync(cli, args, { input, encoding: 'utf8', maxBuffer: 1 << 30, stdio: ['pipe', 'pipe', 'ignore'] });
        } catch (error) {
          native = { status: error.status };
        }
        const web = api.headless(args, input);
        const same = typeof native === 'string' ? web.text === native : web.error !== undefined;
        if (same) {
          ++passed;
        } else {
          ++failed;
          const file = path.join(process.env.TMPDIR || '/tmp', `qimbel-random-${tab.page}-${group.type}-${level}.txt`);
          fs.writeFileSync(file, input);
          console.log(`FAIL page ${tab.page} ${args.join(' ')}: the texts differ (input in ${file})`);
        }
      }
    }
  }
  console.log(`web random lines: ${passed} passed, ${failed} failed`);
  process.exit(failed === 0 && passed > 0 ? 0 : 1);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
