// The exercise programs and the handbook list through the WebAssembly module and through the
// native qimbel-sheets: the same words must give the same JSON (sheets, practice
// verdicts and reports, papers with their keys and laid-out pages), over a table of settings and
// a run of seeds, and the 自动组卷 papers of every grade. The laid-out papers must also keep every
// problem on its page.
//   node --no-experimental-fetch web/tests/sheets.cjs WASM_DIR QIMBEL_SHEETS
const { execFileSync } = require('child_process');
const load = require('./load-module.cjs');

const [wasmDir, sheets] = process.argv.slice(2);

function native(words, input = '') {
  try {
    return execFileSync(sheets, words, { input, encoding: 'utf8', stdio: ['pipe', 'pipe', 'ignore'] }).replace(/\n$/, '');
  } catch (failure) {
    return String(failure.stdout).replace(/\n$/, ''); // an error answer exits with 1
  }
}

// Every call to compare: [words, input].
function calls() {
  const list = [[['handbooks']], [['clock', '0']], [['clock', '185']]];
  // 口算: each operation alone and mixed, each range and table, each blank, the two switches.
  const settings = [];
  for (const flags of [1, 2, 3, 4, 8, 12, 15, 63, 0, 18, 40]) {
    for (const [range, table] of [[10, 0], [20, 0], [100, 0], [1000, 0], [100, 9], [20, 3], [7, 0], [5000, 0]]) {
      settings.push([flags, range, table, flags % 3 === 0 ? 200 : 10 + flags, flags % 3]);
    }
  }
  settings.forEach((s, i) => list.push([['kousuan', ...s, 1 + i * 7919].map(String)]));
  // Practice: right answers, wrong ones, retries, unreadable ones, indexes off the sheet.
  for (const seed of [1, 42, 999999]) {
    const words = ['15', '100', '0', '30', '2', String(seed)];
    const answers = ['0\t7', '1\t', '1\tabc', '2\t-3', '2\t３', '3\t4……1', '3\t4 1', '4\t余', '999\t5', '5\t１２３４５６７８９０１２３４５６７８９０'];
    list.push([['practice', ...words, '75'], answers.join('\n')]);
    list.push([['practice', ...words, '0'], '']);
  }
  list.push([['practice', '3', '20', '0', '10', '0', '5', '9'], 'not a line']);
  // Papers: every grade (and one outside), decimals, 满分100, the most problems, seeds.
  for (let grade = 0; grade <= 7; ++grade) list.push([['grade', String(grade)]]);
  for (let grade = 1; grade <= 6; ++grade) {
    for (const [decimals, hundred, seed] of [[0, 0, 1], [1, 1, 2], [1, 0, 123456789]]) {
      list.push([['paper', grade, 8, 4, 3, 3, 1, 4, 5, 5, decimals, hundred, seed].map(String)]);
    }
  }
  list.push([['paper', '6', '50', '50', '50', '50', '20', '20', '20', '20', '1', '1', '7'].map(String)]);
  list.push([['paper', '3', '0', '0', '0', '0', '1', '1', '1', '1', '0', '0', '1']]);
  // Words that are not a call.
  for (const words of [[], ['kousuan'], ['kousuan', '1', '2', '3', '4', '5', '-6'], ['paper', 'x'], ['grade', '1e3'],
    ['kousuan', '99', '20', '0', '10', '0', '1'], ['nothing']]) list.push([words]);
  // 自动组卷 (qw_maker, natively `qimbel-sheets maker …`): every grade's paper and its pages, with
  // worked keys and answers only.
  for (let grade = 1; grade <= 9; ++grade) {
    const kinds = JSON.parse(native(['maker', 'grade', String(grade)])).kinds.map((k) => `${k.type}.${k.level}.${k.count}.${k.points}`);
    for (const [key, seed] of [[1, 2026 + grade], [0, 7]]) list.push([['maker', 'paper', grade, seed, key, ...kinds].map(String)]);
  }
  return list;
}

// A laid-out paper keeps every run inside its page, and the key after the paper.
function pagesSound(paper) {
  if (paper.error) return "";
  let keySeen = false;
  for (const page of paper.pages) {
    if (keySeen && !page.key) return 'a paper page after the key';
    keySeen = keySeen || page.key;
    for (const run of page.runs) {
      const line = paper.fonts[run.font].line;
      if (run.y < 0 || run.y + line > paper.height + 0.01) return `"${run.text}" leaves its page`;
      if (run.problem && run.x + run.width > run.right + 0.01) return `"${run.text}" runs into the next column`;
    }
  }
  return paper.pages.some((p) => p.key) ? '' : 'no key';
}

(async () => {
  const api = await load(wasmDir);
  let passed = 0;
  let failed = 0;
  for (const [words, input = ''] of calls()) {
    const maker = words[0] === 'maker';
    const wasm = JSON.stringify(maker ? api.maker(words.slice(1), input) : api.sheets(words, input));
    // Both read back the same way: equal texts of the same JSON stay equal.
    const expected = JSON.stringify(JSON.parse(native(words, input)));
    let fault = wasm === expected ? '' : 'differs from native';
    if (!fault && (words[0] === 'paper' || (maker && words[1] === 'paper'))) fault = pagesSound(JSON.parse(wasm));
    if (fault) {
      ++failed;
      let at = 0;
      while (at < wasm.length && wasm[at] === expected[at]) ++at;
      console.log(`FAIL ${words.join(' ')}: ${fault} at ${at}: ${wasm.slice(at, at + 80)} | ${expected.slice(at, at + 80)}`);
    } else {
      ++passed;
    }
  }
  console.log(`web sheets: ${passed} passed, ${failed} failed`);
  process.exit(failed === 0 && passed > 0 ? 0 : 1);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
