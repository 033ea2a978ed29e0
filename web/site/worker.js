// The worker that holds the WebAssembly module: every handler of a page runs here, so a long
// compute never stops the page. A trap or running out of memory is reported; the page then
// starts a new worker, since the module's memory can no longer be trusted.
'use strict';
importScripts('qimbel-api.js', 'qimbel.js');

let api = null;
let current = 0; // the request being computed, for progress
let lastProgress = 0;
let typeset = null; // the fragments of the last typeset working

const ready = QimbelModule({
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
}).then((module) => {
  api = QimbelApi(module);
  postMessage({ ready: true });
});

self.onmessage = async (event) => {
  const { id, call, args } = event.data;
  await ready;
  current = id;
  lastProgress = Date.now();
  try {
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
    // An exception out of the module is a trap (unreachable, out of bounds, out of memory).
    postMessage({ id, trap: String(error && error.message ? error.message : error) });
  }
};
