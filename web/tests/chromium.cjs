// Debian's chromium, headless, through puppeteer-core from PUPPETEER_DIR (it downloads no browser):
// launch(puppeteerDir) -> Promise of the browser. CHROMIUM names another binary.
const path = require('path');

module.exports = function launch(puppeteerDir) {
  const puppeteer = require(path.resolve(puppeteerDir, 'node_modules/puppeteer-core'));
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []), '--disable-gpu', '--lang=zh-CN'],
  });
};
