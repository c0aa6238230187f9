// The page around the game: turns the query string into the game's command line, says what is
// happening in one status line, offers another game when one ends, and when the game's loop has
// ended publishes window.gloamdelveResult = {exitStatus, state, worldSha256, screenshotPng}.
'use strict';

(function () {
  const StatePath = '/out/state.json';
  const WorldPath = '/out/world.bin';
  const InputPath = '/out/input.txt';
  const status = document.getElementById('status');
  const canvas = document.getElementById('canvas');
  const again = document.getElementById('again');
  const say = (text) => { status.textContent = text; };
  const query = new URLSearchParams(location.search);
  // A run with `frames` or `input` is scripted, as the native --headless run is: input only from
  // the script.
  const scripted = query.has('frames') || query.has('input');
  let playing = false;

  function webglAvailable() {
    try {
      return !!document.createElement('canvas').getContext('webgl');
    } catch (e) {
      return false;
    }
  }

  // ?seed=S&frames=N&fps=F&input=SCRIPT&comfort=0: the options of the command line. The page plays
  // in comfort mode unless comfort=0 asks for the classic game.
  function commandLine() {
    const args = ['--data', '/data'];
    for (const name of ['seed', 'frames', 'fps']) {
      if (query.has(name)) args.push('--' + name, query.get(name));
    }
    if (query.get('comfort') !== '0') args.push('--comfort');
    if (scripted) args.push('--headless');
    if (query.has('input')) args.push('--input', InputPath);
    args.push('--state', StatePath, '--dump-world', WorldPath);
    return args;
  }

  // While a game runs, the status line says whether the keys reach it.
  function showWhoHasTheKeys() {
    if (!playing) return;
    if (scripted) {
      say('Playing the scripted game from the address.');
    } else if (document.hasFocus() && document.activeElement === canvas) {
      say('Playing: the keys and the mouse go to the game. Escape quits.');
    } else {
      say('Click the game to give it the keyboard.');
    }
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
  }

  // One game, start to end; the runtime stays, so the next game starts at once without a reload.
  async function play() {
    playing = true;
    again.hidden = true;
    canvas.classList.remove('ended');
    window.gloamdelveResult = undefined;
    say('Starting the game\u2026');
    const exitStatus = await Module.gloamRunMain(commandLine());
    playing = false;
    await publish(exitStatus);
    say(exitStatus === 0 ? 'The game has ended.' : 'The game has ended (status ' + exitStatus + ').');
    canvas.classList.add('ended');  // the last picture stays, dimmed: it no longer plays
    again.hidden = false;
    again.focus();
  }

  if (!webglAvailable()) {
    say('GLOAMDELVE needs WebGL, which this browser does not offer (or has turned off).');
    return;
  }
  window.Module = {
    canvas,
    noInitialRun: true,
    preRun: [() => {
      Module.FS.mkdir('/out');
      if (query.has('input')) Module.FS.writeFile(InputPath, query.get('input'));
    }],
    onRuntimeInitialized: play,
    gloamWindowShown: showWhoHasTheKeys,
    showMessage: (line) => { say(line); },
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    setStatus: (text) => { if (text) say(text); },
  };
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  canvas.addEventListener('mousedown', () => canvas.focus());
  for (const [target, type] of [[canvas, 'focus'], [canvas, 'blur'], [window, 'focus'], [window, 'blur']])
    target.addEventListener(type, showWhoHasTheKeys);
  again.addEventListener('click', play);
  const script = document.createElement('script');
  script.src = 'gloamdelve.js';
  document.body.appendChild(script);
})();
