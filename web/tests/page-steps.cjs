// Steps the browser tests take on a problem page: waiting until the page is idle, putting a
// text into the text box as a paste would, and the first answer of a visit.
async function idle(page, timeout = 60000) {
  await page.waitForFunction(() => window.qimbelBusy && !window.qimbelBusy(), { timeout, polling: 50 });
}

async function setText(page, text) {
  await page.$eval('#text', (box, value) => {
    box.value = value;
    box.dispatchEvent(new Event('input'));
  }, text);
}

// Opens the site at `url` and asks for the first worked solution as a pupil would (a number,
// Ctrl+Enter); returns when the text box holds the working.
async function firstAnswer(page, url) {
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector('#page:not([hidden])');
  await setText(page, '1234567');
  await page.keyboard.down('Control');
  await page.keyboard.press('Enter');
  await page.keyboard.up('Control');
  await page.waitForFunction(() => window.qimbelTextBox().includes('----'), { polling: 10 });
}

module.exports = { firstAnswer, idle, setText };
