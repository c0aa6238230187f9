// Live play in headless Chromium: passes a second and CPU in both screen modes, and the page's
// download. Prints a Markdown table. Usage: node bench/web/browser_bench.mjs [seconds per mode] [extra query,
// e.g. fps=0 for the uncapped rate]
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/serve.mjs';
import { launchChromium } from '../../tests/web/browser.mjs';

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

const counters = () => ({ passes: Module.gloamPasses(), drawn: Module.gloamPresentedFrames() });

// Moves the mouse in a circle over the canvas until `until` resolves: every pass has a new cursor
// (the map view draws it) or a new view direction (the first person, with a button held).
async function circleMouse(page, until) {
  const box = await (await page.$('#canvas')).boundingBox();
  const [cx, cy, r] = [box.x + box.width / 2, box.y + box.height / 2, box.height / 4];
  let done = false;
  until.then(() => { done = true; });
  for (let a = 0; !done; a += 0.05) {
    await page.mouse.move(cx + r * Math.cos(a), cy + r * Math.sin(a));
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
}

// Passes and drawn frames a second and the browser's CPU over Seconds of play. A busy run walks
// (first person: left button held) and circles the mouse, so nearly every pass draws a new picture.
async function measure(browser, url, mapView, busy) {
  const page = await browser.newPage();
  await page.goto(url + '?seed=7' + ExtraQuery);
  await page.waitForFunction(() => Module.gloamLastFrame() && document.activeElement.id === 'canvas');
  if (mapView) {
    await page.keyboard.press('F6');
    await page.waitForFunction(() => Module.gloamLastFrame().width === 640);
  }
  const box = await (await page.$('#canvas')).boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  if (busy && !mapView) await page.mouse.down();
  const elapsed = new Promise((r) => setTimeout(r, (Seconds + 1) * 1000));
  const mouse = busy ? circleMouse(page, elapsed) : elapsed;
  await new Promise((r) => setTimeout(r, 1000));
  const pid = browser.process().pid;
  const [c0, cpu0, t0] = [await page.evaluate(counters), treeCpuSeconds(pid), Date.now()];
  await elapsed;
  const [c1, cpu1, t1] = [await page.evaluate(counters), treeCpuSeconds(pid), Date.now()];
  await mouse;
  await page.close();
  const wall = (t1 - t0) / 1000;
  return { passes: (c1.passes - c0.passes) / wall, drawn: (c1.drawn - c0.drawn) / wall, cpu: (cpu1 - cpu0) / wall };
}

const { server, url } = await serve(WebDir);
const browser = await launchChromium();
const rows = [];
for (const [name, mapView] of [['first-person 320x240 x2', false], ['map 640x480 x1', true]]) {
  for (const busy of [false, true]) {
    const { passes, drawn, cpu } = await measure(browser, url, mapView, busy);
    const play = busy ? (mapView ? 'mouse circling' : 'walking, turning') : 'standing';
    rows.push(`| ${name} | ${play} | llvmpipe | ${passes.toFixed(1)} | ${drawn.toFixed(1)} | ${(cpu * 100).toFixed(0)} % |`);
  }
}
await browser.close();
server.close();
const files = ['index.html', 'page.js', 'gloamdelve.js', 'gloamdelve.wasm', 'gloamdelve.data'];
const bytes = files.reduce((sum, f) => sum + statSync(join(WebDir, f)).size, 0);
console.log('| view | play | WebGL | passes/s | drawn/s | CPU (all Chromium processes, % of one core) |\n|---|---|---|---|---|---|');
console.log(rows.join('\n'));
console.log(`\nPage download: ${bytes} bytes (${files.join(', ')}).`);
