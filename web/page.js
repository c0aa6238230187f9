// The page around the game: turns the query string into the game's command line, says what is
// happening in one status line, and when the game's loop has ended publishes
// window.gloamdelveResult = {state, worldSha256, screenshotPng}.
'use strict';

(function () {
  const StatePath = '/out/state.json';
  const WorldPath = '/out/world.bin';
  const InputPath = '/out/input.txt';
  const status = document.getElementById('status');
  const canvas = document.getElementById('canvas');
  const say = (text) => { status.textContent = text; };

  function webglAvailable() {
    try {
      return !!document.createElement('canvas').getContext('webgl');
    } catch (e) {
      return false;
    }
  }

  // ?seed=S&frames=N&fps=F&input=SCRIPT&comfort: the options of the command line. A run with
  // `frames` or `input` is scripted, as the native --headless run is: input only from the script.
  function commandLine(query) {
    const args = ['--data', '/data'];
    for (const name of ['seed', 'frames', 'fps']) {
      if (query.has(name)) args.push('--' + name, query.get(name));
    }
    if (query.has('comfort') && query.get('comfort') !== '0') args.push('--comfort');
    const scripted = query.has('frames') || query.has('input');
    if (scripted) args.push('--headless');
    if (query.has('input')) args.push('--input', InputPath);
    args.push('--state', StatePath, '--dump-world', WorldPath);
    return args;
  }

  async function sha256Hex(bytes) {
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
    return Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
  }

  function screenshot() {
    const frame = Module.gloamLastFrame && Module.gloamLastFrame();
    return frame ? frame.toDataURL('image/png') : null;
  }

  async function publish(exitStatus) {
    const FS = Module.FS;
    const readText = (path) => { try { return FS.readFile(path, {encoding: 'utf8'}); } catch (e) { return null; } };
    const stateText = readText(StatePath);
    let world = null;
    try { world = FS.readFile(WorldPath); } catch (e) { /* no world was generated */ }
    window.gloamdelveResult = {
      exitStatus,
      state: stateText ? JSON.parse(stateText) : null,
      worldSha256: world ? await sha256Hex(world) : null,
      screenshotPng: screenshot(),
    };
    say(exitStatus === 0 ? 'The game has ended.' : 'The game has ended (status ' + exitStatus + ').');
  }

  if (!webglAvailable()) {
    say('GLOAMDELVE needs WebGL, which this browser does not offer (or has turned off).');
    return;
  }
  const query = new URLSearchParams(location.search);
  window.Module = {
    canvas,
    noInitialRun: true,
    preRun: [() => {
      Module.FS.mkdir('/out');
      if (query.has('input')) Module.FS.writeFile(InputPath, query.get('input'));
    }],
    onRuntimeInitialized: async () => {
      say('Click the game to give it the keyboard. Escape ends it.');
      canvas.focus();
      publish(await Module.gloamRunMain(commandLine(query)));
    },
    showMessage: (line) => { say(line); },
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    setStatus: (text) => { if (text) say(text); },
  };
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  canvas.addEventListener('mousedown', () => canvas.focus());
  const script = document.createElement('script');
  script.src = 'gloamdelve.js';
  document.body.appendChild(script);
})();
