// The chart drawn as the window lays it: the nine palaces (4 9 2 / 3 5 7 /
// 8 1 6) with the window's texts, as page elements and as an SVG drawing.
// Every text comes from the core's answer.
const ChartDrawing = (() => {
  'use strict';

  // The window's layout of the palaces and their fixed captions.
  const kLayout = [4, 9, 2, 3, 5, 7, 8, 1, 6];
  const kCaptions = {
    1: '坎一宫 正北方 为水', 2: '坤二宫 西南方 为土', 3: '震三宫 东方 为雷 属木',
    4: '巽四宫 东南方 为风 属木', 5: '五中宫', 6: '乾六宫 西北方 为天 属金',
    7: '兑七宫 西方 为口 属金', 8: '艮八宫 东北方 为山 属土', 9: '离九宫 南方 为火',
  };
  function span(className, text) {
    const s = document.createElement('span');
    s.className = className;
    s.textContent = text;
    return s;
  }

  function palaceCell(n, answer) {
    const view = answer.view;
    const p = view.palaces[n - 1];
    const cell = document.createElement('div');
    cell.className = 'palace';
    cell.dataset.palace = String(n);
    if (n === 5) {
      cell.classList.add('centre');
      cell.append(span('pillars-box', view.pillars), span('stem hidden', p.hidden));
      cell.append(span('label term', answer.window.term));
      const line = document.createElement('div');
      line.className = 'line';
      line.append(span('label xun', answer.window.xun), span('caption', kCaptions[5]),
                  span('stem earth', p.earth));
      cell.append(line, span('label duty', answer.window.duty));
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

  // The chart as an SVG drawing: the core's when it gives one, else the
  // window's grid of palaces drawn here from the core's texts.
  function chartSvg(shown) {
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

  return { kLayout, span, palaceCell, chartSvg };
})();
