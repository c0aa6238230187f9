// Headless Chromium with WebGL on SwiftShader, driven by puppeteer-core. The flags keep a browser
// on a closed network from calling home, and let it run as root.
import puppeteer from 'puppeteer-core';

// WebGL backends: ANGLE on the system's Mesa (llvmpipe, the rasterizer the native game uses here),
// or Chromium's own SwiftShader. GLOAMDELVE_WEBGL picks one; llvmpipe is the default.
const Backends = {
  llvmpipe: ['--use-angle=gl-egl', '--ignore-gpu-blocklist', '--enable-gpu'],
  swiftshader: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
};
export const Backend = process.env.GLOAMDELVE_WEBGL || 'llvmpipe';

export const ChromiumFlags = [
  ...Backends[Backend], '--headless=new', '--no-sandbox',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
  '--disable-quic', '--disable-default-apps', '--disable-extensions', '--mute-audio',
];

export function launchChromium() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, args: ChromiumFlags,
    defaultViewport: { width: 1400, height: 1100 },
  });
}

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
