// The page's script: hands the embedded WebAssembly to Emscripten's loader, moves text in and
// out of the module's memory, and carries the page's events to the C++ window
// (ui/web/page_window.cpp), which decides what they mean.
"use strict";

// Whether the main button or a finger is down: a click is complete only once it is released.
// Another button opens a context menu, which may keep its release. The mouse's own events count
// too: WebKit sends no pointer events while it believes another button is still held.
const pointer = { down: false, waiting: [] };
const press = (event) => {
  if (event.button === 0) pointer.down = true;
};
const release = (event) => {
  if (event.button !== 0 && event.type !== "pointercancel") return;
  pointer.down = false;
  for (const task of pointer.waiting.splice(0)) task();
};
for (const type of ["pointerdown", "mousedown"]) addEventListener(type, press, true);
for (const type of ["pointerup", "mouseup", "pointercancel"]) addEventListener(type, release, true);

// Fatal, so that a lone surrogate, which it would replace, sends the text the slower exact way;
// ignoreBOM keeps a byte order mark at the start of an article.
const utf16 = new TextDecoder("utf-16le", { fatal: true, ignoreBOM: true });

var Module = {
  // The module travels inside the page, so that the page needs no request to start.
  wasmBinary: (() => {
    const bytes = atob(document.getElementById("module").textContent);
    const binary = new Uint8Array(bytes.length);
    for (let i = 0; i < bytes.length; ++i) binary[i] = bytes.charCodeAt(i);
    return binary;
  })(),

  // Text crosses code unit by code unit: nothing is lost or changed, lone surrogates included.
  copyInto(string, units) {
    for (let i = 0; i < units.length; ++i) units[i] = string.charCodeAt(i);
  },
  stringOf(units) {
    try {
      return utf16.decode(units);
    } catch (error) {
      // A surrogate without its partner: one code unit at a time.
    }
    const chunks = [];
    for (let i = 0; i < units.length; i += 8192) {
      chunks.push(String.fromCharCode.apply(null, units.subarray(i, i + 8192)));
    }
    return chunks.join("");
  },

  // Called once by the window when Form1 is bound to it.
  connect(page) {
    for (const control of document.querySelectorAll(".control")) {
      control.addEventListener("click", (event) => {
        if (page.click(control.id)) event.preventDefault();
      });
    }
    // As in a desktop window, pressing a button focuses it (Safari would not), and pressing the
    // window's background or a label leaves the focus where it is.
    document.getElementById("frame").addEventListener("mousedown", (event) => {
      const button = event.target.closest("button");
      if (button) button.focus();
      else if (!event.target.closest("textarea")) event.preventDefault();
    });
    const text1 = document.getElementById("Text1");
    // While an input method composes, the box's text is not final yet. An engine commits or drops
    // the composition as the box loses the focus, some only after the blur: until then, whether
    // the box was left empty is not known.
    let composing = false;
    text1.addEventListener("compositionstart", () => { composing = true; });
    text1.addEventListener("compositionend", () => { composing = false; });
    text1.addEventListener("blur", (event) => {
      const to = event.relatedTarget ? event.relatedTarget.id : "";
      if (!composing) page.textLostFocus(to);
      else text1.addEventListener("compositionend", () => page.textLostFocus(to), { once: true });
    });
    text1.addEventListener("input", () => page.textEdited());
    text1.addEventListener("keydown", (event) => {
      const key = event.key.toLowerCase();
      const command = (event.ctrlKey || event.metaKey) && !event.altKey;
      if (command && (key === "z" || key === "y") && page.undo(key === "y" || event.shiftKey)) {
        event.preventDefault();
      }
    });
    const dialog = document.getElementById("message");
    dialog.addEventListener("close", () => page.messageClosed());
    document.getElementById("messageOk").addEventListener("click", () => dialog.close());
    // Enter and Space close the box wherever its focus is, as Esc does.
    dialog.addEventListener("keydown", (event) => {
      if (event.key === "Enter" || event.key === " ") {
        event.preventDefault();
        dialog.close();
      }
    });
    // The installed app's script, where there is one, takes it from here (app/web/site.js).
    if (Module.appConnected) Module.appConnected(page);
  },

  // Calls back once the user action being delivered has been carried out: a press with its
  // release and click, a key with its default action.
  afterInput(page) {
    const finished = () => setTimeout(() => page.inputFinished());
    if (pointer.down) pointer.waiting.push(finished);
    else finished();
  },

  // Calls back once the page has been painted: the frame's callbacks come before its paint.
  afterRepaint(page) {
    requestAnimationFrame(() => setTimeout(() => page.repainted()));
  },
  // Calls back once the frame with the busy cursor has been painted and Chromium's timer for
  // the pointer's shape (50 ms) has fired.
  afterCursorShows(page) {
    requestAnimationFrame(() => setTimeout(() => page.cursorShown(), 100));
  },

  copy(clipboard, id, text) {
    try {
      navigator.clipboard.writeText(text).then(
        () => clipboard.settled(id, true),
        () => clipboard.settled(id, false));
    } catch (error) {
      // No Clipboard API: a page served over plain HTTP.
      clipboard.settled(id, false);
    }
  },
};
