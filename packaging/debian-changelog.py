#!/usr/bin/env python3
"""Writes the Debian changelog of the package from the releases of the AppStream
metadata, newest first, so that the releases are told in one place.

    debian-changelog.py --metainfo IN.xml --package NAME --revision N --maintainer "NAME <MAIL>" --out FILE

Each release's description paragraphs and list items become the entry's items; the
entry is dated at noon UTC of the release's date."""

import argparse
import datetime
import textwrap
import xml.etree.ElementTree as ElementTree


def items(release):
    description = release.find("description")
    if description is None:
        return ["New release."]
    texts = [" ".join("".join(element.itertext()).split()) for element in description.iter()
             if element.tag in ("p", "li")]
    return [text for text in texts if text] or ["New release."]


def entry(package, release, revision, maintainer):
    version = f"{release.get('version')}-{revision}"
    day = datetime.date.fromisoformat(release.get("date"))
    stamp = datetime.datetime(day.year, day.month, day.day, 12, tzinfo=datetime.timezone.utc)
    lines = [f"{package} ({version}) unstable; urgency=medium", ""]
    for item in items(release):
        lines += textwrap.wrap(item, width=78, initial_indent="  * ", subsequent_indent="    ")
    lines += ["", f" -- {maintainer}  {stamp.strftime('%a, %d %b %Y %H:%M:%S %z')}"]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("--metainfo", "--package", "--revision", "--maintainer", "--out"):
        parser.add_argument(option, required=True)
    arguments = parser.parse_args()

    releases = ElementTree.parse(arguments.metainfo).getroot().findall("releases/release")
    if not releases:
        raise SystemExit(f"{arguments.metainfo} lists no release")
    releases.sort(key=lambda release: release.get("date"), reverse=True)
    with open(arguments.out, "w", encoding="utf-8") as out:
        out.write("\n".join(entry(arguments.package, release, arguments.revision,
                                  arguments.maintainer) for release in releases))


if __name__ == "__main__":
    main()
