#!/usr/bin/env python3
"""Prints the include graph between the source folders and fails on a cycle,
on a Qt header in a folder of the Qt-free core, or on a name there that
stands for a window, a control, a colour or a message box: the core hands
the windows values, and they show them.

  lagen.py [BRONMAP]
"""
import os
import re
import sys

KERN = ["base", "calc", "files", "report", "tools", "driver"]
VENSTERS = ["shared_ui", "windows"]
BOVEN = ["app", "data", "fuzz", "bench", "web"]
MAPPEN = KERN + VENSTERS + BOVEN

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)
BESTURING = re.compile(r"\b\w*(Venster|Knop|Kleur|Dialoog|Vinkvak|TekstVak|Bediening|Widget|Meldingen|Icoon)\w*\b")
COMMENTAAR = re.compile(r'//[^\n]*|"(?:\\.|[^"\\\n])*"')


def besturing(bron):
    """Names in the core that stand for something of a window."""
    gevonden = []
    for map_ in KERN:
        for wortel, _, namen in os.walk(os.path.join(bron, map_)):
            for naam in sorted(namen):
                if not naam.endswith((".h", ".cpp")):
                    continue
                bestand = os.path.join(wortel, naam)
                code = COMMENTAAR.sub("", open(bestand, encoding="utf-8").read())
                for m in sorted(set(m.group(0) for m in BESTURING.finditer(code))):
                    gevonden.append("%s: %s" % (os.path.relpath(bestand, bron), m))
    return gevonden


def lees(bron):
    graaf = {m: {} for m in MAPPEN}
    qt = []
    for map_ in MAPPEN:
        pad = os.path.join(bron, map_)
        for wortel, _, namen in os.walk(pad):
            for naam in sorted(namen):
                if not naam.endswith((".h", ".cpp")):
                    continue
                bestand = os.path.join(wortel, naam)
                tekst = open(bestand, encoding="utf-8").read()
                for doel in INCLUDE.findall(tekst):
                    kop = doel.split("/")[0]
                    if kop in graaf and kop != map_:
                        graaf[map_].setdefault(kop, []).append(os.path.relpath(bestand, bron))
                    if map_ in KERN and (doel.startswith("Q") or doel.startswith("Qt")):
                        qt.append("%s: %s" % (os.path.relpath(bestand, bron), doel))
    return graaf, qt


def cyclus(graaf):
    kleur = {m: 0 for m in graaf}
    pad = []

    def bezoek(m):
        kleur[m] = 1
        pad.append(m)
        for n in sorted(graaf[m]):
            if kleur[n] == 1:
                return pad[pad.index(n):] + [n]
            if kleur[n] == 0:
                gevonden = bezoek(n)
                if gevonden:
                    return gevonden
        pad.pop()
        kleur[m] = 2
        return None

    for m in graaf:
        if kleur[m] == 0:
            gevonden = bezoek(m)
            if gevonden:
                return gevonden
    return None


def main():
    bron = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    graaf, qt = lees(bron)
    for m in MAPPEN:
        doelen = ", ".join("%s (%d)" % (n, len(graaf[m][n])) for n in sorted(graaf[m]))
        print("%-10s -> %s" % (m, doelen or "-"))
    fout = 0
    c = cyclus(graaf)
    if c:
        print("Kring tussen mappen: " + " -> ".join(c))
        for a, b in zip(c, c[1:]):
            print("  %s -> %s: %s" % (a, b, ", ".join(sorted(set(graaf[a][b]))[:5])))
        fout = 1
    if qt:
        print("Qt in de kern:\n  " + "\n  ".join(qt))
        fout = 1
    namen = besturing(bron)
    if namen:
        print("Vensterbegrippen in de kern:\n  " + "\n  ".join(namen))
        fout = 1
    return fout


if __name__ == "__main__":
    sys.exit(main())
