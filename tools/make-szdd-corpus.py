#!/usr/bin/env python3
"""Writes the small seed corpus of the SZDD fuzz target: valid files (ok-*), ordinary files that pass
through (ok-plain-*) and truncated or corrupted ones (bad-*). The unit tests run every file once and check
that ok-* succeed and bad-* are reported. Usage: make-szdd-corpus.py [DIR]"""
import os
import random
import sys

SIGNATURE = b"SZDD\x88\xf0\x27\x33"


def header(length, mode=b"A", last=b"_"):
    return SIGNATURE + mode + last + length.to_bytes(4, "little")


class Tokens:
    """Groups of a flag byte (low bit first, 1 for a literal) and up to 8 tokens."""

    def __init__(self):
        self.data = bytearray()
        self.count = 0
        self.flag_at = 0

    def _token(self, literal):
        if self.count % 8 == 0:
            self.flag_at = len(self.data)
            self.data.append(0)
        if literal:
            self.data[self.flag_at] |= 1 << (self.count % 8)
        self.count += 1

    def literal(self, byte):
        self._token(True)
        self.data.append(byte)
        return self

    def literals(self, text):
        for byte in text:
            self.literal(byte)
        return self

    def match(self, position, length):
        self._token(False)
        self.data += bytes([position & 0xFF, (position >> 4 & 0xF0) | (length - 3)])
        return self


def encode(data):
    """Greedy matching against the last 4096 bytes (spaces before the first), window positions from 4080."""
    history = b" " * 4096 + data
    tokens = Tokens()
    at = 4096
    while at < len(history):
        best_length, best_from = 0, 0
        for candidate in range(at - 1, at - 4097, -1):
            length = 0
            while (length < 18 and at + length < len(history)
                   and history[candidate + length] == history[at + length]):
                length += 1
            if length > best_length:
                best_length, best_from = length, candidate
            if best_length == 18:
                break
        if best_length >= 3:
            tokens.match((best_from - 4096 + 4080) & 0xFFF, best_length)
            at += best_length
        else:
            tokens.literal(history[at])
            at += 1
    return header(len(data)) + bytes(tokens.data)


def main():
    default = os.path.join(os.path.dirname(__file__), "..", "tests", "fuzz", "corpus", "szdd")
    out = sys.argv[1] if len(sys.argv) > 1 else default
    os.makedirs(out, exist_ok=True)
    rng = random.Random(1995)
    text = b"".join(rng.choice([b"setup ", b"file ", b"copy ", b"the ", b"disk ", b"\r\n"]) for _ in range(400))
    hello = header(24, last=b"\0") + bytes.fromhex("bf68656c6c6f20f0f9771f6f726c640a")
    files = {
        "ok-plain-empty": b"",
        "ok-plain-short": b"SZD",
        "ok-plain-almost": SIGNATURE[:7] + b"\x34 not quite",
        "ok-plain-text": b"An ordinary file is copied byte for byte.\r\n",
        "ok-header-only": header(0),
        "ok-literals": header(9) + bytes(Tokens().literals(b"Setup 2.9").data),
        "ok-hello": hello,
        "ok-overlap": header(19) + bytes(Tokens().literals(b"ab").match(4080, 16).literal(ord("!")).data),
        "ok-spaces": header(8) + bytes(Tokens().literals(b"xy").match(4078, 6).data),
        "ok-wrap": header(30) + bytes(Tokens().literals(b"0123456789ABCDEFghij").match(4090, 10).data),
        "ok-trailing-flag": header(8) + bytes(Tokens().literals(b"abcdefgh").data) + b"\x00",
        "ok-text": encode(text),
        "ok-random": encode(bytes(rng.randrange(256) for _ in range(300))),
        "ok-run": encode(b"a" * 600),
        "ok-window-full": encode(bytes(rng.choice(b"ab\n") for _ in range(4400))),
        # More than the decoder's 64 KiB output chunk, so that its buffer slides back.
        "ok-past-chunk": encode(b"Setup.\r\n" * 9000),
        "bad-signature-only": SIGNATURE,
        "bad-short-header": hello[:12],
        "bad-mode": hello[:8] + b"B" + hello[9:],
        "bad-mode-only": SIGNATURE + b"a",
        "bad-cut-match": hello[:22],
        "bad-length-fewer": hello[:10] + (25).to_bytes(4, "little") + hello[14:],
        "bad-length-more": hello[:10] + (23).to_bytes(4, "little") + hello[14:],
        "bad-length-huge": hello[:10] + (0xFFFFFFFF).to_bytes(4, "little") + hello[14:],
        "bad-text-cut": encode(text)[:-1],
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as file:
            file.write(data)


if __name__ == "__main__":
    main()
