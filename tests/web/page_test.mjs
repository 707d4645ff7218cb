// The web page in headless Chromium against veltrane-chart:
//   node tests/web/page_test.mjs VELTRANE_CHART [DIST_DIR]
// Checks that the page loads with no console error and no request outside
// its origin; that for 300 moments its palaces and header equal the tool's
// JSON and its copied text equals the tool's text byte for byte; that a link
// round-trips; that in each script the copied text equals the tool's with
// --lang and the link keeps the script; that 360 px has no horizontal scroll; that Tab reaches every
// control; and that the saved PNG decodes at the size drawn.
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { promisify } from 'node:util';
import { chromium } from 'playwright-core';
import { serve } from '../../scripts/serve-web.mjs';
import { chartMoments, toolArguments } from './moments.mjs';

const [chartTool, dist = 'dist/web'] = process.argv.slice(2);
const run = promisify(execFile);
const port = 8181;
const origin = `http://127.0.0.1:${port}`;
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

// What the tool says for each moment: its JSON and its text table.
async function expectations(moments) {
  const out = new Array(moments.length);
  let next = 0;
  const worker = async () => {
    for (let i = next++; i < moments.length; i = next++) {
      const args = toolArguments(moments[i]);
      const json = await run(chartTool, ['--json', ...args], { encoding: 'utf8', maxBuffer: 1 << 24 });
      const text = await run(chartTool, args, { encoding: 'utf8' });
      out[i] = { json: JSON.parse(json.stdout), text: text.stdout };
    }
  };
  await Promise.all([worker(), worker()]);
  return out;
}

// Plots each moment on the page and reads back what the page shows.
function readPage(moments) {
  const $ = (id) => document.getElementById(id);
  const own = (el) => (el ? [...el.childNodes].filter((n) => n.nodeType === 3).map((n) => n.data).join('') : '');
  return moments.map(({ moment, options }) => {
    $('date').value = moment.slice(0, 10);
    $('time').value = moment.slice(11, 16);
    $('tz').value = options.zone || 'UTC+8';
    $('method').value = options.method || 'chaibu';
    $('day-start').value = options.dayStart || '23';
    $('centre-palace').value = options.centre || 'kun';
    $('longitude').value = options.longitude === undefined ? '' : String(options.longitude);
    $('solar-time').value = options.solar || 'apparent';
    $('lang').value = options.lang || 'zh-Hans';
    if (!window.veltranePage.plot()) return { error: $('error').textContent };
    const palaces = {};
    for (const cell of document.querySelectorAll('.palace')) {
      const get = (selector) => own(cell.querySelector(selector));
      palaces[cell.dataset.palace] = {
        hidden: get('.stem.hidden'), deity: get('.deity'), star: get('.star'),
        heaven: get('.stem.heaven'), gate: get('.gate'), counter_deity: get('.counter'),
        earth: get('.stem.earth'), qin: get('.qin'),
        marks: [...cell.querySelectorAll('.marks .mark')].map((m) => m.textContent).join(''),
      };
    }
    return { palaces, pillars: $('pillars').textContent, term: $('term').textContent,
             yuan: $('yuan').textContent, ju: $('ju').textContent,
             dutyStar: $('duty-star').textContent, dutyGate: $('duty-gate').textContent,
             text: window.veltranePage.shown().text, chart: window.veltranePage.shown().chart, near: !$('near').hidden,
             nearText: $('near').textContent };
  });
}

// The page's palaces against the tool's JSON; palace 5's heaven stem stands
// beside the centre star's heaven stem.
function comparePalaces(label, shown, chart) {
  for (let n = 1; n <= 9; ++n) {
    const want = chart.palaces[String(n)];
    const got = shown.palaces[String(n)];
    const fields = n === 5 ? ['hidden', 'earth'] : ['hidden', 'deity', 'star', 'heaven', 'gate', 'counter_deity', 'earth'];
    for (const f of fields) {
      check((want[f] ?? '') === got[f], `${label}: palace ${n} ${f}: want ${want[f]} got ${got[f]}`);
    }
    if (n === 5) continue;
    const marks = (chart.horse_palace === n ? '馬' : '') + (chart.void_palaces.includes(n) ? '空' : '');
    check(marks === got.marks, `${label}: palace ${n} marks: want ${marks} got ${got.marks}`);
    if (got.qin) check(got.qin === chart.palaces['5'].heaven, `${label}: palace ${n} 禽 stem`);
  }
  check(shown.pillars === chart.pillars.join(''), `${label}: pillars ${shown.pillars}`);
  check(shown.term === chart.term && shown.yuan === chart.yuan, `${label}: term or yuan`);
  check(shown.dutyStar === `${chart.duty_star}（${chart.duty_star_palace}宫）`, `${label}: duty star ${shown.dutyStar}`);
  check(shown.dutyGate === `${chart.duty_gate}（${chart.duty_gate_palace}宫）`, `${label}: duty gate ${shown.dutyGate}`);
}

// Width and height from a PNG's IHDR.
const pngSize = (bytes) => ({ width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) });

async function main() {
  const moments = chartMoments(chartTool);
  const want = await expectations(moments);
  const server = await serve(resolve(dist), port);
  const profile = mkdtempSync(join(tmpdir(), 'veltrane-chromium-'));
  // Debian's Chromium on a fresh profile, kept off the network.
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
    acceptDownloads: true, timezoneId: 'Asia/Shanghai', viewport: { width: 1100, height: 1000 },
  });
  try {
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin });
    const page = await context.newPage();
    page.on('console', (m) => check(m.type() !== 'error', `console error: ${m.text()}`));
    page.on('pageerror', (e) => check(false, `page error: ${e.message}`));
    page.on('request', (r) => check(r.url().startsWith(origin + '/') || r.url().startsWith('blob:') ||
                                    r.url().startsWith('data:'), `request outside the origin: ${r.url()}`));
    await page.goto(origin + '/');
    await page.waitForSelector('body[data-ready=true]');

    // 300 moments in one session.
    const shown = await page.evaluate(readPage, moments);
    shown.forEach((s, i) => {
      const label = `${moments[i].moment} ${JSON.stringify(moments[i].options)}`;
      if (s.error) { check(false, `${label}: ${s.error}`); return; }
      comparePalaces(label, s, want[i].json);
      check(s.text === want[i].text, `${label}: text differs from veltrane-chart`);
      const [got, expected] = [JSON.stringify(s.chart), JSON.stringify(want[i].json)];
      check(got === expected, `${label}: JSON differs from veltrane-chart:\n  ${got}\n  ${expected}`);
      // A near edge is noted, with its distance in minutes.
      const near = want[i].json.boundaries.near;
      check(s.near === near.length > 0, `${label}: near-edge note shown: ${s.near}`);
      if (near.length) check(/\d+ ?分钟|正当/.test(s.nearText), `${label}: near-edge note ${s.nearText}`);
    });

    // Bad input gets a clear answer and keeps the chart on show.
    const refusals = await page.evaluate(readPage, [
      { moment: '1799-12-31T12:00', options: {} },
      { moment: '2024-03-31T02:30', options: { zone: 'Europe/Berlin' } },  // skipped by the clocks
      { moment: '2024-03-31T12:00', options: { zone: 'Mars/Olympus' } },
      { moment: '2024-03-31T12:00', options: { longitude: 200 } },
    ]);
    for (const r of refusals) check(r.error && r.error.length > 0, `no refusal: ${JSON.stringify(r).slice(0, 80)}`);

    // The hour buttons go to the start of the next and the previous hour.
    await page.evaluate(readPage, [{ moment: '2026-12-07T21:40', options: {} }]);
    const steps = [];
    for (const id of ['#next-hour', '#next-hour', '#prev-hour', '#prev-hour', '#prev-hour']) {
      await page.click(id);
      steps.push(await page.evaluate(() => `${document.getElementById('date').value}T${document.getElementById('time').value}`));
    }
    check(steps.join(' ') === '2026-12-07T23:00 2026-12-08T01:00 2026-12-07T23:00 2026-12-07T21:00 2026-12-07T19:00',
          `hour steps: ${steps.join(' ')}`);

    // The copy button puts exactly the tool's text on the clipboard.
    for (const i of [0, 77, 160, 299]) {
      await page.evaluate(readPage, [moments[i]]);
      await page.click('#copy');
      while ((await page.textContent('#copied')) === '') await page.waitForTimeout(10);
      const copied = await page.evaluate(() => navigator.clipboard.readText());
      check(copied === want[i].text, `copied text of ${moments[i].moment} differs from veltrane-chart`);
      await page.evaluate(() => { document.getElementById('copied').textContent = ''; });
    }

    // Each script: the copied text is the tool's with --lang, and the link keeps the script.
    for (const lang of ['zh-Hans', 'zh-Hant', 'en']) {
      for (const i of [5, 140, 251]) {
        const m = { moment: moments[i].moment, options: { ...moments[i].options, lang } };
        const args = ['--lang', lang, ...toolArguments(moments[i])];
        const tool = (await run(chartTool, args, { encoding: 'utf8' })).stdout;
        await page.evaluate(readPage, [m]);
        await page.click('#copy');
        while ((await page.textContent('#copied')) === '') await page.waitForTimeout(10);
        const copied = await page.evaluate(() => navigator.clipboard.readText());
        check(copied === tool, `${lang} copied text of ${m.moment} differs from veltrane-chart --lang`);
        await page.evaluate(() => { document.getElementById('copied').textContent = ''; });
      }
      const href = await page.getAttribute('#link', 'href');
      check(new URLSearchParams(href.slice(1)).get('lang') === (lang === 'zh-Hans' ? null : lang),
            `the link's lang: ${href}`);
      const before = await page.evaluate(() => window.veltranePage.shown().text);
      const linkedPage = await context.newPage();
      await linkedPage.goto(origin + '/' + href);
      await linkedPage.waitForSelector('body[data-ready=true]');
      const after = await linkedPage.evaluate(() => [document.getElementById('lang').value,
                                                     window.veltranePage.shown().text]);
      check(after[0] === lang && after[1] === before, `the link does not keep ${lang}`);
      await linkedPage.close();
    }
    await page.evaluate(readPage, [moments[0]]);

    // A link reproduces the chart and its options.
    const linked = moments.findIndex((m) => m.options.zone && m.options.longitude !== undefined);
    const before = (await page.evaluate(readPage, [moments[linked]]))[0];
    const href = await page.getAttribute('#link', 'href');
    const second = await context.newPage();
    await second.goto(origin + '/' + href);
    await second.waitForSelector('body[data-ready=true]');
    const after = await second.evaluate(() => ({
      text: window.veltranePage.shown().text,
      fields: ['date', 'time', 'tz', 'method', 'day-start', 'centre-palace', 'longitude', 'solar-time']
        .map((id) => document.getElementById(id).value) }));
    const o = moments[linked].options;
    const wantFields = [moments[linked].moment.slice(0, 10), moments[linked].moment.slice(11, 16), o.zone,
      o.method || 'chaibu', o.dayStart || '23', o.centre || 'kun', String(o.longitude), o.solar];
    check(after.text === before.text, 'the link gives another chart');
    check(JSON.stringify(after.fields) === JSON.stringify(wantFields), `the link's options: ${after.fields}`);
    await second.close();

    // Keyboard: Tab reaches every control.
    const controls = await page.evaluate(() =>
      [...document.querySelectorAll('input, select, button, a[href]')].filter((e) => e.checkVisibility())
        .map((e) => e.id));
    const reached = new Set();
    await page.evaluate(() => document.activeElement && document.activeElement.blur());
    // Date and time fields take a Tab for each of their parts.
    // The findings' summaries take a Tab each as well.
    for (let i = 0; i < 600 && reached.size <= controls.length; ++i) {
      await page.keyboard.press('Tab');
      reached.add(await page.evaluate(() => document.activeElement.id));
    }
    for (const id of controls) check(reached.has(id), `Tab does not reach #${id}`);

    // The PNG decodes at twice the drawing's size.
    const drawn = await page.evaluate(() => { const s = window.veltranePage.svg(); return [s.width, s.height]; });
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-png')]);
    const png = readFileSync(await download.path());
    const size = pngSize(png);
    check(png.subarray(1, 4).toString() === 'PNG', 'the saved PNG is no PNG');
    check(size.width === drawn[0] * 2 && size.height === drawn[1] * 2, `PNG size ${size.width}×${size.height}`);
    const decoded = await page.evaluate(async (b64) => {
      const image = new Image();
      image.src = 'data:image/png;base64,' + b64;
      await image.decode();
      return [image.naturalWidth, image.naturalHeight];
    }, png.toString('base64'));
    check(decoded[0] === size.width && decoded[1] === size.height, 'the PNG does not decode at its size');

    // The reading panel: every finding the core gives, each opening to its rule's
    // line and its book.
    await page.selectOption('#profile', 'classic');
    const panel = await page.evaluate(() => {
      const reading = window.veltranePage.shown().reading;
      const sources = [...document.querySelectorAll('#reading details .source')].map((e) => e.textContent);
      return { findings: reading ? reading.findings : [], sources };
    });
    check(panel.findings.length > 0, 'the reading panel has no findings to show');
    check(panel.sources.length === panel.findings.length,
          `the panel shows ${panel.sources.length} of ${panel.findings.length} findings`);
    panel.findings.forEach((f, i) => {
      const shown = panel.sources.find((text) => text.includes(f.line) && text.includes(f.source.book));
      check(shown !== undefined, `finding ${i} (${f.rule}) opens to no source with its line and book`);
    });

    // 360 px: no horizontal scroll.
    await page.setViewportSize({ width: 360, height: 800 });
    const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
    check(widths[0] <= widths[1], `horizontal scroll at 360 px: ${widths[0]} > ${widths[1]}`);
  } finally {
    await context.close();
    server.close();
    rmSync(profile, { recursive: true, force: true });
  }
  for (const f of failures.slice(0, 40)) console.error('FAIL ' + f);
  console.log(`web page: ${moments.length} moments, ${failures.length} failures`);
  process.exit(failures.length ? 1 : 0);
}

main().catch((e) => { console.error(e); process.exit(1); });
