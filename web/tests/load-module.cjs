// Loads a built WebAssembly module under Node: load(wasmDir, name = 'qimbel' (the whole core) or
// 'qimbel-pages') -> Promise of the API.
const path = require('path');
const QimbelApi = require('../site/qimbel-api.js');

module.exports = async function load(wasmDir, name = 'qimbel') {
  const factory = require(path.resolve(wasmDir, `${name}.js`));
  const module = await factory({ locateFile: (file) => path.resolve(wasmDir, file), print() {}, printErr() {} });
  return QimbelApi(module);
};
