"""What software centres and menus read of the game, checked as they check it.

    metadata_check.py APPSTREAMCLI DESKTOP_FILE_VALIDATE METAINFO DESKTOP

The metainfo must pass appstreamcli's pedantic validation with nothing to
say, the desktop entry desktop-file-validate with nothing to say (not even a
hint: two main categories show the game twice in some menus), and both must
say what software centres show: a summary short enough not to be cut, the
developer, brand colours, the controls the game is played with, and a
description true to the game.
"""

import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

LONGEST_SUMMARY = 35  # software centres cut the summary after this many characters


def validator_issues(appstreamcli, metainfo):
    """The validator's issues as (tag, hint) pairs, and its version."""
    report = subprocess.run([appstreamcli, "validate", "--pedantic", "--no-net", "--format=yaml",
                             metainfo], capture_output=True, text=True, timeout=60).stdout
    version = re.search(r"^Validator: (\S+)", report, re.M)
    issues = re.findall(r"^- tag: (\S+)\n(?:  .*\n)*?  hint: (.*)$", report, re.M)
    bare = re.findall(r"^- tag: (\S+)$", report, re.M)
    if len(bare) != len(issues):  # an issue without a hint
        issues += [(tag, "") for tag in bare[len(issues):]]
    return issues, version.group(1) if version else "0"


def older_than_developer_tag(version):
    # <developer id=...> came with AppStream 1.0; Debian 12's validator
    # (0.16) does not know it yet and says so as a pedantic note.
    return tuple(int(part) for part in re.findall(r"\d+", version)[:2]) < (1, 0)


def main(appstreamcli, desktop_file_validate, metainfo, desktop):
    problems = []

    issues, version = validator_issues(appstreamcli, metainfo)
    for tag, hint in issues:
        if tag == "unknown-tag" and hint == "developer" and older_than_developer_tag(version):
            continue
        problems.append(f"appstreamcli {version}: {tag} {hint}")

    said = subprocess.run([desktop_file_validate, desktop], capture_output=True, text=True,
                          timeout=60)
    if said.returncode != 0 or said.stdout.strip() or said.stderr.strip():
        problems.append("desktop-file-validate: " + (said.stdout + said.stderr).strip())

    root = ElementTree.parse(metainfo).getroot()
    summary = root.findtext("summary", "").strip()
    if not summary or len(summary) > LONGEST_SUMMARY:
        problems.append(f"summary of {len(summary)} characters: \"{summary}\"")
    if root.find("developer_name") is not None:
        problems.append("<developer_name> is deprecated: use <developer id=...>")
    developer = root.find("developer")
    if developer is None or not developer.get("id") or not developer.findtext("name"):
        problems.append("no <developer id=...> with a <name>")
    colours = {colour.get("scheme_preference"): colour.text
               for colour in root.findall("branding/color[@type='primary']")}
    if set(colours) != {"light", "dark"} or not all(
            re.fullmatch(r"#[0-9a-fA-F]{6}", colour or "") for colour in colours.values()):
        problems.append(f"brand colours for a light and a dark scheme wanted, found {colours}")
    controls = {control.text for control in root.findall("supports/control")}
    if not {"keyboard", "pointing"} <= controls:
        problems.append(f"<supports> should name the keyboard and the pointer, has {controls}")
    if root.find("requires/display_length") is None:
        problems.append("no <requires><display_length> for the smallest screen")
    description = " ".join(" ".join(root.find("description").itertext()).split())
    for wanted in ("twenty-eight towns", "keyboard", "screen reader", "journal"):
        if wanted not in description:
            problems.append(f"the description does not mention \"{wanted}\"")
    if "mouse alone" in description:
        problems.append("the description says the game is played with the mouse alone")

    entry = open(desktop, encoding="utf-8").read()
    categories = re.search(r"^Categories=(.*)$", entry, re.M)
    main_categories = {"AudioVideo", "Audio", "Video", "Development", "Education", "Game",
                       "Graphics", "Network", "Office", "Science", "Settings", "System",
                       "Utility"}
    found = [c for c in (categories.group(1).split(";") if categories else []) if c]
    if len(main_categories.intersection(found)) != 1:
        problems.append(f"the desktop entry should have one main category, has {found}")
    listed = [c.text for c in root.findall("categories/category")]
    if len(main_categories.intersection(listed)) != 1:
        problems.append(f"the metainfo should have one main category, has {listed}")

    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
