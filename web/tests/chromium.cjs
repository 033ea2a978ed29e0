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

// A new tab of `context` at `url`, once the site has shown a page; a script error on it is printed.
module.exports.openSite = async function openSite(context, url, viewport = { width: 1280, height: 800 }) {
  const page = await context.newPage();
  page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
  await page.setViewport(viewport);
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector('[data-ready] #page:not([hidden]), #more:not([hidden])');
  return page;
};
