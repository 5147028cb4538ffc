#!/usr/bin/env python3
"""Writes the seed corpora of the fuzzing programs into tests/fuzz/corpus/
from the test fixtures, the installation data and the demo project.

A "project" seed is project.dat, segments.dat, the event file of each
section (in the order of the section groups) and an inclination file,
joined by form feeds; its catalog is the demo catalog that lies beside the
fuzzing programs."""
import hashlib
import pathlib
import re

root = pathlib.Path(__file__).resolve().parent.parent
corpus = root / "tests" / "fuzz" / "corpus"
fixtures = root / "tests" / "fixtures"
demo = root / "examples" / "demo-project"


def put(target, data):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / hashlib.sha1(data).hexdigest()[:16]).write_bytes(data)


def section_groups(segments):
    return re.findall(rb"^\[([^\]\n]*)\]", segments, re.M)


def project_seed(directory, inclination=b""):
    project = (directory / "project.dat").read_bytes()
    project = re.sub(rb"inspectionstandard=.*", b"inspectionstandard=OSTREL-DEMO", project)
    segments_file = directory / "segments.dat"
    segments = segments_file.read_bytes() if segments_file.is_file() else b""
    parts = [project, segments]
    for group in section_groups(segments):
        event_file = directory / (group.decode("latin-1") + ".evtdat")
        parts.append(event_file.read_bytes() if event_file.is_file() else b"")
    parts.append(inclination)
    return b"\f".join(parts)


def main():
    ini_sources = sorted(fixtures.rglob("*.dat")) + sorted(fixtures.rglob("*.evtdat")) \
        + sorted((root / "data" / "installation").rglob("*.dat"))
    for path in ini_sources:
        if path.is_file() and path.stat().st_size <= 32 * 1024:
            put("ini", path.read_bytes())
    for path in sorted(fixtures.rglob("*.std")) + sorted(fixtures.rglob("*.pod")) \
            + sorted((root / "data" / "installation").rglob("*.std")) \
            + sorted((root / "data" / "installation").rglob("*.pod")):
        put("standard", path.read_bytes())
    for path in sorted(fixtures.rglob("*.lay")) + sorted((root / "data" / "installation").rglob("*.lay")):
        put("layout", path.read_bytes())
    inclinations = sorted(fixtures.rglob("*.txt")) + sorted((demo / "Inclination").glob("*.txt"))
    for path in inclinations:
        if "inclination" in str(path).lower():
            put("inclination", path.read_bytes())
    demo_inclination = (demo / "Inclination" / "INC_0003.txt").read_bytes()
    for directory in sorted((fixtures / "projects").iterdir()):
        if (directory / "project.dat").is_file():
            put("project", project_seed(directory, demo_inclination))
    put("project", project_seed(demo, demo_inclination))


if __name__ == "__main__":
    main()
