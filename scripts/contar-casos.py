#!/usr/bin/env python3
"""Counts the cases of the unit test program, whose suites CTest runs one
process each (cmake/RegistrarSuites.cmake): prints "PASSED SKIPPED FAILED".

A case counts as passed or skipped only where a suite's results say so;
every other case the program lists failed, so that a suite that crashed,
or never ran, counts all its cases as failed.  A suite CTest failed although
all its cases passed (a leak found as its process ended) counts as one more
failure.

    contar-casos.py PROGRAM RESULTS_FOLDER [CTEST_FAILED_LIST]
"""
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ET


def listed_cases(program):
    listing = subprocess.run([program, "--gtest_list_tests"], check=True,
                             capture_output=True, text=True).stdout
    cases, suite = set(), None
    for line in listing.splitlines():
        if line.startswith("  "):
            if suite:
                cases.add(suite + "." + line.split()[0])
        elif line.split() and line.split()[0].endswith("."):
            suite = line.split()[0][:-1]
        else:
            suite = None
    return cases


def results(folder):
    passed, skipped = set(), set()
    for archivo in pathlib.Path(folder).glob("*.xml"):
        try:
            raiz = ET.parse(archivo).getroot()
        except ET.ParseError:
            continue  # cut short: its cases count as failed
        for caso in raiz.iter("testcase"):
            nombre = caso.get("classname", "") + "." + caso.get("name", "")
            if caso.find("failure") is not None or caso.find("error") is not None:
                continue
            if caso.get("result") == "skipped" or caso.find("skipped") is not None:
                skipped.add(nombre)
            elif caso.get("status") == "run":
                passed.add(nombre)
    return passed, skipped


def failed_suites(ctest_list):
    """The suites named in CTest's list of failed tests ("34:Suite")."""
    path = pathlib.Path(ctest_list)
    if not path.exists():
        return set()
    return {line.split(":", 1)[1] for line in path.read_text().splitlines() if ":" in line}


def main():
    cases = listed_cases(sys.argv[1])
    passed, skipped = results(sys.argv[2])
    passed &= cases
    skipped &= cases
    failed = cases - passed - skipped
    suites_with_failed_cases = {case.rsplit(".", 1)[0] for case in failed}
    failed_after_cases = 0
    if len(sys.argv) > 3:
        suites = {case.rsplit(".", 1)[0] for case in cases}
        failed_after_cases = len((failed_suites(sys.argv[3]) & suites) - suites_with_failed_cases)
    print(len(passed), len(skipped), len(failed) + failed_after_cases)


if __name__ == "__main__":
    main()
