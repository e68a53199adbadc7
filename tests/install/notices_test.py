#!/usr/bin/env python3
"""Unpacks downloads and checks what they say about licences: the game's own
LICENSE, and THIRD-PARTY-NOTICES.txt naming every library and font the
download bundles with its licence text (the .deb: its copyright file, as
Debian wants). Nothing in a download may name the building machine's git
identity or the folder it was built in.

    notices_test.py DOWNLOAD...   (.deb, -linux-x86_64.tar.gz, -windows-x64.zip, -web.zip)
"""
import os
import re
import subprocess
import sys
import tempfile
import zipfile

ZLIB = ["provided 'as-is', without any express or implied warranty"]
FTL = ["The FreeType Project LICENSE", "Portions of this software are copyright"]
VERA = ["Bitstream Vera", "Permission is hereby granted, free of charge, to any person obtaining a copy of the fonts"]
EXPAT = ["Permission is hereby granted, free of charge, to any person obtaining a copy of this software"]
FREETYPE_CREDIT = re.compile(r"Portions of this software are copyright \u00a9 \d{4} The FreeType Project "
                             r"\(www\.freetype\.org\)\. All rights reserved\.")

# What each download bundles, and words of each licence its notice must carry.
BUNDLED = {
    "linux": [("SDL2_ttf", ZLIB), ("DejaVu fonts", VERA)],
    "windows": [("SDL2", ZLIB), ("SDL2_ttf", ZLIB), ("FreeType", FTL), ("zlib", ZLIB),
                ("MinGW-w64 C++ runtime", ["GCC RUNTIME LIBRARY EXCEPTION", "GNU GENERAL PUBLIC LICENSE Version 3"]),
                ("MinGW-w64 winpthreads", ["mingw-w64-libraries/winpthreads/*"] + EXPAT),
                ("DejaVu fonts", VERA)],
    "web": [("SDL2", ZLIB), ("SDL2_ttf", ZLIB), ("FreeType", FTL), ("zlib", ZLIB),
            ("Emscripten's C and C++ libraries",
             ["The Emscripten Authors", "musl as a whole is licensed under the following standard MIT license",
              "Apache License Version 2.0", "As an exception, if, as a result of your compiling your source code"]),
            ("DejaVu fonts", VERA)],
}
RULE = "-" * 78

failures = []


def fail(download, message):
    failures.append(f"{os.path.basename(download)}: {message}")


def flat(text):
    """Words only: the texts come wrapped, indented and with Debian's " ." lines."""
    return " ".join(w for w in text.split() if w != ".")


def sections(notices):
    """Library heading -> its text, split at the rules around each heading."""
    lines = notices.splitlines()
    found, current = {}, None
    for i, line in enumerate(lines):
        if line == RULE and i + 2 < len(lines) and lines[i + 2].startswith("Licence:"):
            current = lines[i + 1]
            found[current] = []
        elif current is not None:
            found[current].append(line)
    return {heading: "\n".join(body) for heading, body in found.items()}


def check_notices(download, kind, notices):
    parts = sections(notices)
    for name, phrases in BUNDLED[kind]:
        heading = next((h for h in parts if re.match(rf"{re.escape(name)}\b.* \d[\w.]*$", h)), None)
        if heading is None:
            fail(download, f"the notices do not name {name} with its version")
            continue
        body = flat(parts[heading])
        for phrase in phrases:
            if flat(phrase) not in body:
                fail(download, f"the notice of {name} lacks its licence text (\"{phrase}\")")
    if any(name == "FreeType" for name, _ in BUNDLED[kind]) and not FREETYPE_CREDIT.search(flat(notices)):
        fail(download, "the notices lack FreeType's credit line")


def check_licence(download, text):
    if "MIT License" not in text or "The Brindlecog developers" not in text:
        fail(download, "its LICENSE is not the game's MIT licence")


def git_identity():
    names = []
    for key in ("user.email", "user.name"):
        result = subprocess.run(["git", "config", key], capture_output=True, text=True)
        if result.returncode == 0 and len(result.stdout.strip()) > 3:
            names.append(result.stdout.strip())
    return names


def check_no_identity(download, root):
    # The checkout's folder too: a file naming where it was built names the builder.
    checkout = os.path.realpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    identity = [n.encode() for n in git_identity() + [checkout + "/"]]
    for folder, _, files in os.walk(root):
        for file in files:
            path = os.path.join(folder, file)
            if os.path.islink(path):
                continue
            with open(path, "rb") as f:
                data = f.read()
            for name in identity:
                if name in data:
                    fail(download, f"{os.path.relpath(path, root)} names the builder: {name.decode()}")


def read(path):
    with open(path, encoding="utf-8-sig") as f:
        return f.read()


def check(download, work):
    base = os.path.basename(download)
    root = os.path.join(work, base)
    os.makedirs(root)
    if base.endswith(".deb"):
        subprocess.run(["dpkg-deb", "-x", download, root], check=True)
        copyright_path = os.path.join(root, "usr/share/doc/brindlecog/copyright")
        if not os.path.isfile(copyright_path):
            fail(download, "no /usr/share/doc/brindlecog/copyright")
        else:
            text = read(copyright_path)
            if not re.search(r"^Files: \*\nCopyright: .*The Brindlecog developers\nLicense: Expat$", text, re.M):
                fail(download, "the copyright file does not put Files: * under Expat")
            if flat(EXPAT[0]) not in flat(text) or flat(VERA[1]) not in flat(text):
                fail(download, "the copyright file lacks the Expat or the fonts' licence text")
        maintainer = subprocess.run(["dpkg-deb", "-f", download, "Maintainer"], capture_output=True,
                                    text=True).stdout.strip()
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../packaging/maintainer")) as f:
            if maintainer != f.read().strip():
                fail(download, f"its maintainer is \"{maintainer}\", not the project's address")
        check_no_identity(download, root)
        return
    if base.endswith(".tar.gz"):
        kind = "linux"
        subprocess.run(["tar", "-xzf", download, "-C", root], check=True)
    elif base.endswith(".zip"):
        kind = "web" if base.endswith("-web.zip") else "windows"
        with zipfile.ZipFile(download) as archive:
            archive.extractall(root)
    else:
        fail(download, "not a download this test knows")
        return
    tops = os.listdir(root)
    if kind == "web":
        # A web zip holds the site itself, index.html at its root, as game portals want it.
        folder = root
    elif len(tops) != 1:
        fail(download, f"holds {len(tops)} folders, not one")
        return
    else:
        folder = os.path.join(root, tops[0])
    licence = "LICENSE.txt" if kind == "web" else "LICENSE"
    for name in (licence, "THIRD-PARTY-NOTICES.txt"):
        if not os.path.isfile(os.path.join(folder, name)):
            fail(download, f"no {name}")
            return
    check_licence(download, read(os.path.join(folder, licence)))
    check_notices(download, kind, read(os.path.join(folder, "THIRD-PARTY-NOTICES.txt")))
    if kind == "web" and 'href="THIRD-PARTY-NOTICES.txt"' not in read(os.path.join(folder, "index.html")):
        fail(download, "the page has no link to the notices")
    check_no_identity(download, root)


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with tempfile.TemporaryDirectory() as work:
        for download in sys.argv[1:]:
            check(os.path.abspath(download), work)
    for failure in failures:
        print(f"notices test: {failure}", file=sys.stderr)
    if not failures:
        print(f"notices test: {len(sys.argv) - 1} downloads carry LICENSE and their notices")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
