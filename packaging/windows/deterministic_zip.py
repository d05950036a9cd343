#!/usr/bin/python3
"""Writes a zip whose bytes depend on nothing but the files' contents and names:

    deterministic_zip.py OUTPUT.zip FILE...

Entries go in the order given, each under the path given (relative, with /
between folders, as zip wants), all dated
SOURCE_DATE_EPOCH (UTC), as a regular file readable by everyone, without the
extra fields (owner, access and creation times) that zip tools add from the
file system.
"""
import os
import sys
import time
import zipfile


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: deterministic_zip.py OUTPUT.zip FILE...")
    output, files = sys.argv[1], sys.argv[2:]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    # A zip keeps local time to the even second and nothing before 1980.
    when = time.gmtime(max(epoch, 315532800))[:6]
    partial = output + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            entry = zipfile.ZipInfo(path.replace(os.sep, "/"), date_time=when)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3  # Unix, so that the mode below is read
            entry.external_attr = 0o100644 << 16
            with open(path, "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    os.replace(partial, output)


if __name__ == "__main__":
    main()
