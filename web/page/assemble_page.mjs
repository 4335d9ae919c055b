// Assembles the page into one file: the template with its style, the WebAssembly module and the page's scripts inlined.
// Usage: node assemble_page.mjs OUTPUT TEMPLATE STYLE MODULE.js SCRIPT.js...
import { readFileSync, writeFileSync, renameSync } from 'node:fs';

const [output, template, style, module, ...scripts] = process.argv.slice(2);
if (!output || !template || !style || !module || scripts.length === 0) {
  console.error('usage: node assemble_page.mjs OUTPUT TEMPLATE STYLE MODULE.js SCRIPT.js...');
  process.exit(2);
}

// Inline text must not end its element early (nor open an HTML comment,
// which changes how a script element ends); such text is refused rather than
// rewritten, since a rewrite could change code.
function inlineText(path, closing) {
  const text = readFileSync(path, 'utf8');
  for (const forbidden of [closing, '<!--']) {
    if (text.toLowerCase().includes(forbidden)) {
      console.error(`assemble_page: ${path} contains "${forbidden}" and cannot be inlined`);
      process.exit(1);
    }
  }
  return text;
}

function replaceOnce(page, marker, text) {
  const at = page.indexOf(marker);
  if (at < 0 || page.indexOf(marker, at + 1) >= 0) {
    console.error(`assemble_page: the template needs exactly one ${marker}`);
    process.exit(1);
  }
  return page.slice(0, at) + text + page.slice(at + marker.length);
}

let page = readFileSync(template, 'utf8');
page = replaceOnce(page, '/* @style */', inlineText(style, '</style'));
page = replaceOnce(page, '/* @module */', inlineText(module, '</script'));
page = replaceOnce(page, '/* @script */', scripts.map((path) => inlineText(path, '</script')).join('\n'));
writeFileSync(`${output}.tmp`, page);
renameSync(`${output}.tmp`, output);
