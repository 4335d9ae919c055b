// Browser tests of tarniq.html: its tables against tarniq-cli, bad input, the address as state, downloads, offline use.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { launchBrowser, openPage, readResults, runsSoFar, settled, watchedPage } from './support/browser.mjs';
import { spawnSync } from 'node:child_process';

import { cliArguments, cliHelp, cliPath, cliVerbs, runCli } from './support/cli.mjs';
import { serveFolder } from './support/static_server.mjs';

const HERE = dirname(fileURLToPath(import.meta.url));
const PAGE = resolve(process.env.TARNIQ_PAGE || join(HERE, '../../build-web/tarniq.html'));
const PAGE_URL = pathToFileURL(PAGE).href;

let chromium;
before(async () => {
  chromium = await launchBrowser();
});
after(async () => {
  await chromium?.close();
});

async function freshPage(options) {
  return watchedPage(chromium.browser, options);
}

// The page and the command line compute with different C libraries, whose
// sines and logarithms may differ in the last bit: doubles agree to 1e-9,
// the table method's single-precision values to a few float steps.
function closeEnough(pageValue, cliValue, tolerance) {
  return pageValue === cliValue || Math.abs(pageValue - cliValue) <= tolerance * Math.max(1, Math.abs(cliValue));
}

function assertRowsMatch(shown, cliRows, tolerance, where) {
  assert.equal(shown.length, cliRows.length, `${where}: row count`);
  cliRows.forEach((cliRow, r) => {
    assert.deepEqual(Object.keys(shown[r]), Object.keys(cliRow), `${where}: columns of row ${r}`);
    for (const [key, cliValue] of Object.entries(cliRow)) {
      const pageText = shown[r][key];
      if (cliValue === null || typeof cliValue === 'string') {
        assert.equal(pageText, cliValue, `${where}: row ${r} ${key}`);
      } else {
        assert.ok(pageText !== null && closeEnough(Number(pageText), cliValue, tolerance),
          `${where}: row ${r} ${key}: page ${pageText}, tarniq-cli ${cliValue}`);
      }
    }
  });
}

// The shown text of each number is its exact value rounded to the column's decimals.
function assertShownIsRounded(results, where) {
  results.shown.forEach((texts, r) => {
    texts.forEach((text, c) => {
      const exact = results.rows[r][results.columns[c]];
      if (exact === null || text === '' || Number.isNaN(Number(exact))) return;
      const decimals = text.includes('.') ? text.length - text.indexOf('.') - 1 : 0;
      assert.ok(Math.abs(Number(text) - Number(exact)) <= 0.5 * 10 ** -decimals * (1 + 1e-9),
        `${where}: row ${r} ${results.columns[c]} shows ${text} for ${exact}`);
    });
  });
}

// Headings for people: words rather than the CSV's name, with the unit its
// suffix names; a few spelled out.
const UNIT_WORDS = { cm: 'cm', mm: 'mm', in: 'in', ghz: 'GHz', deg: '°', dbi: 'dBi' };
const SOME_HEADINGS = {
  aperture_width_cm: 'Aperture width (cm)', h_slant_radius_mm: 'H-plane slant radius (mm)', gain_dbi: 'Gain (dBi)',
  frequency_ghz: 'Frequency (GHz)', e_3db_deg: 'E-plane beamwidth, 3 dB (°)', te10_cutoff_ghz: 'TE10 cutoff (GHz)',
  s: 'S (λ)', angle_deg: 'Angle (°)',
};

function assertHeadingsReadable(shown, where) {
  shown.columns.forEach((key, c) => {
    const heading = shown.headings[c];
    const unit = /_(cm|mm|in|ghz|deg|dbi)$/.exec(key);
    assert.ok(!heading.includes('_') && /^[A-Z]/.test(heading), `${where}: heading "${heading}" of ${key}`);
    if (unit) assert.ok(heading.endsWith(` (${UNIT_WORDS[unit[1]]})`), `${where}: heading "${heading}" of ${key}`);
    if (key in SOME_HEADINGS) assert.equal(heading, SOME_HEADINGS[key], where);
  });
}

// Several addresses of each verb: designs of both shapes, methods, levels and
// units, custom waveguides, ranges that leave S without a design, wide and
// polar patterns, and the catalogue.
const CASES = [
  'verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&s=0.1:0.5:0.1',
  'verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&s=0.1:0.5:0.1&method=table',
  'verb=design&square=true&beamwidth=20&plane=average&frequency=10&waveguide-size=0.9,0.9&units=in&s=0.05:0.7:0.05',
  'verb=design&e-beamwidth=12&h-beamwidth=15&level=10&frequency=28&waveguide=WR-34&units=mm&s=0.2:0.4:0.1',
  'verb=design&e-beamwidth=60&h-beamwidth=50&frequency=10&waveguide=WR-90&s=0.05:0.7:0.15',
  'verb=gain-design&gain=22.6&frequency=11&waveguide=WR-90&units=cm',
  'verb=gain-design&gain=15&frequency=5&waveguide=WR-187&units=in&level=10',
  'verb=gain-design&gain=30&frequency=94&waveguide-size=2.54,1.27&units=mm',
  'verb=analyze&aperture=11,8&length=20&waveguide=WR-90&frequency=8.2:12.4:0.1',
  'verb=analyze&aperture=4.22,1.978&length=5.699&waveguide=WR-90&units=in&frequency=8:12:0.5&method=table',
  'verb=analyze&aperture=11&length=20&waveguide=WR-90&frequency=5:7:0.5',
  'verb=pattern&aperture=11,8&length=20&waveguide=WR-90&frequency=10',
  'verb=pattern&aperture=110,80&length=200&waveguide=WR-90&units=mm&frequency=10&angles=-180:180:2&polar=true',
  'verb=waveguides',
  'verb=waveguides&frequency=10&units=mm',
];

test('each verb: the table, warnings and plot equal tarniq-cli --format json for the same options', async () => {
  const { page, log } = await freshPage();
  for (const query of CASES) {
    const cli = runCli(query);
    assert.equal(cli.status, 0, `${query}: tarniq-cli failed: ${cli.error}`);
    const expected = JSON.parse(cli.json);
    await openPage(page, `${PAGE_URL}?${query}`);
    const shown = await readResults(page);
    assert.equal(shown.state, 'ready', `${query}: ${shown.alert}`);
    assert.deepEqual(shown.columns, cli.csv.split('\r\n')[0].split(','), `${query}: columns`);
    assertRowsMatch(shown.rows, expected.rows, query.includes('method=table') ? 1e-6 : 1e-9, query);
    assertShownIsRounded(shown, query);
    assertHeadingsReadable(shown, query);
    // A wide screen shows a design's ten columns as a table, not as cards.
    if (query.startsWith('verb=design&e-beamwidth')) assert.equal(shown.stacked, false, query);
    assert.deepEqual(shown.warnings, expected.warnings.map(({ code, message }) => ({ code, message })),
      `${query}: warnings`);
    assert.equal(shown.plotted, cli.svg !== '', `${query}: plot`);
    assert.equal(shown.units, expected.units, `${query}: the unit field shows the result's unit`);
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});

// Bad values: the page shows the command line's own message beside the field
// that it names and in the alert, clears the results, and logs no error.
const BAD_INPUT = [
  ['verb=gain-design&gain=abc&frequency=11&waveguide=WR-90', 'gain'],
  ['verb=gain-design&frequency=11&waveguide=WR-90', 'gain'],
  ['verb=gain-design&gain=22&frequency=11&waveguide=WR-90&units=km', 'units'],
  ['verb=analyze&aperture=11,8&length=20&waveguide=WR-90&frequency=12cm', 'frequency'],
  ['verb=analyze&aperture=1,1&length=20&waveguide=WR-90&frequency=10', null],
  ['verb=design&e-beamwidth=30&h-beamwidth=200&frequency=10&waveguide=WR-90', 'h-beamwidth'],
  ['verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&s=0.5:0.1:0.1', 's'],
  ['verb=design&square=true&beamwidth=20&frequency=10&waveguide=WR-90', 'waveguide'],
  ['verb=pattern&aperture=11,8&length=20&waveguide=WR-999&frequency=10', 'waveguide'],
  ['verb=pattern&aperture=11,8&length=-2&waveguide=WR-90&frequency=10', 'length'],
  ['verb=pattern&aperture=11,8&length=20&waveguide=WR-90&frequency=10&angles=0:1e9:1', 'angles'],
];

test('bad input: the command line\'s message beside the field and in the alert; the page stays usable', async () => {
  const { page, log } = await freshPage();
  for (const [query, field] of BAD_INPUT) {
    const cli = runCli(query);
    assert.notEqual(cli.status, 0, query);
    await openPage(page, `${PAGE_URL}?${query}`);
    const shown = await readResults(page);
    assert.equal(shown.state, 'error', query);
    assert.equal(shown.alert, cli.error, query);
    assert.deepEqual(shown.fieldErrors, field ? { [field]: cli.error } : {}, query);
    assert.deepEqual([shown.columns, shown.plotted], [[], false], `${query}: results cleared`);
  }
  // Mistakes only the request layer sees: an unknown verb or option.
  for (const [query, named] of [['verb=florp', '"florp"'], ['verb=waveguides&colour=red', '"--colour"']]) {
    await openPage(page, `${PAGE_URL}?${query}`);
    assert.match((await readResults(page)).alert, new RegExp(named), query);
  }
  // Mending the field by keyboard brings the results back and the alert goes.
  await openPage(page, `${PAGE_URL}?verb=gain-design&gain=abc&frequency=11&waveguide=WR-90`);
  await page.focus('#field-gain');
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA');
  await page.keyboard.up('Control');
  await page.keyboard.type('22');
  // The address changes as a run starts, and the state says when it is shown.
  await page.waitForFunction(() => location.search.includes('gain=22&') && document.body.dataset.state === 'ready');
  const mended = await readResults(page);
  assert.deepEqual([mended.state, mended.alert, mended.fieldErrors], ['ready', '', {}]);
  assert.equal(Number(mended.rows[0].gain_dbi).toFixed(6), '22.000000');
  assert.deepEqual(log.errors, []);
  await page.close();
});

async function setField(page, id, value) {
  const runs = await runsSoFar(page);
  await page.evaluate((fieldId, text) => {
    const field = document.getElementById(fieldId);
    field.value = text;
    field.dispatchEvent(new Event('input', { bubbles: true }));
  }, id, value);
  await settled(page, runs);
}

async function clickField(page, selector) {
  const runs = await runsSoFar(page);
  await page.click(selector);
  await settled(page, runs);
}


// A new unit converts every typed length, so the horn and its results stay
// the same; back in the first unit the lengths read as typed.
test('the unit switch converts the typed lengths and keeps the results', async () => {
  const { page, log } = await freshPage();
  for (const [query, steps] of [
    ['verb=analyze&aperture=10.718,5.02&length=17.514&waveguide=WR-90&frequency=10&units=cm', [
      ['in', { aperture: '4.219685,1.9764', length: '6.895276' }],
      ['mm', { aperture: '107.18,50.2', length: '175.14' }],
      ['cm', { aperture: '10.718,5.02', length: '17.514' }]]],
    ['verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide-size=2.286,1.016&units=cm&s=0.2:0.3:0.1', [
      ['in', { 'waveguide-size': '0.9,0.4' }],
      ['cm', { 'waveguide-size': '2.286,1.016' }]]],
  ]) {
    await openPage(page, `${PAGE_URL}?${query}`);
    const first = await readResults(page);
    for (const [unit, lengths] of steps) {
      await setField(page, 'field-units', unit);
      const shown = await readResults(page);
      assert.equal(shown.state, 'ready', `${query} in ${unit}: ${shown.alert}`);
      const typed = await page.evaluate((names) => Object.fromEntries(names.map((name) =>
        [name, document.getElementById(`field-${name}`).value])), Object.keys(lengths));
      assert.deepEqual(typed, lengths, `${query} in ${unit}`);
      assert.match(shown.address, new RegExp(`&units=${unit}`));
      // The same horn: every value that is no length shows as before.
      first.columns.forEach((key, c) => {
        if (!/_(cm|mm|in)$/.test(key)) assert.deepEqual(shown.shown.map((row) => row[c]), first.shown.map((row) => row[c]), `${query} in ${unit}: ${key}`);
      });
    }
    const back = new URLSearchParams((await readResults(page)).address);
    for (const [name, value] of new URLSearchParams(query)) assert.equal(back.get(name), value, `back where it started: ${name}`);
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});

test('the address is the state: edits update it, a link reproduces the result, Back returns', async () => {
  const { page, log } = await freshPage();
  await openPage(page, `${PAGE_URL}?verb=gain-design&gain=22.6&frequency=11&waveguide=WR-90&units=cm`);
  await setField(page, 'field-gain', '25');
  const edited = await readResults(page);
  assert.equal(edited.address, '?verb=gain-design&gain=25&frequency=11&waveguide=WR-90&units=cm');
  assert.equal(Number(edited.rows[0].gain_dbi).toFixed(6), '25.000000');

  const { page: other } = await freshPage();
  await openPage(other, `${PAGE_URL}${edited.address}`);
  assert.deepEqual(await readResults(other), edited);
  await other.close();

  // The verb by keyboard: the next verb opens on its example; Back returns.
  const runs = await runsSoFar(page);
  await page.focus('#verb-gain-design');
  await page.keyboard.press('ArrowDown');
  await settled(page, runs);
  const next = cliVerbs()[cliVerbs().indexOf('gain-design') + 1];
  const opened = await readResults(page);
  assert.equal(await page.evaluate(() => document.activeElement.id), `verb-${next}`, 'focus stays on the verbs');
  assert.ok(opened.address.startsWith(`?verb=${next}&`), opened.address);
  assert.equal(opened.state, 'ready', opened.alert);
  const back = await runsSoFar(page);
  await page.goBack();
  await settled(page, back);
  assert.deepEqual(await readResults(page), edited);

  // A square horn shows its own fields; a typed waveguide size equal to WR-90's gives WR-90's rows.
  await openPage(page, `${PAGE_URL}?verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&units=cm`);
  const named = await readResults(page);
  await clickField(page, '#field-square');
  const hidden = await page.evaluate(() => Object.fromEntries([...document.querySelectorAll('.field')]
    .map((field) => [field.dataset.option, field.hidden])));
  assert.deepEqual([hidden.beamwidth, hidden.plane, hidden['e-beamwidth'], hidden['h-beamwidth']], [false, false, true, true]);
  await clickField(page, '#field-square');
  await setField(page, 'field-waveguide', '');
  await setField(page, 'field-waveguide-size', '2.286,1.016');
  const sized = await readResults(page);
  assert.match(sized.address, /&waveguide-size=2\.286,1\.016&units=cm$/);
  assertRowsMatch(sized.rows, named.rows.map((row) => Object.fromEntries(Object.entries(row)
    .map(([key, text]) => [key, key === 's_plane' ? text : Number(text)]))), 1e-9, 'WR-90 by size');
  assert.deepEqual(log.errors, []);
  await page.close();
});

async function follow(page, selector) {
  await Promise.all([page.waitForNavigation(), page.click(selector)]);
  await settled(page);
  return readResults(page);
}

// Analyzing a designed horn at its design frequency gives back the design's
// gain and beamwidths, in its frequency response and on the pattern's axis.
test('a design\'s links analyze that horn with its own feed and unit', async () => {
  const { page, log } = await freshPage();
  for (const query of ['verb=gain-design&gain=22.6&frequency=11&waveguide=WR-90&units=mm',
    'verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide-size=0.9,0.4&units=in&s=0.1:0.3:0.1']) {
    await openPage(page, `${PAGE_URL}?${query}`);
    const designs = await readResults(page);
    const unit = new URLSearchParams(query).get('units');
    const design = designs.rows[0];
    const response = await follow(page, '#follow-analyze');
    assert.match(response.address, new RegExp(`^\\?verb=analyze&aperture=.*&units=${unit}$`));
    const frequency = new URLSearchParams(query).get('frequency');
    const atDesign = response.rows.find((row) => row.frequency_ghz === frequency);
    assertRowsMatch([{ gain_dbi: atDesign.gain_dbi, e_3db_deg: atDesign.e_3db_deg, h_3db_deg: atDesign.h_3db_deg }],
      [{ gain_dbi: Number(design.gain_dbi), e_3db_deg: Number(design.e_beamwidth_deg), h_3db_deg: Number(design.h_beamwidth_deg) }],
      1e-9, `${query}: response`);
    await page.goBack();
    await settled(page);
    const pattern = await follow(page, '#follow-pattern');
    const axis = pattern.rows.find((row) => row.angle_deg === '0');
    assert.ok(closeEnough(Number(axis.e_plane_dbi), Number(design.gain_dbi), 1e-9), `${query}: pattern`);
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});

// Files a request reads are chosen from the computer and read in the page:
// the dish efficiencies of a pattern file and the response of a design's
// saved results equal tarniq-cli's for the same files; an address names a
// file but cannot hold it, so opened again it asks for the file.
test('a pattern file and a design\'s results, chosen from the computer, give tarniq-cli\'s rows', async () => {
  const { page, log } = await freshPage();
  const folder = mkdtempSync(join(tmpdir(), 'tarniq-chosen-'));
  try {
    const feed = join(folder, 'feed.csv');
    writeFileSync(feed, runCli('verb=pattern&aperture=6,4.5&length=8&waveguide=WR-90&frequency=10&angles=0:180:0.5').csv);
    const design = join(folder, 'design.json');
    writeFileSync(design, runCli('verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&units=mm&s=0.1:0.3:0.1').json);
    const cases = [
      { query: 'verb=dish&f-over-d=0.3:0.6:0.1', field: 'pattern-file', path: feed, hidden: ['aperture', 'waveguide'] },
      { query: 'verb=analyze&frequency=9:11:0.5&row=2&units=mm', field: 'from', path: design, hidden: ['aperture', 'length'] },
    ];
    for (const { query, field, path, hidden } of cases) {
      await openPage(page, `${PAGE_URL}?${query}`);
      const runs = await runsSoFar(page);
      await (await page.$(`#field-${field}`)).uploadFile(path);
      await settled(page, runs);
      const shown = await readResults(page);
      assert.equal(shown.state, 'ready', `${query}: ${shown.alert}`);
      const name = path.split('/').pop();
      assert.ok(shown.address.includes(`${field}=${name}`), shown.address);
      const cli = runCli(`${query}&${field}=${path}`);
      assertRowsMatch(shown.rows, JSON.parse(cli.json).rows, 1e-9, query);
      for (const option of hidden)
        assert.equal(await page.$eval(`.field[data-option="${option}"]`, (node) => node.hidden), true, `${query}: ${option}`);
      await openPage(page, `${PAGE_URL}${shown.address}`);
      const again = await readResults(page);
      assert.equal(again.state, 'error');
      assert.match(again.fieldErrors[field], /choose the file again/);
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});

// RFC 4180 records: fields split at commas outside quotes, "" a quote.
function parseCsv(text) {
  assert.ok(text.endsWith('\r\n'), 'CSV ends with CR LF');
  return text.slice(0, -2).split('\r\n').map((line) => {
    const fields = [];
    let field = '';
    let quoted = false;
    for (let i = 0; i < line.length; ++i) {
      const c = line[i];
      if (quoted && c === '"' && line[i + 1] === '"') { field += '"'; ++i; }
      else if (c === '"') quoted = !quoted;
      else if (c === ',' && !quoted) { fields.push(field); field = ''; }
      else field += c;
    }
    fields.push(field);
    return fields;
  });
}

async function downloadAll(page, folder, buttons, encoding = 'utf8') {
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  for (const button of buttons) {
    const done = new Promise((resolveDone) => {
      const listener = (event) => {
        if (event.state === 'completed') {
          session.off('Browser.downloadProgress', listener);
          resolveDone();
        }
      };
      session.on('Browser.downloadProgress', listener);
    });
    await page.click(button);
    await done;
  }
  return Object.fromEntries(readdirSync(folder).map((name) => [name.slice(name.lastIndexOf('.') + 1),
    readFileSync(join(folder, name), encoding)]));
}

test('downloads: the CSV, the JSON and the SVG each parse and hold the table\'s values', async () => {
  const { page, log } = await freshPage();
  const query = 'verb=pattern&aperture=11,8&length=20&waveguide=WR-90&frequency=10&angles=-60:60:1';
  await openPage(page, `${PAGE_URL}?${query}`);
  const shown = await readResults(page);
  const folder = mkdtempSync(join(tmpdir(), 'tarniq-downloads-'));
  try {
    const files = await downloadAll(page, folder, ['#download-csv', '#download-json', '#download-svg']);
    const [header, ...records] = parseCsv(files.csv);
    assert.deepEqual(header, shown.columns);
    assert.deepEqual(records.map((record) => Object.fromEntries(record.map((text, c) => [header[c], text === '' ? null : String(Number(text))]))), shown.rows);
    const json = JSON.parse(files.json);
    assert.equal(json.verb, 'pattern');
    assert.deepEqual(json.rows.map((row) => Object.fromEntries(Object.entries(row).map(([k, v]) => [k, v === null ? null : String(v)]))), shown.rows);
    assert.equal(files.svg, runCli(query).svg, 'the SVG is the command line\'s, byte for byte');
    const svgRoot = await page.evaluate((text) => {
      const parsed = new DOMParser().parseFromString(text, 'image/svg+xml');
      return parsed.getElementsByTagName('parsererror').length === 0 ? parsed.documentElement.nodeName : 'parsererror';
    }, files.svg);
    assert.equal(svgRoot, 'svg');
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
  // A verb without a plot offers no SVG.
  await openPage(page, `${PAGE_URL}?verb=waveguides`);
  assert.equal(await page.$eval('#download-svg', (button) => button.hidden), true);
  assert.deepEqual(log.errors, []);
  await page.close();
});

// The Parts view: the panel table and the flat layout as tarniq-cli gives
// them, the drawing (SVG, DXF) and the model (STL) byte for byte, reached
// from a design by its "Parts" link; the parts options only there.
test('the Parts view: panels, layout and files as tarniq-cli makes them, linked from each design', async () => {
  const { page, log } = await freshPage();
  const query = 'verb=parts&aperture=11,8&length=20&waveguide=WR-90&net=true&tab=1&wall=0.3';
  const cli = runCli(query);
  assert.equal(cli.status, 0, cli.error);
  await openPage(page, `${PAGE_URL}?${query}`);
  const shown = await readResults(page);
  assert.equal(shown.state, 'ready', shown.alert);
  assert.deepEqual(shown.columns, ['panel', 'count', 'short_edge_cm', 'long_edge_cm', 'height_cm', 'corner_edge_cm',
    'flare_angle_deg', 'corner_angle_deg']);
  assertRowsMatch(shown.rows, JSON.parse(cli.json).rows, 1e-9, query);
  const figure = await page.$eval('#plot svg', (svg) => ({ width: svg.getAttribute('width'), box: svg.getAttribute('viewBox') }));
  assert.match(figure.width, /^[0-9.]+mm$/);
  assert.equal(figure.box.split(' ')[2], figure.width.replace('mm', ''));
  const folder = mkdtempSync(join(tmpdir(), 'tarniq-parts-'));
  try {
    const made = spawnSync(cliPath(), [...cliArguments(query), '--drawing', join(folder, 'cli.dxf'), '--model',
      join(folder, 'cli.stl'), '-o', '/dev/null']);
    assert.equal(made.status, 0, made.stderr.toString());
    const expected = { dxf: readFileSync(join(folder, 'cli.dxf')), stl: readFileSync(join(folder, 'cli.stl')) };
    rmSync(join(folder, 'cli.dxf'));
    rmSync(join(folder, 'cli.stl'));
    const files = await downloadAll(page, folder, ['#download-svg', '#download-dxf', '#download-stl'], null);
    assert.equal(files.svg.toString('utf8'), cli.svg, 'the SVG drawing is the command line\'s');
    assert.ok(files.dxf.equals(expected.dxf), 'the DXF is the command line\'s');
    assert.ok(files.stl.equals(expected.stl), 'the STL is the command line\'s');
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
  // A wall too thick is named beside its field.
  await openPage(page, `${PAGE_URL}?verb=parts&aperture=11,8&length=20&waveguide=WR-90&wall=9`);
  assert.match((await readResults(page)).fieldErrors.wall, /^--wall "9" is too thick for this horn/);

  // From a design: its Parts link opens this view for its horn; the design's
  // own form has no parts fields.
  await openPage(page, `${PAGE_URL}?verb=gain-design&gain=20&frequency=10&waveguide=WR-90&units=mm`);
  const design = (await readResults(page)).rows[0];
  const partsFields = await page.evaluate(() => ['net', 'tab', 'wall', 'throat', 'drawing', 'model', 'paper']
    .filter((name) => document.querySelector(`.field[data-option="${name}"]:not([hidden])`)));
  assert.deepEqual(partsFields, []);
  const parts = await follow(page, '#follow-parts');
  assert.match(parts.address, /^\?verb=parts&aperture=.*&waveguide=WR-90&units=mm$/);
  assert.ok(closeEnough(Number(parts.rows[0].long_edge_mm), Number(design.aperture_width_mm), 1e-12));
  assert.ok(closeEnough(Number(parts.rows[1].long_edge_mm), Number(design.aperture_height_mm), 1e-12));
  assert.deepEqual(log.errors, []);
  await page.close();
});

// Requests that never leave the machine: the page itself, its worker's blob and the inlined WebAssembly.
function localOnly(requests, pageUrl) {
  return requests.filter((url) => !url.startsWith('blob:') && !url.startsWith('data:') && url.split('?')[0] !== pageUrl);
}

test('one self-contained file: works from disk and from a web server, asks the network for nothing', async () => {
  const html = readFileSync(PAGE, 'utf8');
  assert.doesNotMatch(html, /<(script|link|img|iframe)[^>]+(src|href)=["']?(https?:)?\/\//i);
  const { page, log } = await freshPage();
  await openPage(page, `${PAGE_URL}?verb=gain-design&gain=20&frequency=10&waveguide=WR-90`);
  const fromDisk = await readResults(page);
  assert.deepEqual(localOnly(log.requests, PAGE_URL), []);

  const server = await serveFolder(dirname(PAGE));
  try {
    const served = await freshPage();
    await openPage(served.page, `${server.url}/tarniq.html?verb=gain-design&gain=20&frequency=10&waveguide=WR-90`);
    assert.deepEqual((await readResults(served.page)).rows, fromDisk.rows);
    assert.deepEqual(server.asked, ['/tarniq.html']);
    assert.deepEqual(localOnly(served.log.requests, `${server.url}/tarniq.html`), []);
    assert.deepEqual(served.log.errors, []);
    await served.page.close();
  } finally {
    await server.close();
  }
  // Where workers are not allowed the page computes in itself, with the same results.
  const { page: inPage, log: inPageLog } = await freshPage();
  await inPage.evaluateOnNewDocument(() => { window.Worker = undefined; });
  await openPage(inPage, `${PAGE_URL}?verb=gain-design&gain=20&frequency=10&waveguide=WR-90`);
  assert.deepEqual((await readResults(inPage)).rows, fromDisk.rows);
  assert.deepEqual([...log.errors, ...inPageLog.errors], []);
  await inPage.close();
  await page.close();
});

// What the page offers of a verb's options: all but the files (it draws the
// plot itself and downloads the results; the parts view makes the drawing and
// model), the output format, the PDF's paper, and the options that go only
// with an option withheld.
function offeredByPage(verb) {
  const supplied = verb.name === 'parts' ? ['drawing', 'model'] : [];
  const withheld = new Set(verb.options.filter((option) => option.kind === 'file' || ['format', 'paper'].includes(option.name))
    .map((option) => option.name));
  return verb.options.filter((option) => !withheld.has(option.name) && (!withheld.has(option.with) || supplied.includes(option.with)));
}

// The page paints its form from the verb table built into it, before its
// engine answers; the table is the command line's (tarniq-cli VERB --help
// lists the same options, value names and help lines); and a worker that
// never answers is given up for the page itself within a few seconds.
test('the form comes from the built-in verb table at once; a silent worker is replaced by the page', async () => {
  const { page, log } = await freshPage();
  await page.evaluateOnNewDocument(() => {
    window.Worker = class { postMessage() {} terminate() {} };
  });
  const query = 'verb=gain-design&gain=20&frequency=10&waveguide=WR-90';
  await page.goto(`${PAGE_URL}?${query}`);
  const before = await page.evaluate(() => ({
    state: document.body.dataset.state,
    verbs: [...document.querySelectorAll('#verbs input')].map((radio) => radio.value),
    fields: [...document.querySelectorAll('.field')].map((field) => field.dataset.option),
    waveguides: document.getElementById('field-waveguide').options.length,
    table: JSON.parse(document.getElementById('page-data').textContent).verbs,
  }));
  assert.equal(before.state, 'busy', 'no answer yet');
  assert.deepEqual(before.fields, ['gain', 'frequency', 'waveguide', 'waveguide-size', 'level', 'units']);
  // The waveguide list is built in too: the catalogue, and the entry for a typed size.
  const catalogueRows = runCli('verb=waveguides').csv.trim().split('\r\n').length - 1;
  assert.equal(before.waveguides, catalogueRows + 1);
  assert.deepEqual(before.verbs, cliVerbs());
  for (const verb of before.table) {
    const cli = cliHelp(verb.name);
    assert.deepEqual(verb.options.map((option) => option.name), cli.map((entry) => entry.name), verb.name);
    verb.options.forEach((option, i) => {
      const text = cli[i].text;
      const rest = option.value === '' ? text : text.slice(option.value.length + 1);
      assert.ok(option.value === '' || text.startsWith(`${option.value} `), `${verb.name} --${option.name}: ${text}`);
      assert.ok(rest.startsWith(option.help) && /^( \((required|with)[^)]*\))?$/.test(rest.slice(option.help.length)),
        `${verb.name} --${option.name}: "${rest}" against "${option.help}"`);
    });
    // The verb's form, before any answer: the options it offers, each with its
    // help line, those a request needs first and the rest folded, each part in
    // the table's order.
    await page.click(`#verb-${verb.name}`);
    const form = await page.evaluate(() => Object.fromEntries(['fields', 'more-fields'].map((id) =>
      [id, [...document.getElementById(id).querySelectorAll('.field')].map((field) =>
        [field.dataset.option, field.querySelector('.hint').textContent])])));
    const offered = offeredByPage(verb);
    const order = (fields) => fields.map(([name]) => offered.findIndex((option) => option.name === name));
    for (const part of Object.values(form)) assert.deepEqual(order(part), [...order(part)].sort((a, b) => a - b), verb.name);
    // A help line names another option by its field's label, in quotes.
    const named = (text) => text.replace(/--[a-z-]+|“[^”]*”/g, '…');
    assert.deepEqual([...form.fields, ...form['more-fields']].map(([name, hint]) => [name, named(hint)]).sort(),
      offered.map((option) => [option.name, named(option.help)]).sort(), verb.name);
    for (const option of offered.filter((candidate) => candidate.need === 'required'))
      assert.ok(form.fields.some(([name]) => name === option.name), `${verb.name}: ${option.name} among the key fields`);
  }
  // The page computes in itself once the worker has been given up.
  await page.goto(`${PAGE_URL}?${query}`);
  await settled(page);
  const shown = await readResults(page);
  assert.equal(shown.state, 'ready', shown.alert);
  assertRowsMatch(shown.rows, JSON.parse(runCli(query).json).rows, 1e-9, 'computed in the page');
  assert.ok(await page.evaluate(() => Number(document.body.dataset.computeMs)) >= 2900, 'after the worker was given up');
  assert.deepEqual(log.errors, []);
  await page.close();
});

// On a phone (390 by 844) each verb's page: every field labelled, nothing
// wider than the screen, the optional fields folded so that the results come
// soon after the key fields (and a link leads there), every column of the
// table in sight (wrapped headings, or each row as a card), a long table
// folded under its plot, and the plot's text at 10 pixels or more.
test('a phone: labelled fields, results soon after them, every column in sight, legible plots', async () => {
  const { page, log } = await freshPage({ width: 390, height: 844 });
  await openPage(page, PAGE_URL);
  const seen = {};
  for (const verb of ['design', 'gain-design', 'analyze', 'pattern', 'waveguides']) {
    const runs = await runsSoFar(page);
    if (verb !== 'design') {
      await page.click(`#verb-${verb}`);
      await settled(page, runs);
    }
    const layout = await page.evaluate(() => {
      const frame = document.getElementById('table-frame');
      const fold = document.getElementById('table-fold');
      const svg = document.querySelector('#plot svg');
      const scale = svg ? svg.getBoundingClientRect().width / svg.viewBox.baseVal.width : 1;
      const link = document.getElementById('to-results').getBoundingClientRect();
      return {
        unlabelled: [...document.querySelectorAll('input, select')]
          .filter((control) => control.labels.length === 0 || control.labels[0].textContent.trim() === '')
          .map((control) => control.id),
        overflow: document.documentElement.scrollWidth - window.innerWidth,
        state: document.body.dataset.state,
        moreFolded: !document.getElementById('more').open,
        resultsAt: document.getElementById('output').getBoundingClientRect().top + scrollY,
        formEnd: document.getElementById('request').getBoundingClientRect().bottom + scrollY,
        link: link.top >= 0 && link.bottom <= innerHeight && link.width > 0,
        columnsInSight: frame.scrollWidth <= frame.clientWidth || !fold.open,
        keyed: [...frame.querySelectorAll('td')].every((td) => td.dataset.key && td.dataset.label),
        tableFolded: !fold.open,
        plotFirst: Boolean(svg) && (document.getElementById('plot').compareDocumentPosition(fold) & Node.DOCUMENT_POSITION_FOLLOWING) !== 0,
        smallestText: svg ? Math.min(...[...svg.querySelectorAll('text')].map((text) =>
          parseFloat(getComputedStyle(text).fontSize) * scale)) : null,
      };
    });
    seen[verb] = layout;
    const { unlabelled, overflow, state, moreFolded, link, columnsInSight, keyed } = layout;
    assert.deepEqual({ unlabelled, overflow, state, moreFolded, link, columnsInSight, keyed },
      { unlabelled: [], overflow: 0, state: 'ready', moreFolded: true, link: true, columnsInSight: true, keyed: true }, verb);
    assert.ok(layout.resultsAt - layout.formEnd < 40, `${verb}: the results follow the form`);
    assert.ok(layout.resultsAt < 1.5 * 844, `${verb}: results at ${layout.resultsAt} px`);
    if (layout.smallestText !== null) assert.ok(layout.smallestText >= 10, `${verb}: plot text ${layout.smallestText} px`);
  }
  // The pattern's 361 rows fold under its plot; a design's five rows come first, open.
  assert.deepEqual([seen.pattern.tableFolded, seen.pattern.plotFirst], [true, true]);
  assert.deepEqual([seen.design.tableFolded, seen.design.plotFirst], [false, false]);
  // A design's ten columns do not fit: each row shows as a card, every value beside its heading.
  const card = await page.evaluate(async () => {
    document.getElementById('verb-design').click();
    await new Promise((resolve) => document.addEventListener('tarniq:updated', resolve, { once: true }));
    const td = document.querySelector('#table-frame td[data-key="axial_length_cm"]');
    return { stacked: td.closest('table').classList.contains('stacked'), label: getComputedStyle(td, '::before').content };
  });
  assert.deepEqual(card, { stacked: true, label: '"Axial length (cm)"' });
  // An error about a folded option opens the fold to show it.
  await openPage(page, `${PAGE_URL}?verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&level=-1`);
  const folded = await page.evaluate(() => ({
    open: document.getElementById('more').open,
    error: document.getElementById('error-level').textContent,
  }));
  assert.equal(folded.open, true);
  assert.match(folded.error, /--level/);
  assert.deepEqual(log.errors, []);
  await page.close();
});

// The page's own words say nothing of the command line: no "tarniq-cli",
// no "--option", no verbs; only the line that shows the same request does.
test('no command-line wording in the page\'s text', async () => {
  const { page, log } = await freshPage();
  await openPage(page, PAGE_URL);
  for (const verb of cliVerbs()) {
    const runs = await runsSoFar(page);
    if (verb !== 'design') {
      await page.click(`#verb-${verb}`);
      await settled(page, runs);
    }
    const text = await page.evaluate(() => {
      const copy = document.body.cloneNode(true);
      copy.querySelector('#command-line').remove();
      for (const node of copy.querySelectorAll('script, svg')) node.remove();
      return copy.textContent;
    });
    assert.doesNotMatch(text, /tarniq-cli|--[a-z]|\bverbs?\b/i, verb);
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});

// Random addresses over the verbs' options and awkward values (fixed seed):
// each ends in results or an alert, never in a script error.
test('random addresses: results or an alert, never a script error', async () => {
  let seed = 20240611;
  const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  const names = ['e-beamwidth', 'h-beamwidth', 'beamwidth', 'square', 'plane', 'level', 's', 'method', 'frequency',
    'waveguide', 'waveguide-size', 'units', 'gain', 'aperture', 'length', 'angles', 'polar', 'format', 'plot', 'x'];
  const values = ['10', '0', '-1', '20', '0.25', 'abc', '1e999', 'nan', '', '0.1:0.5:0.1', '5:1:1', '1:2:0', '11,8',
    ',', '3,', 'WR-90', 'wr90', 'WR-9999', 'true', 'false', 'table', 'h', 'mm', '%25', '%3Csvg%3E', '%22q%22', '%C3%A9',
    '%FF', '-90:90:45', '8:12:1', '1e-300'];
  const verbs = ['design', 'gain-design', 'analyze', 'pattern', 'waveguides', 'bogus'];
  const { page, log } = await freshPage();
  await openPage(page, PAGE_URL);
  for (let i = 0; i < 150; ++i) {
    const parts = [`verb=${verbs[random(verbs.length)]}`];
    for (let n = random(8); n > 0; --n) parts.push(`${names[random(names.length)]}=${values[random(values.length)]}`);
    const query = `?${parts.join('&')}`;
    const runs = await runsSoFar(page);
    await page.evaluate((address) => {
      history.pushState(null, '', address);
      window.dispatchEvent(new PopStateEvent('popstate'));
    }, query);
    await settled(page, runs);
    const shown = await readResults(page);
    assert.ok(shown.state === 'ready' ? shown.columns.length > 0 : shown.alert !== '', query);
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});

test('a long request gives way to the next edit', async () => {
  const { page, log } = await freshPage();
  await openPage(page, `${PAGE_URL}?verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&s=0.25`);
  const runs = await runsSoFar(page);
  await page.evaluate(() => {
    const field = document.getElementById('field-s');
    field.value = '0.01:0.7:0.00002';  // tens of thousands of designs: minutes of work
    field.dispatchEvent(new Event('input', { bubbles: true }));
  });
  await new Promise((wait) => setTimeout(wait, 600));
  await setField(page, 'field-s', '0.3');
  assert.equal(await runsSoFar(page), runs + 1, 'the long request never shows');
  const shown = await readResults(page);
  assert.deepEqual([shown.state, shown.rows.length, shown.rows[0].s], ['ready', 1, '0.3']);
  assert.deepEqual(log.errors, []);
  await page.close();
});

// Time from an edited field to the updated table, measured in the page; reported, not asserted.
async function editTimes(page, id, values) {
  const times = [];
  for (const value of values) {
    const runs = await runsSoFar(page);
    times.push(await page.evaluate((fieldId, text) => new Promise((resolveTime) => {
      const start = performance.now();
      document.addEventListener('tarniq:updated', () => {
        requestAnimationFrame(() => resolveTime(performance.now() - start));
      }, { once: true });
      const field = document.getElementById(fieldId);
      field.value = text;
      field.dispatchEvent(new Event('input', { bubbles: true }));
    }), id, value));
    await settled(page, runs);
  }
  times.sort((a, b) => a - b);
  return { median: times[Math.floor(times.length / 2)], worst: times[times.length - 1] };
}

test('timing: edit to updated results (reported)', async (t) => {
  const { page, log } = await freshPage();
  await openPage(page, `${PAGE_URL}?verb=gain-design&gain=20&frequency=10&waveguide=WR-90`);
  const gain = await editTimes(page, 'field-gain', ['21', '22', '23', '24', '25', '26', '27', '28', '29', '30', '22.6']);
  await openPage(page, `${PAGE_URL}?verb=design&e-beamwidth=30&h-beamwidth=20&frequency=10&waveguide=WR-90&s=0.1:0.5:0.1`);
  const design = await editTimes(page, 'field-e-beamwidth', ['31', '32', '33', '34', '35', '36', '37', '38', '39', '30', '29']);
  const report = `edit to results on screen: gain design median ${gain.median.toFixed(1)} ms (worst ${gain.worst.toFixed(1)}), ` +
    `five-row pattern-method design median ${design.median.toFixed(1)} ms (worst ${design.worst.toFixed(1)})`;
  t.diagnostic(report);
  if (process.env.TARNIQ_WEB_TIMING) writeFileSync(process.env.TARNIQ_WEB_TIMING, `${report}\n`);
  if (process.env.TARNIQ_WEB_SCREENSHOT) {
    await page.setViewport({ width: 1200, height: 1000 });
    await openPage(page, PAGE_URL);
    await page.screenshot({ path: process.env.TARNIQ_WEB_SCREENSHOT });
  }
  assert.deepEqual(log.errors, []);
  await page.close();
});
