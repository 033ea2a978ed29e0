// The worker that holds the WebAssembly modules: every handler of a page runs here, so a long
// compute never stops the page. A trap or running out of memory is reported; the page then
// starts a new worker, since the module's memory can no longer be trusted.
//
// Two builds of the core: qimbel-pages.js, the problem pages alone (small, loaded at once, so the
// first answer comes quickly), and qimbel.js, the whole core (marking, the chart and graph pages,
// the handbooks, 口算 and test papers, 出题 and 组卷, the 错题本, qimbel-cli's calls), loaded on the
// first call that needs it.
'use strict';
importScripts('qimbel-api.js', 'qimbel-pages.js');

// The calls that only the whole core answers, and the problem pages' actions that mark.
const WHOLE_CALLS = new Set(['picture', 'sheets', 'headless', 'maker', 'notebook']);
const WHOLE_ACTIONS = new Set(['mark', 'markLast', 'hint']);
const needsWhole = (call, args) => WHOLE_CALLS.has(call) || (call === 'page' && WHOLE_ACTIONS.has(args[0]));

let pages = null;
let whole = null; // a promise of the whole core's API, once asked for
let current = 0; // the request being computed, for progress
let lastProgress = 0;
let typeset = null; // the fragments of the last typeset working

function moduleOptions() {
  return {
    print() {},
    printErr() {},
    onProgress(done) {
      const now = Date.now();
      if (now - lastProgress < 50) return;
      lastProgress = now;
      postMessage({ id: current, progress: done });
    },
    onAbort(what) {
      postMessage({ id: current, trap: String(what) });
    },
  };
}

const ready = QimbelPagesModule(moduleOptions()).then((module) => {
  pages = QimbelApi(module);
  postMessage({ ready: true });
});

function wholeCore() {
  if (!whole) {
    importScripts('qimbel.js');
    whole = QimbelModule(moduleOptions()).then(QimbelApi);
  }
  return whole;
}

self.onmessage = async (event) => {
  const { id, call, args } = event.data;
  try {
    await ready;
    const api = needsWhole(call, args) ? await wholeCore() : pages;
    current = id;
    lastProgress = Date.now();
    let result;
    if (call === 'typeset') {
      // The fragments stay here; the page asks for each one as it comes into view.
      typeset = api.typeset(...args);
      result = { count: typeset.html ? typeset.html.length : 0, rows: typeset.rows || [], error: typeset.error };
    } else if (call === 'fragment') {
      result = typeset && typeset.html ? typeset.html[args[0]] : '';
    } else {
      result = call === 'page' ? api.page(...args)
        : call === 'picture' ? api.picture(...args)
          : call === 'sheets' ? api.sheets(...args)
            : call === 'maker' ? api.maker(...args)
            : call === 'notebook' ? api.notebook(...args)
            : api.headless(...args);
    }
    postMessage({ id, result });
  } catch (error) {
    // An exception out of a module is a trap (unreachable, out of bounds, out of memory); so is
    // a module that cannot be loaded.
    postMessage({ id, trap: String(error && error.message ? error.message : error) });
  }
};
