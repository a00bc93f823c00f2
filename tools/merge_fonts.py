#!/usr/bin/python3
"""Joins the Comic Relief subsets into one font file per weight.

The font package ships Comic Relief cut into Latin, Latin Extended and
Cyrillic subsets, all under the one family name "Comic Relief". Registered
side by side, the toolkit keeps only one file per family and weight, and the
letters missing from it come from some other family: a Cyrillic caption
would be drawn in DejaVu. Joined back into one file per weight, every
caption is drawn in Comic Relief alone.

Needs Debian's python3-fonttools. Writes
resources/fonts/ComicRelief-{Regular,Bold}.ttf; the output is deterministic,
so the committed files only change when the inputs or this script do.
"""
import os

from fontTools.merge import Merger
from fontTools.ttLib import TTFont

SUBSETS = ('latin', 'latin-ext', 'cyrillic')
WEIGHTS = {400: 'Regular', 700: 'Bold'}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    fonts = os.path.join(here, '..', 'resources', 'fonts')
    for weight, style in WEIGHTS.items():
        inputs = [os.path.join(fonts, 'comic-relief-%s-%d-normal.woff' % (s, weight))
                  for s in SUBSETS]
        merged = Merger().merge(inputs)
        merged.flavor = None
        # Fixed stamps keep the output byte-for-byte repeatable.
        merged['head'].created = merged['head'].modified = 0
        merged.recalcTimestamp = False
        out = os.path.join(fonts, 'ComicRelief-%s.ttf' % style)
        merged.save(out, reorderTables=True)
        check = TTFont(out)
        cmap = check.getBestCmap()
        for ch in 'AzЖя:':
            assert ord(ch) in cmap, ch
        print(out, len(cmap), 'characters')


if __name__ == '__main__':
    main()
