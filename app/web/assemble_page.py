#!/usr/bin/env python3
"""Puts the page together as one self-contained HTML file: the shell with the styles, the script,
the WebAssembly module and the icon inline, and a Content-Security-Policy that allows exactly
these and no connection of any kind.
Usage: assemble_page.py SHELL STYLE GLUE EMSCRIPTEN_JS WASM ICON OUTPUT"""
import base64
import hashlib
import sys


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


shell, style, glue, loader, wasm, icon, output = sys.argv[1:8]
script = read(glue) + "\n" + read(loader)
style = read(style)
if "</script" in script.lower() or "</style" in style.lower():
    sys.exit("assemble_page.py: the script or the styles would end their element early")
with open(wasm, "rb") as file:
    module = base64.b64encode(file.read()).decode()
with open(icon, "rb") as file:
    icon = "data:image/png;base64," + base64.b64encode(file.read()).decode()
# Compiling the module needs 'wasm-unsafe-eval'; nothing else runs but the one script.
policy = "; ".join([
    "default-src 'none'",
    f"script-src {digest(script)} 'wasm-unsafe-eval'",
    f"style-src {digest(style)}",
    "img-src data:",
    "connect-src 'none'",
    "base-uri 'none'",
    "form-action 'none'",
])
page = read(shell)
for name, value in (("@CSP@", policy), ("@ICON@", icon), ("@STYLE@", style), ("@MODULE@", module),
                    ("@SCRIPT@", script)):
    if name not in page:
        sys.exit(f"assemble_page.py: {shell} has no {name}")
    page = page.replace(name, value)
with open(output, "w", encoding="utf-8", newline="\n") as file:
    file.write(page)
