#!/usr/bin/env python3
"""zxtap.py: put a Z80 code block on a ZX Spectrum tape file (.tap).

    tools/zxtap.py [--name NAME] [--start ADDR] CODE.bin NAME.tap

The tape holds four blocks, each a header or data block in the .tap form
(a 2-byte length, the flag byte, the bytes, an XOR checksum of flag and
bytes): the header of a BASIC program that starts itself at line 10, that
program

    10 CLEAR 32767: LOAD "" CODE: RANDOMIZE USR 32768

(the numbers follow --start, default 32768), the header of a code block
loaded at --start, and the code itself.  NAME (default: the tape file's
name) is the name both headers carry, cut or padded to 10 characters.
"""
import argparse
import os
import sys

# Token codes of the 48K ROM.
CLEAR, LOAD, CODE, RANDOMIZE, USR = 0xFD, 0xEF, 0xAF, 0xF9, 0xC0
NUMBER_MARK = 0x0E
LINE_END = 0x0D


def number(value):
    """A number as BASIC stores it: its digits as typed, then the number
    mark and the hidden 5-byte form, here the small-integer one (0, sign,
    low byte, high byte, 0)."""
    return str(value).encode("ascii") + bytes([NUMBER_MARK, 0, 0, value & 0xFF, value >> 8, 0])


def loader_program(start, line=10):
    body = (bytes([CLEAR]) + number(start - 1) + b":" + bytes([LOAD]) + b'""' + bytes([CODE]) +
            b":" + bytes([RANDOMIZE, USR]) + number(start) + bytes([LINE_END]))
    # The line number is stored high byte first, the length low byte first.
    return bytes([line >> 8, line & 0xFF, len(body) & 0xFF, len(body) >> 8]) + body


def block(flag, data):
    checksum = flag
    for byte in data:
        checksum ^= byte
    content = bytes([flag]) + data + bytes([checksum])
    return len(content).to_bytes(2, "little") + content


def header(kind, name, length, param1, param2):
    """The 17 bytes of a tape header: type (0 program, 3 code), name,
    data length and two parameters (program: autostart line and program
    length; code: load address and 32768)."""
    return (bytes([kind]) + name + length.to_bytes(2, "little") + param1.to_bytes(2, "little") +
            param2.to_bytes(2, "little"))


def tape(code, name, start):
    program = loader_program(start)
    return (block(0x00, header(0, name, len(program), 10, len(program))) +
            block(0xFF, program) +
            block(0x00, header(3, name, len(code), start, 32768)) +
            block(0xFF, code))


def main():
    parser = argparse.ArgumentParser(description="Write a ZX Spectrum .tap with a BASIC loader "
                                     "and a code block.")
    parser.add_argument("--name", help="name in the tape headers (10 characters at most)")
    parser.add_argument("--start", type=lambda t: int(t, 0), default=32768,
                        help="load and start address of the code (default 32768)")
    parser.add_argument("code", help="the code block, a binary file")
    parser.add_argument("tap", help="the tape file to write")
    args = parser.parse_args()

    if not 0x5D00 <= args.start <= 0xFFFF:
        sys.exit("zxtap.py: --start must lie above BASIC's area, from 23808 to 65535")
    try:
        with open(args.code, "rb") as f:
            code = f.read()
    except OSError as e:
        sys.exit(f"zxtap.py: cannot read '{args.code}': {e.strerror}")
    if not code:
        sys.exit(f"zxtap.py: '{args.code}' is empty")
    if args.start + len(code) > 0x10000:
        sys.exit(f"zxtap.py: {len(code)} bytes from {args.start} pass the end of memory")
    name = args.name if args.name is not None else os.path.splitext(os.path.basename(args.tap))[0]
    name_bytes = name.encode("ascii", "replace")[:10].ljust(10, b" ")
    try:
        with open(args.tap, "wb") as f:
            f.write(tape(code, name_bytes, args.start))
    except OSError as e:
        sys.exit(f"zxtap.py: cannot write '{args.tap}': {e.strerror}")


if __name__ == "__main__":
    main()
