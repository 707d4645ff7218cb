// The reading beside the chart: the findings of the chosen profile, each
// opening to its rule and source.
const ReadingPanel = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const { span } = ChartDrawing;

  // The findings beside the chart, grouped by kind; each opens to its source
  // (book, chapter and the line quoted), by hover as well.
  function render(reading) {
    $('reading').hidden = !reading;
    $('reading').parentElement.classList.toggle('read', Boolean(reading));
    if (!reading) return;
    $('profile-name').textContent = reading.profile;
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
        source.append(span('rule', f.line || ''),
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

  return { render };
})();
