// Steps the browser tests take on a problem page: waiting until the page is idle, and putting a
// text into the text box as a paste would.
async function idle(page, timeout = 60000) {
  await page.waitForFunction(() => window.qimbelBusy && !window.qimbelBusy(), { timeout, polling: 50 });
}

async function setText(page, text) {
  await page.$eval('#text', (box, value) => {
    box.value = value;
    box.dispatchEvent(new Event('input'));
  }, text);
}

module.exports = { idle, setText };
