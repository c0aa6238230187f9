// Live play in headless Chromium: passes a second and CPU in both screen modes, and the page's
// download. Prints a Markdown table. Usage: node tests/web/bench.mjs [seconds per mode] [extra query,
// e.g. fps=0 for the uncapped rate]
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/serve.mjs';
import { Backend, launchChromium } from './browser.mjs';

const Root = fileURLToPath(new URL('../..', import.meta.url));
const WebDir = process.env.GLOAMDELVE_WEB || join(Root, 'build-web');
const Seconds = Number(process.argv[2] || 10);
const ExtraQuery = process.argv[3] ? '&' + process.argv[3] : '';
const TicksPerSecond = 100;  // USER_HZ of /proc/<pid>/stat

// CPU seconds (user + system) of a process and all its descendants.
function treeCpuSeconds(rootPid) {
  const children = new Map();
  const cpu = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    let stat;
    try { stat = readFileSync(`/proc/${name}/stat`, 'utf8'); } catch { continue; }
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    const ppid = Number(fields[1]);
    cpu.set(Number(name), (Number(fields[11]) + Number(fields[12])) / TicksPerSecond);
    if (!children.has(ppid)) children.set(ppid, []);
    children.get(ppid).push(Number(name));
  }
  let total = 0;
  const stack = [rootPid];
  while (stack.length) {
    const pid = stack.pop();
    total += cpu.get(pid) || 0;
    stack.push(...(children.get(pid) || []));
  }
  return total;
}

async function measure(browser, url, mapView) {
  const page = await browser.newPage();
  await page.goto(url + '?seed=7' + ExtraQuery);
  await page.waitForFunction(() => Module.gloamLastFrame() && document.activeElement.id === 'canvas');
  if (mapView) {
    await page.keyboard.press('F6');
    await page.waitForFunction(() => Module.gloamLastFrame().width === 640);
  }
  await new Promise((r) => setTimeout(r, 1000));
  const pid = browser.process().pid;
  const [frames0, cpu0, t0] = [await page.evaluate(() => Module.gloamPresentedFrames()), treeCpuSeconds(pid), Date.now()];
  await new Promise((r) => setTimeout(r, Seconds * 1000));
  const [frames1, cpu1, t1] = [await page.evaluate(() => Module.gloamPresentedFrames()), treeCpuSeconds(pid), Date.now()];
  await page.close();
  const wall = (t1 - t0) / 1000;
  return { passes: (frames1 - frames0) / wall, cpu: (cpu1 - cpu0) / wall };
}

const { server, url } = await serve(WebDir);
const browser = await launchChromium();
const rows = [];
for (const [name, mapView] of [['first-person 320x240 x2', false], ['map 640x480 x1', true]]) {
  const { passes, cpu } = await measure(browser, url, mapView);
  rows.push(`| ${name} | ${Backend} | ${passes.toFixed(1)} | ${(cpu * 100).toFixed(0)} % |`);
}
await browser.close();
server.close();
const files = ['index.html', 'page.js', 'gloamdelve.js', 'gloamdelve.wasm', 'gloamdelve.data'];
const bytes = files.reduce((sum, f) => sum + statSync(join(WebDir, f)).size, 0);
console.log('| view | WebGL | passes/s | CPU (all Chromium processes, % of one core) |\n|---|---|---|---|');
console.log(rows.join('\n'));
console.log(`\nPage download: ${bytes} bytes (${files.join(', ')}).`);
