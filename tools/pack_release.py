#!/usr/bin/python3
"""Packs the release laid out in a folder: the zip of Morvane.exe and its sounds, and SHA256SUMS of those
three files and the zip. Standard library only. The same files give the same bytes whoever packs them,
wherever and whenever: every entry carries the same time, the same permissions and no extra fields, in a
fixed order.

    python3 tools/pack_release.py DIST ZIP_NAME

The time is SOURCE_DATE_EPOCH (seconds since 1970, UTC) where it is set; otherwise the time of the commit
checked out, and outside a git checkout 1980-01-01 00:00:00, the earliest time a zip holds.
"""
import hashlib
import os
import subprocess
import sys
import time
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FILES = ("Morvane.exe", "Sounds/Clock.wav", "Sounds/Alarm.wav")
EARLIEST = (1980, 1, 1, 0, 0, 0)


def entry_time():
    epoch = os.environ.get("SOURCE_DATE_EPOCH") or commit_time()
    if not epoch:
        return EARLIEST
    return max(EARLIEST, tuple(time.gmtime(int(epoch)))[:6])


def commit_time():
    try:
        return subprocess.run(["git", "-C", str(ROOT), "log", "-1", "--format=%ct"], capture_output=True,
                              text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return None


def write_zip(folder, name, when):
    with zipfile.ZipFile(folder / name, "w") as archive:
        for file in FILES:
            entry = zipfile.ZipInfo(file, date_time=when)
            entry.create_system = 3  # Unix, wherever it is packed, so that the permissions below are read
            entry.external_attr = 0o100644 << 16  # a plain file, readable by all
            archive.writestr(entry, (folder / file).read_bytes(), zipfile.ZIP_DEFLATED, 9)


def write_sums(folder, name):
    lines = [f"{hashlib.sha256((folder / file).read_bytes()).hexdigest()}  {file}\n" for file in FILES + (name,)]
    (folder / "SHA256SUMS").write_bytes("".join(lines).encode())


if __name__ == "__main__":
    dist, zip_name = Path(sys.argv[1]), sys.argv[2]
    write_zip(dist, zip_name, entry_time())
    write_sums(dist, zip_name)
