// Downloads: the result's CSV, JSON and SVG, and the parts' DXF and STL, saved as files from what the page holds.

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

function saveBase64(fileName, base64, type) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  saveText(fileName, bytes, type);
}

// The files the request made (the parts' drawing and model), by their extension.
const FILE_DOWNLOADS = [
  { extension: 'dxf', label: 'Download drawing (DXF)', type: 'image/vnd.dxf' },
  { extension: 'stl', label: 'Download model (STL)', type: 'model/stl' },
];

// One button per file of the answer, after the fixed ones; `save` takes the
// file's extension.
function renderFileDownloads(container, answer, save) {
  for (const old of container.querySelectorAll('.file-download')) old.remove();
  for (const kind of FILE_DOWNLOADS) {
    const file = (answer.files || []).find((candidate) => candidate.name.endsWith(`.${kind.extension}`));
    if (!file) continue;
    const button = element('button', { type: 'button', id: `download-${kind.extension}`, class: 'file-download' }, kind.label);
    button.addEventListener('click', () => save(kind));
    container.append(button);
  }
}
