#!/usr/bin/env python3
"""Writes the site's service worker with the release it keeps.

    stamp_site.py SITE_DIR TEMPLATE

lists every file of SITE_DIR (but the worker itself) with its SHA-256 and
writes TEMPLATE to SITE_DIR/sw.js with that list and the release's version,
a hash of the whole list, in place of its `/*SITE*/null`. Any change to any
file makes another version, which browsers see as a new worker, fetch in
the background and keep beside the old release until the player reloads.

The lossless sounds of the music (sounds/NAME.z where sounds.json names a
Vorbis file for NAME) are only for browsers that cannot decode Vorbis, and
the icons only for the browser's tab and an install (which fetches them
itself), the licences only for the page's "Licences" link: they are listed apart, as "later", kept once a page asks for them,
so a first visit does not download them for nothing or twice.
"""
import hashlib
import json
import os
import sys

WORKER = 'sw.js'


def listing(site):
    files = {}
    for folder, subfolders, names in os.walk(site):
        subfolders.sort()
        for name in sorted(names):
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, site).replace(os.sep, '/')
            if relative == WORKER:
                continue
            with open(path, 'rb') as f:
                files[relative] = hashlib.sha256(f.read()).hexdigest()
    return files


def main(args):
    if len(args) != 2:
        sys.exit('usage: stamp_site.py SITE_DIR TEMPLATE')
    site, template = args
    files = listing(site)
    if 'index.html' not in files:
        sys.exit(f'stamp_site.py: {site} has no index.html')
    later = {}
    try:
        with open(os.path.join(site, 'sounds', 'sounds.json')) as f:
            sounds = json.load(f)
    except (OSError, ValueError) as error:
        sys.exit(f'stamp_site.py: sounds/sounds.json: {error}')
    for name in [name for name in files if name.startswith('icons/')]:
        later[name] = files.pop(name)
    # The licences are read by few, and only on the page's link.
    for name in ('LICENSE.txt', 'THIRD-PARTY-NOTICES.txt'):
        if name in files:
            later[name] = files.pop(name)
    for entry in sounds:
        name = 'sounds/' + entry['name'] + '.z'
        if 'vorbis' in entry and name in files:
            later[name] = files.pop(name)
    version = hashlib.sha256(json.dumps([files, later], sort_keys=True).encode()).hexdigest()[:16]
    with open(template) as f:
        text = f.read()
    if text.count('/*SITE*/null') != 1:
        sys.exit(f'stamp_site.py: {template} has no single /*SITE*/null')
    site_json = json.dumps({'version': version, 'files': files, 'later': later}, sort_keys=True)
    out = os.path.join(site, WORKER)
    with open(out + '.tmp', 'w') as f:
        f.write(text.replace('/*SITE*/null', site_json))
    os.replace(out + '.tmp', out)


if __name__ == '__main__':
    main(sys.argv[1:])
