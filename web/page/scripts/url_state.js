// The page's state as text: the query string in the command line's words, the verbs' examples, the equivalent command.

// "verb=gain-design&gain=22.6&..." as {verb, options}; a repeated name keeps
// its last value, as on the command line. The options are all those given;
// the page drops those it does not offer (pageOptions).
function parseQuery(search) {
  const params = new URLSearchParams(search);
  let verb = null;
  const options = {};
  for (const [name, value] of params) {
    if (name === 'verb') verb = value;
    else options[name] = value;
  }
  return { verb, options };
}

// ':' and ',' stay readable in ranges and sizes; everything else is escaped.
function encodeValue(text) {
  return encodeURIComponent(text).replace(/%3A/gi, ':').replace(/%2C/gi, ',');
}

// The query string for a request: the verb first, then the options in the
// verb's own order.
function formatQuery(verb, options, order) {
  const names = Object.keys(options).sort((a, b) => order.indexOf(a) - order.indexOf(b));
  const parts = [`verb=${encodeValue(verb)}`];
  for (const name of names) parts.push(`${encodeValue(name)}=${encodeValue(options[name])}`);
  return `?${parts.join('&')}`;
}

// A verb's example command line ("tarniq-cli design --e-beamwidth 30 ...")
// as options; a flag is an option followed by another option or nothing.
// The page drops those it does not offer (pageOptions).
function exampleOptions(example) {
  const words = example.trim().split(/\s+/).slice(2);
  const options = {};
  for (let i = 0; i < words.length; ++i) {
    if (!words[i].startsWith('--')) continue;
    const name = words[i].slice(2);
    const next = words[i + 1];
    const value = next === undefined || next.startsWith('--') ? 'true' : next;
    if (value !== 'true') ++i;
    options[name] = value;
  }
  return options;
}

// A word as a POSIX shell reads it: bare when safe, else in single quotes.
function shellWord(text) {
  if (/^[A-Za-z0-9_.,:+\-/=]+$/.test(text)) return text;
  return `'${text.replace(/'/g, `'\\''`)}'`;
}

// The words of the command line that gives the same result: a flag alone when set ("" or
// "true"); "--name=value" for a flag's other values and for a value that
// starts with "-", which would read as an option.
function commandWords(verb, options, order, flags) {
  const names = Object.keys(options).sort((a, b) => order.indexOf(a) - order.indexOf(b));
  const words = ['tarniq-cli', shellWord(verb)];
  for (const name of names) {
    const value = options[name];
    const isFlag = flags.has(name);
    if (isFlag && (value === '' || value === 'true')) words.push(shellWord(`--${name}`));
    else if (isFlag || value.startsWith('-')) words.push(shellWord(`--${name}=${value}`));
    else words.push(shellWord(`--${name}`), shellWord(value));
  }
  return words;
}
