#!/usr/bin/python3
"""Gives a Windows Installer package the summary information a reproducible
build needs, in place:

    msi_summary.py PACKAGE.msi UPGRADE-CODE

wixl stamps the package with the time it ran and a random package code. Here
both times (created, last saved) become SOURCE_DATE_EPOCH, and the package
code becomes a name-based (SHA-1) UUID, in the upgrade code's namespace, of
the SHA-256 of the package's own bytes as they are with a fixed code: so it is
the same for every build of the same content and another for any other
content, as Windows Installer requires of a package code.
"""
import hashlib
import os
import sys
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

# FILETIME counts 100-nanosecond steps from 1601-01-01 UTC.
FILETIME_AT_UNIX_EPOCH = 116444736000000000
PLACEHOLDER = "{00000000-0000-0000-0000-000000000000}"


def set_summary(path, package_code, filetime):
    database = Libmsi.Database.new(path, Libmsi.DbFlags.TRANSACT, None)
    info = Libmsi.SummaryInfo.new(database, 4)
    info.set_string(Libmsi.Property.UUID, package_code)
    info.set_filetime(Libmsi.Property.CREATED_TM, filetime)
    info.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime)
    info.persist()
    database.commit()


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: msi_summary.py PACKAGE.msi UPGRADE-CODE")
    path, upgrade_code = sys.argv[1], sys.argv[2]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    filetime = FILETIME_AT_UNIX_EPOCH + epoch * 10_000_000
    set_summary(path, PLACEHOLDER, filetime)
    with open(path, "rb") as package:
        digest = hashlib.sha256(package.read()).hexdigest()
    code = uuid.uuid5(uuid.UUID(upgrade_code), digest)
    set_summary(path, "{" + str(code).upper() + "}", filetime)
    print(f"{os.path.basename(path)}: package code {{{str(code).upper()}}}")


if __name__ == "__main__":
    main()
