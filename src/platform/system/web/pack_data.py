#!/usr/bin/env python3
"""Packs the game's pictures, fonts and levels for the page.

    pack_data.py FILE_PACKAGER GAME_DIR SITE_DIR

runs Emscripten's file packager on GAME_DIR/SysData and GAME_DIR/Levels
(mounted at /game; the sounds come apart, see pack_sounds.py) and writes
the package deflated (zlib) as SITE_DIR/brindlecog.data.z and its list
SITE_DIR/brindlecog.data.json: each file's name and place in the package,
the deflated size, and its SHA-256 (the page keeps the inflated package
under it). Deflated whole, the package is 40 % smaller than with the
packager's own LZ4 (which compresses each 8 KB apart, for reading them
compressed); load.js inflates it as it arrives, with the browser's own
DecompressionStream, and puts the files where the game looks. The
packager's own loader is not used: it wants the package before the program
may start loading, and the page loads both at once.
"""
import hashlib
import json
import os
import subprocess
import sys
import tempfile
import zlib


def main(args):
    if len(args) != 3:
        sys.exit('usage: pack_data.py FILE_PACKAGER GAME_DIR SITE_DIR')
    packager, game, site = args
    os.makedirs(site, exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        package = os.path.join(scratch, 'brindlecog.data')
        # Run from the scratch folder: a build must not name the folders it
        # was made in (nor differ from one build to the next).
        run = subprocess.run([packager, 'brindlecog.data',
                              '--preload', f'{os.path.abspath(game)}/SysData@/game/SysData',
                              f'{os.path.abspath(game)}/Levels@/game/Levels',
                              '--exclude', '*/DatSnd*.dat', '--separate-metadata', '--js-output=loader.js'],
                             stdout=subprocess.DEVNULL, check=False, cwd=scratch)
        if run.returncode != 0:
            sys.exit(f'pack_data.py: the file packager failed ({run.returncode})')
        with open(package, 'rb') as f:
            packed = zlib.compress(f.read(), 9)
        with open(os.path.join(scratch, 'loader.js.metadata')) as f:
            files = [{'name': e['filename'], 'start': e['start'], 'end': e['end']} for e in json.load(f)['files']]
    listing = {'bytes': len(packed), 'sha256': hashlib.sha256(packed).hexdigest(), 'files': files}
    for name, content in (('brindlecog.data.z', packed), ('brindlecog.data.json', json.dumps(listing).encode())):
        out = os.path.join(site, name)
        with open(out + '.tmp', 'wb') as f:
            f.write(content)
        os.replace(out + '.tmp', out)


if __name__ == '__main__':
    main(sys.argv[1:])
