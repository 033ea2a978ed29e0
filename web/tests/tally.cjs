// The checks of a test run: an "ok" or "FAIL" line for each, then the count under the test's
// name and the exit code (1 when any failed or the run itself broke off).
const counts = { passed: 0, failed: 0 };

function check(ok, what) {
  if (ok) ++counts.passed;
  else ++counts.failed;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
}

// Runs `body` (async), then reports as `name` and ends the process.
function runChecks(name, body) {
  body().then(() => {
    console.log(`${name}: ${counts.passed} passed, ${counts.failed} failed`);
    process.exit(counts.failed === 0 ? 0 : 1);
  }, (error) => {
    console.error(error);
    process.exit(1);
  });
}

module.exports = { check, runChecks };
