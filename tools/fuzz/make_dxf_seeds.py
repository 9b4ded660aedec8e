#!/usr/bin/env python3
"""Cuts small fuzzing seeds out of ASCII DXF drawings.

Whole drawings make slow seeds (every mutation re-reads tens of KB), so each
seed holds a version's $ACADVER and one piece of a drawing: one entity (with
its vertices or attributes), one object, one table with one record, a slice
of the header, or the class list. One seed per kind and version, the
smallest; a few copies get numbers with trailing text ("1,5", "2 mm"), which
the reader repairs and counts, and a few are written as binary DXF.

  make_dxf_seeds.py OUT_DIR DRAWING_OR_DIR...
"""
import os
import re
import struct
import sys

MAX_SEED = 3000  # bytes; larger pieces are left out


def groups_of(path):
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"AutoCAD Binary DXF"):
        return None
    lines = data.decode("latin-1").replace("\r\n", "\n").split("\n")
    pairs = []
    for i in range(0, len(lines) - 1, 2):
        try:
            pairs.append((int(lines[i].strip()), lines[i + 1]))
        except ValueError:
            return None
    return pairs


def sections_of(pairs):
    """name -> list of groups between 2/NAME and 0/ENDSEC."""
    sections, current, name = {}, None, None
    for i, (code, value) in enumerate(pairs):
        if code == 0 and value == "SECTION":
            current, name = [], None
        elif current is not None and name is None and code == 2:
            name = value
        elif code == 0 and value == "ENDSEC":
            if name:
                sections[name] = current
            current = None
        elif current is not None:
            current.append((code, value))
    return sections


def split_at(groups, starting_code):
    """The groups in runs that each begin with a group of the starting code; what comes before the first is left out."""
    runs = []
    for code, value in groups:
        if code == starting_code:
            runs.append([])
        if runs:
            runs[-1].append((code, value))
    return runs


def records_of(groups):
    return split_at(groups, 0)


def with_subrecords(records):
    """Entities with the VERTEX/ATTRIB/SEQEND records that follow them."""
    out = []
    for record in records:
        if out and record[0][1] in ("VERTEX", "ATTRIB", "SEQEND"):
            out[-1] = out[-1] + record
        else:
            out.append(record)
    return out


def text_of(groups):
    return "".join("%3d\n%s\n" % (code, value) for code, value in groups)


def header(version):
    return [(0, "SECTION"), (2, "HEADER"), (9, "$ACADVER"), (1, version), (0, "ENDSEC")]


def section(name, groups):
    return [(0, "SECTION"), (2, name)] + groups + [(0, "ENDSEC")]


def classes_for(sections, dxf_name):
    return [c for c in records_of(sections.get("CLASSES", [])) if (1, dxf_name) in c]


def seeds_of(path):
    """(kind, groups) for each piece of one drawing."""
    pairs = groups_of(path)
    if not pairs:
        return
    sections = sections_of(pairs)
    head = sections.get("HEADER", [])
    version = next((head[i + 1][1] for i, g in enumerate(head[:-1]) if g == (9, "$ACADVER")), "AC1009")
    for name in ("ENTITIES", "OBJECTS"):
        for record in with_subrecords(records_of(sections.get(name, []))):
            kind = record[0][1]
            cls = sum(classes_for(sections, kind), [])
            extra = section("CLASSES", cls) if cls else []
            yield (version, name, kind), header(version) + extra + section(name, record)
    tables = sections.get("TABLES", [])
    start = 0
    for i, (code, value) in enumerate(tables):
        if code == 0 and value == "TABLE":
            start = i
        elif code == 0 and value == "ENDTAB":
            body = tables[start:i]
            records = records_of(body)
            # The TABLE record and its first entry.
            piece = sum(records[:2], []) + [(0, "ENDTAB")]
            kind = next((v for c, v in body if c == 2), "?")
            yield (version, "TABLES", kind), header(version) + section("TABLES", piece)
    # The header in slices of about forty variables.
    variables = split_at(head, 9)
    for n in range(0, len(variables), 40):
        piece = [(9, "$ACADVER"), (1, version)] + sum(variables[n:n + 40], [])
        yield (version, "HEADER", str(n)), section("HEADER", piece)
    if "CLASSES" in sections:
        yield (version, "CLASSES", ""), header(version) + section("CLASSES", sections["CLASSES"])


NUMBER = re.compile(r"^\s*-?\d+(\.\d+)?\s*$")


def with_repairs(groups):
    """Coordinates written as writers with decimal commas or units do."""
    out, n = [], 0
    for code, value in groups:
        if 10 <= code <= 59 and NUMBER.match(value):
            value = value.strip().replace(".", ",") if n % 2 == 0 else value.strip() + " mm"
            n += 1
        out.append((code, value))
    return out


def binary_type(code):
    ranges = {
        "d": [(10, 59), (110, 149), (210, 239), (460, 469), (1010, 1059)],
        "h": [(60, 79), (170, 179), (270, 289), (370, 389), (400, 409), (1060, 1070)],
        "i": [(90, 99), (420, 429), (440, 459), (1071, 1071)],
        "q": [(160, 169)],
        "b": [(290, 299)],
        "c": [(310, 319), (1004, 1004)],
    }
    for kind, spans in ranges.items():
        if any(a <= code <= b for a, b in spans):
            return kind
    return "s"


def binary_of(groups, short_codes):
    out = bytearray(b"AutoCAD Binary DXF\r\n\x1a\x00")
    for code, value in groups + [(0, "EOF")]:
        if short_codes:
            out += bytes([code]) if 0 <= code < 255 else b"\xff" + struct.pack("<h", code)
        else:
            out += struct.pack("<H", code & 0xFFFF)
        kind = binary_type(code)
        try:
            if kind == "d":
                out += struct.pack("<d", float(value))
            elif kind in "hiq":
                out += struct.pack("<" + kind, int(value.strip()))
            elif kind == "b":
                out += bytes([int(value.strip()) & 0xFF])
            elif kind == "c":
                chunk = bytes.fromhex(value.strip())
                out += bytes([len(chunk)]) + chunk
            else:
                out += value.encode("latin-1") + b"\0"
        except (ValueError, struct.error):
            return None
    return bytes(out)


def drawings(args):
    for arg in args:
        if os.path.isdir(arg):
            for root, _, files in os.walk(arg):
                yield from (os.path.join(root, f) for f in sorted(files) if f.lower().endswith(".dxf"))
        elif os.path.isfile(arg):
            yield arg


def main():
    out_dir, inputs = sys.argv[1], sys.argv[2:]
    os.makedirs(out_dir, exist_ok=True)
    best = {}
    for path in drawings(inputs):
        for key, groups in seeds_of(path):
            text = text_of(groups + [(0, "EOF")])
            if len(text) <= MAX_SEED and (key not in best or len(text) < len(best[key][0])):
                best[key] = (text, groups)
    written = 0
    for n, (key, (text, groups)) in enumerate(sorted(best.items())):
        name = "-".join(k for k in key if k).replace("/", "_")
        with open(os.path.join(out_dir, name + ".dxf"), "w", encoding="latin-1", newline="") as f:
            f.write(text)
        written += 1
        # Every seventh piece also as repaired numbers and as binary DXF.
        if n % 7 == 0:
            with open(os.path.join(out_dir, name + "-repairs.dxf"), "w", encoding="latin-1", newline="") as f:
                f.write(text_of(with_repairs(groups) + [(0, "EOF")]))
            binary = binary_of(groups, key[0] == "AC1009")
            if binary:
                with open(os.path.join(out_dir, name + "-binary.dxf"), "wb") as f:
                    f.write(binary)
            written += 2
    print("%d seeds in %s" % (written, out_dir))


if __name__ == "__main__":
    main()
