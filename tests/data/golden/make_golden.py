#!/usr/bin/env python3
"""Writes the golden frames of this folder.

Written apart from the C++ code on purpose: the tests compare what the C++ encoders
produce with these bytes, so a fault in a shared helper cannot hide on both sides.
Run it from anywhere; it rewrites the files next to itself.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
TO_PRINTER = b"\x1f\x57\x43"
FROM_PRINTER = b"\x1f\x57\x4d"
ETX = b"\x03"


def checksum(data: bytes) -> int:
    if len(data) % 2:
        data += b"\0"
    total = sum(struct.unpack(f">{len(data) // 2}H", data))
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    return ~total & 0xFFFF


def tag_frame(tag: str, payload: bytes = b"") -> bytes:
    body = tag.encode() + payload
    if len(body) % 2:
        body += b"\0"
    return body + struct.pack(">H", checksum(body + b"\0\0"))


def quirky_hex(frame: bytes) -> bytes:
    """The sender's form: bytes of 0x80 and above get a high digit from "(" to "/"."""
    digits = "0123456789abcdef"
    out = ""
    for byte in frame:
        high = byte >> 4
        out += chr(0x30 + high - 16) if high >= 8 else digits[high]
        out += digits[byte & 0xF]
    return out.encode()


def plain_hex(frame: bytes) -> bytes:
    return frame.hex().encode()


def text(value: str, width: int) -> bytes:
    return value.encode()[:width].ljust(width, b"\0")


def record(version: int) -> bytes:
    shift = 13 if version == 2 else 0
    size = 616 if version == 2 else 603
    rec = bytearray(size)

    def put(offset: int, data: bytes) -> None:
        rec[offset:offset + len(data)] = data

    put(0, text("Golden Printer", 64))
    put(65, bytes([0, 0]))                      # networkMode Infra, manual address
    put(67, bytes([192, 168, 10, 200]))
    put(71, bytes([255, 255, 255, 0]))
    put(75, bytes([192, 168, 10, 1]))
    put(79, text("GoldenNet-5G", 32))
    put(111, bytes([3, 4]))                     # WPA2-PSK, AES
    put(113, text("", 26))
    put(217, text("correct horse battery staple", 64))
    put(281, bytes([11, 5]))                    # adhoc channel 11, EAP NONE
    put(283, text("radius-user", 32))
    put(315, text("radius-secret", 32))
    if version == 2:
        put(347, bytes([1]))
        put(348, text("12345670", 9))
        put(357, text("6", 3))
    put(347 + shift, text("admin", 32))
    put(379 + shift, text("s3cr3t", 32))
    put(411 + shift, struct.pack(">H", 9100))
    put(544 + shift, bytes([1, 0, 1, 1]))       # https, telnet, ftp, snmp
    put(549 + shift, text("private", 16))
    put(565 + shift, text("public", 16))
    put(581 + shift, text("traps", 16))
    put(597 + shift, bytes([192, 168, 10, 5]))
    put(601 + shift, struct.pack(">H", 3600))
    return bytes(rec)


def identification() -> bytes:
    return text("VX-2.14.0", 16) + text("2023-11-07 14:22:05", 32) + bytes(
        [0x00, 0x1B, 0xA9, 0xC0, 0xFE, 0x0A])


def bss_list() -> bytes:
    first = b"\x00\x0aGoldenNet1" + b"\x01\x06" + bytes([0x00, 0x1B, 0xA9, 0x11, 0x22, 0x33])
    first += bytes([0]) + struct.pack(">h", -48) + bytes([0x08])
    hidden = b"\x01\x06" + bytes([0xA4, 0x5E, 0x60, 0xC1, 0xD2, 0xE3])
    hidden += bytes([1]) + struct.pack(">h", -77) + bytes([0x00])
    return first + hidden


def main() -> None:
    files = {
        "sys_req.link": TO_PRINTER + quirky_hex(tag_frame("__[I_F]__[SYS_REQ]")) + ETX,
        "sys_rsp.link": FROM_PRINTER + plain_hex(tag_frame("__[I_F]__[SYS_RSP]", identification())) + ETX,
        "if_cur_v1.link": FROM_PRINTER + quirky_hex(tag_frame("__[I_F]__[IF__CUR]", record(1))) + ETX,
        "if_cur_v2.link": FROM_PRINTER + plain_hex(tag_frame("__[I_F]__[IF__CUR]", record(2))) + ETX,
        "bss_rsp.frame": tag_frame("__[I_F]__[BSS_RSP]", bss_list()),
    }
    for name, data in files.items():
        (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
