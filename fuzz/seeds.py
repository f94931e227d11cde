#!/usr/bin/env python3
"""Writes the fuzz target's own seeds to fuzz/corpus: small EDBS files with what the tests' data
and the example lack, each a few records long so that the fuzzer mutates them quickly: every kind
of special information, every kind of geometry with its points, every spline marker, the point
record parts, the FLOE/FAEN search criteria with every data key.

  fuzz/seeds.py            (re)writes fuzz/corpus/*.edbs
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
import edbs_gen as g  # noqa: E402

# Texts of the special informations, fitting what their kind decodes.
INFO_TEXTS = {
    "11": "HA14526100012340012a   001", "12": "FS14409300001234005007", "13": "FB144093000012",
    "14": "FS14409300001235000000", "15": "  12345", "16": "GM1440", "17": "FL144093001",
    "21": "Freie Beschriftung", "22": "14526100012", "23": "Strasse", "24": "Zusatz", "25": "Whs",
    "29": "0012345", "31": "Ausgestaltung", "32": "Ausgestaltung 2", "41": "A0003Y1", "42": "A0003Y2",
    "44": "KNLindenweg", "45": "010010000000100000000001011", "46": "A0008F1001A0008F2002",
    "47": "A0008F2002A0008F1001", "48": "001", "51": "A0003Y1001", "52": "A0003Y2002",
    "53": "Eigenname", "61": "Kartenrahmen", "62": "", "63": "Flur 3", "64": "Block 7",
    "65": "Randbeschriftung", "71": "nicht dargestellt", "80": "xGESCHOSSE$I3$", "99": "  alter Name",
}
GEOMETRY_KINDS = ["11", "12", "15", "21", "22", "30", "41", "51", "52", "53", "61", "63", "91", "92", "93"]


def p(dx, dy):
    return g.point(5491700.0 + dx, 5654600.0 + dy)


def info_records():
    """One object record per four kinds of special information, the geometry kinds in turn."""
    kinds = sorted(INFO_TEXTS)
    records = []
    for n in range(0, len(kinds), 4):
        infos = []
        for k, kind in enumerate(kinds[n:n + 4]):
            geom = GEOMETRY_KINDS[(n + k) % len(GEOMETRY_KINDS)]
            points = [p(10 + k, 10), p(20 + k, 15)] if geom in ("12", "53", "11") else [p(10 + k, 10)]
            infos.append((g.ulob2100(kind, "K4", "  2301", INFO_TEXTS[kind], geom, part="001"), points))
        obj = (g.ulob2000("001", "2301", "01", "F", "A000%03d" % n), infos)
        records.append(g.object_record(n + 1, p(0, 0), [], [obj]))
    return records


def line_records():
    """Lines of every kind of geometry, with supporting points and every spline marker."""
    records = []
    func = (g.ulob1100("001", "2301", "A0003Y1", "A0003Y2"), ["11A000010"])
    for n, kind in enumerate(GEOMETRY_KINDS):
        supports = [p(5, 30)] if kind in ("21", "22", "30", "15") else []
        if kind == "41":
            supports = [str(1 + n % 5) + " " * 19, p(3, 4), p(6, 9)]
        records.append(g.object_record(100 + n, p(0, 0), [(p(40, 25), kind, [func], supports)], []))
    for marker in "12345":
        spline = [marker + " " * 19, p(3, 4), p(6, 9), p(9, 3)]
        records.append(g.object_record(120, p(0, 0), [(p(40, 25), "41", [func], spline)], []))
    return records


def search_records():
    """FLOE and FAEN records whose search criteria hold every data key once."""
    widths = [8, 12, 1, 2, 7, 2, 2, 33, 7, 3, 1, 2, 4, 3, 8, 1, 5, 1, 2, 3, 3, 3, 1, 1, 36, 3]
    keys = ["DLOB0001", "DLOB0002", "DLOB0003", "DLOB2003", "DLOB2005", "DLOB2006", "DLOB2101", "DLOB2104",
            "DLTA0001", "DLTA0002", "DLTA0003", "DLTA0004", "DLTA1001", "DLOBJTNR", "DLPU0001", "DLPU0002",
            "DLPU0003", "DLPU0004", "DLPU0007", "DLPU2001", "DLPU3001", "DLPU4001", "DLPU5001", "DLPU6001",
            "DLPU6101", "DLPU7001"]
    records = []
    for n in range(0, len(keys), 7):
        criterion = "".join(("AS" if k == n else "AN") + keys[k] + "EQ" + ("1" * widths[k])
                            for k in range(n, min(n + 7, len(keys))))
        info = ["ULOBNN  ", "ULTA1000", "ULPUNN  ", "DLOB2005"][n // 7 % 4]
        records.append(g.header("FLOE", 200 + n, info, criterion, search_begin=37))
        records.append(g.header("FAEN", 210 + n, "ULOBNN  ", "  " + criterion, search_begin=39))
    return records


def write_seeds(folder):
    groups = {
        "besondere_informationen": info_records(),
        "geometrie": line_records(),
        "suchkriterien": search_records(),
    }
    os.makedirs(folder, exist_ok=True)
    for name, records in groups.items():
        for n in range(0, len(records), 3):
            g.write(records[n:n + 3], os.path.join(folder, "%s-%d.edbs" % (name, n // 3)))


if __name__ == "__main__":
    write_seeds(os.path.join(os.path.dirname(__file__), "corpus"))
