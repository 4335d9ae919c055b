// The results: a table with the CSV's columns under readable headings (each cell's data-key its column), the warnings and the plot.

// More rows than this are left to the downloads: a table that long helps
// nobody and slows the page.
const MAX_SHOWN_ROWS = 2000;

// A table longer than this is folded, under its plot.
const LONG_TABLE_ROWS = 20;

// Headings for columns whose name does not read well word by word; others
// are made from their names ("h_slant_radius_cm": "H-plane slant radius (cm)").
const COLUMN_TITLES = {
  s: 'S (λ)',
  s_plane: 'Plane of S',
  e_3db: 'E-plane beamwidth, 3 dB',
  h_3db: 'H-plane beamwidth, 3 dB',
  e_10db: 'E-plane beamwidth, 10 dB',
  h_10db: 'H-plane beamwidth, 10 dB',
  e_level: 'E-plane beamwidth at the level',
  h_level: 'H-plane beamwidth at the level',
  e_plane: 'E plane',
  h_plane: 'H plane',
  te10_cutoff: 'TE10 cutoff',
  band_low: 'Band from',
  band_high: 'Band to',
  iec_name: 'IEC name',
  f_over_d: 'Dish f/D',
};
const COLUMN_WORDS = { e: 'E-plane', h: 'H-plane' };
// The unit suffixes of column names, as a heading shows them.
const COLUMN_UNITS = { cm: 'cm', mm: 'mm', in: 'in', ghz: 'GHz', deg: '°', dbi: 'dBi', db: 'dB' };

// "aperture_width_cm" as "Aperture width (cm)".
function columnTitle(name) {
  const suffix = /^(.+)_(cm|mm|in|ghz|deg|dbi|db)$/.exec(name);
  const stem = suffix ? suffix[1] : name;
  const words = COLUMN_TITLES[stem] || stem.split('_').map((word) => COLUMN_WORDS[word] || word).join(' ');
  return words.charAt(0).toUpperCase() + words.slice(1) + (suffix ? ` (${COLUMN_UNITS[suffix[2]]})` : '');
}

// The exact value of a cell as text that reads back as the same number.
function exactText(value) {
  return typeof value === 'number' ? String(value) : value;
}

function renderTable(frame, answer, rows) {
  const table = element('table');
  const head = element('tr');
  const titles = answer.columns.map((column) => columnTitle(column.name));
  answer.columns.forEach((column, c) => {
    head.append(element('th', { scope: 'col', class: column.text ? 'text' : 'number', 'data-key': column.name }, titles[c]));
  });
  table.append(element('thead'));
  table.tHead.append(head);
  const body = element('tbody');
  const shown = Math.min(rows.length, MAX_SHOWN_ROWS);
  for (let r = 0; r < shown; ++r) {
    const row = element('tr');
    answer.columns.forEach((column, c) => {
      const cell = element('td', { 'data-key': column.name, 'data-label': titles[c] }, answer.cells[r][c]);
      const value = rows[r][column.name];
      if (value !== null && value !== undefined) cell.dataset.value = exactText(value);
      if (column.text) cell.className = 'text';
      row.append(cell);
    });
    body.append(row);
  }
  table.append(body);
  frame.replaceChildren(table);
  if (shown < rows.length) {
    frame.append(element('p', { id: 'table-note' },
      `The first ${shown} of ${rows.length} rows; the CSV and JSON downloads hold them all.`));
  }
}

// A table too wide for its frame shows each row as a card of heading and
// value pairs, so that no column is ever out of sight.
function fitTable(frame) {
  const table = frame.querySelector('table');
  if (!table || frame.clientWidth === 0) return;
  table.classList.remove('stacked');
  frame.classList.remove('stacked');
  if (table.scrollWidth <= frame.clientWidth + 1) return;
  table.classList.add('stacked');
  frame.classList.add('stacked');
}

// The table (folded when long, and then under the plot) and the plot.
function renderResults(body, answer, rows) {
  const fold = body.querySelector('#table-fold');
  const figure = body.querySelector('#plot');
  renderTable(fold.querySelector('#table-frame'), answer, rows);
  const long = rows.length > LONG_TABLE_ROWS;
  fold.open = !long;
  fold.querySelector('#table-caption').textContent = long ? `Table of ${rows.length} rows` : 'Table';
  fold.hidden = false;
  const plotted = renderPlot(figure, answer.svg);
  if (long) body.prepend(figure);
  else body.append(figure);
  fitTable(fold.querySelector('#table-frame'));
  return plotted;
}

function renderWarnings(container, warnings) {
  container.replaceChildren();
  if (warnings.length === 0) return;
  const list = element('ul', { 'aria-label': 'Warnings' });
  for (const warning of warnings) list.append(element('li', { 'data-code': warning.code }, warning.message));
  container.append(list);
}

// The plot as drawn by the command line's SVG code, parsed as XML and placed
// in the page (no markup is interpreted as HTML).
function renderPlot(figure, svgText) {
  figure.replaceChildren();
  figure.hidden = true;
  if (!svgText) return false;
  const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  const svg = parsed.documentElement;
  if (svg.nodeName !== 'svg' || parsed.getElementsByTagName('parsererror').length > 0) return false;
  const title = svg.querySelector('title');
  svg.setAttribute('role', 'img');
  if (title) svg.setAttribute('aria-label', title.textContent);
  figure.append(document.importNode(svg, true));
  figure.hidden = false;
  return true;
}

function describeRows(count, units) {
  const rows = count === 1 ? '1 row' : `${count} rows`;
  return `${rows}; lengths in ${units === 'in' ? 'inches' : units}, frequencies in GHz, angles in degrees.`;
}

// A step of 1, 2 or 5 times a power of ten near the given size.
function roundStep(size) {
  const power = 10 ** Math.floor(Math.log10(size));
  const scaled = size / power;
  return (scaled < 1.5 ? 1 : scaled < 3.5 ? 2 : scaled < 7.5 ? 5 : 10) * power;
}

// A number as short text, without the binary noise of the sums that made it.
function shortNumber(value) {
  return String(Number(value.toPrecision(12)));
}

// Addresses that analyze one designed horn: its frequency response over
// ±20 % of the design frequency (the design frequency on the grid), its
// pattern there, and its parts; the feed and the unit are the design's.
function followUpAddresses(last, row) {
  const unit = last.result.units;
  const frequency = last.result.input.frequency_ghz;
  const step = roundStep(frequency / 100);
  const horn = {
    aperture: `${row[`aperture_width_${unit}`]},${row[`aperture_height_${unit}`]}`,
    length: String(row[`axial_length_${unit}`]),
  };
  for (const name of ['waveguide', 'waveguide-size', 'units']) {
    if (last.options[name] !== undefined) horn[name] = last.options[name];
  }
  const order = ['aperture', 'length', 'frequency', 'waveguide', 'waveguide-size', 'units'];
  const range = `${shortNumber(frequency - 20 * step)}:${shortNumber(frequency + 20 * step)}:${shortNumber(step)}`;
  return {
    analyze: formatQuery('analyze', { ...horn, frequency: range }, order),
    pattern: formatQuery('pattern', { ...horn, frequency: String(frequency) }, order),
    parts: formatQuery('parts', horn, order),
  };
}

// Under a design table: a choice of design and links to its analysis and its parts.
function renderFollowUps(container, last) {
  container.replaceChildren();
  if (!['design', 'gain-design'].includes(last.verb) || last.result.rows.length === 0) return;
  const rows = last.result.rows;
  const analyze = element('a', { id: 'follow-analyze' }, 'Frequency response');
  const pattern = element('a', { id: 'follow-pattern' }, 'Pattern');
  const parts = element('a', { id: 'follow-parts' }, 'Parts');
  const point = (index) => {
    const addresses = followUpAddresses(last, rows[index]);
    analyze.href = addresses.analyze;
    pattern.href = addresses.pattern;
    parts.href = addresses.parts;
  };
  const caption = element('span', {}, 'This horn: ');
  if (rows.length > 1) {
    const choice = element('select', { id: 'follow-design' });
    const sColumn = last.answer.columns.findIndex((column) => column.name === 's');
    rows.forEach((row, index) => choice.append(element('option', { value: String(index) }, `S = ${last.answer.cells[index][sColumn]}`)));
    choice.addEventListener('change', () => point(Number(choice.value)));
    const label = element('label', { for: 'follow-design' }, 'The design at ');
    caption.replaceChildren(label, choice, ': ');
  }
  point(0);
  container.append(caption, analyze, ' · ', pattern, ' · ', parts);
}
