// Loads the built WebAssembly module under Node: load(wasmDir) -> Promise of the API.
const path = require('path');
const QimbelApi = require('../site/qimbel-api.js');

module.exports = async function load(wasmDir) {
  const factory = require(path.resolve(wasmDir, 'qimbel.js'));
  const module = await factory({ locateFile: (file) => path.resolve(wasmDir, file), print() {}, printErr() {} });
  return QimbelApi(module);
};
