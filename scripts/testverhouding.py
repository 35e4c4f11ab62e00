#!/usr/bin/env python3
"""Prints the lines of production code and of test code and their ratio,
and fails when the tests outgrow a third of the code (above 0.35). Data
(expected texts, case tables, CSV, worksheets, package-lock.json) is no
code and is not counted.

  Production: .cpp/.h in the program's folders, and .js/.mjs/.cpp/.h of the
  page under web/.
  Tests: .cpp/.h/.py/.sh/.js/.mjs under tests/.
  Narrow, for information: .cpp/.h/.py/.sh only, nothing of the page.

  testverhouding.py [BRONMAP]
"""
import os
import sys

PROGRAMMA = ["base", "calc", "files", "report", "tools", "driver", "shared_ui", "windows", "app", "data"]
GRENS = 0.35


def regels(bron, mappen, soorten, behalve=()):
    totaal = 0
    for map_ in mappen:
        for wortel, submappen, namen in os.walk(os.path.join(bron, map_)):
            submappen[:] = [m for m in submappen if m != "node_modules"]
            if any(os.path.relpath(wortel, bron).startswith(b) for b in behalve):
                continue
            for naam in namen:
                if naam.endswith(soorten):
                    with open(os.path.join(wortel, naam), encoding="utf-8", errors="replace") as f:
                        totaal += len(f.read().splitlines())
    return totaal


def main():
    bron = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    code = (".cpp", ".h")
    programma = regels(bron, PROGRAMMA, code) + regels(bron, ["web"], code + (".js", ".mjs"))
    toetsen = regels(bron, ["tests"], code + (".py", ".sh", ".js", ".mjs"))
    smal_programma = regels(bron, PROGRAMMA, code)
    smal_toetsen = regels(bron, ["tests"], code + (".py", ".sh"), behalve=(os.path.join("tests", "web"),))
    print("programma %d regels, toetsen %d regels: %.3f (grens %.2f)" % (programma, toetsen, toetsen / programma, GRENS))
    print("smal (.cpp/.h/.py/.sh, zonder de pagina): programma %d, toetsen %d: %.3f" %
          (smal_programma, smal_toetsen, smal_toetsen / smal_programma))
    if toetsen / programma > GRENS:
        print("De toetsen zijn meer dan %.2f van de code: schrijf gevallen als gegevens." % GRENS)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
