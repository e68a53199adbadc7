#!/usr/bin/env python3
"""Packs the game's sounds for the page, losslessly and much smaller.

Sound samples hardly compress as they are, but the difference between each
sample and the one its two predecessors predict is small: written as such
(low bytes, then high bytes) they deflate to about half. page.js undoes both
steps and puts the very same files into the game's folder.

    pack_sounds.py SOUND_DIR OUT_DIR PATTERN

writes OUT_DIR/FILE.z for every file of SOUND_DIR whose name matches PATTERN
(for example "DatSnd*.dat"), and OUT_DIR/sounds.json, the list the page
reads: each file's name, packed size (for the progress bar), and the offset
and length of its samples. A packed file is the file deflated (zlib), with
its samples replaced by the predictor's residuals, so the page can inflate
it as it arrives.
"""
import array
import fnmatch
import json
import os
import struct
import sys
import zlib


def sample_span(data):
    """Offset and byte length of the 16-bit samples of the RIFF/WAVE inside."""
    riff = data.find(b'RIFF')
    if riff < 0 or data[riff + 8:riff + 12] != b'WAVE':
        raise ValueError('no RIFF/WAVE data')
    at = riff + 12
    bits = None
    while at + 8 <= len(data):
        chunk, size = data[at:at + 4], struct.unpack_from('<I', data, at + 4)[0]
        if chunk == b'fmt ':
            bits = struct.unpack_from('<H', data, at + 22)[0]
        if chunk == b'data':
            if bits != 16:
                raise ValueError('not 16-bit samples')
            size = min(size, len(data) - at - 8) & ~1
            return at + 8, size
        at += 8 + size + (size & 1)
    raise ValueError('no data chunk')


def pack(data):
    start, length = sample_span(data)
    samples = array.array('h')
    samples.frombytes(data[start:start + length])
    if sys.byteorder != 'little':
        samples.byteswap()
    residuals = bytearray(length)
    half = length // 2
    before, before2 = 0, 0
    for k, sample in enumerate(samples):
        residual = (sample - 2 * before + before2) & 0xFFFF
        residuals[k] = residual & 0xFF
        residuals[half + k] = residual >> 8
        before2, before = before, sample
    body = data[:start] + bytes(residuals) + data[start + length:]
    return zlib.compress(body, 9), start, length


def main(args):
    if len(args) != 3:
        sys.exit('usage: pack_sounds.py SOUND_DIR OUT_DIR PATTERN')
    source, out, pattern = args
    names = sorted(n for n in os.listdir(source) if fnmatch.fnmatch(n, pattern))
    if not names:
        sys.exit(f'pack_sounds.py: no {pattern} in {source}')
    os.makedirs(out, exist_ok=True)
    listing = []
    for name in names:
        with open(os.path.join(source, name), 'rb') as f:
            data = f.read()
        try:
            packed, start, length = pack(data)
        except ValueError as error:
            sys.exit(f'pack_sounds.py: {name}: {error}')
        with open(os.path.join(out, name + '.z'), 'wb') as f:
            f.write(packed)
        listing.append({'name': name, 'bytes': len(packed), 'start': start, 'length': length})
    with open(os.path.join(out, 'sounds.json'), 'w') as f:
        json.dump(listing, f)


if __name__ == '__main__':
    main(sys.argv[1:])
