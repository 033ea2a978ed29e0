// A static server for the tests and the bench: python3's http.server on 127.0.0.1, started and
// stopped by its own process id.
const { spawn } = require('child_process');
const http = require('http');

function waitFor(url, tries) {
  return new Promise((resolve, reject) => {
    const attempt = (left) => {
      http.get(url, (res) => {
        res.resume();
        resolve();
      }).on('error', (error) => (left > 0 ? setTimeout(() => attempt(left - 1), 100) : reject(error)));
    };
    attempt(tries);
  });
}

module.exports = async function serve(dir, port) {
  const child = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', dir], {
    stdio: 'ignore',
  });
  const url = `http://127.0.0.1:${port}/`;
  await waitFor(url, 100);
  return { url, stop: () => child.kill() };
};
