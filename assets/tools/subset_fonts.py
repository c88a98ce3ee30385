#!/usr/bin/python3
"""Cuts fonts down to the characters the game's texts use, for the web page,
where every byte is downloaded:
    subset_fonts.py OUTPUT-FOLDER FONT... -- SOURCE...
Each font keeps printable ASCII, the Serbian Latin letters, the ellipsis Qt
puts in text it shortens, and every character that stands in the sources
(where the game's texts are written); its hinting, kerning and names stay,
so that what it draws is the same. Needs Debian's python3-fonttools."""
import os
import sys

from fontTools import subset


def main():
    args = sys.argv[1:]
    if "--" not in args or len(args) < 4:
        sys.exit(__doc__)
    split = args.index("--")
    output, fonts, sources = args[0], args[1:split], args[split + 1:]
    text = "ČčĆćĐđŠšŽž\u2026"
    for source in sources:
        with open(source, encoding="utf-8") as f:
            text += f.read()
    options = subset.Options()
    options.drop_tables += ["FFTM"]  # FontForge's dates
    os.makedirs(output, exist_ok=True)
    for path in fonts:
        font = subset.load_font(path, options)
        cutter = subset.Subsetter(options)
        cutter.populate(text=text, unicodes=range(0x20, 0x7f))
        cutter.subset(font)
        subset.save_font(font, os.path.join(output, os.path.basename(path)), options)


if __name__ == "__main__":
    main()
