#!/usr/bin/env python3
"""Usage: pdf-text-runs.py QT.pdf RUNS.pdf [PAGES]

Measures what a PDF writer that draws text as runs would give, on a report
written by Qt's PDF writer (varnelle --report ... --format pdf): rewrites each
text's per-glyph "dx dy Td <glyph> Tj" into one "Td [<glyphs> adjustment ...] TJ"
a line (an adjustment only where the widths' rounding has drifted by a unit),
writes RUNS.pdf, prints the page content's size and deflate time before and
after and an estimate with one byte a glyph, and compares the first PAGES pages
(default 12) of both rendered by pdftoppm (poppler-utils) at 150 dpi, pixel
for pixel. A measuring tool, not a writer: it knows Qt 6's output only.
"""
import glob, os, re, subprocess, sys, tempfile, time, zlib
src, dst = sys.argv[1:3]
compare_pages = int(sys.argv[3]) if len(sys.argv) > 3 else 12
d = open(src, 'rb').read()
# widths per font resource name
widths = {}
for m in re.finditer(rb'\n(\d+) 0 obj\n<< /Type /Font\n/Subtype /CIDFontType2.*?/W \[0 \[([0-9 ]*)\]', d, re.S):
    widths[int(m.group(1))] = [int(x) for x in m.group(2).split()]
type0 = {}
for m in re.finditer(rb'\n(\d+) 0 obj\n<< /Type /Font\n/Subtype /Type0.*?/DescendantFonts \[(\d+) 0 R\]', d, re.S):
    type0[int(m.group(1))] = widths.get(int(m.group(2)))
fontw = {b'F%d' % k: v for k, v in type0.items()}
num = rb'-?[0-9.]+'
tdtj = re.compile(rb'(' + num + rb') (' + num + rb') Td <([0-9A-F]{4})> Tj\n')
tf = re.compile(rb'/(F\d+) (' + num + rb') Tf')

def rewrite(u):
    out = []; pos = 0; font = None; size = 1.0
    for bt in re.finditer(rb'BT\n(.*?)ET\n', u, re.S):
        out.append(u[pos:bt.start()]); pos = bt.end()
        body = bt.group(1); res = [b'BT\n']; i = 0
        run = []  # (dx, g)
        carry = [0.0]  # from the last run's first origin to its last glyph's
        def flush():
            if not run: return
            w = fontw.get(font)
            parts = []; hexes = []; drift = 0.0
            for k, (dx, g, _, _) in enumerate(run):
                hexes.append(b'%04X' % g)
                if k + 1 < len(run):
                    drift += w[g] - run[k + 1][0] * 1000.0 / size
                    if abs(drift) >= 1:
                        parts.append(b'<' + b''.join(hexes) + b'>'); hexes = []
                        parts.append(b'%d' % round(drift)); drift -= round(drift)
            parts.append(b'<' + b''.join(hexes) + b'>')
            res.append(b'%s %s Td [%s] TJ\n' % (fmt(run[0][2]), fmt(run[0][3]), b' '.join(parts)))
            carry[0] = sum(r[0] for r in run[1:])
            run.clear()
        def fmt(v): return (b'%.4f' % v).rstrip(b'0').rstrip(b'.')
        while i < len(body):
            m = tdtj.match(body, i)
            if m:
                dx, dy, g = float(m.group(1)), float(m.group(2)), int(m.group(3), 16)
                if run and dy == 0:
                    run.append((dx, g, 0, 0))
                else:
                    flush(); run.append((dx, g, dx + carry[0], dy)); carry[0] = 0.0
                # keep Td arithmetic: next Td relative to this glyph's origin in the original;
                i = m.end(); continue
            flush()
            j = body.find(b'\n', i) + 1
            line = body[i:j]
            t = tf.search(line)
            if t: font, size = t.group(1), float(t.group(2))
            res.append(line); i = j
        flush()
        res.append(b'ET\n')
        out.append(b''.join(res))
    out.append(u[pos:])
    return b''.join(out)
told = [0.0]; tz = 0.0; out = []; pos = 0; lengths = {}
t0 = time.process_time(); raw_old = raw_new = 0
for m in re.finditer(rb'<<\n/Length (\d+) 0 R\n/Filter /FlateDecode\n>>\nstream\n', d):
    start = m.end(); lobj = int(m.group(1))
    end = d.find(b'\nendstream', start)
    s = d[start:end]
    try: u = zlib.decompress(s)
    except Exception: continue
    raw_old += len(u)
    a = time.process_time(); zlib.compress(u, 6); told[0] += time.process_time() - a
    if b' Tj\n' in u:
        u = rewrite(u)
    raw_new += len(u)
    a = time.process_time(); c = zlib.compress(u, 6); tz += time.process_time() - a
    out.append(d[pos:start]); out.append(c); pos = end; lengths[lobj] = len(c)
out.append(d[pos:]); d2 = b''.join(out)
for k, v in lengths.items():
    d2 = re.sub(rb'\n%d 0 obj\n\d+\nendobj' % k, b'\n%d 0 obj\n%d\nendobj' % (k, v), d2)
# rebuild xref
offs = {int(m.group(1)): m.start() + 1 for m in re.finditer(rb'\n(\d+) 0 obj\n', d2)}
x = d2.rfind(b'xref\n')
n = max(offs) + 1
xref = [b'xref\n0 %d\n0000000000 65535 f \n' % n] + [b'%010d 00000 n \n' % offs.get(i, 0) for i in range(1, n)]
tail = d2[d2.find(b'trailer', x):]
tail = re.sub(rb'startxref\n\d+', b'startxref\n%d' % x, tail)
open(dst, 'wb').write(d2[:x] + b''.join(xref) + tail)
print('page content before %.1f MB, after %.1f MB; its deflate %.2f s CPU before, %.2f s after' % (raw_old/1e6, raw_new/1e6, told[0], tz))

# One byte a glyph, as a simple font would take it (an estimate of size only: not drawable).
def one_byte(m):
    h = m.group(1)
    b = bytes(int(h[i:i + 4], 16) & 0xff for i in range(0, len(h), 4))
    return b'(' + b.replace(b'\\', b'\\\\').replace(b'(', b'\\(').replace(b')', b'\\)') + b')'
raw1 = comp1 = 0
for m in re.finditer(rb'stream\n(.*?)\nendstream', open(dst, 'rb').read(), re.S):
    try: u = zlib.decompress(m.group(1))
    except Exception: continue
    if b' TJ\n' in u:
        u = re.sub(rb'<([0-9A-F]+)>', one_byte, u); raw1 += len(u); comp1 += len(zlib.compress(u, 6))
print('file %d bytes, with runs %d bytes; runs at one byte a glyph: content %.1f MB, %.2f MB deflated'
      % (os.path.getsize(src), os.path.getsize(dst), raw1 / 1e6, comp1 / 1e6))

def pages(pdf, prefix):
    subprocess.run(['pdftoppm', '-r', '150', '-gray', '-f', '1', '-l', str(compare_pages), pdf, prefix], check=True)
    return sorted(glob.glob(prefix + '-*.pgm'))
def pixels(path):
    parts = open(path, 'rb').read().split(maxsplit=4)
    return parts[4]
with tempfile.TemporaryDirectory() as tmp:
    a, b = pages(src, tmp + '/qt'), pages(dst, tmp + '/runs')
    total = differing = worst = 0
    for x, y in zip(a, b):
        px, py = pixels(x), pixels(y)
        diff = [abs(p - q) for p, q in zip(px, py) if p != q]
        total += len(px); differing += len(diff); worst = max([worst] + diff)
    print('%d pages at 150 dpi: %d of %d pixels differ, by at most %d of 255 levels' % (len(a), differing, total, worst))
