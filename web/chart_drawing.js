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

  // The chart as an SVG drawing: the core's own (the drawing of --svg), with the
  // size its root element gives.
  function chartSvg(shown) {
    const size = (name) => Number((shown.svg.match(new RegExp(`<svg[^>]*\\s${name}="([0-9.]+)`)) || [])[1]);
    return { svg: shown.svg, width: size('width'), height: size('height') };
  }

  return { kLayout, span, palaceCell, chartSvg };
})();
