#!/usr/bin/python3
"""What the web page's program is made of (a benchmark's tool, not a test):
    wasm_sizes.py PROGRAM.wasm [COUNT]
PROGRAM.wasm linked with function names (emcc --profiling-funcs): prints the
bytes of each section, then the code's bytes by where it comes from (the
first part of each function's name: a namespace, a class, a C library) and
the COUNT largest functions."""
import collections
import subprocess
import sys


def leb(data, pos):
    value = shift = 0
    while True:
        byte = data[pos]
        pos += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, pos


def sections(data):
    pos = 8
    while pos < len(data):
        kind = data[pos]
        size, start = leb(data, pos + 1)
        yield kind, start, size
        pos = start + size


def read_name(data, pos):
    length, pos = leb(data, pos)
    return data[pos:pos + length].decode("utf-8", "replace"), pos + length


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    data = open(sys.argv[1], "rb").read()
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    imported = 0
    bodies, names, by_section = [], {}, collections.Counter()
    for kind, start, size in sections(data):
        if kind == 0:
            title, pos = read_name(data, start)
            by_section["custom " + title] += size
            if title == "name":
                end = start + size
                while pos < end:
                    sub, pos = data[pos], pos + 1
                    sub_size, pos = leb(data, pos)
                    if sub == 1:
                        n, p = leb(data, pos)
                        for _ in range(n):
                            index, p = leb(data, p)
                            names[index], p = read_name(data, p)
                    pos += sub_size
            continue
        by_section[kind] += size
        if kind == 2:
            n, pos = leb(data, start)
            for _ in range(n):
                _, pos = read_name(data, pos)
                _, pos = read_name(data, pos)
                what, pos = data[pos], pos + 1
                if what == 0:
                    imported += 1
                    _, pos = leb(data, pos)
                elif what == 1:
                    pos += 1
                    flags, pos = leb(data, pos)
                    _, pos = leb(data, pos)
                    if flags & 1:
                        _, pos = leb(data, pos)
                elif what == 2:
                    flags, pos = leb(data, pos)
                    _, pos = leb(data, pos)
                    if flags & 1:
                        _, pos = leb(data, pos)
                else:
                    pos += 2
        elif kind == 10:
            n, pos = leb(data, start)
            for i in range(n):
                body, after = leb(data, pos)
                bodies.append((imported + i, after - pos + body))
                pos = after + body
    section_names = {1: "type", 2: "import", 3: "function", 4: "table", 5: "memory", 6: "global",
                     7: "export", 8: "start", 9: "element", 10: "code", 11: "data", 12: "data count"}
    print("Sections:")
    for kind, size in by_section.most_common():
        print("  %-24s %10d" % (section_names.get(kind, kind), size))
    raw = [names.get(i, "?") for i, _ in bodies]
    plain = subprocess.run(["c++filt"], input="\n".join(raw), capture_output=True, text=True).stdout.split("\n")
    origin = collections.Counter()
    for (_, size), name in zip(bodies, plain):
        head = name.split("(")[0]
        parts = head.replace("::", " ").split()
        key = " ".join(parts[:2]) if parts and parts[0] in ("QtPrivate", "std", "(anonymous") else (parts[0] if parts else "?")
        if key.startswith("hb_") or key.startswith("_hb") or key.startswith("OT") or key.startswith("AAT"):
            key = "HarfBuzz"
        elif key.startswith("FT_") or key.startswith("ft_") or key.startswith("tt_") or key.startswith("cff_") or key.startswith("ps_") or key.startswith("af_"):
            key = "FreeType"
        elif key.startswith("pcre2_") or key.startswith("_pcre2"):
            key = "PCRE2"
        elif key.startswith("png_"):
            key = "libpng"
        origin[key] += size
    print("Code by origin (the %d largest):" % count)
    for key, size in origin.most_common(count):
        print("  %-50s %10d" % (key[:50], size))
    print("Largest functions:")
    for (_, size), name in sorted(zip(bodies, plain), key=lambda b: -b[0][1])[:count]:
        print("  %8d %s" % (size, name[:110]))


if __name__ == "__main__":
    main()
