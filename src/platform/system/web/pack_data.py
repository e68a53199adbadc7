#!/usr/bin/env python3
"""Packs the game's pictures, fonts and levels for the page.

    pack_data.py FILE_PACKAGER GAME_DIR SITE_DIR

runs Emscripten's file packager on GAME_DIR/SysData and GAME_DIR/Levels
(mounted at /game; the sounds come apart, see pack_sounds.py) and writes its
loader SITE_DIR/brindlecog-data.js and the package deflated (zlib) as
SITE_DIR/brindlecog.data.z. Deflated whole, the package is 40 % smaller
than with the packager's own LZ4 (which compresses each 8 KB apart, for
reading them compressed); load.js inflates it as it arrives, with the
browser's own DecompressionStream, and hands it to the loader.
"""
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
        # Run from the scratch folder and named as the page fetches it: the
        # loader keeps the name it was given, and a build must not name the
        # folders it was made in (nor differ from one build to the next).
        run = subprocess.run([packager, 'brindlecog.data',
                              '--preload', f'{os.path.abspath(game)}/SysData@/game/SysData',
                              f'{os.path.abspath(game)}/Levels@/game/Levels',
                              '--exclude', '*/DatSnd*.dat',
                              f'--js-output={os.path.abspath(os.path.join(site, "brindlecog-data.js"))}'],
                             stdout=subprocess.DEVNULL, check=False, cwd=scratch)
        if run.returncode != 0:
            sys.exit(f'pack_data.py: the file packager failed ({run.returncode})')
        with open(package, 'rb') as f:
            packed = zlib.compress(f.read(), 9)
    out = os.path.join(site, 'brindlecog.data.z')
    with open(out + '.tmp', 'wb') as f:
        f.write(packed)
    os.replace(out + '.tmp', out)


if __name__ == '__main__':
    main(sys.argv[1:])
