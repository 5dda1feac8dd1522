#!/usr/bin/env python3
"""Checks payload.zip field by field against the layout the installer's
reader expects, reading the raw bytes independently of the writer, and
compares every entry with the staged file it was made from.

usage: payload_zip_check.py PAYLOAD_ZIP STAGE_DIR
"""
import os
import struct
import sys
import zipfile

ENTRIES = ["uninstall.exe", "sample.bvt", "readme.txt", "Brivanta.chm", "Brivanta.exe"]

passed = 0
failed = 0


def check(what, condition):
    global passed, failed
    if condition:
        passed += 1
    else:
        failed += 1
        print("FAILED:", what)


def main():
    archive, stage = sys.argv[1], sys.argv[2]
    data = open(archive, "rb").read()

    # End record: the file's last 22 bytes, no comment, one disk.
    eocd = data[-22:]
    sig, disk, cd_disk, here, total, cd_size, cd_offset, comment_len = struct.unpack("<IHHHHIIH", eocd)
    check("end record signature", sig == 0x06054B50)
    check("disk numbers 0", disk == 0 and cd_disk == 0)
    check("5 entries", here == 5 and total == 5)
    check("no archive comment", comment_len == 0)
    check("directory offset equals its computed start", cd_offset == len(data) - cd_size - comment_len - 22)

    # Central directory.
    pos = cd_offset
    central = []
    for index in range(total):
        fields = struct.unpack("<IHHHHHHIIIHHHHHII", data[pos:pos + 46])
        (sig, made_by, needed, flags, method, _time, _date, crc, csize, usize, name_len, extra_len, comment_len,
         disk_start, internal, external, local_offset) = fields
        name = data[pos + 46:pos + 46 + name_len].decode("ascii")
        central.append((name, crc, csize, usize, local_offset))
        check(f"{name}: central signature", sig == 0x02014B50)
        check(f"{name}: made by 0x0B14 (got {made_by:#06x})", made_by == 0x0B14)
        check(f"{name}: version needed 20 (got {needed})", needed == 20)
        check(f"{name}: flags 0 (got {flags:#x})", flags == 0)
        check(f"{name}: deflate", method == 8)
        check(f"{name}: no extra field, no comment", extra_len == 0 and comment_len == 0)
        check(f"{name}: disk 0", disk_start == 0)
        text = 1 if name == "readme.txt" else 0
        check(f"{name}: internal attributes {text} (got {internal})", internal == text)
        check(f"{name}: external attributes 0x20 (got {external:#x})", external == 0x20)
        pos += 46 + name_len + extra_len + comment_len
    check("entries in order, exact names", [c[0] for c in central] == ENTRIES)
    check("directory ends at the end record", pos == len(data) - 22)

    # Local headers: from offset 0, each entry's data directly after the previous one.
    expected_offset = 0
    for name, crc, csize, usize, local_offset in central:
        check(f"{name}: local header where expected", local_offset == expected_offset)
        fields = struct.unpack("<IHHHHHIIIHH", data[local_offset:local_offset + 30])
        sig, needed, flags, method, _time, _date, lcrc, lcsize, lusize, name_len, extra_len = fields
        lname = data[local_offset + 30:local_offset + 30 + name_len].decode("ascii")
        check(f"{name}: local signature", sig == 0x04034B50)
        check(f"{name}: local fields match", (lname, needed, flags, method, lcrc, lcsize, lusize, extra_len) ==
              (name, 20, 0, 8, crc, csize, usize, 0))
        expected_offset = local_offset + 30 + name_len + extra_len + csize
    check("directory directly after the last entry's data", expected_offset == cd_offset)

    # Contents, through an independent reader.
    with zipfile.ZipFile(archive) as z:
        check("zipfile test", z.testzip() is None)
        for name in ENTRIES:
            staged = open(os.path.join(stage, name), "rb").read()
            check(f"{name}: content equals the staged file", z.read(name) == staged)
    readme = open(os.path.join(stage, "readme.txt"), "rb").read()
    check("readme.txt has CRLF line endings only", readme.count(b"\n") == readme.count(b"\r\n") > 0)

    print(f"payload.zip check: {passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
