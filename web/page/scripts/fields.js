// The form: one labelled field per option of a verb, built from the command line's own option table.

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
};

const CHOICE_TEXT = {
  cm: 'cm', mm: 'mm', in: 'inches',
  pattern: 'pattern (exact beamwidths)', table: 'table (as the interactive program)',
  e: 'E plane', h: 'H plane', average: 'average of E and H',
};

// The waveguide list's entry for a size typed instead.
const CUSTOM_WAVEGUIDE = '';

// Fields that belong to one kind of request only; hidden fields are left out
// of the request and the address.
const FIELD_CONDITIONS = {
  beamwidth: (form) => form.square,
  plane: (form) => form.square,
  'e-beamwidth': (form) => !form.square,
  'h-beamwidth': (form) => !form.square,
  'waveguide-size': (form) => form.customWaveguide,
};

function fieldKind(option) {
  if (option.name === 'waveguide') return 'waveguide';
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

// "WR-90 — 0.9 × 0.4 in, 8.2–12.4 GHz" from a row of the waveguides verb.
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

// One field: label, control, the option's help line, and a place for its error.
function buildField(option, catalogue) {
  const kind = fieldKind(option);
  const control = buildControl(option, kind, catalogue);
  const wrapper = element('div', { class: `field${kind === 'flag' ? ' check' : ''}`, 'data-option': option.name });
  const label = element('label', { for: control.id });
  const labelText = element('span', { class: 'label-text' });
  const hint = element('small', { class: 'hint', id: `hint-${option.name}` }, option.help);
  const error = element('p', { class: 'field-error', id: `error-${option.name}` });
  control.setAttribute('aria-describedby', `${hint.id} ${error.id}`);
  if (kind === 'flag') {
    label.append(control, labelText);
    wrapper.append(label, hint, error);
  } else {
    label.append(labelText);
    wrapper.append(label, control, hint, error);
  }
  return { name: option.name, kind, control, wrapper, labelText, error };
}

// The form for one verb: {verb, fields: Map of name to field, order}.
function buildForm(container, verb, catalogue) {
  container.replaceChildren();
  const fields = new Map();
  for (const option of verb.options) {
    if (PAGE_OWNED_OPTIONS.has(option.name)) continue;
    const field = buildField(option, catalogue);
    fields.set(option.name, field);
    container.append(field.wrapper);
  }
  return { verb, fields, order: verb.options.map((option) => option.name) };
}

function formFacts(form) {
  const square = form.fields.get('square');
  const waveguide = form.fields.get('waveguide');
  return {
    square: Boolean(square && square.control.checked),
    customWaveguide: Boolean(waveguide && waveguide.control.value === CUSTOM_WAVEGUIDE),
  };
}

function isShown(field) {
  return !field.wrapper.hidden;
}

function updateForm(form) {
  const facts = formFacts(form);
  const units = form.fields.get('units');
  const unit = units ? units.control.value : 'cm';
  for (const field of form.fields.values()) {
    const condition = FIELD_CONDITIONS[field.name];
    field.wrapper.hidden = condition ? !condition(facts) : false;
    field.labelText.textContent = (FIELD_LABELS[field.name] || field.name).replace('{unit}', unit);
  }
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
    } else if (value === undefined) {
      field.control.selectedIndex = 0;
      if (field.kind === 'waveguide' && options['waveguide-size'] !== undefined) field.control.value = CUSTOM_WAVEGUIDE;
    } else {
      if (![...field.control.options].some((choice) => choice.value === value)) addChoice(field.control, value, value);
      field.control.value = value;
    }
  }
  updateForm(form);
}

// The request of the shown fields: text when not empty, each choice, a flag
// when set; the custom-size entry of the waveguide list is no option.
function readFormValues(form) {
  const options = {};
  for (const field of form.fields.values()) {
    if (!isShown(field)) continue;
    if (field.kind === 'flag') {
      if (field.control.checked) options[field.name] = 'true';
    } else if (field.kind === 'text') {
      if (field.control.value.trim() !== '') options[field.name] = field.control.value;
    } else if (!(field.kind === 'waveguide' && field.control.value === CUSTOM_WAVEGUIDE)) {
      options[field.name] = field.control.value;
    }
  }
  return options;
}

// A unit left to its default shows the unit the result came in (the
// catalogue's default is inches, the other verbs' centimetres).
function showDefaultUnit(form, options, unit) {
  const units = form.fields.get('units');
  if (!units || options.units !== undefined || units.control.value === unit) return;
  units.control.value = unit;
  updateForm(form);
}

function clearFieldErrors(form) {
  for (const field of form.fields.values()) {
    field.error.textContent = '';
    field.control.removeAttribute('aria-invalid');
  }
}

// Puts the message beside the first shown field whose option it names
// ("--frequency ..."); returns that field's name, or null.
function showFieldError(form, message) {
  for (const match of message.matchAll(/--([a-z0-9][a-z0-9-]*)/g)) {
    const field = form.fields.get(match[1]);
    if (field && isShown(field)) {
      field.error.textContent = message;
      field.control.setAttribute('aria-invalid', 'true');
      return field.name;
    }
  }
  return null;
}
