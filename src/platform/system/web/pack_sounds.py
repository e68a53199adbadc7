#!/usr/bin/env python3
"""Packs the game's sounds for the page, much smaller.

Every sound is packed losslessly: sample differences from what the two
samples before predict are small, and written as such (low bytes, then high
bytes) they deflate to about half. The long ones (the music) are also
encoded as Ogg Vorbis, which browsers decode themselves, at a tenth of
that. load.js decodes the Vorbis file into the game's WAV file (the bytes
around the samples are the original's), and takes the lossless file where
the browser cannot decode Vorbis; the short effects are always lossless,
as Vorbis would blur their clicks for a few bytes saved.

    pack_sounds.py SOUND_DIR OUT_DIR PATTERN

writes OUT_DIR/FILE.z for every file of SOUND_DIR whose name matches PATTERN
(for example "DatSnd*.dat"), OUT_DIR/FILE.ogg for the long ones, and
OUT_DIR/sounds.json, the list the page reads: each file's name, packed size
and SHA-256 (the page keeps what it unpacked under it), the offset and
length of its samples, and for a Vorbis one the file's size and SHA-256
(likewise for what it decoded), its sample format and the bytes before and
after its samples (base64). A
packed file is the file deflated (zlib), with its samples replaced by the
predictor's residuals, so the page can inflate it as it arrives.
oggenc (vorbis-tools) encodes; with its stream serial fixed, the same
sounds give the same files every build.
"""
import array
import base64
import fnmatch
import hashlib
import json
import os
import struct
import subprocess
import sys
import zlib

# Vorbis quality 7: every music loop stays above 32 dB signal to noise
# against its WAV file (6 comes within 1 dB of 30 dB); sounds shorter than
# two seconds stay lossless.
VORBIS_QUALITY = '7'
VORBIS_FROM_SECONDS = 2


def sample_span(data):
    """Offset and byte length of the 16-bit samples of the RIFF/WAVE inside,
    with their channel count and rate."""
    riff = data.find(b'RIFF')
    if riff < 0 or data[riff + 8:riff + 12] != b'WAVE':
        raise ValueError('no RIFF/WAVE data')
    at = riff + 12
    bits = None
    while at + 8 <= len(data):
        chunk, size = data[at:at + 4], struct.unpack_from('<I', data, at + 4)[0]
        if chunk == b'fmt ' and at + 24 <= len(data):
            channels, rate = struct.unpack_from('<HI', data, at + 10)
            bits = struct.unpack_from('<H', data, at + 22)[0]
        if chunk == b'data':
            if bits != 16:
                raise ValueError('not 16-bit samples')
            size = min(size, len(data) - at - 8) & ~(2 * channels - 1)
            return at + 8, size, channels, rate
        at += 8 + size + (size & 1)
    raise ValueError('no data chunk')


def vorbis(samples, channels, rate):
    """The samples (16-bit little-endian) as an Ogg Vorbis file."""
    try:
        run = subprocess.run(['oggenc', '--quiet', '-q', VORBIS_QUALITY, '--serial', '1', '-r', '-B', '16', '-C',
                              str(channels), '-R', str(rate), '-o', '-', '-'],
                             input=samples, capture_output=True, check=False)
    except FileNotFoundError:
        raise ValueError('oggenc is missing (scripts/install-deps web installs vorbis-tools)')
    if run.returncode != 0 or not run.stdout.startswith(b'OggS'):
        raise ValueError('oggenc failed: ' + run.stderr.decode(errors='replace').strip())
    return run.stdout


def pack(data):
    start, length, _, _ = sample_span(data)
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
            _, _, channels, rate = sample_span(data)
            entry = {'name': name, 'bytes': len(packed), 'sha256': hashlib.sha256(packed).hexdigest(),
                     'start': start, 'length': length}
            if length >= VORBIS_FROM_SECONDS * rate * channels * 2:
                encoded = vorbis(data[start:start + length], channels, rate)
                with open(os.path.join(out, name + '.ogg'), 'wb') as f:
                    f.write(encoded)
                entry['vorbis'] = {'bytes': len(encoded), 'sha256': hashlib.sha256(encoded).hexdigest(),
                                   'channels': channels, 'rate': rate,
                                   'head': base64.b64encode(data[:start]).decode(),
                                   'tail': base64.b64encode(data[start + length:]).decode()}
        except ValueError as error:
            sys.exit(f'pack_sounds.py: {name}: {error}')
        with open(os.path.join(out, name + '.z'), 'wb') as f:
            f.write(packed)
        listing.append(entry)
    with open(os.path.join(out, 'sounds.json'), 'w') as f:
        json.dump(listing, f)


if __name__ == '__main__':
    main(sys.argv[1:])
