// The browser build against the native headless game, in real headless Chromium: the same seed
// and the same input script must give the same world, the same state (sleptMs included), the same
// route for a right-click walk, and (within rasterizer differences) the same first-person picture.
// Usage: node --test tests/web/   (GLOAMDELVE_NATIVE, GLOAMDELVE_WEB and GLOAMDELVE_DATA: see below)
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/serve.mjs';
import { launchChromium, runPage } from './browser.mjs';

const Root = fileURLToPath(new URL('../..', import.meta.url));
const Native = process.env.GLOAMDELVE_NATIVE || join(Root, 'build/gloamdelve');
const WebDir = process.env.GLOAMDELVE_WEB || join(Root, 'build-web');
const DataDir = process.env.GLOAMDELVE_DATA || join(Root, 'build/data');

let server, baseUrl, browser, scratch;

before(async () => {
  scratch = mkdtempSync(join(tmpdir(), 'gloam-web-'));
  ({ server, url: baseUrl } = await serve(WebDir));
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  server?.close();
  rmSync(scratch, { recursive: true, force: true });
});

// The page and the native headless game with the same options, which must agree on the world and
// the state: returns the page's result and the native game's state and screenshot.
async function runBoth(name, run) {
  const query = Object.fromEntries(Object.entries(run).filter(([, value]) => value !== undefined));
  const web = await runPage(browser, baseUrl, query);
  const file = (suffix) => join(scratch, `${name}.${suffix}`);
  const args = ['--headless', '--data', DataDir, '--seed', String(run.seed), '--frames', String(run.frames),
                '--state', file('json'), '--dump-world', file('bin'), '--screenshot', file('png')];
  if (run.fps !== undefined) args.push('--fps', String(run.fps));
  if (run.comfort) args.push('--comfort');
  if (run.input) {
    writeFileSync(file('input'), run.input);
    args.push('--input', file('input'));
  }
  execFileSync(Native, args, { stdio: ['ignore', 'ignore', 'inherit'] });
  const native = { state: JSON.parse(readFileSync(file('json'), 'utf8')), png: readFileSync(file('png')) };
  assert.deepEqual(web.state, native.state, `state of ${name}`);
  const nativeWorld = createHash('sha256').update(readFileSync(file('bin'))).digest('hex');
  assert.equal(web.worldSha256, nativeWorld, `world of ${name}`);
  return [web, native];
}

// Fraction of equal pixels between the page's screenshot and the native PNG, decoded by the browser.
async function samePixelFraction(webPng, nativePng) {
  const page = await browser.newPage();
  const fraction = await page.evaluate(async (...urls) => {
    const [x, y] = await Promise.all(urls.map(async (url) => {
      const image = await createImageBitmap(await (await fetch(url)).blob());
      const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, image.width, image.height);
    }));
    if (x.width !== y.width || x.height !== y.height) return -1;
    let same = 0;
    for (let i = 0; i < x.data.length; i += 4)
      if (x.data[i] === y.data[i] && x.data[i + 1] === y.data[i + 1] && x.data[i + 2] === y.data[i + 2]) ++same;
    return same / (x.width * x.height);
  }, webPng, 'data:image/png;base64,' + nativePng.toString('base64'));
  await page.close();
  return fraction;
}

// Each seed once uncapped and once paced (a scripted run keeps the pace it is given).
test('a seed gives the native world and state', async () => {
  for (const [index, seed] of [1, 7, 31337, 4000000000].entries()) {
    const run = { seed, frames: 3, fps: index % 2 ? 30 : undefined };
    const [web] = await runBoth(`seed${seed}`, run);
    assert.equal(web.exitStatus, 0, `seed ${seed}`);
    assert.equal(web.state.fps, run.fps ?? 0);
  }
});

test('comfort mode gives the native state', async () => {
  // Tab, H, Enter: the comfort console takes the typed line and reports on it.
  const run = { seed: 31337, frames: 40, comfort: 1, input: '2 down 9\n3 up 9\n5 down 72\n6 up 72\n8 down 13\n9 up 13\n' };
  const [, native] = await runBoth('comfort', run);
  assert.notEqual(native.state.console.result, '', 'the console must report for the test to mean anything');
});

test('a scripted right-click walk stores the native route', async () => {
  // F6 opens the top-down map; the right button at a floor pixel orders the walk.
  const input = '1 down 117\n2 up 117\n3 mouse 40 105\n5 down 2\n6 up 2\n';
  const run = { seed: 7, frames: 60, input };
  const [, native] = await runBoth('walk', run);  // the route is the state's player.path
  assert.ok(native.state.player.pathLength > 0, 'the click must give a route for the test to mean anything');
});

test('the first-person picture matches the native one', async () => {
  // The middle button held low on the left turns the view along a corridor.
  const run = { seed: 7, frames: 40, input: '0 mouse 10 90\n0 down 4\n3 up 4\n' };
  const [web, native] = await runBoth('look', run);
  const fraction = await samePixelFraction(web.screenshotPng, native.png);
  assert.ok(fraction >= 0.99, `only ${(fraction * 100).toFixed(2)} % of the pixels match`);
});

test('keys and buttons typed on the page reach the game, and the browser keeps none of them', async () => {
  let page = await browser.newPage();
  await page.goto(baseUrl + '?seed=7');
  await page.waitForFunction(() => document.activeElement.id === 'canvas');
  await page.click('#canvas', { button: 'right', offset: { x: 40, y: 40 } });
  const kept = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const taken = (key) => {
      const init = { key, code: key, cancelable: true, bubbles: true };
      const kept = !canvas.dispatchEvent(new KeyboardEvent('keydown', init));
      canvas.dispatchEvent(new KeyboardEvent('keyup', init));
      return kept;
    };
    const menu = !canvas.dispatchEvent(new MouseEvent('contextmenu', { cancelable: true }));
    return { tab: taken('Tab'), f5: taken('F5'), up: taken('ArrowUp'), menu };
  });
  assert.deepEqual(kept, { tab: true, f5: true, up: true, menu: true });
  await page.close();

  // A fresh game (Tab above opened the console): F6 and Escape, as a player types them.
  page = await browser.newPage();
  await page.goto(baseUrl + '?seed=7');
  // The game has shown its first frame and its window has the keyboard.
  await page.waitForFunction(() => Module.gloamLastFrame() && document.activeElement.id === 'canvas');
  await page.keyboard.press('F6');  // a tap shorter than a pass is still seen: the map opens
  await page.waitForFunction(() => Module.gloamLastFrame().width === 640, { polling: 100, timeout: 10000 });
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => window.gloamdelveResult !== undefined, { timeout: 20000 });
  const { state } = await page.evaluate(() => window.gloamdelveResult);
  await page.close();
  assert.deepEqual(state.screen, { width: 640, height: 480, zoom: 1 });
  assert.equal(state.quitRequested, 1);
  assert.equal(state.fps, 60, 'a live page is paced as a desktop window is');
});
