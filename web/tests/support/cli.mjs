// tarniq-cli for the page tests: the same request on the command line, its JSON, CSV, SVG and error line.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const FLAGS = new Set(['square', 'polar', 'net']);

export function cliPath() {
  const path = process.env.TARNIQ_CLI;
  if (!path || !existsSync(path)) throw new Error(`set TARNIQ_CLI to a built tarniq-cli (now "${path}")`);
  return path;
}

// A page address's request as command-line arguments: flags alone, values
// as --name=value (a value may start with '-').
export function cliArguments(query) {
  const params = new URLSearchParams(query);
  const args = [params.get('verb') || 'design'];
  for (const [name, value] of params) {
    if (name === 'verb') continue;
    if (FLAGS.has(name) && (value === '' || value === 'true')) args.push(`--${name}`);
    else args.push(`--${name}=${value}`);
  }
  return args;
}

// Runs the request as the page does (with a plot where the verb draws one, and the parts' files):
// {status, json, csv, svg, error} with error the message without its frame.
export function runCli(query) {
  const args = cliArguments(query);
  const folder = mkdtempSync(join(tmpdir(), 'tarniq-cli-'));
  try {
    const plots = cliHelp(args[0]).some((entry) => entry.name === 'plot');
    const plot = plots ? ['--plot', join(folder, 'plot.svg')] : [];
    // The page makes the parts' drawing and model too.
    if (args[0] === 'parts') plot.push('--drawing', join(folder, 'parts.dxf'), '--model', join(folder, 'parts.stl'));
    const json = spawnSync(cliPath(), [...args, '--format=json', '--output', join(folder, 'out.json'), ...plot]);
    const csv = spawnSync(cliPath(), [...args, '--format=csv', '--output', join(folder, 'out.csv'), ...plot]);
    const stderr = json.stderr.toString();
    const error = stderr.split('\n').find((line) => line.startsWith('tarniq-cli: error: ')) ?? '';
    return {
      status: json.status,
      json: json.status === 0 ? readFileSync(join(folder, 'out.json'), 'utf8') : null,
      csv: csv.status === 0 ? readFileSync(join(folder, 'out.csv'), 'utf8') : null,
      svg: json.status === 0 && plot.length > 0 ? readFileSync(join(folder, 'plot.svg'), 'utf8') : '',
      error: error.replace('tarniq-cli: error: ', '').replace(/ \(see tarniq-cli [a-z-]* ?--help\)$/, ''),
    };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// The options of `tarniq-cli VERB --help`, in order: [{name, text}] with text
// all that follows "--name" in its entry (the value's name, then the help
// line), blanks run together; -h,--help left out.
export function cliHelp(verb) {
  const help = spawnSync(cliPath(), [verb, '--help']).stdout.toString();
  const entries = [];
  for (const line of help.split('\n').slice(help.split('\n').indexOf('Options:') + 1)) {
    if (line.trim() === '') break;
    const entry = /^ {2}(?:-[a-z],)?--([a-z0-9-]+)(.*)$/.exec(line);
    if (entry) entries.push({ name: entry[1], text: entry[2] });
    else entries[entries.length - 1].text += ` ${line}`;
  }
  return entries.filter((entry) => entry.name !== 'help').map(({ name, text }) => ({ name, text: text.replace(/\s+/g, ' ').trim() }));
}

// The verbs `tarniq-cli --help` lists, in order.
export function cliVerbs() {
  const help = spawnSync(cliPath(), ['--help']).stdout.toString();
  return /Subcommands:\n([\s\S]*?)\n\n/.exec(help)[1].split('\n').map((line) => line.trim().split(/\s+/)[0]);
}
