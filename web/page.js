// The page: reads the form, asks the chart core (WebAssembly) for the chart,
// and shows what it answers. Every chart text comes from the core; this file
// only places it, converts the typed time to the instant and saves drawings.
(function () {
  'use strict';

  // The window's layout of the palaces and their fixed captions.
  const kLayout = [4, 9, 2, 3, 5, 7, 8, 1, 6];
  const kCaptions = {
    1: '坎一宫 正北方 为水', 2: '坤二宫 西南方 为土', 3: '震三宫 东方 为雷 属木',
    4: '巽四宫 东南方 为风 属木', 5: '五中宫', 6: '乾六宫 西北方 为天 属金',
    7: '兑七宫 西方 为口 属金', 8: '艮八宫 东北方 为山 属土', 9: '离九宫 南方 为火',
  };
  const kMethods = ['chaibu', 'zhirun', 'maoshan'];
  const kChinaZone = 'UTC+8';  // China Standard Time, the tool's zone when none is named
  const $ = (id) => document.getElementById(id);

  let core = null;   // the WebAssembly module
  let shown = null;  // the page's answer for the chart on show

  // ---- time: civil time in a zone ⇄ the instant in UTC+8 ----

  const pad = (n, w = 2) => String(n).padStart(w, '0');
  const partsOfUtc = (ms) => {
    const d = new Date(ms);
    return { year: d.getUTCFullYear(), month: d.getUTCMonth() + 1, day: d.getUTCDate(),
             hour: d.getUTCHours(), minute: d.getUTCMinutes() };
  };
  const utcOfParts = (p) => {
    const d = new Date(0);
    d.setUTCFullYear(p.year, p.month - 1, p.day);
    d.setUTCHours(p.hour, p.minute, p.second || 0, 0);
    return d.getTime();
  };
  const sameMinute = (a, b) => a.year === b.year && a.month === b.month && a.day === b.day &&
      a.hour === b.hour && a.minute === b.minute;

  const formats = new Map();
  function zoneFormat(zone) {
    if (!formats.has(zone)) {
      formats.set(zone, new Intl.DateTimeFormat('en-US', {
        timeZone: zone, hourCycle: 'h23', era: 'short', year: 'numeric', month: 'numeric',
        day: 'numeric', hour: 'numeric', minute: 'numeric', second: 'numeric' }));
    }
    return formats.get(zone);
  }
  // The civil time (to the second) in `zone` of an instant.
  function civilIn(zone, ms) {
    const p = {};
    for (const part of zoneFormat(zone).formatToParts(new Date(ms))) p[part.type] = part.value;
    const year = p.era === 'BC' ? 1 - Number(p.year) : Number(p.year);
    return { year, month: Number(p.month), day: Number(p.day), hour: Number(p.hour),
             minute: Number(p.minute), second: Number(p.second) };
  }
  const offsetSeconds = (zone, ms) => Math.round((utcOfParts(civilIn(zone, ms)) - ms) / 1000);

  function isZone(zone) {
    try { zoneFormat(zone); return true; } catch (e) { return false; }
  }

  // Reads a civil time of `zone` as an instant: a time the clocks skipped is
  // an error, one they passed twice gives the earlier instant.
  function resolve(local, zone) {
    if (zone === '') return { china: local, offset: 480, ambiguous: false };
    const asUtc = utcOfParts(local);
    const instants = new Set();
    for (const probe of [asUtc - 86400000, asUtc, asUtc + 86400000]) {
      const t = asUtc - offsetSeconds(zone, probe) * 1000;
      if (sameMinute(civilIn(zone, t), local)) instants.add(t);
    }
    if (instants.size === 0) return null;
    const t = Math.min(...instants);
    return { china: partsOfUtc(Math.floor(t / 60000) * 60000 + 8 * 3600000),
             offset: Math.floor(offsetSeconds(zone, t) / 60), ambiguous: instants.size > 1 };
  }

  // The civil time in `zone` of a UTC+8 moment.
  function localOf(china, zone) {
    if (zone === '') return china;
    return civilIn(zone, utcOfParts(china) - 8 * 3600000);
  }

  // ---- the form and the link ----

  const zoneOfField = () => {
    const text = $('tz').value.trim();
    return text === '' || text === kChinaZone ? '' : text;
  };

  function readForm() {
    const [year, month, day] = $('date').value.split('-').map(Number);
    const [hour, minute] = $('time').value.split(':').map(Number);
    const longitudeText = $('longitude').value.trim();
    return {
      local: { year, month, day, hour, minute },
      zone: zoneOfField(),
      method: $('method').value,
      dayStart: $('day-start').value,
      centre: $('centre-palace').value,
      longitude: longitudeText === '' ? NaN : Number(longitudeText),
      solar: $('solar-time').value,
      near: $('near-minutes').value.trim() === '' ? 10 : Number($('near-minutes').value),
      profile: $('profile').value,
    };
  }

  function writeMoment(local) {
    $('date').value = `${pad(local.year, 4)}-${pad(local.month)}-${pad(local.day)}`;
    $('time').value = `${pad(local.hour)}:${pad(local.minute)}`;
  }

  // The query that reproduces the chart on show: the typed moment and every option.
  function queryOf(f) {
    const q = new URLSearchParams();
    q.set('date', $('date').value);
    q.set('time', $('time').value);
    q.set('tz', f.zone === '' ? kChinaZone : f.zone);
    q.set('method', f.method);
    q.set('day-start', f.dayStart);
    q.set('centre-palace', f.centre);
    if (!Number.isNaN(f.longitude)) {
      q.set('longitude', String(f.longitude));
      q.set('solar-time', f.solar);
    }
    if (f.near !== 10) q.set('near-minutes', String(f.near));
    if (f.profile) q.set('profile', f.profile);
    return '?' + q.toString();
  }

  // Fills the form from the page's query; what is absent keeps its default.
  function applyQuery(search) {
    const q = new URLSearchParams(search);
    const fields = { date: 'date', time: 'time', tz: 'tz', method: 'method',
                     'day-start': 'day-start', 'centre-palace': 'centre-palace',
                     longitude: 'longitude', 'solar-time': 'solar-time',
                     'near-minutes': 'near-minutes', profile: 'profile' };
    for (const [name, id] of Object.entries(fields)) {
      if (!q.has(name)) continue;
      const field = $(id);
      const value = q.get(name);
      // A select takes only one of its own values.
      if (field.tagName === 'SELECT' && ![...field.options].some((o) => o.value === value)) continue;
      field.value = value;
    }
    return q.has('date') && q.has('time');
  }

  // ---- plotting ----

  function validate(f) {
    const { year, month, day, hour, minute } = f.local;
    if (![year, month, day, hour, minute].every(Number.isInteger)) return '请输入完整的日期与时刻';
    if (year < 1800 || year > 2999) return '年份须在1800至2999之间';
    if (f.zone !== '' && !isZone(f.zone)) return `未知时区：${f.zone}`;
    if (!Number.isNaN(f.longitude) && !(f.longitude >= -180 && f.longitude <= 180)) {
      return '经度须在-180至180之间';
    }
    if (!Number.isInteger(f.near) || f.near < 0 || f.near > 1440) return '临界分钟须在0至1440之间';
    return '';
  }

  function showError(text) {
    $('error').textContent = text;
    $('error').hidden = text === '';
  }

  function plot() {
    const f = readForm();
    let problem = validate(f);
    const instant = problem ? null : resolve(f.local, f.zone);
    if (!problem && !instant) problem = '此时刻在该时区因夏令时调整而不存在';
    if (problem) { showError(problem); return false; }
    const c = instant.china;
    const l = f.local;
    const text = core.ccall('veltrane_chart', 'string',
        ['number', 'number', 'number', 'number', 'number', 'number', 'number', 'number',
         'number', 'number', 'string', 'number', 'number', 'number', 'number', 'number',
         'number', 'number', 'number'],
        [c.year, c.month, c.day, c.hour, c.minute, kMethods.indexOf(f.method),
         f.dayStart === '0' ? 1 : 0, f.centre === 'gen-kun' ? 1 : 0, f.longitude,
         f.solar === 'mean' ? 1 : 0, f.zone, l.year, l.month, l.day, l.hour, l.minute,
         instant.offset, instant.ambiguous ? 1 : 0, f.near]);
    const answer = JSON.parse(text);
    if (answer.error) { showError(answer.error); return false; }
    showError('');
    shown = answer;
    shown.form = f;
    render(answer, f);
    const query = queryOf(f);
    $('link').href = query;
    history.replaceState(null, '', query);
    return true;
  }

  // ---- drawing the chart ----

  function span(className, text) {
    const s = document.createElement('span');
    s.className = className;
    s.textContent = text;
    return s;
  }

  function palaceCell(n, view) {
    const p = view.palaces[n - 1];
    const cell = document.createElement('div');
    cell.className = 'palace';
    cell.dataset.palace = String(n);
    if (n === 5) {
      cell.classList.add('centre');
      cell.append(span('pillars-box', view.pillars), span('stem hidden', p.hidden));
      cell.append(span('label term', shown.window.term));
      const line = document.createElement('div');
      line.className = 'line';
      line.append(span('label xun', shown.window.xun), span('caption', kCaptions[5]),
                  span('stem earth', p.earth));
      cell.append(line, span('label duty', shown.window.duty));
      return cell;
    }
    const marks = document.createElement('div');
    marks.className = 'marks';
    if (view.horse_palace === n) marks.append(span('mark horse', '馬'));
    if (view.void_palaces.includes(n)) marks.append(span('mark void', '空'));
    const top = document.createElement('div');
    top.className = 'row';
    top.append(marks, span('deity', p.deity), span('spacer', ''));
    const middle = document.createElement('div');
    middle.className = 'row';
    const heaven = span('stem heaven', p.heaven);
    if (p.star === view.centre_star) {
      // 天禽 and the centre palace's heaven stem stand beside the centre star.
      middle.append(span('stem hidden', p.hidden), span('star', p.star), heaven);
      heaven.append(span('qin', view.palaces[4].heaven), span('mark qin-mark', '禽'));
    } else {
      middle.append(span('stem hidden', p.hidden), span('star', p.star), heaven);
    }
    const bottom = document.createElement('div');
    bottom.className = 'row';
    bottom.append(span('counter', p.counter_deity), span('gate', p.gate),
                  span('stem earth', p.earth));
    cell.append(top, middle, bottom, span('caption', kCaptions[n]));
    return cell;
  }

  function render(answer, f) {
    const chart = answer.chart;
    const view = answer.view;
    const d = chart.input ? chart.input.date : chart.date;
    $('civil').textContent = `${d.replace('T', ' ')} ${f.zone === '' ? kChinaZone : f.zone}` +
        (f.zone === '' ? '' : `（北京时间 ${chart.date.replace('T', ' ')}）`);
    $('pillars').textContent = view.pillars;
    $('term').textContent = chart.term;
    $('yuan').textContent = chart.yuan;
    $('ju').textContent = view.centre;
    $('duty-star').textContent = `${chart.duty_star}（${chart.duty_star_palace}宫）`;
    $('duty-gate').textContent = `${chart.duty_gate}（${chart.duty_gate_palace}宫）`;
    const notes = answer.notes.trim();
    const near = chart.boundaries && chart.boundaries.near && chart.boundaries.near.length > 0;
    $('near').textContent = notes;
    $('near').hidden = !near;
    const grid = $('palaces');
    grid.replaceChildren(...kLayout.map((n) => palaceCell(n, view)));
    renderReading(answer.reading);
    $('chart').hidden = false;
  }

  // The findings beside the chart, grouped by kind; each opens to its source
  // (book, chapter and the line quoted), by hover as well.
  function renderReading(reading) {
    $('reading').hidden = !reading;
    $('reading').parentElement.classList.toggle('read', Boolean(reading));
    if (!reading) return;
    $('profile-name').textContent = reading.profile_text || reading.profile;
    const groups = new Map();
    for (const f of reading.findings) {
      if (!groups.has(f.kind_text)) groups.set(f.kind_text, []);
      groups.get(f.kind_text).push(f);
    }
    const blocks = [];
    for (const [kind, findings] of groups) {
      const list = document.createElement('ul');
      list.className = `findings ${findings[0].kind}`;
      for (const f of findings) {
        const item = document.createElement('li');
        const details = document.createElement('details');
        const summary = document.createElement('summary');
        summary.append(span('where', `${f.palace}宫`), span('name', f.name),
                       span('detail', f.detail || ''));
        const source = document.createElement('div');
        source.className = 'source';
        source.append(span('rule', f.rule_line || ''),
                      span('quote', f.source.quote ? `「${f.source.quote}」` : ''),
                      span('book', [f.source.book, f.source.chapter].filter(Boolean).join(' · ')),
                      span('note', f.source.note || ''));
        summary.title = source.textContent;
        details.append(summary, source);
        item.append(details);
        list.append(item);
      }
      const heading = document.createElement('h3');
      heading.textContent = kind;
      blocks.push(heading, list);
    }
    if (reading.truncated) blocks.push(span('note', '……'));
    $('findings').replaceChildren(...blocks);
  }

  // The profile choice, when the core reads charts.
  function fillProfiles(profiles) {
    if (!profiles || profiles.length === 0) return;
    const select = $('profile');
    const chosen = select.value;
    select.replaceChildren(...profiles.map((p) => {
      const o = document.createElement('option');
      o.value = p.name;
      o.textContent = p.description ? `${p.name}：${p.description}` : p.name;
      return o;
    }));
    if (chosen) select.value = chosen;
    $('profile-field').hidden = false;
  }

  // ---- copy, link and saving ----

  async function copyText() {
    if (!shown) return;
    let done = false;
    try {
      await navigator.clipboard.writeText(shown.text);
      done = true;
    } catch (e) {
      const area = document.createElement('textarea');
      area.value = shown.text;
      document.body.append(area);
      area.select();
      done = document.execCommand('copy');
      area.remove();
    }
    $('copied').textContent = done ? '已复制' : '复制失败';
  }

  // The chart as an SVG drawing: the core's when it gives one, else the
  // window's grid of palaces drawn here from the core's texts.
  function chartSvg() {
    if (shown.svg) {
      const size = (name) => Number((shown.svg.match(new RegExp(`<svg[^>]*\\s${name}="([0-9.]+)`)) || [])[1]);
      return { svg: shown.svg, width: size('width'), height: size('height') };
    }
    const view = shown.view;
    const W = 720, H = 560, cw = 240, ch = 170, top = 50;
    const esc = (t) => t.replace(/&/g, '&amp;').replace(/</g, '&lt;');
    const text = (x, y, t, fill, size = 18, anchor = 'middle') =>
      `<text x="${x}" y="${y}" fill="${fill}" font-size="${size}" text-anchor="${anchor}">${esc(t)}</text>`;
    const out = [`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}" font-family="sans-serif">`,
      `<rect width="${W}" height="${H}" fill="#f4f3ef"/>`,
      text(W / 2, 30, `${shown.chart.date.replace('T', ' ')}  ${view.pillars}  ${shown.window.term}`, '#1d6b1d', 18)];
    kLayout.forEach((n, i) => {
      const x = (i % 3) * cw, y = top + Math.floor(i / 3) * ch, p = view.palaces[n - 1];
      out.push(`<rect x="${x + 4}" y="${y + 4}" width="${cw - 8}" height="${ch - 8}" fill="#fff" stroke="#d32f2f" stroke-dasharray="10 6" stroke-width="2"/>`);
      if (n === 5) {
        out.push(text(x + cw / 2, y + 40, p.hidden + ' ' + view.centre, '#1d6b1d'),
                 text(x + cw / 2, y + 75, `${shown.window.xun}  五中宫  ${p.earth}`, '#1d6b1d'),
                 text(x + cw / 2, y + 110, shown.window.duty, '#1d6b1d', 15));
        return;
      }
      const marks = (view.horse_palace === n ? '馬' : '') + (view.void_palaces.includes(n) ? '空' : '');
      const heaven = p.heaven + (p.star === view.centre_star ? view.palaces[4].heaven : '');
      out.push(text(x + 30, y + 36, marks, '#d32f2f', 18),
               text(x + cw / 2, y + 36, p.deity, '#222'),
               text(x + 45, y + 76, p.hidden, '#222'), text(x + cw / 2, y + 76, p.star + (p.star === view.centre_star ? '禽' : ''), '#222'),
               text(x + cw - 45, y + 76, heaven, '#222'),
               text(x + 45, y + 112, p.counter_deity, '#222'), text(x + cw / 2, y + 112, p.gate, '#222'),
               text(x + cw - 45, y + 112, p.earth, '#222'),
               text(x + cw / 2, y + 146, kCaptions[n], '#0060c0', 14));
    });
    out.push('</svg>');
    return { svg: out.join(''), width: W, height: H };
  }

  function fileName(ext) {
    return `veltrane-${shown.chart.date.replace(/[-:]/g, '').replace('T', '-')}.${ext}`;
  }

  function download(blob, name) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  function saveSvg() {
    if (shown) download(new Blob([chartSvg().svg], { type: 'image/svg+xml' }), fileName('svg'));
  }

  // The PNG is the SVG drawn at twice its size.
  function savePng() {
    if (!shown) return;
    const { svg, width, height } = chartSvg();
    const image = new Image();
    const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
    image.onload = () => {
      const canvas = document.createElement('canvas');
      canvas.width = width * 2;
      canvas.height = height * 2;
      const g = canvas.getContext('2d');
      g.scale(2, 2);
      g.drawImage(image, 0, 0);
      URL.revokeObjectURL(url);
      canvas.toBlob((blob) => download(blob, fileName('png')), 'image/png');
    };
    image.src = url;
  }

  // ---- stepping through hours ----

  // The instant (ms) of a UTC+8 time as the core's JSON writes it: "2001-12-27T03:00:00".
  const instantOf = (s) => utcOfParts({ year: Number(s.slice(0, 4)), month: Number(s.slice(5, 7)),
    day: Number(s.slice(8, 10)), hour: Number(s.slice(11, 13)), minute: Number(s.slice(14, 16)),
    second: Number(s.slice(17, 19) || 0) });
  const toMinute = (ms) => Math.ceil(ms / 60000) * 60000;

  // Moves to the start (its first whole minute) of the next or the previous
  // hour, by the edges the core gives for the hour on show.
  function step(direction) {
    if (!shown || !shown.chart.boundaries) return;
    const zone = shown.form.zone;
    const hour = shown.chart.boundaries.hour;
    if (direction > 0) {
      writeMoment(localOf(partsOfUtc(toMinute(instantOf(hour.end))), zone));
      plot();
      return;
    }
    // A minute before this hour lies in the one before; then go to its start.
    writeMoment(localOf(partsOfUtc(toMinute(instantOf(hour.start)) - 60000), zone));
    if (!plot()) return;
    writeMoment(localOf(partsOfUtc(toMinute(instantOf(shown.chart.boundaries.hour.start))), zone));
    plot();
  }

  function setNow() {
    const now = Date.now();
    const zone = zoneOfField();
    writeMoment(zone === '' ? partsOfUtc(now + 8 * 3600000) : civilIn(zone, now));
    plot();
  }

  function fillZones() {
    const zones = typeof Intl.supportedValuesOf === 'function' ? Intl.supportedValuesOf('timeZone') : [];
    $('zones').replaceChildren(...[kChinaZone, ...zones].map((z) => {
      const o = document.createElement('option');
      o.value = z;
      return o;
    }));
  }

  async function start() {
    $('tz').value = Intl.DateTimeFormat().resolvedOptions().timeZone || kChinaZone;
    core = await createVeltrane();
    if (core._veltrane_profiles) fillProfiles(JSON.parse(core.ccall('veltrane_profiles', 'string', [], [])));
    const typed = applyQuery(location.search);
    if (typed) plot(); else setNow();
    performance.mark('veltrane-first-chart');
    fillZones();
    for (const id of ['date', 'time', 'tz', 'method', 'day-start', 'centre-palace', 'longitude',
                      'solar-time', 'near-minutes', 'profile']) {
      $(id).addEventListener('change', plot);
    }
    $('when').addEventListener('submit', (e) => { e.preventDefault(); plot(); });
    $('prev-hour').addEventListener('click', () => step(-1));
    $('next-hour').addEventListener('click', () => step(1));
    $('now').addEventListener('click', setNow);
    $('copy').addEventListener('click', copyText);
    $('save-svg').addEventListener('click', saveSvg);
    $('save-png').addEventListener('click', savePng);
    document.body.dataset.ready = 'true';
  }

  // What the browser tests and the measurements read.
  window.veltranePage = {
    shown: () => shown,
    plot,
    svg: () => chartSvg(),
  };

  start();
})();
