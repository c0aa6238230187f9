// The browser side of the web platform: the WebGL context for the first-person scene, the page's
// canvas that shows each presented frame, and the few GL 1.1 calls WebGL lacks or narrows.
// The scene renders on a canvas of its own that never shows; what the player sees is the canvas
// `Module.canvas`, a 2D canvas that each glDrawPixels paints at the pixel zoom.
mergeInto(LibraryManager.library, {
  $GloamWeb__deps: ['$gloamRunMain', 'glBegin', 'glVertex3f', 'glEnd'],
  $GloamWeb: {
    zoomX: 1,
    zoomY: 1,
    sceneCanvas: null,
    contextHandle: 0,
    frameCanvas: null,   // the last presented Framebuffer at its own size: the page's screenshot
    frameImage: null,    // its pixels, reused from frame to frame
    readBuffer: null,
    yieldChannel: null,
    passes: 0,           // passes the game has begun
    presentedFrames: 0,  // of them, those whose picture was drawn
    quadRun: false,
    runVertices: 0,

    // The emulation draws a glBegin run with 16-bit indices from a buffer of 64 Ki vertices, and a
    // run past that draws garbage. A run of quads is therefore cut into runs of at most
    // MaxRunVertices: same quads, same order, same state, so the same picture.
    MaxRunVertices: 16384,
    splitLongQuadRuns: function() {
      var begin = _glBegin, vertex = _glVertex3f, end = _glEnd;
      _glBegin = function(mode) {
        GloamWeb.quadRun = mode == 0x7 /* GL_QUADS */;
        GloamWeb.runVertices = 0;
        begin(mode);
      };
      _glVertex3f = function(x, y, z) {
        vertex(x, y, z);
        if (GloamWeb.quadRun && ++GloamWeb.runVertices == GloamWeb.MaxRunVertices) {
          end();
          begin(0x7);
          GloamWeb.runVertices = 0;
        }
      };
    },
  },
  $GloamWeb__postset: 'Module["gloamLastFrame"] = function() { return GloamWeb.frameCanvas; };' +
                      'Module["gloamRunMain"] = function(args) { return gloamRunMain(args); };' +
                      'Module["gloamPasses"] = function() { return GloamWeb.passes; };' +
                      'Module["gloamPresentedFrames"] = function() { return GloamWeb.presentedFrames; };' +
                      'GloamWeb.splitLongQuadRuns();',

  // Runs main(argc, argv) to its real end, through every yield and pause, and resolves with its
  // status. (A plain run would report main as ended at its first pause.)
  $gloamRunMain: function(args) {
    var words = ['gloamdelve'].concat(args);
    var argv = _malloc(4 * (words.length + 1));
    for (var i = 0; i < words.length; ++i) HEAP32[(argv >> 2) + i] = allocateUTF8(words[i]);
    HEAP32[(argv >> 2) + words.length] = 0;
    return Promise.resolve(ccall('main', 'number', ['number', 'number'], [words.length, argv], {async: true}));
  },

  // Makes the scene's WebGL context current at the window's size, creating it on first use. The
  // page keeps one context for its whole life (the GL emulation is set up for one), so a window
  // made again gets the same context back with its textures freed.
  gloam_web_open_context__deps: ['$GloamWeb', '$GL', '$Browser'],
  gloam_web_open_context: function(width, height) {
    var W = GloamWeb;
    if (!W.sceneCanvas) {
      W.sceneCanvas = document.createElement('canvas');
      W.sceneCanvas.width = width;
      W.sceneCanvas.height = height;
      var attributes = {alpha: false, depth: true, stencil: false, antialias: false,
                        preserveDrawingBuffer: false, majorVersion: 1, minorVersion: 0};
      var handle = GL.createContext(W.sceneCanvas, attributes);
      if (!handle) return 0;
      W.contextHandle = handle;
      GL.makeContextCurrent(handle);
      Module.useWebGL = true;
      Browser.moduleContextCreatedCallbacks.forEach(function(callback) { callback(); });
    } else {
      W.sceneCanvas.width = width;
      W.sceneCanvas.height = height;
      GL.makeContextCurrent(W.contextHandle);
    }
    return W.contextHandle;
  },

  // What deleting the context frees: every texture the game made in it.
  gloam_web_release_context__deps: ['$GloamWeb', '$GL'],
  gloam_web_release_context: function() {
    if (!GloamWeb.contextHandle) return;
    for (var i = 1; i < GL.textures.length; ++i) {
      if (GL.textures[i]) { GLctx.deleteTexture(GL.textures[i]); GL.textures[i] = null; }
    }
    GL.makeContextCurrent(0);
  },

  gloam_web_size_canvas: function(width, height) {
    var canvas = Module.canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
  },

  // A shown window has the keyboard, as a new window on a desktop does; the page hears of it.
  gloam_web_show_canvas: function(visible) {
    Module.canvas.style.visibility = visible ? 'visible' : 'hidden';
    if (visible) Module.canvas.focus();
    if (visible && Module['gloamWindowShown']) Module['gloamWindowShown']();
  },
  gloam_web_pass_begun__deps: ['$GloamWeb'],
  gloam_web_pass_begun: function() { ++GloamWeb.passes; },

  gloam_web_show_cursor: function(visible) { Module.canvas.style.cursor = visible ? 'default' : 'none'; },
  // The tab is the page's and keeps its name; the window's title names the canvas for screen readers.
  gloam_web_set_title: function(title) { Module.canvas.setAttribute('aria-label', UTF8ToString(title)); },

  gloam_web_message: function(caption, text) {
    var line = UTF8ToString(caption) + ': ' + UTF8ToString(text);
    console.error(line);
    if (Module.showMessage) Module.showMessage(line);
  },

  // Lets the browser run (events, painting) and comes back as soon as it has, without the 4 ms
  // floor that nested timers get.
  gloam_web_yield__deps: ['$GloamWeb', '$Asyncify'],
  gloam_web_yield__sig: 'v',
  gloam_web_yield: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      var W = GloamWeb;
      if (!W.yieldChannel) W.yieldChannel = new MessageChannel();
      W.yieldChannel.port1.onmessage = function() { wakeUp(); };
      W.yieldChannel.port2.postMessage(0);
    });
  },

  // The emulation stores a normal as part of the vertex that follows and needs every vertex of a
  // run to carry the same parts, so a normal given once per face (as GL allows) would shift the
  // data of the face's other corners. Lighting is never enabled, and without it GL ignores normals;
  // so here they are not sent at all.
  glNormal3f: function(x, y, z) {},
  glNormal3fv: function(p) {},

  // The part of the page a canvas may fill.
  gloam_web_viewport_width: function() { return document.documentElement.clientWidth; },
  gloam_web_viewport_height: function() { return document.documentElement.clientHeight; },

  glPixelZoom__deps: ['$GloamWeb'],
  glPixelZoom: function(x, y) { GloamWeb.zoomX = x; GloamWeb.zoomY = y; },

  // WebGL has no glDrawPixels. The pixels go to the page's canvas instead, anchored at its
  // lower-left corner as GL's initial raster position is, rows flipped (GL's run bottom up), the
  // alpha ignored as a window without an alpha channel ignores it.
  glDrawPixels__deps: ['$GloamWeb'],
  glDrawPixels: function(width, height, format, type, pixels) {
    if (format != 0x1908 /* GL_RGBA */ || type != 0x1401 /* GL_UNSIGNED_BYTE */) return;
    var W = GloamWeb;
    ++W.presentedFrames;
    if (!W.frameCanvas) W.frameCanvas = document.createElement('canvas');
    var frame = W.frameCanvas;
    if (frame.width != width || frame.height != height || !W.frameImage) {
      frame.width = width;
      frame.height = height;
      W.frameImage = frame.getContext('2d').createImageData(width, height);  // kept: one per size
    }
    var image = W.frameImage;
    var rowBytes = width * 4;
    for (var y = 0; y < height; ++y) {
      var from = pixels + (height - 1 - y) * rowBytes;
      image.data.set(HEAPU8.subarray(from, from + rowBytes), y * rowBytes);
    }
    for (var i = 3; i < image.data.length; i += 4) image.data[i] = 255;
    frame.getContext('2d').putImageData(image, 0, 0);
    var screen = Module.canvas.getContext('2d');
    screen.imageSmoothingEnabled = false;
    var shownHeight = height * W.zoomY;
    screen.drawImage(frame, 0, Module.canvas.height - shownHeight, width * W.zoomX, shownHeight);
  },

  // WebGL reads only RGBA bytes; GL_RGB is read as RGBA and packed.
  glReadPixels__deps: ['$GloamWeb'],
  glReadPixels: function(x, y, width, height, format, type, pixels) {
    if (type != 0x1401 /* GL_UNSIGNED_BYTE */ || (format != 0x1907 && format != 0x1908)) return;
    var count = width * height;
    if (format == 0x1908) {
      GLctx.readPixels(x, y, width, height, format, type, HEAPU8.subarray(pixels, pixels + count * 4));
      return;
    }
    var W = GloamWeb;
    if (!W.readBuffer || W.readBuffer.length != count * 4) W.readBuffer = new Uint8Array(count * 4);
    GLctx.readPixels(x, y, width, height, 0x1908, type, W.readBuffer);
    for (var i = 0, j = pixels; i < count * 4; i += 4, j += 3) {
      HEAPU8[j] = W.readBuffer[i];
      HEAPU8[j + 1] = W.readBuffer[i + 1];
      HEAPU8[j + 2] = W.readBuffer[i + 2];
    }
  },

  // GL 1.1 names a texture's internal format by its component count; WebGL wants the format
  // itself. Only the 8-bit formats the game uploads are handled.
  glTexImage2D__deps: ['$GL'],
  glTexImage2D: function(target, level, internalFormat, width, height, border, format, type, pixels) {
    var byCount = {1: 0x1909, 2: 0x190A, 3: 0x1907, 4: 0x1908};
    var webFormat = byCount[internalFormat] || internalFormat;
    var bytesPerPixel = {0x1909: 1, 0x190A: 2, 0x1907: 3, 0x1908: 4}[format] || 4;
    var data = null;
    if (pixels && width > 0 && height > 0) {
      var rowBytes = Math.ceil(width * bytesPerPixel / GL.unpackAlignment) * GL.unpackAlignment;
      data = HEAPU8.subarray(pixels, pixels + rowBytes * (height - 1) + width * bytesPerPixel);
    }
    GLctx.texImage2D(target, level, webFormat, width, height, border, format, type, data);
  },
});
