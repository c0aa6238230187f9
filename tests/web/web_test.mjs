// The browser build against the native headless game, in Chromium and in Firefox: the same seed and
// input give the same world and state (sleptMs and the route of a walk included) and, within
// rasterizer differences, the same first-person picture; and the page as a player meets it.
// Usage: node --test tests/web/   (GLOAMDELVE_NATIVE, GLOAMDELVE_WEB and GLOAMDELVE_DATA: see below)
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/serve.mjs';
import { Engines, runPage } from './browser.mjs';

const Root = fileURLToPath(new URL('../..', import.meta.url));
const Native = process.env.GLOAMDELVE_NATIVE || join(Root, 'build/gloamdelve');
const WebDir = process.env.GLOAMDELVE_WEB || join(Root, 'build-web');
const DataDir = process.env.GLOAMDELVE_DATA || join(Root, 'build/data');
const Classic = 0;  // the query's comfort=0; without it the page plays comfort mode

let server, baseUrl, scratch;
const nativeRuns = new Map();  // each native game once, whichever engine asks first

before(async () => {
  scratch = mkdtempSync(join(tmpdir(), 'gloam-web-'));
  ({ server, url: baseUrl } = await serve(WebDir));
});

after(() => {
  server?.close();
  rmSync(scratch, { recursive: true, force: true });
});

// The native headless game with the options the page gets: its state, world hash and screenshot.
function runNative(name, run) {
  if (nativeRuns.has(name)) return nativeRuns.get(name);
  const file = (suffix) => join(scratch, `${name}.${suffix}`);
  const args = ['--headless', '--data', DataDir, '--seed', String(run.seed), '--frames', String(run.frames),
                '--state', file('json'), '--dump-world', file('bin'), '--screenshot', file('png')];
  if (run.fps !== undefined) args.push('--fps', String(run.fps));
  if (run.comfort !== Classic) args.push('--comfort');
  if (run.input) {
    writeFileSync(file('input'), run.input);
    args.push('--input', file('input'));
  }
  execFileSync(Native, args, { stdio: ['ignore', 'ignore', 'inherit'] });
  const native = { state: JSON.parse(readFileSync(file('json'), 'utf8')), png: readFileSync(file('png')),
                   worldSha256: createHash('sha256').update(readFileSync(file('bin'))).digest('hex') };
  nativeRuns.set(name, native);
  return native;
}

// The page and the native game with the same options must agree on the world and the state.
async function runBoth(browser, name, run) {
  const query = Object.fromEntries(Object.entries(run).filter(([, value]) => value !== undefined));
  const web = await runPage(browser, baseUrl, query);
  const native = runNative(name, run);
  assert.deepEqual(web.state, native.state, `state of ${name}`);
  assert.equal(web.worldSha256, native.worldSha256, `world of ${name}`);
  return [web, native];
}

// Fraction of equal pixels between the page's screenshot and the native PNG, decoded by the browser.
async function samePixelFraction(browser, webPng, nativePng) {
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

const gameEnded = (page, timeout) =>
  page.waitForFunction(() => window.gloamdelveResult !== undefined, { timeout, polling: 50 });

// Escape as a player presses it, again if the game asks for a second press, until the game ends.
async function quit(page) {
  for (let press = 0; press < 3; ++press) {
    await page.keyboard.press('Escape');
    if (await gameEnded(page, 1500).then(() => true, () => false)) return page.evaluate(() => window.gloamdelveResult);
  }
  throw new Error('Escape did not end the game');
}

// A live game has shown its first frame and its canvas has the keyboard.
const gameShown = (page) =>
  page.waitForFunction(() => window.Module?.gloamLastFrame?.() && document.activeElement.id === 'canvas',
                       { timeout: 20000 });
const statusText = (page) => page.$eval('#status', (e) => e.textContent);

for (const [engine, { available, launch }] of Object.entries(Engines)) {
  describe(engine, { skip: available ? false : `${engine} is not installed` }, () => {
    let browser;
    before(async () => { browser = await launch(); });
    after(async () => { await browser?.close(); });

    // Each seed once uncapped and once paced (a scripted run keeps the pace it is given).
    test('a classic seed gives the native world and state', async () => {
      for (const [index, seed] of [1, 7, 31337, 4000000000].entries()) {
        const run = { seed, frames: 3, fps: index % 2 ? 30 : undefined, comfort: Classic };
        const [web] = await runBoth(browser, `seed${seed}`, run);
        assert.equal(web.exitStatus, 0, `seed ${seed}`);
      }
    });

    test('the page plays comfort mode unless asked for the classic game, as the native --comfort', async () => {
      // Tab, H, Enter: the comfort console takes the typed line and reports on it.
      const console = '2 down 9\n3 up 9\n5 down 72\n6 up 72\n8 down 13\n9 up 13\n';
      for (const run of [{ seed: 31337, frames: 40, input: console }, { seed: 7, frames: 40 }]) {
        const [web] = await runBoth(browser, `comfort${run.seed}`, run);
        assert.ok('result' in web.state.console, `seed ${run.seed}: a comfort state has the console's result`);
      }
      assert.notEqual(runNative('comfort31337').state.console.result, '', 'the console must have reported');
    });

    test('a scripted right-click walk stores the native route', async () => {
      // F6 opens the top-down map; the right button at a floor pixel orders the walk.
      const input = '1 down 117\n2 up 117\n3 mouse 40 105\n5 down 2\n6 up 2\n';
      const [, native] = await runBoth(browser, 'walk', { seed: 7, frames: 60, input, comfort: Classic });
      assert.ok(native.state.player.pathLength > 0, 'the click must give a route for the test to mean anything');
    });

    test('the first-person picture matches the native one', async () => {
      // The middle button held low on the left turns the view along a corridor.
      const run = { seed: 7, frames: 40, input: '0 mouse 10 90\n0 down 4\n3 up 4\n', comfort: Classic };
      const [web, native] = await runBoth(browser, 'look', run);
      const fraction = await samePixelFraction(browser, web.screenshotPng, native.png);
      assert.ok(fraction >= 0.99, `only ${(fraction * 100).toFixed(2)} % of the pixels match`);
    });

    test('keys and buttons typed on the page reach the game, and the browser keeps none of them', async () => {
      const page = await browser.newPage();
      await page.goto(baseUrl + '?seed=7&comfort=0');
      await gameShown(page);
      assert.equal(await page.title(), 'GLOAMDELVE', 'the classic window is titled GAME, the tab is not');
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
    });

    test('the status line says who has the keyboard, and an ended game offers another', async () => {
      const page = await browser.newPage();
      await page.goto(baseUrl + '?seed=7');
      await gameShown(page);
      assert.match(await statusText(page), /^Playing/);
      await page.mouse.click(1300, 1000);  // the page beside the game
      assert.match(await statusText(page), /^Click the game/);
      await page.click('#canvas');
      assert.match(await statusText(page), /^Playing/);
      const first = await quit(page);
      assert.equal(first.state.quitRequested, 1);
      assert.equal(first.state.fps, 60, 'a live page is paced as a desktop window is');
      assert.match(await statusText(page), /has ended/);
      assert.equal(await page.$eval('#again', (e) => !e.hidden && document.activeElement === e), true);

      await page.click('#again');  // a new game, on the same page, with the keyboard
      await gameShown(page);
      assert.equal(await page.$eval('#again', (e) => e.hidden), true);
      assert.match(await statusText(page), /^Playing/);
      await page.keyboard.press('F6');  // a tap shorter than a pass is still seen: the map opens
      await page.waitForFunction(() => Module.gloamLastFrame().width === 640, { polling: 100, timeout: 10000 });
      const second = await quit(page);
      assert.deepEqual(second.state.screen, { width: 640, height: 480, zoom: 1 }, 'the second game took the keys');
      await page.close();
    });

    test('a second game on the same page is the first one again', async () => {
      // A scripted game with a walk and a look, played twice: nothing of the first may be left over.
      const input = '0 mouse 10 90\n0 down 4\n3 up 4\n5 down 117\n6 up 117\n7 mouse 40 105\n9 down 2\n10 up 2\n';
      const page = await browser.newPage();
      await page.goto(baseUrl + '?' + new URLSearchParams({ seed: 7, frames: 40, input }));
      await gameEnded(page, 60000);
      const first = await page.evaluate(() => window.gloamdelveResult);
      await page.click('#again');
      await gameEnded(page, 60000);
      const second = await page.evaluate(() => window.gloamdelveResult);
      await page.close();
      assert.ok(first.state.player.pathLength > 0, 'the walk must be ordered for the test to mean anything');
      assert.deepEqual(second, first);
    });
  });
}
