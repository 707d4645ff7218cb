// The page: reads the form, asks the chart core (WebAssembly) for the chart,
// shows what it answers, and copies, links and saves it. Every chart text
// comes from the core.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  // The form's selects by the core's option keys.
  const kSelects = { method: 'method', day_start: 'day-start', centre_palace: 'centre-palace',
                     solar_time: 'solar-time', profile: 'profile' };
  const { pad, partsOfUtc, civilIn, isZone, resolve, localOf, instantOf, toMinute } = ZoneTime;
  const { kLayout, palaceCell, chartSvg } = ChartDrawing;

  let core = null;   // the WebAssembly module
  let shown = null;  // the page's answer for the chart on show
  // The core's defaults: the zone it names when none is given (China
  // Standard Time) and how near an edge must lie to be noted.
  let defaults = { zone: 'UTC+8', near: 10 };

  // ---- the form and the link ----

  const zoneOfField = () => {
    const text = $('tz').value.trim();
    return text === '' || text === defaults.zone ? '' : text;
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
      near: $('near-minutes').value.trim() === '' ? defaults.near : Number($('near-minutes').value),
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
    q.set('tz', f.zone === '' ? defaults.zone : f.zone);
    q.set('method', f.method);
    q.set('day-start', f.dayStart);
    q.set('centre-palace', f.centre);
    if (!Number.isNaN(f.longitude)) {
      q.set('longitude', String(f.longitude));
      q.set('solar-time', f.solar);
    }
    if (f.near !== defaults.near) q.set('near-minutes', String(f.near));
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
        ['number', 'number', 'number', 'number', 'number', 'string', 'string', 'string',
         'number', 'string', 'string', 'number', 'number', 'number', 'number', 'number',
         'number', 'number', 'number', 'string'],
        [c.year, c.month, c.day, c.hour, c.minute, f.method, f.dayStart, f.centre, f.longitude,
         f.solar, f.zone, l.year, l.month, l.day, l.hour, l.minute,
         instant.offset, instant.ambiguous ? 1 : 0, f.near, f.profile]);
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

  function render(answer, f) {
    const chart = answer.chart;
    const view = answer.view;
    const d = chart.input ? chart.input.date : chart.date;
    $('civil').textContent = `${d.replace('T', ' ')} ${f.zone === '' ? defaults.zone : f.zone}` +
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
    grid.replaceChildren(...kLayout.map((n) => palaceCell(n, answer)));
    ReadingPanel.render(answer.reading);
    $('chart').hidden = false;
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
    if (shown) download(new Blob([chartSvg(shown).svg], { type: 'image/svg+xml' }), fileName('svg'));
  }

  // The PNG is the SVG drawn at twice its size.
  function savePng() {
    if (!shown) return;
    const { svg, width, height } = chartSvg(shown);
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

  // The options' choices, texts and defaults, as the core names them.
  function fillOptions(options) {
    for (const [key, id] of Object.entries(kSelects)) {
      $(id).replaceChildren(...options[key].choices.map(({ word, text }) => {
        const o = document.createElement('option');
        o.value = word;
        o.textContent = key === 'profile' ? `${word}：${text}` : text;
        return o;
      }));
      $(id).value = options[key].default;
    }
    defaults = { zone: options.time_zone.default, near: options.near_minutes.default };
    $('tz').placeholder = defaults.zone;
    $('near-minutes').value = String(defaults.near);
  }

  function fillZones() {
    const zones = typeof Intl.supportedValuesOf === 'function' ? Intl.supportedValuesOf('timeZone') : [];
    $('zones').replaceChildren(...[defaults.zone, ...zones].map((z) => {
      const o = document.createElement('option');
      o.value = z;
      return o;
    }));
  }

  async function start() {
    core = await createVeltrane();
    fillOptions(JSON.parse(core.ccall('veltrane_options', 'string', [], [])));
    $('tz').value = Intl.DateTimeFormat().resolvedOptions().timeZone || defaults.zone;
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
    svg: () => chartSvg(shown),
  };

  start();
})();
