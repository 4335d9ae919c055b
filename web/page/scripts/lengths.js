// Lengths in the form: each length field's text kept as typed, and converted when the unit changes.

// Metres in one of each length unit.
const METRES_PER_UNIT = { cm: 0.01, mm: 0.001, in: 0.0254 };

function lengthFields(form) {
  return [...form.fields.values()].filter((field) => field.option.kind === 'length');
}

// Each length field remembers its text as typed and the unit it was typed
// in, so that switching units and back gives that text again.
function rememberLengths(form, only = null) {
  for (const field of lengthFields(form))
    if (only === null || field === only) field.typed = { unit: form.unit, text: field.control.value };
}

function noteTyping(form, control) {
  const field = form.fields.get(control.name);
  if (field && field.option.kind === 'length') rememberLengths(form, field);
}

// Digits that a typed number states ("10.718": 5, "0.05": 1).
function statedDigits(number) {
  const digits = number.replace(/^[-+]/, '').replace(/e.*$/i, '').replace('.', '').replace(/^0+/, '');
  return Math.max(digits.length, 1);
}

// The numbers of a length's text ("11,8", "1:2:0.1") in another unit:
// between centimetres and millimetres the same digits; to or from inches two
// digits more than typed (at least four), so that the horn stays the same
// far below the results' rounding.
function convertLengthText(text, from, to) {
  const factor = METRES_PER_UNIT[from] / METRES_PER_UNIT[to];
  const extra = from === 'in' || to === 'in' ? 2 : 0;
  return text.replace(/[-+]?(\d+\.?\d*|\.\d+)(e[-+]?\d+)?/gi, (number) => {
    const converted = Number(number) * factor;
    if (!Number.isFinite(converted) || converted === 0) return number;
    return String(Number(converted.toPrecision(Math.min(15, Math.max(4, statedDigits(number) + extra)))));
  });
}

function isLengthUnit(unit) {
  return Object.hasOwn(METRES_PER_UNIT, unit);
}

// The units field changed: each length field's text in the new unit (left
// as it is when either unit is none the page knows; the request layer then
// names the mistake).
function convertLengths(form, to) {
  for (const field of lengthFields(form)) {
    const typed = field.typed || { unit: form.unit, text: field.control.value };
    if (typed.unit === to) field.control.value = typed.text;
    else if (isLengthUnit(typed.unit) && isLengthUnit(to)) field.control.value = convertLengthText(typed.text, typed.unit, to);
  }
  form.unit = to;
}
