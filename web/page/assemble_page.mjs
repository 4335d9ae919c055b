// Assembles the page into one file: the template with its style, the WebAssembly module, the page's data and scripts inlined.
// Usage: node assemble_page.mjs OUTPUT TEMPLATE STYLE MODULE.js SCRIPT.js...
import { readFileSync, writeFileSync, renameSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const [output, template, style, module, ...scripts] = process.argv.slice(2);
if (!output || !template || !style || !module || scripts.length === 0) {
  console.error('usage: node assemble_page.mjs OUTPUT TEMPLATE STYLE MODULE.js SCRIPT.js...');
  process.exit(2);
}

function fail(message) {
  console.error(`assemble_page: ${message}`);
  process.exit(1);
}

// Inline text must not end its element early (nor open an HTML comment,
// which changes how a script element ends); such text is refused rather than
// rewritten, since a rewrite could change code.
function inlineText(path, closing) {
  const text = readFileSync(path, 'utf8');
  for (const forbidden of [closing, '<!--']) {
    if (text.toLowerCase().includes(forbidden)) fail(`${path} contains "${forbidden}" and cannot be inlined`);
  }
  return text;
}

function replaceOnce(page, marker, text) {
  const at = page.indexOf(marker);
  if (at < 0 || page.indexOf(marker, at + 1) >= 0) fail(`the template needs exactly one ${marker}`);
  return page.slice(0, at) + text + page.slice(at + marker.length);
}

// What the page needs before its engine starts, asked of the same module
// that it will compute with: the verb table (for the form) and the waveguide
// catalogue in inches (for the waveguide list). Each "<" is escaped, so the
// JSON cannot end its script element.
async function pageData(modulePath) {
  const engine = await createRequire(import.meta.url)(resolve(modulePath))();
  const verbs = JSON.parse(engine.verbs());
  const catalogue = JSON.parse(engine.run('waveguides', { units: 'in' }, {}));
  if (!Array.isArray(verbs) || catalogue.status !== 0) fail(`${modulePath} gave no verb table or no catalogue`);
  return JSON.stringify({ verbs, waveguides: JSON.parse(catalogue.json).rows }).replace(/</g, '\\u003c');
}

let page = readFileSync(template, 'utf8');
page = replaceOnce(page, '/* @style */', inlineText(style, '</style'));
page = replaceOnce(page, '/* @data */', await pageData(module));
page = replaceOnce(page, '/* @module */', inlineText(module, '</script'));
page = replaceOnce(page, '/* @script */', scripts.map((path) => inlineText(path, '</script')).join('\n'));
writeFileSync(`${output}.tmp`, page);
renameSync(`${output}.tmp`, output);
