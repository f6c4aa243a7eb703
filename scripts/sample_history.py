#!/usr/bin/env python3
"""Gives one person of a data directory three weeks of readings, for the screenshots.

The person is the one whose dosimeter has the given identifier (decimal digits, as the officer
reads them). One to three readings a day are appended to DB/DataHist.hst, each adding a small
dose to the accumulated dose, which ends as the person's ED in DB/DataUsers.usr, so that the
next reading carries on from there.

Usage: scripts/sample_history.py DIR IDENTIFIER [DAYS]
"""

import datetime
import struct
import sys
from pathlib import Path

USER_SIZE = 6208
HISTORY_SIZE = 48
EPOCH = datetime.date(1899, 12, 30)


def main() -> int:
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    base = Path(sys.argv[1])
    # Identifiers are decimal digits stored digit by digit: "1234" is the value 0x1234.
    identifier = int(sys.argv[2], 16)
    days = int(sys.argv[3]) if len(sys.argv) == 4 else 21

    users = bytearray((base / "DB" / "DataUsers.usr").read_bytes())
    for at in range(0, len(users) - USER_SIZE + 1, USER_SIZE):
        (user_no,) = struct.unpack_from("<i", users, at + 84)
        (dosimeter,) = struct.unpack_from("<q", users, at + 96)
        if dosimeter == identifier:
            break
    else:
        print(f"no person holds dosimeter {sys.argv[2]}", file=sys.stderr)
        return 1

    today = datetime.date.today()
    total = 0.0
    records = bytearray()
    for day in range(days, 0, -1):
        date = (today - datetime.timedelta(days=day) - EPOCH).days
        for k, (hour, minute) in enumerate([(8, 10), (12, 40), (16, 20)][: 1 + day % 3]):
            dose = round(0.02 + 0.01 * ((day * 7 + k * 3) % 9), 2)
            total = round(total + dose, 2)
            time = (hour * 60 + minute) / 1440.0
            records += struct.pack("<ddddi4xq", float(date), time, dose, total, user_no, identifier)
    with open(base / "DB" / "DataHist.hst", "ab") as history:
        history.write(records)
    struct.pack_into("<d", users, at + 88, total)
    (base / "DB" / "DataUsers.usr").write_bytes(bytes(users))
    return 0


if __name__ == "__main__":
    sys.exit(main())
