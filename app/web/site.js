// The installed app's part of the page (index.html only): its service worker, and an article that
// another app shared to it. Without a worker (plain HTTP, a browser that refuses one) the page
// works as the single file does.
"use strict";

Module.appConnected = (page) => {
  if (!("serviceWorker" in navigator)) return;
  navigator.serviceWorker.register("sw.js").catch(() => {});
  if (!new URLSearchParams(location.search).has("shared")) return;
  history.replaceState(null, "", "./");
  navigator.serviceWorker.addEventListener("message", (event) => {
    // A browser's text box holds LF line breaks, and so does a shared text once in it.
    const fields = event.data && event.data.shared;
    if (fields) page.share(...fields.map((field) => field.replace(/\r\n?/g, "\n")));
  });
  navigator.serviceWorker.ready.then(() => navigator.serviceWorker.controller?.postMessage("shared?"));
};
