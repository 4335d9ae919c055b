// Headless Chromium for the page tests: launched offline with a fresh profile, pages watched for errors and requests.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

// Without the background-networking flags Chromium tries to reach its
// services, which a closed network refuses noisily.
const CHROMIUM_FLAGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'tarniq-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...CHROMIUM_FLAGS, `--user-data-dir=${profile}`],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A page that records its script errors, console errors and every request.
export async function watchedPage(browser, { width = 1280, height = 900 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  const log = { errors: [], requests: [] };
  page.on('pageerror', (error) => log.errors.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warn') log.errors.push(`console: ${message.text()}`);
  });
  page.on('request', (request) => log.requests.push(request.url()));
  return { page, log };
}

// Waits until the page has shown its newest request (results or an error).
export async function settled(page, runsBefore = 0) {
  await page.waitForFunction(
    (before) => ['ready', 'error'].includes(document.body.dataset.state) && Number(document.body.dataset.runs) > before,
    { timeout: 20000 }, runsBefore);
}

export async function openPage(page, url) {
  await page.goto(url);
  await settled(page);
}

export function runsSoFar(page) {
  return page.evaluate(() => Number(document.body.dataset.runs || 0));
}

// What the page shows: columns (by their CSV names) and their headings,
// rows of {key: exact value or null} and their shown texts, warnings, the
// alert and the field errors.
export function readResults(page) {
  return page.evaluate(() => {
    const columns = [...document.querySelectorAll('#table-frame th')].map((th) => th.dataset.key);
    const headings = [...document.querySelectorAll('#table-frame th')].map((th) => th.textContent);
    const rows = [...document.querySelectorAll('#table-frame tbody tr')].map((tr) =>
      Object.fromEntries([...tr.cells].map((td) => [td.dataset.key, td.dataset.value ?? null])));
    const shown = [...document.querySelectorAll('#table-frame tbody tr')].map((tr) =>
      [...tr.cells].map((td) => td.textContent));
    const warnings = [...document.querySelectorAll('#warnings li')].map((li) => ({
      code: li.dataset.code, message: li.textContent }));
    const fieldErrors = Object.fromEntries([...document.querySelectorAll('.field-error')]
      .filter((p) => p.textContent !== '').map((p) => [p.closest('.field').dataset.option, p.textContent]));
    const svg = document.querySelector('#plot svg');
    return {
      state: document.body.dataset.state,
      alert: document.querySelector('[role="alert"]').textContent,
      columns, headings, rows, shown, warnings, fieldErrors,
      plotted: Boolean(svg),
      stacked: Boolean(document.querySelector('#table-frame table.stacked')),
      units: document.getElementById('field-units')?.value ?? null,
      address: location.search,
    };
  });
}
