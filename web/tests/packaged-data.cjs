// The module's data files are the installation's, byte for byte: every help text, the unit table,
// each formula file under its Chinese name and the name index of the word-problem page; none is
// missing and none is extra. The file packager's list is read from the loader (qimbel.js).
//   node web/tests/packaged-data.cjs WASM_DIR INSTALL_DIR
const fs = require('fs');
const path = require('path');

const [wasmDir, installDir] = process.argv.slice(2);
const loader = fs.readFileSync(path.join(wasmDir, 'qimbel.js'), 'utf8');
const match = loader.match(/loadPackage\((\{"files":\[.*?\]).*?\}\)/s);
const packaged = match ? JSON.parse(`${match[1]}}`).files : [];
const data = fs.readFileSync(path.join(wasmDir, 'qimbel.data'));

const installed = [];
const walk = (dir) => {
  for (const entry of fs.readdirSync(path.join(installDir, dir), { withFileTypes: true })) {
    const name = `${dir}/${entry.name}`;
    if (entry.isDirectory()) walk(name);
    else installed.push(name);
  }
};
walk('/Help');
walk('/Document');

let failed = 0;
const byName = new Map(packaged.map((f) => [f.filename, f]));
for (const name of installed) {
  const file = byName.get(name);
  if (!file) {
    console.log(`FAIL ${name}: not in the module`);
    ++failed;
  } else if (!data.subarray(file.start, file.end).equals(fs.readFileSync(path.join(installDir, name)))) {
    console.log(`FAIL ${name}: differs from the installation's`);
    ++failed;
  }
  byName.delete(name);
}
for (const name of byName.keys()) {
  console.log(`FAIL ${name}: in the module only`);
  ++failed;
}
const formulas = installed.filter((name) => name.startsWith('/Document/GongShi/')).length;
if (formulas < 2 || !installed.includes('/Document/danwei.ini')) {
  console.log('FAIL the installation holds no formula files or no unit table');
  ++failed;
}
console.log(`web data: ${installed.length} files (${formulas} of the word-problem page), ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
