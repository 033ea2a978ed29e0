// The WebAssembly module's calls with JavaScript strings: texts go in and come out as UTF-8,
// every answer is JSON. Loaded by the worker (importScripts) and by the tests under Node.
(function (root) {
  'use strict';

  const ACTIONS = {
    chooseType: 1, showType: 2, check: 3, compute: 4, clear: 5, example: 6, symbols: 7,
    wordProblems: 8, checkAndCompute: 9, mark: 10, markLast: 11, hint: 12,
  };

  function QimbelApi(module) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();

    // Copies a string into the module's memory; the caller frees it.
    function pass(text) {
      const bytes = encoder.encode(text);
      const ptr = module._malloc(bytes.length + 1);
      module.HEAPU8.set(bytes, ptr);
      return [ptr, bytes.length];
    }

    function answerText() {
      const ptr = module._qw_result_data();
      const size = module._qw_result_size();
      return decoder.decode(module.HEAPU8.subarray(ptr, ptr + size));
    }
    const answer = () => JSON.parse(answerText());

    function withTexts(texts, call, read = answer) {
      const passed = texts.map(pass);
      try {
        call(...passed.flat());
        return read();
      } finally {
        for (const [ptr] of passed) module._free(ptr);
      }
    }

    return {
      // qimbel-cli's arguments (an array) on a UTF-8 text: {text, messages} or {error}.
      headless(args, text) {
        return withTexts([args.join('\n'), text], (a, an, t, tn) => module._qw_headless(a, an, t, tn));
      },
      // The handbooks, the 口算 sheets and practice, the test paper: the words of the call (an
      // array) and its text (web/wasm/PracticeJson.h); JSON as native qimbel-sheets prints it.
      sheets(args, text = '') {
        return withTexts([args.join('\n'), text], (a, an, t, tn) => module._qw_sheets(a, an, t, tn));
      },
      // 出题 and 自动组卷: the words of the call (an array) and its text (web/wasm/MakerJson.cpp).
      maker(args, text = '') {
        return withTexts([args.join('\n'), text], (a, an, t, tn) => module._qw_maker(a, an, t, tn));
      },
      // 错题本 and 练一练 (web/wasm/NotebookWeb.cpp): the words of the call, its text and extra.
      notebook(args, text = '', extra = '') {
        return withTexts([args.join('\n'), text, extra], (a, an, t, tn, e, en) => module._qw_notebook(a, an, t, tn, e, en));
      },
      tables() {
        module._qw_tables();
        return answer();
      },
      // The working as MathML: {html}.
      typeset(text, type = 0) {
        return withTexts([text], (t, tn) => module._qw_typeset(t, tn, type));
      },
      // A request of the graph or chart page (charts/PicturePages.h): its JSON answer.
      picture(request) {
        return JSON.parse(this.pictureJson(request));
      },
      // The same answer as the text the module wrote (the tests compare it with qimbel-cli's).
      pictureJson(request) {
        return withTexts([request], (t, tn) => module._qw_picture(t, tn), answerText);
      },
      help(page, type) {
        module._qw_help(page, type);
        return answer();
      },
      // One handler of a page: state = {page, type, options, method, text}; `arg` the type of a
      // type button or tab, or the symbols to append.
      page(action, state, arg) {
        const code = ACTIONS[action];
        if (!code) throw new Error('unknown action ' + action);
        const extra = typeof arg === 'string' ? arg : '';
        const number = typeof arg === 'number' ? arg : 0;
        return withTexts([state.text, extra], (t, tn, e, en) =>
          module._qw_page(code, state.page, state.type, state.options, state.method || 8, number, t, tn, e, en));
      },
    };
  }

  QimbelApi.ACTIONS = ACTIONS;
  if (typeof module === 'object' && module.exports) module.exports = QimbelApi;
  else root.QimbelApi = QimbelApi;
})(typeof self !== 'undefined' ? self : globalThis);
