#!/usr/bin/env python3
"""Deterministic inputs for the end-to-end comparison of tarvo-reken.

Writes a catalogue with varied coefficients, worksheet files and batch
tables into a folder. A small linear congruential generator of its own keeps
the output the same on every Python version. The catalogue and the
worksheets are described as text and written by the project's own
generators in GEREEDSCHAP (maak_catalogus, maak_voorbeeld, or their .js
under Node), so that their bytes have one layout only.

  maak_golden.py MAP --gereedschap GEREEDSCHAP [--batchregels N] [--werkbladen N]
"""
import argparse
import os
import subprocess


class Lcg:
    def __init__(self, zaad):
        self.s = zaad & 0xFFFFFFFFFFFFFFFF

    def getal(self):
        self.s = (self.s * 6364136223846793005 + 1442695040888963407) & 0xFFFFFFFFFFFFFFFF
        return self.s >> 11

    def tussen(self, a, b):  # integer a..b
        return a + self.getal() % (b - a + 1)

    def uniform(self, a, b):
        return a + (b - a) * (self.getal() / float(1 << 53))

    def kies(self, reeks):
        return reeks[self.getal() % len(reeks)]


WEGDEKKEN = [
    ("referentiewegdek (DAB)", (0, 0, 0, 0, 0, 0)),
    ("2L ZOAB", (-4.2, -1.3, -2.1, 1.7, -1.4, 0.9)),
    ("  1L ZOAB  ", (-3.0, 2.5, -1.75, -0.6, -0.8, 1.35)),
    ("elementenverharding, keperverb", (1.6, -2.4, 2.2, 3.1, 0.55, -1.9)),
    ("dunne deklaag B", (-2.7, 4.5, -0.45, 2.25, -3.3, -2.05)),
    ("Café-asfalt é", (0.35, -0.7, 1.05, -1.4, 2.45, 3.6)),
    ("oppervlaktebewerking", (2.0, 1.0, -1.0, 0.5, 1.5, -0.5)),
    ("2l zoab", (-5.5, 0.25, -3.75, -4.5, -2.2, 5.1)),
]


def catalogus():
    regels = ["gebruikersnaam\tBureau Geluid & Trilling", "labelnaam\tBureau Geluid && Trilling",
              "omschrijving\tDL_lv\tb_lv\tDL_mv\tb_mv\tDL_zv\tb_zv"]
    regels += ["\t".join([naam] + [repr(float(x)) for x in c]) for naam, c in WEGDEKKEN]
    return "\n".join(regels) + "\n"


def werkblad(r, i):
    def q():
        soort = r.tussen(0, 9)
        if soort == 0:
            return 0.0
        if soort == 1:
            return round(r.uniform(0, 5), 2)
        return round(r.uniform(0, r.kies([30, 300, 2000]) if soort < 8 else 12000), 2)

    perioden = []
    for _ in range(3):
        lv, mv, zv, mr, bromf, tram = (q() for _ in range(6))
        if r.tussen(0, 3) == 0:
            tram = 0.0
        perioden.append((lv, mv, zv, mr, 0.0, 0.0, bromf, tram))
    snelheden = [r.kies([30, 45, 50, 69, 70, 80, 100, 130, 160]) for _ in range(6)]
    hw = round(r.kies([0.0, 1.5, 5.0, 7.25, 12.0, 3.0, 5.0, 4.5]), 2)
    hweg = round(r.kies([0.0, 0.0, 0.0, 1.0, 3.0, 3.01, 0.5]), 2)
    d = round(r.kies([0.0, 1.0, 10.0, 25.0, 150.5, 800.0, r.uniform(1, 400), r.uniform(1, 400)]), 2)
    kruising = round(r.kies([0.0, 50.0, 150.0, 150.01, 80.0, 300.0]), 2)
    obstakel = round(r.kies([0.0, 50.0, 100.0, 100.01, 20.0]), 2)
    bodem = round(r.kies([0.0, 0.5, 1.0, 0.73]), 2)
    fobj = round(r.kies([0.0, 0.5, 1.0, 0.2]), 2)
    zicht = float(r.kies([0, 127, 60, 90, 1]))
    # Field numbers and values as maak_voorbeeld --ruw takes them; the
    # switches as any 16-bit number, the totals left 0 as in an old file.
    v = [(1, "Weg %d" % i), (0, "Punt %d, gevel €" % i)]
    for p, (lv, mv, zv, mr, _, _, bromf, tram) in enumerate(perioden, 1):
        v += [(1 + 4 * c + p, q) for c, q in enumerate((lv, mv, zv, mr, bromf, tram))]
    v += [(5 + 4 * c, s) for c, s in enumerate(snelheden)]
    v += [("rail", r.tussen(0, 1)), ("aftrek", r.kies([0, 1, 2]))]
    v += [(37, kruising), (33, hweg), (32, hw), (35, fobj), (34, bodem), (36, d), (39, zicht)]
    v += [("wegdek", r.tussen(1, len(WEGDEKKEN)))]
    v += [("toelichting%d" % k, "toelichting %d van blad %d" % (k, i)) for k in range(4)]
    v += [(38, obstakel), ("zone", r.kies([0, 1, 0, 2]))]
    return "".join("%s\t%s\n" % (k, repr(x) if isinstance(x, float) else x) for k, x in v)


KOP = ("waarneempunt;weg;qlv_dag;qlv_avond;qlv_nacht;vlv;qmv_dag;qmv_avond;qmv_nacht;vmv;qzv_dag;qzv_avond;"
       "qzv_nacht;vzv;qmr_dag;qmr_avond;qmr_nacht;vmr;qbromf_dag;qbromf_avond;qbromf_nacht;vbromf;qtram_dag;"
       "qtram_avond;qtram_nacht;vtram;hw;hweg;b;fobj;d;a_kruising;a_obstakel;zichthoek;wegdek;zone;aftrek;rail")


def getaltekst(r, x, decimalen):
    t = "%.*f" % (decimalen, x)
    return t.replace(".", ",") if r.tussen(0, 1) else t


def batchregel(r, i):
    def q():
        soort = r.tussen(0, 9)
        if soort == 0:
            return ""
        if soort == 1:
            return "0"
        return getaltekst(r, r.uniform(0, r.kies([20, 200, 1500]) if soort < 9 else 20000), r.tussen(0, 3))

    naam = r.kies(["Punt %d" % i, "\"Punt; %d\"" % i, "  Punt %d  " % i, "Punt \"\"%d\"\"" % i])
    if naam.count('"') == 4:
        naam = "\"" + naam + "\""
    velden = [naam, "Weg %d" % (i % 97)]
    for _ in range(6):
        velden += [q(), q(), q(), str(r.kies([20, 30, 50, 70, 69, 80, 120, 200, 45]))]
    velden += [getaltekst(r, r.kies([1.5, 5.0, 12.0, 5.0, 5.0, 5.0, 1.5, 0.0]), 2), getaltekst(r, r.kies([0.0, 0.0, 0.0, 1.0, 5.01]), 2),
               getaltekst(r, r.kies([0.0, 0.5, 1.0, 2.0]), 2), getaltekst(r, r.kies([0.0, 0.25, 1.0, 1.01]), 2),
               getaltekst(r, r.kies([10.0, 33.3, 250.0, r.uniform(1, 600), r.uniform(1, 600), 0.0]), 2),
               getaltekst(r, r.kies([0.0, 50.0, 150.0, 150.01]), 2),
               getaltekst(r, r.kies([0.0, 50.0, 100.0, 100.01]), 2),
               str(r.kies([0, 127, 60, 200])), str(r.kies([1, 2, 3, 4, 5, 6, 7, 8])),
               str(r.kies([0, 1])), str(r.kies([0, 1])), str(r.kies([0, 1]))]
    fout = r.tussen(0, 40)
    if fout == 0:
        velden[r.tussen(2, 33)] = r.kies(["abc", "1,2,3", ",", "1.2.3", "12a"])
    elif fout == 1:
        velden[34] = r.kies(["0", "9", "x", "-1"])
    elif fout == 2:
        velden[35 + r.tussen(0, 2)] = r.kies(["2", "ja", ""])
    elif fout == 3:
        velden.append("teveel")
    return ";".join(velden)


def gereedschap(map_, naam):
    pad = os.path.join(map_, naam)
    return [pad] if os.path.exists(pad) else ["node", pad + ".js"]


def main():
    a = argparse.ArgumentParser()
    a.add_argument("map")
    a.add_argument("--gereedschap", required=True)
    a.add_argument("--batchregels", type=int, default=2000)
    a.add_argument("--werkbladen", type=int, default=0)
    a.add_argument("--zaad", type=int, default=20261206)
    o = a.parse_args()
    os.makedirs(o.map, exist_ok=True)
    bron = os.path.join(o.map, "bron")
    os.makedirs(bron, exist_ok=True)
    with open(os.path.join(bron, "wegdekken.tsv"), "w", encoding="utf-8", newline="") as f:
        f.write(catalogus())
    subprocess.run(gereedschap(o.gereedschap, "maak_catalogus") +
                   [os.path.join(bron, "wegdekken.tsv"), os.path.join(o.map, "Wegdekken_2012.dat")], check=True)
    r = Lcg(o.zaad)
    paren = []
    for i in range(o.werkbladen):
        paren += [os.path.join(bron, "blad%03d.txt" % i), os.path.join(o.map, "blad%03d.tvo" % i)]
        with open(paren[-2], "w", encoding="utf-8", newline="") as f:
            f.write(werkblad(r, i))
    if paren:
        subprocess.run(gereedschap(o.gereedschap, "maak_voorbeeld") + ["--ruw"] + paren, check=True)
    if o.batchregels:
        with open(os.path.join(o.map, "batch.csv"), "w", encoding="utf-8", newline="") as f:
            f.write(KOP + "\n")
            for i in range(o.batchregels):
                f.write(batchregel(r, i) + ("\r\n" if i % 7 == 3 else "\n"))


if __name__ == "__main__":
    main()
