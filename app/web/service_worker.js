// The installed app's service worker. It keeps one release's files and answers from them, so the
// app starts and works without the network, and it takes what another app shares to the tool
// without letting it reach the server. It asks no other origin for anything.
"use strict";

// One store per release and per folder of a site; the build names the release by its files.
const STORE = `weiyuanchuang ${self.registration.scope} @RELEASE@`;
const FILES = @FILES@;

// A release that cannot be stored whole is not installed: the page goes on as it would without
// a worker, and the next visit tries again. Its files come from the host, never from the
// browser's HTTP cache, which may still hold the previous release's.
self.addEventListener("install", (event) => {
  const files = FILES.map((file) => new Request(file, { cache: "reload" }));
  event.waitUntil(caches.open(STORE).then((store) => store.addAll(files)));
});

// This release takes over once no page of the old one is open, so a page never mixes the two;
// then the old store goes.
self.addEventListener("activate", (event) => {
  const mine = `weiyuanchuang ${self.registration.scope} `;
  event.waitUntil(caches.keys().then((names) => Promise.all(
      names.filter((name) => name.startsWith(mine) && name !== STORE).map((name) => caches.delete(name)))));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (!request.url.startsWith(self.registration.scope)) return;
  if (request.method === "POST" && new URL(request.url).searchParams.has("share")) {
    receiveShare(event);
  } else if (request.method === "GET") {
    event.respondWith(answer(request));
  }
});

// Every address of the app is its one page; any other address is one of its files. Looked up
// without opening the store, which would make an empty one where a newer release deleted it.
async function answer(request) {
  try {
    const key = request.mode === "navigate" ? "index.html" : request;
    const found = await caches.match(key, { cacheName: STORE, ignoreSearch: true });
    if (found) return found;
  } catch (error) {
    // No storage (private browsing, a full disk): the folder answers as it would without a worker.
  }
  return fetch(request);
}

// Shares waiting for the page to ask for them.
const shares = [];

// A share arrives as a form POSTed to ./?share. The page comes back by GET from a redirect, so
// neither its address nor the history holds the text, nor does a reload send it again; the text
// itself is handed to the page when it asks.
function receiveShare(event) {
  const fields = event.request.formData().then((form) => ["title", "text", "url"].map((name) => String(form.get(name) ?? "")));
  event.respondWith(Response.redirect("./?shared", 303));
  event.waitUntil(new Promise((delivered) => shares.push({ fields, delivered })));
}

self.addEventListener("message", (event) => {
  if (event.data !== "shared?") return;
  const share = shares.shift();
  if (!share) return;
  event.waitUntil(share.fields.then((fields) => event.source.postMessage({ shared: fields })).finally(share.delivered));
});
