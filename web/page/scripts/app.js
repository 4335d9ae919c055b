// The page's life: the form from the built-in verb table at once, the engine started beside it, every request run, the address kept in step.

const VERB_TITLES = {
  design: 'Design for beamwidths',
  'gain-design': 'Design for gain',
  'feed-design': 'Design a dish feed',
  analyze: 'Analyze over frequency',
  pattern: 'Pattern',
  field: 'Far field',
  'phase-center': 'Phase centre',
  dish: 'Dish efficiency',
  parts: 'Parts to build it',
  waveguides: 'Waveguides',
};

const page = {
  engine: null,     // a promise of the engine, from the moment the page starts
  ready: false,     // whether the engine has answered
  verbs: [],
  form: null,
  catalogue: [],    // the waveguide catalogue's rows, for the waveguide list
  last: null,       // the shown answer: {verb, options, answer, result}
  pending: null,    // a run waiting for the form's edits to settle
  ticket: 0,        // the number of the newest run
  runs: 0,          // runs shown
};

function byId(id) {
  return document.getElementById(id);
}

function findVerb(name) {
  return page.verbs.find((verb) => verb.name === name) || null;
}

function flagNames(verb) {
  return new Set(verb.options.filter((option) => option.value === '').map((option) => option.name));
}

function reason(error) {
  return error && error.message ? error.message : String(error);
}

// One request through the request layer: its answer, or null when a newer
// request replaced it; a failure of the engine itself (which the layer never
// throws) becomes an answer too.
async function ask(verb, options) {
  let engine;
  try {
    engine = await page.engine;
  } catch (error) {
    return { status: INTERNAL_ERROR, error: `The calculation engine could not start in this browser: ${reason(error)}` };
  }
  page.ready = true;
  const text = await engine.ask(verb, options, readFormFiles(page.form));
  if (text === null) return null;
  try {
    return JSON.parse(text);
  } catch (error) {
    return { status: INTERNAL_ERROR, error: `internal error: ${error.message}` };
  }
}

// The verb radio buttons, built once so that keyboard focus stays on them
// while the form below changes.
function buildVerbChoice() {
  const fieldset = byId('verbs');
  for (const verb of page.verbs) {
    const radio = element('input', { type: 'radio', name: 'verb', value: verb.name, id: `verb-${verb.name}` });
    const text = element('span');
    text.append(VERB_TITLES[verb.name] || verb.name, element('small', {}, verb.summary));
    const label = element('label', { for: radio.id });
    label.append(radio, text);
    fieldset.append(label);
  }
}

function checkVerb(current) {
  for (const radio of byId('verbs').querySelectorAll('input')) radio.checked = radio.value === current;
}

function clearResults() {
  byId('summary').textContent = '';
  byId('warnings').replaceChildren();
  byId('table-frame').replaceChildren();
  byId('table-fold').hidden = true;
  byId('follow-ups').replaceChildren();
  byId('downloads').hidden = true;
  renderPlot(byId('plot'), '');
}

function showAnswer(verb, options, answer) {
  const alert = byId('alert');
  clearFieldErrors(page.form);
  const definition = findVerb(verb);
  // Each word unbroken, so that a narrow screen wraps the command between words.
  const words = commandWords(verb, options, definition ? page.form.order : [], definition ? flagNames(definition) : new Set());
  byId('command').replaceChildren(...words.flatMap((word, i) => [i > 0 ? ' ' : '', element('span', {}, word)]));
  if (answer.status !== 0) {
    page.last = null;
    clearResults();
    showFieldError(page.form, answer.option, answer.error);
    alert.textContent = answer.error;
    return false;
  }
  const result = JSON.parse(answer.json);
  page.last = { verb, options, answer, result };
  showDefaultUnit(page.form, options, result.units);
  alert.textContent = '';
  byId('summary').textContent = describeRows(result.rows.length, result.units);
  renderWarnings(byId('warnings'), result.warnings);
  const plotted = renderResults(byId('result-body'), answer, result.rows);
  renderFollowUps(byId('follow-ups'), page.last);
  byId('download-svg').hidden = !plotted;
  byId('download-svg').textContent = verb === 'parts' ? 'Download drawing (SVG)' : 'Download plot (SVG)';
  renderFileDownloads(byId('downloads'), answer, (kind) => download(kind.extension, kind.type));
  byId('downloads').hidden = false;
  return true;
}

// Runs a request and shows it, unless a newer one has started meanwhile;
// the body's data-state, data-runs and data-compute-ms, and a
// "tarniq:updated" event, tell scripts it is done.
async function run(verb, options) {
  const ticket = ++page.ticket;
  const started = performance.now();
  const slow = setTimeout(() => {
    if (ticket === page.ticket) byId('summary').textContent = page.ready ? 'Computing…' : 'Starting the calculation engine…';
  }, 150);
  document.body.dataset.state = 'busy';
  const answer = await ask(verb, options);
  clearTimeout(slow);
  if (answer === null || ticket !== page.ticket) return;
  const ok = showAnswer(verb, options, answer);
  const elapsed = performance.now() - started;
  page.runs += 1;
  document.body.dataset.state = ok ? 'ready' : 'error';
  document.body.dataset.runs = String(page.runs);
  document.body.dataset.computeMs = elapsed.toFixed(1);
  document.dispatchEvent(new CustomEvent('tarniq:updated', { detail: { ok, ms: elapsed } }));
}

function setAddress(verb, options, push) {
  const query = formatQuery(verb, options, page.form.order);
  if (query === location.search) return;
  try {
    if (push) history.pushState(null, '', query);
    else history.replaceState(null, '', query);
  } catch (error) {
    // Some browsers keep the address of a file fixed; the results still follow the form.
  }
}

// The folded options open on a screen wide enough to show them beside the results.
function showForm(definition, options) {
  checkVerb(definition.name);
  page.form = buildForm(byId('fields'), byId('more'), byId('more-fields'), definition, page.catalogue);
  page.form.more.open = window.matchMedia('(min-width: 50rem)').matches;
  setFormValues(page.form, options);
}

// The address as the request: its verb (design when none) with the options
// it gives that the page offers, unknown ones too, so that the request layer
// names any mistake.
function loadAddress() {
  cancelPendingEdit();
  let { verb, options } = parseQuery(location.search);
  const empty = location.search.length <= 1;
  if (empty) options = exampleOptions(page.verbs[0].example);
  if (empty || verb === null) verb = page.verbs[0].name;
  const definition = findVerb(verb);
  if (definition) options = pageOptions(definition, options);
  showForm(definition || page.verbs[0], options);
  if (empty) setAddress(verb, options, false);
  run(verb, options);
}

// Drops an edit's run that has not started: what replaces the form runs instead.
function cancelPendingEdit() {
  clearTimeout(page.pending);
  page.pending = null;
}

function runFromForm() {
  page.pending = null;
  updateForm(page.form);
  const verb = page.form.verb.name;
  const options = readFormValues(page.form);
  setAddress(verb, options, false);
  run(verb, options);
}

function onEdit() {
  if (page.pending === null) page.pending = setTimeout(runFromForm, 0);
}

// Another verb starts from its own example, a request that works.
function onVerbChange(name) {
  cancelPendingEdit();
  const definition = findVerb(name);
  const options = pageOptions(definition, exampleOptions(definition.example));
  showForm(definition, options);
  setAddress(name, options, true);
  run(name, options);
}

function download(kind, type) {
  if (!page.last) return;
  const { verb, options, answer } = page.last;
  const stem = fileStem(verb, options);
  if (kind === 'csv') saveText(`${stem}.csv`, answer.csv, 'text/csv');
  if (kind === 'json') saveText(`${stem}.json`, answer.json, 'application/json');
  if (kind === 'svg' && answer.svg) saveText(`${stem}.svg`, answer.svg, 'image/svg+xml');
  const file = (answer.files || []).find((candidate) => candidate.name.endsWith(`.${kind}`));
  if (file) saveBase64(`${stem}.${kind}`, file.base64, type);
}

function wireEvents() {
  const form = byId('request');
  form.addEventListener('submit', (event) => event.preventDefault());
  // Every control, text or choice, reports each edit as an input event. A
  // new unit converts the typed lengths, so that the horn stays the same.
  form.addEventListener('input', (event) => {
    const { name, value, type } = event.target;
    if (name === 'verb') return onVerbChange(value);
    if (type === 'file') return undefined;  // runs once the file is read
    if (name === 'units') convertLengths(page.form, value);
    else noteTyping(page.form, event.target);
    onEdit();
  });
  form.addEventListener('tarniq:file', onEdit);
  window.addEventListener('popstate', loadAddress);
  for (const kind of ['csv', 'json', 'svg']) byId(`download-${kind}`).addEventListener('click', () => download(kind));
  // A table that no longer fits (or fits again) changes its layout.
  const frame = byId('table-frame');
  new ResizeObserver(() => fitTable(frame)).observe(frame);
}

// The form and the verb list come from the verb table built into the page,
// so they show at once; the engine starts meanwhile.
function start() {
  const data = JSON.parse(byId('page-data').textContent);
  page.verbs = data.verbs;
  page.catalogue = data.waveguides;
  page.engine = startEngine(byId('engine-module').textContent);
  buildVerbChoice();
  wireEvents();
  loadAddress();
}

start();
