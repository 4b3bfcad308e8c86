#!/usr/bin/env python3
"""Puts the page together as one self-contained HTML file: the shell with the styles, the script,
the WebAssembly module and the icon inline, and a Content-Security-Policy that allows exactly
these and no connection of any kind.
With --site, also the installable web app, a folder for any static HTTPS host: index.html, the
same page with the app's script, its manifest and icons beside it (the policy lets the page read
only those, and start only its own service worker), and the service worker, which stores every
file of the folder under a name made of the release and the files' content.
Usage: assemble_page.py SHELL STYLE GLUE EMSCRIPTEN_JS WASM ICON OUTPUT
                        [--site DIR APP_SCRIPT MANIFEST WORKER VERSION APP_ICONS...]"""
import base64
import hashlib
import json
import os
import shutil
import sys


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def page(shell, style, script, module, icon, head="", own_files=()):
    """The page; `own_files` names the kinds of request it may also make of its own folder."""
    if "</script" in script.lower() or "</style" in style.lower():
        sys.exit("assemble_page.py: the script or the styles would end their element early")
    # Compiling the module needs 'wasm-unsafe-eval'; nothing else runs but the one script.
    sources = {"default-src": "'none'", "script-src": f"{digest(script)} 'wasm-unsafe-eval'",
               "style-src": digest(style), "img-src": "data:", "connect-src": "'none'",
               "base-uri": "'none'", "form-action": "'none'"}
    for kind in own_files:
        sources[kind] = sources.get(kind, "") + " 'self'"
    policy = "; ".join(f"{kind} {allowed.strip()}" for kind, allowed in sources.items())
    html = read(shell)
    for name, value in (("@CSP@", policy), ("@HEAD@", head), ("@ICON@", icon), ("@STYLE@", style),
                        ("@MODULE@", module), ("@SCRIPT@", script)):
        if name not in html:
            sys.exit(f"assemble_page.py: {shell} has no {name}")
        html = html.replace(name, value)
    return html


def site(folder, inputs, manifest, worker, version, icons):
    # Exactly the app's files, nothing left from an earlier build.
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    head = ('<link rel="manifest" href="manifest.webmanifest">\n'
            '<link rel="apple-touch-icon" href="apple-touch-icon.png">')
    write(os.path.join(folder, "index.html"),
          page(**inputs, head=head, own_files=("manifest-src", "worker-src", "img-src")))
    shutil.copyfile(manifest, os.path.join(folder, "manifest.webmanifest"))
    for icon in icons:
        shutil.copyfile(icon, os.path.join(folder, os.path.basename(icon)))
    files = sorted(os.listdir(folder))
    content = hashlib.sha256()
    for name in files:
        with open(os.path.join(folder, name), "rb") as file:
            content.update(name.encode() + b"\0" + file.read())
    code = read(worker)
    for name, value in (("@RELEASE@", f"{version} {content.hexdigest()[:16]}"), ("@FILES@", json.dumps(files))):
        if name not in code:
            sys.exit(f"assemble_page.py: {worker} has no {name}")
        code = code.replace(name, value)
    write(os.path.join(folder, "sw.js"), code)


def main(args):
    site_args = args[args.index("--site") + 1:] if "--site" in args else []
    shell, style, glue, loader, wasm, icon, output = args[:7]
    with open(wasm, "rb") as file:
        module = base64.b64encode(file.read()).decode()
    with open(icon, "rb") as file:
        icon = "data:image/png;base64," + base64.b64encode(file.read()).decode()
    inputs = {"shell": shell, "style": read(style), "script": read(glue) + "\n" + read(loader),
              "module": module, "icon": icon}
    write(output, page(**inputs))
    if site_args:
        folder, app_script, manifest, worker, version, *icons = site_args
        # The app's script runs between the page's glue and Emscripten's loader.
        inputs["script"] = read(glue) + "\n" + read(app_script) + "\n" + read(loader)
        site(folder, inputs, manifest, worker, version, icons)


main(sys.argv[1:])
