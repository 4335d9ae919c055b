// Downloads: the result's CSV, JSON and SVG saved as files, made in the page from the texts it already holds.

function saveText(fileName, text, type) {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const link = element('a', { href: url, download: fileName });
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  // The browser reads the blob after the click returns.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The file name's stem: the verb and the values that tell results apart
// ("tarniq-gain-design-22.6dbi-11ghz").
function fileStem(verb, options) {
  const parts = ['tarniq', verb];
  if (options.gain) parts.push(`${options.gain}dbi`);
  if (options.frequency) parts.push(`${options.frequency}ghz`);
  return parts.join('-').replace(/[^A-Za-z0-9._-]+/g, '_');
}
