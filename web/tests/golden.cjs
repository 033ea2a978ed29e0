// Every golden case of tests/golden through the WebAssembly module: the text box must be the
// expected text byte for byte, as the native test_golden requires of the page models. The problem
// pages' module (qimbel-pages, what the page computes with until the whole core is needed) must
// give the same answer as the whole core to every page action on the same lines.
//   node --no-experimental-fetch web/tests/golden.cjs WASM_DIR GOLDEN_DIR
const fs = require('fs');
const path = require('path');
const load = require('./load-module.cjs');

function cases(dir) {
  const found = [];
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) found.push(...cases(full));
    else if (entry.name === 'cmd') found.push(dir);
  }
  return found.sort();
}

function firstDifference(expected, actual) {
  const e = expected.split('\n');
  const a = actual.split('\n');
  for (let i = 0; i < Math.max(e.length, a.length); ++i) {
    if (e[i] !== a[i]) return `line ${i + 1}:\n  expected: ${JSON.stringify(e[i])}\n  actual:   ${JSON.stringify(a[i])}`;
  }
  return '(none)';
}

(async () => {
  const [wasmDir, goldenDir] = process.argv.slice(2);
  const api = await load(wasmDir);
  const pages = await load(wasmDir, 'qimbel-pages');
  const types = api.tables().types;
  let passed = 0;
  let failed = 0;
  let agreed = 0;
  for (const dir of cases(goldenDir)) {
    const args = fs.readFileSync(path.join(dir, 'cmd'), 'utf8').split(/\s+/).filter(Boolean);
    const input = fs.readFileSync(path.join(dir, 'input.txt'), 'utf8');
    const expected = fs.readFileSync(path.join(dir, 'expected.txt'), 'utf8').replace(/\r\n/g, '\n');
    const result = api.headless(args, input);
    // The same lines on the page of their type, through both modules.
    const type = Number((args.join(' ').match(/--type (\d+)/) || [])[1]);
    if (type && !args.includes('--mark')) {
      const table = types.find((t) => t.type === type);
      const state = { page: table ? table.page : 0, type, options: 7, method: 8, text: input };
      for (const action of ['check', 'checkAndCompute']) {
        const whole = JSON.stringify(api.page(action, state));
        if (JSON.stringify(pages.page(action, state)) === whole) {
          ++agreed;
        } else {
          ++failed;
          console.log(`FAIL ${path.relative(goldenDir, dir)}: qimbel-pages differs from the whole core on ${action}`);
        }
      }
    }
    if (result.text === expected) {
      ++passed;
    } else {
      ++failed;
      const name = path.relative(goldenDir, dir);
      console.log(`FAIL ${name}: ${result.error || firstDifference(expected, result.text)}`);
    }
  }
  console.log(`web golden: ${passed} passed, ${failed} failed; qimbel-pages agreed with the whole core ${agreed} times`);
  process.exit(failed === 0 && passed > 0 ? 0 : 1);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
