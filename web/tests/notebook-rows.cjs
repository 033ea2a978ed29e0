// The web edition's 错题本 under Node: the notebook model in the module answers every change with
// the rows to write, and the rows are all there is (IndexedDB in the browser, a Map here). Random
// runs of marks, 口算 answers, redos, deletes, imports (whole, damaged and repeated) and lost
// writes over simulated days; after every step the notebook read afresh from the rows exports
// exactly what the working model exports, and a call on a stale revision is refused.
//   node web/tests/notebook-rows.cjs WASM_DIR
const load = require('./load-module.cjs');
const { check, runChecks } = require('./tally.cjs');

const [wasmDir] = process.argv.slice(2);
const SEEDS = 12;
const STEPS = 40;

function random(seed) {
  let s = seed >>> 0;
  return (n) => {
    s = (Math.imul(s, 1664525) + 1013904223) >>> 0;
    return s % n;
  };
}

// The rows as the page keeps them, and the page's side of every call.
class Rows {
  constructor(api) {
    this.api = api;
    this.rows = new Map();
    this.revision = 0;
    this.nextId = 1;
    this.loseNext = false;
  }

  text() {
    if (this.rows.size === 0) return '';
    const entries = [...this.rows.values()].map(({ key, ...row }) => row);
    return JSON.stringify({ format: 'qimbel-notebook', version: 1, entries });
  }

  call(words, day, text = '', extra = '') {
    for (let attempt = 0; attempt < 2; ++attempt) {
      const answer = this.api.notebook([words[0], this.revision, day, ...words.slice(1)], text, extra);
      if (answer.closed) {
        const opened = this.api.notebook(['open', this.revision, day, this.nextId], this.text());
        if (opened.error) throw new Error(opened.error);
        continue;
      }
      if (answer.writes && answer.writes.length > 0) {
        // A write the browser refused (a full disk): nothing of it is kept.
        if (this.loseNext) {
          this.loseNext = false;
          return answer;
        }
        for (const write of answer.writes) {
          if (write.row) this.rows.set(write.id, { ...write.row, key: write.key });
          else this.rows.delete(write.id);
        }
        const keys = new Set([...this.rows.values()].map((r) => r.key));
        if (keys.size !== this.rows.size) throw new Error('two rows hold the same problem');
        this.revision += 1;
        this.nextId = answer.nextId;
        if (answer.revision !== this.revision) throw new Error('the revisions part');
      }
      return answer;
    }
    throw new Error('the notebook did not open');
  }
}

function day(n) {
  return new Date(Date.UTC(2026, 11, 1 + n)).toISOString().slice(0, 10);
}

runChecks('notebook-rows', async () => {
  const [api, fresh] = await Promise.all([load(wasmDir), load(wasmDir)]);
  let faults = 0;
  let steps = 0;
  let refusedStale = true;
  for (let seed = 1; seed <= SEEDS; ++seed) {
    const pick = random(seed);
    const book = new Rows(api);
    let today = 0;
    let lastExport = '';
    for (let step = 0; step < STEPS; ++step) {
      today += pick(3);
      const d = day(today);
      const ids = [...book.rows.keys()];
      const a = 2 + pick(5);
      const b = 1 + pick(9);
      const x = 1 + pick(6);
      const op = pick(10);
      if (op < 3) {
        // A wrong first step of a linear equation on a page (sometimes the same one again).
        book.call(['file', 25], d, `${a}x＋${b}＝${a * x + b}\n${a}x＝${a * x + b + 1}\nx＝${a * x + b + 1}/${a}\n`);
      } else if (op === 3) {
        book.call(['kousuan'], d, `${a}＋${b}＝\t${a + b + 1}\t${a + b}`);
      } else if (op < 6 && ids.length > 0) {
        const id = ids[pick(ids.length)];
        const row = book.rows.get(id);
        const right = row.solution.split('\r\n').map((l) => l.replace(/\s{2,}第.*$/, '').trim()).slice(1).join('\n');
        book.call(['redo', id], d, pick(2) ? right : 'x＝999');
      } else if (op === 6 && ids.length > 0) {
        book.call(['delete', ids[pick(ids.length)]], d);
      } else if (op === 7 && lastExport) {
        // A notebook exported earlier, whole or cut short.
        const text = pick(3) === 0 ? lastExport.slice(0, pick(lastExport.length)) : lastExport;
        const before = book.call(['export'], d).json;
        const answer = book.call(['import'], d, text);
        if (!answer.ok && book.call(['export'], d).json !== before) ++faults;
      } else if (op === 8) {
        book.loseNext = true;
      } else {
        lastExport = book.call(['export'], d).json;
      }
      // The rows read afresh are the notebook.
      const mine = book.call(['export'], d).json;
      if (fresh.notebook(['open', 0, d, book.nextId], book.text()).error) ++faults;
      const theirs = fresh.notebook(['export', 0, d]).json;
      if (mine !== theirs) {
        ++faults;
        console.log(`  seed ${seed} step ${step}: the rows and the model part`);
      }
      // A call on an older revision is refused before it changes anything.
      if (book.revision > 0 && !api.notebook(['delete', book.revision - 1, d, 1]).closed) refusedStale = false;
      ++steps;
    }
  }
  check(faults === 0, `${steps} random steps: the rows always hold exactly the notebook (${faults} faults)`);
  check(refusedStale, 'a call on a stale revision is answered {closed} and changes nothing');
  // Words the module cannot read are refused, never a crash.
  const bad = [[], ['list'], ['list', 'x', day(0)], ['list', 0, '2026-13-01'], ['open', 0, day(0), 0], ['redo', 0, day(0), 'abc'],
    ['practice-start', 0, day(0), 999, 0, 5, 1, 1], ['practice-mark', 0, day(0), 1]];
  const answers = bad.map((words) => api.notebook(words.map(String), 'practice 1 9 9 9 9 9\n'));
  check(answers.every((a) => a.error !== undefined || a.closed), 'words the module cannot read are refused');
});
