// Starts a kora engine on a free port with a folder of its own, and a
// headless Chromium with an empty profile, for the browser tests.
import { spawn } from 'node:child_process';
import { cpSync, existsSync, mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = dirname(fileURLToPath(import.meta.url));
export const webDir = resolve(here, '..');
export const screenshotDir = resolve(webDir, '..', 'test-output', 'screenshots');

export function koraBinary() {
  const candidates = [process.env.KORA_BIN, ...['build-test', 'build-release', 'build'].map((b) => resolve(webDir, '..', b, 'kora'))];
  const found = candidates.find((c) => c && existsSync(c));
  if (!found) throw new Error('no kora program: build it or set KORA_BIN');
  return found;
}

export const examplesDir = resolve(webDir, '..', 'examples');
export const referenceDir = resolve(webDir, '..', 'tests', 'reference');

function freePort() {
  return new Promise((resolvePort, reject) => {
    const server = createServer();
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolvePort(port));
    });
  });
}

// A kora serving a fresh folder that holds data/ with a copy of the example series.
export async function startKora() {
  const root = mkdtempSync(join(tmpdir(), 'kora-root-'));
  cpSync(examplesDir, join(root, 'data'), { recursive: true });
  const port = await freePort();
  const child = spawn(koraBinary(), ['--port', String(port), '--root', root, '--web', join(webDir, 'dist')], {
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  let errors = '';
  child.stderr.on('data', (d) => (errors += d));
  const url = await new Promise((resolveUrl, reject) => {
    let out = '';
    const timer = setTimeout(() => reject(new Error('kora did not start: ' + errors)), 10000);
    child.stdout.on('data', (d) => {
      out += d;
      const match = /KORA is serving (\S+)/.exec(out);
      if (match) {
        clearTimeout(timer);
        resolveUrl(match[1]);
      }
    });
    child.once('error', (error) => {
      clearTimeout(timer);
      reject(error);
    });
    child.once('exit', (code) => {
      clearTimeout(timer);
      reject(new Error(`kora ended with ${code}: ${errors}`));
    });
  });
  const origin = new URL(url).origin;
  const token = new URL(url).searchParams.get('token');
  return {
    url,
    origin,
    token,
    root,
    async stop() {
      if (child.exitCode === null) {
        child.kill('SIGTERM');
        await new Promise((r) => {
          const t = setTimeout(() => {
            child.kill('SIGKILL');
            r();
          }, 3000);
          child.once('exit', () => {
            clearTimeout(t);
            r();
          });
        });
      }
      rmSync(root, { recursive: true, force: true });
    },
  };
}

export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'kora-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM_BIN ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
    viewport: { width: 1280, height: 860 },
  });
  return {
    context,
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

export async function screenshot(page, name) {
  mkdirSync(screenshotDir, { recursive: true });
  await page.screenshot({ path: join(screenshotDir, `${name}.png`) });
}

// The engine's snapshot, read the way the page reads it.
export async function state(page) {
  return page.evaluate(async () => (await fetch('/api/state')).json());
}

export async function postEvent(page, body) {
  return page.evaluate(async (b) => {
    const r = await fetch('/api/event', { method: 'POST', headers: { 'Content-Type': 'application/json' }, body: b });
    return { status: r.status, body: await r.json() };
  }, typeof body === 'string' ? body : JSON.stringify(body));
}

// A kora, a browser and the workbench page loaded in it; close() ends them.
export async function openWorkbench() {
  const kora = await startKora();
  const browser = await launchBrowser();
  const page = await browser.context.newPage();
  await page.goto(kora.url);
  await page.locator('.menubar-title').first().waitFor();
  return {
    kora,
    browser,
    page,
    async close() {
      await browser.close();
      await kora.stop();
    },
  };
}
