// The browsers the page is tested in, both driven by puppeteer-core: headless Chromium with WebGL,
// and Firefox ESR, which offers WebGL only with a display, so it runs headful on an Xvfb server of
// its own. The flags and preferences keep a browser on a closed network from calling home.
import puppeteer from 'puppeteer-core';
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';

// WebGL through ANGLE on the system's Mesa: llvmpipe, the rasterizer the native game uses here.
const ChromiumFlags = [
  '--use-angle=gl-egl', '--ignore-gpu-blocklist', '--enable-gpu', '--headless=new', '--no-sandbox',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
  '--disable-quic', '--disable-default-apps', '--disable-extensions', '--mute-audio',
];

const Viewport = { width: 1400, height: 1100 };
const ChromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';
const FirefoxPath = process.env.FIREFOX || '/usr/bin/firefox-esr';

export function launchChromium() {
  return puppeteer.launch({ executablePath: ChromiumPath, headless: true, args: ChromiumFlags,
                            defaultViewport: Viewport });
}

// Starts Xvfb on a display number it picks itself and resolves with ":N" and the server's process.
function startXvfb() {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp', '-noreset'],
                       { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  return new Promise((resolve, reject) => {
    server.on('error', reject);
    server.on('exit', (code) => reject(new Error(`Xvfb ended with status ${code}`)));
    let text = '';
    server.stdio[3].on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) resolve({ display: ':' + text.trim(), server });
    });
  });
}

const FirefoxPrefs = {
  'webgl.force-enabled': true,  // llvmpipe is a software renderer, which Firefox would refuse
  'app.update.enabled': false, 'browser.shell.checkDefaultBrowser': false, 'datareporting.policy.dataSubmissionEnabled': false,
  'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false,
  'extensions.getAddons.cache.enabled': false, 'browser.safebrowsing.update.enabled': false,
};

async function launchFirefox() {
  const { display, server } = await startXvfb();
  try {
    const browser = await puppeteer.launch({
      browser: 'firefox', executablePath: FirefoxPath, headless: false, defaultViewport: Viewport,
      env: { ...process.env, DISPLAY: display }, extraPrefsFirefox: FirefoxPrefs,
    });
    browser.on('disconnected', () => server.kill());
    return browser;
  } catch (e) {
    server.kill();
    throw e;
  }
}

// The engines the tests run in. Firefox is left out, and said to be, when it is not installed.
export const Engines = {
  chromium: { available: true, launch: launchChromium },  // required: its absence is a failure
  firefox: { available: existsSync(FirefoxPath), launch: launchFirefox },
};

// Opens the page with this query and waits for window.gloamdelveResult.
export async function runPage(browser, baseUrl, query, timeoutMs = 60000) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e) + (process.env.GLOAM_WEB_VERBOSE ? e.stack : '')));
  if (process.env.GLOAM_WEB_VERBOSE) page.on('console', (m) => console.error('page:', m.text()));
  await page.goto(baseUrl + '?' + new URLSearchParams(query).toString());
  try {
    await page.waitForFunction(() => window.gloamdelveResult !== undefined, { timeout: timeoutMs, polling: 100 });
  } catch (e) {
    throw new Error(`no result for ${JSON.stringify(query)}: ${errors.join('; ')} ${e.message}`);
  }
  const result = await page.evaluate(() => window.gloamdelveResult);
  await page.close();
  return result;
}
