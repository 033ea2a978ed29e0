// What the chromium tests share: the site on a local server, Debian's chromium headless (driven
// by puppeteer-core from PUPPETEER_DIR, which downloads no browser), a tally of the checks, and
// the exit code that reports it.
const path = require('path');
const serve = require('./server.cjs');

const tally = { passed: 0, failed: 0 };

function check(ok, what) {
  if (ok) ++tally.passed;
  else ++tally.failed;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
}

// Serves SITE_DIR on `port`, runs body(browser, url), then reports as `name` and exits; an
// exception out of the body is a failure.
async function withChromium(name, siteDir, puppeteerDir, port, body) {
  const puppeteer = require(path.resolve(puppeteerDir, 'node_modules/puppeteer-core'));
  const server = await serve(siteDir, port);
  let browser = null;
  try {
    browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      headless: true,
      args: [...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []), '--disable-gpu', '--lang=zh-CN'],
    });
    await body(browser, server.url);
  } catch (error) {
    console.error(error);
    ++tally.failed;
  } finally {
    if (browser) await browser.close();
    server.stop();
  }
  console.log(`${name}: ${tally.passed} passed, ${tally.failed} failed`);
  process.exit(tally.failed === 0 ? 0 : 1);
}

module.exports = { check, withChromium };
