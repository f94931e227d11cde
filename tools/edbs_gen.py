#!/usr/bin/env python3
"""Writes EDBS files for the examples, the tests and the benchmarks.

  edbs_gen.py example OUT          the bundled example (every record kind, a few deliberate faults)
  edbs_gen.py objects N OUT [--crlf]
                                   N synthetic object records between an order header and an end
                                   record, with lines, functions, objects, texts and points
  edbs_gen.py gis OUTDIR           the small files of the GIS export tests (tests/core/data/gis)
  edbs_gen.py parcels N OUT        N square parcels in a grid, every side stored once per parcel
                                   as real deliveries do (the GIS export benchmark)
"""
import random
import sys

ENC = "cp1252"


def header(op, number, info, body, marker=" ", edit=" ", search_begin=0, length=None):
    """A record line: the 36-character header followed by body. length overrides the length field."""
    total = 36 + len(body)
    field = total - 12 if length is None else length
    head = "EDBS%04d%04d%s%06d%s%s0000%-8s" % (field, search_begin, op, number, marker, edit, info)
    assert len(head) == 36, head
    return head + body


def whf(n):
    return "%04d" % n


def fixed(text, width):
    assert len(text) == width, (text, width)
    return text


def point(r, h):
    """A point in the full numbering-district form from Rechtswert r and Hochwert h (metres)."""
    rs = "%07d%03d" % (int(r), round((r - int(r)) * 1000))
    hs = "%07d%03d" % (int(h), round((h - int(h)) * 1000))
    # R = s0 s1 s4 s5 s8 s9 s10 . s11 s12 s13 ; H = s2 s3 s6 s7 s14 s15 s16 . s17 s18 s19
    s = rs[0:2] + hs[0:2] + rs[2:4] + hs[2:4] + rs[4:7] + rs[7:10] + hs[4:7] + hs[7:10]
    return fixed(s, 20)


def ulob1100(layer, kind, right, left, pr="000", pl="000", split="00"):
    return fixed(layer + kind + right + left + pr + pl + split, 29)


def ulob2000(layer, kind, currency, otype, number, model="K4", date="060508", change=" "):
    return fixed(layer + kind + currency + otype + number + model + date + change, 26)


def ulob2100(kind, maptype, objtype, text, geom, part="   "):
    return fixed(kind + maptype + objtype + "%-33s" % text + geom + part, 48)


def object_record(number, start, lines, objects, info=("ULOBNN  "), op="FEIN", marker=" "):
    """lines: list of (end point, kind, [(ulob1100, [params])], [support points]);
    objects: list of (ulob2000, [(ulob2100, [points])])."""
    body = whf(1) + whf(1) + start + "0"
    body += whf(len(lines))
    for end, kind, functions, supports in lines:
        body += whf(1) + end + kind
        body += whf(len(functions))
        for function, params in functions:
            body += whf(1) + function + whf(len(params)) + "".join(params)
        body += whf(len(supports)) + "".join(supports)
    body += whf(len(objects))
    for function, infos in objects:
        body += whf(1) + function + whf(len(infos))
        for info_part, points in infos:
            body += whf(1) + info_part + whf(len(points)) + "".join(points)
    return header(op, number, info, body, marker=marker)


def order_header():
    text = ("LV Sachsen    " + "00001" + "A" + "0" + "A" + "01" + "0" + "NN" + "%-11s" % "B" +
            "1" + "%-8s" % "ALK" + "%-32s" % "EDBS-Beispiel Satzlupe" + "01" + "01" +
            "%-22s" % "" + "%-10s" % "OB" + "%-4s" % "" + "%-10s" % "" + "%-14s" % "" + "4" + "A" +
            "0" + "0" + "A" + "000099" + "000020" + "061012" + "061012" + "061013" +
            "%-14s" % "" + "%-12s" % "" + "0" + "%-8s" % "" * 1 + "%-8s" % "" + "%-8s" % "" +
            "%-8s" % "" + "0" + "%-10s" % "" + "%-10s" % "0815")
    assert len(text) == 258, len(text)
    text += "ASDLBE0005EQ" + "%-14s" % "geheim"
    assert len(text) == 284
    return header("AKND", 0, "ULQA0000", whf(1) + text, search_begin=287)


def example():
    lines = []
    lines.append(order_header())
    lines.append(header("BKRT", 0, "IBENKRT ", point(5491500.0, 5654400.0) + point(5492100.0, 5655000.0)))
    lines.append(header("BINF", 1, "ULOTEX  ", whf(2) + "%-18s" % "Beispieldaten der" + "%-18s" % "Gemarkung Görlitz"))
    p = [point(5491736.757, 5654624.820), point(5491780.100, 5654624.820), point(5491780.100, 5654680.500),
         point(5491736.757, 5654680.500), point(5491758.000, 5654650.000)]
    # A parcel: four boundary lines, a parcel number label and a house number.
    func = lambda: (ulob1100("001", "2301", "A0003Y1", "A0003Y2"), [])
    lines.append(object_record(2, p[0], [
        (p[1], "11", [func()], []),
        (p[2], "11", [func()], []),
    ], [
        (ulob2000("001", "2301", "01", "F", "A0003Y1"), [
            (ulob2100("13", "K4", "  2301", "FS14409300001234005007", "51"), [p[4]]),
        ]),
    ]))
    lines.append(object_record(3, p[2], [
        (p[3], "15", [(ulob1100("011", "1101", "A0004B1", "       "), ["11A0000100"[:9]])],
         [point(5491760.0, 5654690.0)]),
        (p[0], "21", [(ulob1100("011", "1101", "A0004B1", "       ", split="03"), [])],
         [point(5491720.0, 5654650.0)]),
    ], [
        (ulob2000("011", "1101", "02", "L", "A0004B1"), [
            (ulob2100("11", "K4", "  1101", "HA14526100012340012a   001", "51"), [point(5491770.0, 5654660.0)]),
            (ulob2100("21", "K4", "  1101", "Görlitzer Straße", "53"),
             [point(5491740.0, 5654700.0), "TT000000000000010000"]),
            (ulob2100("44", "K4", "  1101", "KNLindenweg", "11"),
             [point(5491745.0, 5654705.0), point(5491775.0, 5654705.0)]),
        ]),
    ]))
    # A building with a spline and its kind marker.
    lines.append(object_record(4, point(5491800.0, 5654600.0), [
        (point(5491830.0, 5654630.0), "41", [(ulob1100("084", "3101", "A0005C1", "       "), [])],
         ["3" + " " * 19, point(5491812.0, 5654622.0), point(5491822.0, 5654628.0)]),
    ], [
        (ulob2000("084", "3101", "03", "F", "A0005C1"), [
            (ulob2100("25", "K4", "  3101", "Whs", "51"), [point(5491815.0, 5654615.0)]),
            (ulob2100("80", "K4", "  3101", "xGESCHOSSE$I3$", "  "), []),
        ]),
    ]))
    # A long record split into a continuation chain A F E (marker at the membership position).
    long_lines = []
    for k in range(40):
        a = point(5491900.0 + k * 5, 5654500.0)
        long_lines.append((a, "11", [(ulob1100("002", "1300", "A0006D1", "A0006D2"), [])], []))
    text = object_record(5, point(5491900.0, 5654495.0), long_lines,
                         [(ulob2000("002", "1300", "01", "L", "A0006D1"), [])])
    body = text[36:]
    chunks = [body[i:i + 700] for i in range(0, len(body), 700)]
    for n, chunk in enumerate(chunks):
        marker = "A" if n == 0 else ("E" if n == len(chunks) - 1 else "F")
        lines.append(header("FEIN", 5, "ULOBNN  ", chunk, marker=marker))
    # The ALK variant.
    alk_function = fixed("001" + "2301" + "A0007E1" + "A0007E2" + "00", 23)
    alk_object = fixed("001" + "2301" + "01" + "F" + "A0007E1" + "060508", 23)
    alk_info = fixed("13" + "K4" + "  2301" + "%-33s" % "FS14409300001235000000" + "51", 45)
    body = (whf(1) + whf(1) + point(5491600.0, 5654700.0) + "0" + whf(1) +
            whf(1) + point(5491650.0, 5654700.0) + "11" + whf(1) + alk_function + whf(0) +
            whf(1) + whf(1) + alk_object + whf(1) + whf(1) + alk_info + whf(1) + point(5491625.0, 5654710.0))
    lines.append(header("FEIN", 6, "ULO8ALK ", body))
    # Special information alone.
    body = whf(1) + whf(1) + ulob2100("46", "K4", "  5301", "A0008F1001A0008F2002", "  ") + whf(0)
    lines.append(header("FEIN", 7, "ULOB210F", body))
    # Attributes with their identification, and attributes alone with a search criterion.
    lines.append(header("FEIN", 8, "ULTANN  ",
                        whf(1) + whf(1) + "A0003Y1" + "000" + "7" + "01" + whf(2) + "GFK " + "1234567" + "WDM " + "0000042"))
    body = whf(1) + "BAW " + "0001990"
    lines.append(header("FAEN", 9, "ULTA1000", body + "ASDLTA0001EQA0003Y1", search_begin=36 + len(body) + 1))
    # A point record with every aggregate.
    body = (whf(1) + whf(1) +
            fixed("44093000" + "1" + "00012" + "5" + "1" + "LVA SN " + "06" + "01" + "010" + "Stei" +
                  "%-15s" % "1998 Messung" + "%-15s" % "" + "0", 65) +
            whf(1) + fixed("%-16s" % "Hinweis ME 12", 16) +
            whf(1) + fixed("100" + "5491736757" + "5654624820" + "1" + "00000010" + "1" + "098" + "AZ 4711  ", 45) +
            whf(1) + fixed("150" + "00212345" + "98061" + "1" + "0005" + "1" + "098" + "AZ 4712  ", 34) +
            whf(1) + fixed("200" + "9811234567" + "98062" + "1" + "0010" + "1" + "098" + "AZ 4713  ", 36) +
            whf(1) + fixed("1" + "%-18s" % "Grenzstein neu", 19) +
            whf(1) + whf(2) + fixed("1" + "123456789" + "98063" + "01" + "1" + "1", 19) +
            whf(1) + fixed("%-36s" % "Am Kirchberg, Südseite", 36) +
            whf(1) + fixed("300" + "3912345678" + "1034567891" + "0000212345" + "98064" + "1" + "000000000015" + "1" +
                           "098" + "AZ 4714  ", 64))
    lines.append(header("FEIN", 10, "ULPUNN  ", body))
    # A geometry operation: move one point, turn one symbol.
    body = (whf(1) + whf(1) + " " + point(5491736.757, 5654624.820) + point(5491736.800, 5654624.900) +
            whf(1) + "TT" + "%018d" % 12345 + "TT" + "%018d" % 2500)
    lines.append(header("FGEO", 11, "ULOVEKDW", body))
    # Deleting an object by its number.
    lines.append(header("FLOE", 12, "ULOBNN  ", "ASDLOB2005EQA0004B1", search_begin=37))
    # Deliberate faults: a length field that does not fit the line, an unknown information name,
    # a repetition factor that must be 1, and a record that ends inside its start point.
    good = object_record(13, point(5491700.0, 5654600.0), [], [(ulob2000("001", "2301", "01", "F", "A0009G1"), [])])
    lines.append(good[:4] + "0099" + good[8:])
    lines.append(header("FEIN", 14, "ULXYNN  ", whf(1)))
    lines.append(header("FEIN", 15, "ULOBNN  ", whf(2) + whf(1) + point(5491700.0, 5654600.0) + "0" + whf(0) + whf(0)))
    lines.append(header("FEIN", 16, "ULOBNN  ", whf(1) + whf(1) + "5456915473"))
    # A date record after the data: out of order for the record-kind check.
    lines.append(header("BINF", 17, "ULODATUM", whf(1) + "1" + "061012" + "2" + "143005"))
    lines.append(header("AEND", 18, "        ", ""))
    return lines


def objects(n, seed=1):
    rnd = random.Random(seed)
    lines = [order_header()]
    for k in range(n):
        x, y = 5490000 + rnd.random() * 4000, 5652000 + rnd.random() * 4000
        pts = [point(x + rnd.random() * 30, y + rnd.random() * 30) for _ in range(3)]
        number = "A%06d" % (k % 1000000)
        func = ulob1100("001", "2301", number, number, split="00")
        lines.append(object_record(k + 1, pts[0], [
            (pts[1], "11", [(func, [])], []),
            (pts[2], "15", [(func, [])], [point(x + 5, y + 5)]),
        ], [
            (ulob2000("001", "2301", "01", "F", number), [
                (ulob2100("13", "K4", "  2301", "FS144093%03d%05d00000" % (k % 1000, k % 100000), "51"),
                 [point(x + 10, y + 10)]),
            ]),
        ]))
    lines.append(header("AEND", n + 1, "        ", ""))
    return lines


# --- small files for the GIS export tests -------------------------------------------------------
# Coordinates are local metres added to a corner in Gauss-Krueger zone 5. Each line is stored as
# the real deliveries store it: one record per start point, one copy per neighbouring object.

GIS_R, GIS_H = 5491000.0, 5654000.0


def gp(x, y):
    return point(GIS_R + x, GIS_H + y)


def fn(right="", left="", layer="001", kind="2301"):
    return (ulob1100(layer, kind, "%-7s" % right, "%-7s" % left), [])


class GisFile:
    def __init__(self):
        self.lines = [order_header()]
        self.number = 1

    def _add(self, text):
        self.lines.append(text)
        self.number += 1

    def lines_from(self, start, lines):
        """lines: (end, functions) or (end, functions, kind, supports)."""
        parts = []
        for line in lines:
            end, functions = line[0], line[1]
            kind = line[2] if len(line) > 2 else "11"
            supports = [gp(*s) for s in line[3]] if len(line) > 3 else []
            parts.append((gp(*end), kind, functions, supports))
        self._add(object_record(self.number, gp(*start), parts, []))

    def ring(self, corners, right="", left="", layer="001", kind="2301"):
        """One record per side of a closed ring of corners, each naming the given objects."""
        for a, b in zip(corners, corners[1:] + corners[:1]):
            self.lines_from(a, [(b, [fn(right, left, layer, kind)])])

    def obj(self, anchor, layer, kind, otype, number, infos=()):
        self._add(object_record(self.number, gp(*anchor), [],
                                [(ulob2000(layer, kind, "01", otype, number), list(infos))]))

    def parcel(self, anchor, number, key):
        info = (ulob2100("13", "K4", "  2301", key, "51"), [gp(*anchor)])
        self.obj(anchor, "001", "2301", "F", number, [info])

    def raw(self, op, info, body):
        self._add(header(op, self.number, info, body))

    def done(self):
        return self.lines + [header("AEND", self.number, "        ", "")]


def gis_files():
    files = {}
    # A square parcel from four lines, each in its own record, the parcel on their left.
    f = GisFile()
    f.ring([(0, 0), (20, 0), (20, 20), (0, 20)], left="A000001")
    f.parcel((10, 10), "A000001", "FS14409300100012003000")
    files["square"] = f.done()
    # A parcel with a hole: the hole is a parcel of its own; each inner line is stored twice, once
    # per neighbour and in opposite directions; a line with the outer parcel on both sides joins
    # the hole to the outer ring.
    f = GisFile()
    f.ring([(0, 0), (30, 0), (30, 30), (0, 30)], left="A000002")
    f.ring([(10, 10), (20, 10), (20, 20), (10, 20)], right="A000002")
    f.ring([(10, 20), (20, 20), (20, 10), (10, 10)], right="A000003")
    f.lines_from((0, 0), [((10, 10), [fn("A000002", "A000002")])])
    f.parcel((5, 5), "A000002", "FS14409300100013000000")
    f.parcel((15, 15), "A000003", "FS14409300100014000000")
    files["hole"] = f.done()
    # A hole touching its outer ring at one vertex; a parcel in two separate parts; a parcel of
    # two parts touching at one corner.
    f = GisFile()
    f.ring([(0, 0), (15, 0), (30, 0), (30, 30), (0, 30)], left="A000004")
    f.ring([(15, 0), (20, 10), (10, 10)], right="A000004")
    f.ring([(40, 0), (50, 0), (50, 10), (40, 10)], left="A000005")
    f.ring([(60, 0), (70, 0), (70, 10), (60, 10)], left="A000005")
    f.ring([(40, 20), (50, 20), (50, 30), (40, 30)], left="A000006")
    f.ring([(50, 30), (60, 30), (60, 40), (50, 40)], left="A000006")
    f.parcel((5, 20), "A000004", "FS14409300100015000000")
    f.parcel((45, 5), "A000005", "FS14409300100016000000")
    f.parcel((45, 25), "A000006", "FS14409300100017000000")
    files["touching"] = f.done()
    # A parcel whose lines lie in several records, two lines from each start point, and whose
    # object appears in two records.
    f = GisFile()
    f.lines_from((0, 0), [((20, 0), [fn(left="A000007")]), ((0, 20), [fn(right="A000007")])])
    f.lines_from((20, 20), [((20, 0), [fn(right="A000007")]), ((0, 20), [fn(left="A000007")])])
    f.parcel((10, 10), "A000007", "FS14409300100018000000")
    f.obj((10, 10), "001", "2301", "F", "A000007")
    files["records"] = f.done()
    # Two parcels sharing a line: one function names one on the right, the other on the left.
    f = GisFile()
    f.lines_from((10, 0), [((10, 10), [fn("A000009", "A000008")])])
    f.lines_from((10, 10), [((0, 10), [fn(left="A000008")])])
    f.lines_from((0, 10), [((0, 0), [fn(left="A000008")])])
    f.lines_from((0, 0), [((10, 0), [fn(left="A000008")])])
    f.lines_from((10, 0), [((20, 0), [fn(left="A000009")])])
    f.lines_from((20, 0), [((20, 10), [fn(left="A000009")])])
    f.lines_from((20, 10), [((10, 10), [fn(left="A000009")])])
    f.parcel((5, 5), "A000008", "FS14409300100019000000")
    f.parcel((15, 5), "A000009", "FS14409300100020000000")
    files["shared"] = f.done()
    # An unclosed parcel: one side is missing.
    f = GisFile()
    f.lines_from((0, 0), [((20, 0), [fn(left="A000010")])])
    f.lines_from((20, 0), [((20, 20), [fn(left="A000010")])])
    f.lines_from((20, 20), [((0, 20), [fn(left="A000010")])])
    f.parcel((10, 10), "A000010", "FS14409300100021000000")
    files["open"] = f.done()
    # Two parcels sharing an arc of radius 25 around (20, 15), stored once as kind 21 and once the
    # other way round as kind 22; the upper parcel is the segment between arc and chord.
    f = GisFile()
    f.lines_from((0, 0), [((40, 0), [fn(left="A000011")], "21", [(20, 15)]),
                          ((40, 0), [fn(right="A000011")])])
    f.lines_from((40, 0), [((0, 0), [fn(left="A000012")], "22", [(20, 15)])])
    f.lines_from((0, 0), [((0, -20), [fn(right="A000012")])])
    f.lines_from((0, -20), [((40, -20), [fn(right="A000012")])])
    f.lines_from((40, -20), [((40, 0), [fn(right="A000012")])])
    f.parcel((20, -3), "A000011", "FS14409300100022000000")
    f.parcel((20, -15), "A000012", "FS14409300100023000000")
    files["arc"] = f.done()
    # Points: a point record, a point object, and a building with a house number turned by 50 gon
    # (the direction first, then the position, as deliveries have it).
    f = GisFile()
    f.raw("FEIN", "ULPUNN  ",
          whf(1) + whf(1) +
          fixed("54569154" + "1" + "00012" + "5" + "1" + "LVA SN " + "06" + "01" + "010" + "Stei" +
                "%-15s" % "1998 Messung" + "%-15s" % "" + "0", 65) +
          whf(0) + whf(1) + fixed("100" + "5491005000" + "5654007500" + "1" + "00000010" + "1" + "098" +
                                  "AZ 4711  ", 45) +
          whf(0) + whf(0) + whf(0) +
          whf(1) + whf(2) + fixed("1" + "123456789" + "98063" + "01" + "1" + "1", 19) + whf(0) + whf(0))
    f.obj((3, 4), "052", "4101", "P", "A000013")
    f.ring([(0, 0), (10, 0), (10, 10), (0, 10)], left="A000014", layer="011", kind="1101")
    f.obj((5, 5), "011", "1101", "F", "A000014", [
        (ulob2100("16", "K4", "  1101", "HA14526100012340012a   001", "53"),
         ["TT" + "%018d" % 5000, gp(5, 5)]),
    ])
    files["points"] = f.done()
    return files


def parcels(n):
    f = GisFile()
    columns = max(1, int(n ** 0.5))
    for k in range(n):
        x, y = 20 * (k % columns), 20 * (k // columns)
        number = "P%06d" % k
        f.ring([(x, y), (x + 20, y), (x + 20, y + 20), (x, y + 20)], left=number)
        f.parcel((x + 10, y + 10), number, "FS144093001%05d00000" % (k % 100000))
    return f.done()


def write(lines, path, crlf=False):
    end = "\r\n" if crlf else "\n"
    with open(path, "wb") as f:
        for line in lines:
            f.write(line.encode(ENC) + end.encode())


def main(argv):
    if len(argv) >= 2 and argv[0] == "example":
        write(example(), argv[1])
    elif len(argv) >= 3 and argv[0] == "objects":
        write(objects(int(argv[1])), argv[2], crlf="--crlf" in argv)
    elif len(argv) >= 3 and argv[0] == "parcels":
        write(parcels(int(argv[1])), argv[2])
    elif len(argv) >= 2 and argv[0] == "gis":
        for name, lines in gis_files().items():
            write(lines, "%s/%s.edbs" % (argv[1], name))
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
