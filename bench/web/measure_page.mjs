// Measures the web page's budgets in headless Chromium (figures for
// bench/README.md, never asserted): the gzipped size of page, CSS, JS and
// wasm; the time from navigation to the first chart drawn; a re-plot.
//   node bench/web/measure_page.mjs [DIST_DIR]    (after scripts/build-web.sh)
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { serve } from '../../scripts/serve-web.mjs';

const require = createRequire(new URL('../../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const dist = resolve(process.argv[2] || 'dist/web');
const port = 8182;

let total = 0;
for (const name of readdirSync(dist)) {
  const size = gzipSync(readFileSync(join(dist, name)), { level: 9 }).length;
  total += size;
  console.log(`${name}: ${(size / 1024).toFixed(1)} KB gzipped`);
}
console.log(`page + CSS + JS + wasm: ${(total / 1024).toFixed(1)} KB gzipped`);

const quantile = (xs, q) => [...xs].sort((a, b) => a - b)[Math.floor((xs.length - 1) * q)];
const median = (xs) => quantile(xs, 0.5);
const server = await serve(dist, port);
const profile = mkdtempSync(join(tmpdir(), 'veltrane-chromium-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
});
try {
  const page = await context.newPage();
  const firsts = [];
  for (let i = 0; i < 11; ++i) {
    await page.goto(`http://127.0.0.1:${port}/?date=2026-12-07&time=21:00&tz=UTC%2B8&n=${i}`);
    await page.waitForSelector('body[data-ready=true]');
    firsts.push(await page.evaluate(() => performance.getEntriesByName('veltrane-first-chart')[0].startTime));
  }
  console.log(`first chart after navigation: median ${median(firsts).toFixed(0)} ms of ${firsts.length} loads`);
  const replots = await page.evaluate(() => {
    const times = [];
    const time = document.getElementById('time');
    for (let i = 0; i < 200; ++i) {
      time.value = `${String(i % 24).padStart(2, '0')}:${String(i % 60).padStart(2, '0')}`;
      const t0 = performance.now();
      window.veltranePage.plot();
      times.push(performance.now() - t0);
    }
    return times;
  });
  console.log(`re-plot (core, JSON, DOM): median ${median(replots).toFixed(2)} ms, ` +
              `95th percentile ${quantile(replots, 0.95).toFixed(2)} ms, ` +
              `slowest ${Math.max(...replots).toFixed(2)} ms of ${replots.length}`);
} finally {
  await context.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}
