// The form: one labelled field per option of a verb, built from the request layer's verb table.

// Labels for people; "{unit}" is the length unit chosen in the form. An
// option missing here (a new one) is labelled with its name.
const FIELD_LABELS = {
  'e-beamwidth': 'E-plane beamwidth (degrees)',
  'h-beamwidth': 'H-plane beamwidth (degrees)',
  beamwidth: 'Beamwidth (degrees)',
  square: 'Square horn (square waveguide)',
  plane: 'Plane of that beamwidth',
  level: 'Beamwidth level (dB below the peak)',
  s: 'Phase deviation S (wavelengths)',
  method: 'Method',
  frequency: 'Frequency (GHz)',
  gain: 'Gain (dBi)',
  aperture: 'Aperture width, height ({unit})',
  length: 'Axial length ({unit})',
  angles: 'Angles (degrees)',
  polar: 'Polar plot',
  waveguide: 'Feed waveguide',
  'waveguide-size': 'Waveguide inner width, height ({unit})',
  units: 'Units',
  phi: 'φ from the H plane toward the E plane (degrees)',
  theta: 'θ off boresight (degrees)',
  distance: 'Distance of the receiving antenna ({unit})',
  'f-over-d': 'Dish f/D',
  'edge-angle': 'Dish edge angle θ0 (degrees)',
  'edge-taper': 'Edge taper (dB below the peak)',
  offset: 'Feed offset from the focus toward the dish ({unit})',
  'pattern-file': 'Feed pattern file (CSV)',
  from: 'Design results file (JSON)',
  row: 'Row of that file',
  net: 'Lay the panels out as one net',
  tab: 'Glue tab width ({unit})',
  wall: 'Model wall thickness ({unit}; 2 mm if empty)',
  throat: 'Straight waveguide at the model\'s throat ({unit})',
};

const CHOICE_TEXT = {
  cm: 'cm', mm: 'mm', in: 'inches',
  pattern: 'pattern (exact beamwidths)', table: 'table (universal beamwidth table)',
  e: 'E plane', h: 'H plane', average: 'average of E and H',
};

// The waveguide list's entry for a size typed instead.
const CUSTOM_WAVEGUIDE = '';

// Options the page sets itself: the output format (the downloads offer every
// format) and the PDF's paper (PDF drawings are the command line's); the
// files a request writes too (see offeredOptions).
const PAGE_SET_OPTIONS = new Set(['format', 'paper']);

// Files the page asks for itself, per verb, and offers as downloads: the
// options that go with them stay in the form.
const PAGE_SUPPLIED_FILES = { parts: new Set(['drawing', 'model']) };

// When a field is shown, where the verb table does not say: the plane of a
// square horn's beamwidth, and a typed waveguide size. The table's own
// relations (an option that goes with another, a required option that a set
// flag stands in for) need no entry here.
const FIELD_CONDITIONS = {
  plane: (form) => form.given('square'),
  'waveguide-size': (form) => form.customWaveguide() && !form.fields.get('waveguide').wrapper.hidden,
};

// The verb's options that the page offers: all but the files a request
// writes (the page draws the plot itself and offers downloads instead of an
// output file), the options it sets itself, and those that go only with an
// option it does not offer. Files a request reads are chosen from the
// computer.
function offeredOptions(verb) {
  const supplied = PAGE_SUPPLIED_FILES[verb.name] || new Set();
  const withheld = new Set(verb.options
    .filter((option) => option.kind === 'file' || PAGE_SET_OPTIONS.has(option.name))
    .map((option) => option.name));
  return verb.options.filter((option) => !withheld.has(option.name) &&
    (!withheld.has(option.with) || supplied.has(option.with)));
}

// A request's options without those the page does not offer for the verb;
// names the verb lacks stay, so that the request layer names the mistake.
function pageOptions(verb, options) {
  const offered = new Set(offeredOptions(verb).map((option) => option.name));
  const known = new Set(verb.options.map((option) => option.name));
  return Object.fromEntries(Object.entries(options).filter(([name]) => offered.has(name) || !known.has(name)));
}

// The key fields come first; the rest fold under "More options". Key: every
// option a request needs, and the options that stand in for one or that one
// goes with.
function isKeyOption(option, offered) {
  if (option.need !== 'optional') return true;
  return offered.some((other) => other.need !== 'optional' &&
    (other.unless.includes(option.name) || other.with === option.name));
}

function fieldKind(option) {
  if (option.name === 'waveguide') return 'waveguide';
  if (option.kind === 'input') return 'input';
  if (option.value === '') return 'flag';
  if (/^[a-z]+(\|[a-z]+)+$/.test(option.value)) return 'choice';
  return 'text';
}

function element(tag, attributes = {}, text = '') {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
  if (text) node.textContent = text;
  return node;
}

function addChoice(select, value, text) {
  select.append(element('option', { value }, text));
}

// "WR-90 — 0.9 × 0.4 in, 8.2–12.4 GHz" from a row of the waveguide catalogue.
function waveguideText(row) {
  return `${row.name} — ${row.width_in} × ${row.height_in} in, ${row.band_low_ghz}–${row.band_high_ghz} GHz`;
}

// The forms a value takes when it is more than a number: "start:stop:step", "w,h".
function placeholderText(valueName) {
  return valueName.split('|').filter((form) => /[:,]/.test(form)).join(' or ').toLowerCase();
}

function buildControl(option, kind, catalogue) {
  const id = `field-${option.name}`;
  if (kind === 'flag') return element('input', { type: 'checkbox', id, name: option.name });
  if (kind === 'input') {
    const extension = /\.([a-z]+)$/.exec(option.value);
    return element('input', { type: 'file', id, name: option.name, accept: extension ? `.${extension[1]}` : '' });
  }
  if (kind === 'text') {
    return element('input', {
      type: 'text', id, name: option.name, placeholder: placeholderText(option.value),
      autocomplete: 'off', spellcheck: 'false', autocapitalize: 'off',
    });
  }
  const select = element('select', { id, name: option.name });
  if (kind === 'waveguide') {
    for (const row of catalogue) addChoice(select, row.name, waveguideText(row));
    addChoice(select, CUSTOM_WAVEGUIDE, 'Other size (type it below)');
  } else {
    for (const value of option.value.split('|')) addChoice(select, value, CHOICE_TEXT[value] || value);
  }
  return select;
}

// A help line as the page says it: another option, "--name" on the command
// line, by its field's label.
function pageWording(help) {
  return help.replace(/--([a-z][a-z-]*)/g, (match, name) =>
    `“${(FIELD_LABELS[name] || name).replace(/ \(.*\)$/, '')}”`);
}

// One field: label, control, the option's help line, and a place for its error.
function buildField(option, catalogue) {
  const kind = fieldKind(option);
  const control = buildControl(option, kind, catalogue);
  const wrapper = element('div', { class: `field${kind === 'flag' ? ' check' : ''}`, 'data-option': option.name });
  const label = element('label', { for: control.id });
  const labelText = element('span', { class: 'label-text' });
  const hint = element('small', { class: 'hint', id: `hint-${option.name}` }, pageWording(option.help));
  const error = element('p', { class: 'field-error', id: `error-${option.name}` });
  control.setAttribute('aria-describedby', `${hint.id} ${error.id}`);
  if (kind === 'flag') {
    label.append(control, labelText);
    wrapper.append(label, hint, error);
  } else {
    label.append(labelText);
    wrapper.append(label, control, hint, error);
  }
  const field = { option, name: option.name, kind, control, wrapper, labelText, error, typed: null, file: null };
  // A chosen file is read at once; the request names it and carries its text.
  if (kind === 'input') {
    control.addEventListener('change', async () => {
      const chosen = control.files[0];
      field.file = chosen ? { name: chosen.name, text: await chosen.text() } : null;
      control.dispatchEvent(new Event('tarniq:file', { bubbles: true }));
    });
  }
  return field;
}

// The form for one verb: its fields (a Map of name to field), the options'
// order, and the unit the typed lengths are in. The key fields go into
// `container`, the others into `more` (a <details> around moreContainer).
function buildForm(container, more, moreContainer, verb, catalogue) {
  container.replaceChildren();
  moreContainer.replaceChildren();
  const offered = offeredOptions(verb);
  const fields = new Map();
  for (const option of offered) {
    const field = buildField(option, catalogue);
    fields.set(option.name, field);
    (isKeyOption(option, offered) ? container : moreContainer).append(field.wrapper);
  }
  more.hidden = moreContainer.childElementCount === 0;
  const form = { verb, fields, order: verb.options.map((option) => option.name), unit: 'cm', more };
  form.given = (name) => isGiven(form, name);
  form.customWaveguide = () => {
    const waveguide = fields.get('waveguide');
    return Boolean(waveguide && waveguide.control.value === CUSTOM_WAVEGUIDE);
  };
  return form;
}

// Whether the shown form gives the option: a flag set, a text typed, a choice made.
function isGiven(form, name) {
  const field = form.fields.get(name);
  if (!field || field.wrapper.hidden) return false;
  if (field.kind === 'flag') return field.control.checked;
  if (field.kind === 'waveguide') return field.control.value !== CUSTOM_WAVEGUIDE;
  if (field.kind === 'input') return field.file !== null;
  return field.control.value.trim() !== '';
}

// Whether the field belongs to the request as the form stands: the verb
// table's relations, then the page's own conditions.
function isWanted(form, field) {
  const { option } = field;
  if (option.with && form.fields.has(option.with) && !form.given(option.with)) return false;
  // A set flag or a chosen file that stands in for a required option hides it
  // (a square horn's beamwidths; the horn or feed a file holds).
  const standIns = option.need === 'required' ? option.unless : [];
  if (standIns.some((name) => STANDS_IN_AT_ONCE.has(form.fields.get(name)?.kind) && form.given(name))) return false;
  const condition = FIELD_CONDITIONS[field.name];
  return condition ? condition(form) : true;
}

// Fields that stand in for others as soon as they are given; a typed value
// (a waveguide size) only once the request is sent.
const STANDS_IN_AT_ONCE = new Set(['flag', 'input']);

function unitOf(form) {
  const units = form.fields.get('units');
  return units ? units.control.value : 'cm';
}

function updateForm(form) {
  // Flags and files first: the other fields' conditions read them.
  const first = (field) => STANDS_IN_AT_ONCE.has(field.kind);
  const ordered = [...form.fields.values()].sort((a, b) => first(b) - first(a));
  for (const field of ordered) field.wrapper.hidden = !isWanted(form, field);
  const unit = unitOf(form);
  for (const field of form.fields.values())
    field.labelText.textContent = (FIELD_LABELS[field.name] || field.name).replace('{unit}', unit);
}

// Fills the fields from a request's options; a choice the list lacks is added
// so that the request keeps it (and the request layer names it if it is wrong).
function setFormValues(form, options) {
  for (const field of form.fields.values()) {
    const value = options[field.name];
    if (field.kind === 'flag') {
      field.control.checked = value === '' || value === 'true';
    } else if (field.kind === 'text') {
      field.control.value = value === undefined ? '' : value;
    } else if (field.kind === 'input') {
      // An address names a file but cannot hold it: the request names it, and
      // the request layer asks for it again.
      if (value === undefined) field.file = null;
      else if (!field.file || field.file.name !== value) field.file = { name: value, text: null };
    } else if (value === undefined) {
      field.control.selectedIndex = 0;
      if (field.kind === 'waveguide' && options['waveguide-size'] !== undefined) field.control.value = CUSTOM_WAVEGUIDE;
    } else {
      if (![...field.control.options].some((choice) => choice.value === value)) addChoice(field.control, value, value);
      field.control.value = value;
    }
  }
  form.unit = unitOf(form);
  rememberLengths(form);
  updateForm(form);
}

// The request of the shown fields: text when not empty, each choice, a flag
// when set; the custom-size entry of the waveguide list is no option.
function readFormValues(form) {
  const options = {};
  for (const field of form.fields.values()) {
    if (field.wrapper.hidden) continue;
    if (field.kind === 'flag') {
      if (field.control.checked) options[field.name] = 'true';
    } else if (field.kind === 'text') {
      if (field.control.value.trim() !== '') options[field.name] = field.control.value;
    } else if (field.kind === 'input') {
      if (field.file) options[field.name] = field.file.name;
    } else if (!(field.kind === 'waveguide' && field.control.value === CUSTOM_WAVEGUIDE)) {
      options[field.name] = field.control.value;
    }
  }
  return options;
}

// The texts of the files the form's request reads, by the names it gives them.
function readFormFiles(form) {
  const files = {};
  for (const field of form.fields.values())
    if (field.kind === 'input' && field.file && field.file.text !== null && !field.wrapper.hidden)
      files[field.file.name] = field.file.text;
  return files;
}

// A unit left to its default shows the unit the result came in (the
// catalogue's default is inches, the other verbs' centimetres).
function showDefaultUnit(form, options, unit) {
  const units = form.fields.get('units');
  if (!units || options.units !== undefined || units.control.value === unit) return;
  units.control.value = unit;
  form.unit = unit;
  rememberLengths(form);
  updateForm(form);
}

function clearFieldErrors(form) {
  for (const field of form.fields.values()) {
    field.error.textContent = '';
    field.control.removeAttribute('aria-invalid');
  }
}

// Puts the message beside the field of the option it is about (opening the
// folded options when it is there); returns that field's name, or null when
// the form shows no such field.
function showFieldError(form, option, message) {
  const field = option ? form.fields.get(option) : undefined;
  if (!field || field.wrapper.hidden) return null;
  if (form.more.contains(field.wrapper)) form.more.open = true;
  field.error.textContent = message;
  field.control.setAttribute('aria-invalid', 'true');
  return field.name;
}
