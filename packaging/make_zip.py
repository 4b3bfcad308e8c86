#!/usr/bin/env python3
"""Writes a zip (the portable Windows program, the web app's folder) so that the same files always
give the same bytes, whoever builds it.
Usage: make_zip.py ZIP EPOCH FILE...   (FILE relative to the working directory, kept in order)

libarchive, behind `cmake -E tar`, stores each file's access and change times and its owner's
ids, and turns the time into local time: here the entries carry only the name, flagged UTF-8 when
it is not ASCII, one time (EPOCH, as UTC), and 755 or 644 after the owner's execute bit."""
import os
import sys
import time
import zipfile

path, epoch, names = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
with zipfile.ZipFile(path, "w") as archive:
    for name in names:
        entry = zipfile.ZipInfo(name, time.gmtime(epoch)[:6])
        entry.create_system = 3  # Unix, so that the permissions below mean what they say
        entry.external_attr = (0o100755 if os.stat(name).st_mode & 0o100 else 0o100644) << 16
        with open(name, "rb") as file:
            archive.writestr(entry, file.read(), zipfile.ZIP_DEFLATED, 9)
