#!/usr/bin/env python3
"""Runs the tool's JSON outputs (check, get, diff, info) over plans and platform files that
read, fail and warn, and a batch's manifest, validates every output against its schema in
schemas/, and checks that the values stand where they belong.

Usage: validate_outputs.py TOOL SCHEMA_DIR
"""
import hashlib
import json
import os
import pathlib
import subprocess
import sys
import tempfile
from xml.etree import ElementTree

import jsonschema

TOOL, SCHEMAS = os.path.abspath(sys.argv[1]), pathlib.Path(sys.argv[2]).resolve()


def load(name):
    return json.loads((SCHEMAS / name).read_text())


store = {s["$id"]: s for s in map(load, ["common.schema.json", "check.schema.json",
                                         "get.schema.json", "diff.schema.json",
                                         "info.schema.json", "manifest.schema.json"])}
validators = {}
for schema in store.values():
    jsonschema.Draft202012Validator.check_schema(schema)
    command = schema["$id"].rsplit("/", 1)[1].split(".")[0]
    resolver = jsonschema.RefResolver.from_schema(schema, store=store)
    validators[command] = jsonschema.Draft202012Validator(schema, resolver=resolver)

failures = []
checked = 0


def tool(*args):
    return subprocess.run([TOOL, *args], capture_output=True, text=True)


def output(command, *args, status):
    """Runs `command --json`, checks its exit status and validates its output."""
    global checked
    run = tool(command, "--json", *args)
    where = f"{command} {' '.join(args)}"
    if run.returncode != status:
        failures.append(f"{where}: exit {run.returncode}, expected {status}: {run.stderr}")
        return None
    value = json.loads(run.stdout)
    for error in validators[command].iter_errors(value):
        failures.append(f"{where}: {error.message} at {list(error.absolute_path)}")
    checked += 1
    return value


with tempfile.TemporaryDirectory() as work:
    os.chdir(work)
    for base, options in [("classic", ["--name", "Plan \u00e9", "--domain", "--pin", "1234",
                                       "--aac-version", "1.2"]),
                          ("hazard", ["--radio-type", "146"]),
                          ("mobile", ["--mobile", "--radio-type", "7"])]:
        pathlib.Path(base + ".fl").write_bytes(os.urandom(3000))
        pathlib.Path(base + ".ee").write_bytes(os.urandom(500))
        assert tool("write", base, *options).returncode == 0
    assert tool("parse", "classic.xml", "unpacked").returncode == 0
    classic = pathlib.Path("classic.xml").read_text()
    # A value outside its table fails the read; a section of another radio group warns.
    pathlib.Path("failing.xml").write_text(classic.replace("zone='EST'", "zone='bogus'"))
    pin = ElementTree.parse("hazard.xml").find(".//platformConfig/PINConfig")
    extra = ElementTree.tostring(pin, encoding="unicode")
    pathlib.Path("warning.xml").write_text(classic.replace("</platformConfig>",
                                                           extra + "\n</platformConfig>"))
    pathlib.Path("other.xml").write_text("<other/>")

    infos = {}
    for plan, options, status in [("classic.xml", [], 0), ("hazard.xml", ["--radio-type", "146"], 0),
                                  ("mobile.xml", ["--mobile"], 0), ("failing.xml", [], 1),
                                  ("warning.xml", [], 0), ("other.xml", [], 1)]:
        output("check", plan, *options, status=status)
        infos[plan] = output("info", plan, status=0)

    def expect(where, value, expected):
        if value != expected:
            failures.append(f"{where}: {value!r}, expected {expected!r}")

    flash = hashlib.sha256(pathlib.Path("classic.fl").read_bytes()).hexdigest()
    info = infos["classic.xml"]
    expect("info classic.xml", [info["name"], info["domain"], info["aac_version"], info["pin"],
                                info["mission_load"], info["images"]["flash"]["size"],
                                info["images"]["flash"]["sha256"], info["check"]["ok"],
                                info["check"]["reason"]],
           ["Plan \u00e9", "TACCOM_RADIO01", "1.2", "1234", "qd470PMissionLoad", 3000, flash,
            True, None])
    info = infos["hazard.xml"]
    expect("info hazard.xml", [info["group"], info["checked_as"]["radio_type"],
                               info["sections"][19], info["images"]["eeprom"]["size"]],
           ["hazard", 146, "hazardConfig", 500])
    info = infos["failing.xml"]["check"]
    expect("info failing.xml", [info["ok"], "'bogus'" in info["reason"]["text"]], [False, True])
    failing = output("check", "failing.xml", status=1)
    if failing and (failing["reason"]["code"], failing["reason"]["path"]) != (
            "not-a-name", "TimeDateCfg/@zone"):
        failures.append(f"check failing.xml: reason {failing['reason']}")
    warned = output("check", "warning.xml", status=0)
    if warned and [w["code"] for w in warned["warnings"]] != ["section-dropped"]:
        failures.append(f"check warning.xml: warnings {warned['warnings']}")

    for args in [["classic.xml"], ["unpacked.pd"], ["hazard.xml", "TimeDateCfg",
                                                    "AliasList/aliasInfo[1]"]]:
        output("get", *args, status=0)
    got = output("get", "mobile.xml", "TimeDateCfg", status=0)
    expect("get mobile.xml", [got["read_as"]["mobile"], got["settings"][1]],
           [True, {"path": "TimeDateCfg/@zone", "value": "EST"}])
    for a, b, status in [("classic.xml", "classic.xml", 0), ("classic.xml", "unpacked.pd", 0),
                         ("classic.xml", "hazard.xml", 1),
                         ("hazard.xml", "mobile.xml", 1)]:
        output("diff", a, b, status=status)
    diff = output("diff", "classic.xml", "failing.xml", status=1)
    expect("diff classic.xml failing.xml", [diff["same"], diff["differences"][0]["b"]],
           [False, "bogus"])

    # A batch with a row that fails among rows that are written.
    pathlib.Path("fleet.csv").write_text("base,name,TimeDateCfg/@zone,fl\r\n"
                                         "r1,\"One, two\",EST,classic.fl\r\nr2,,bogus,\r\n")
    run = tool("batch", "classic.xml", "fleet.csv", "--out", "plans", "--date", "2026-01-02")
    if run.returncode != 1 or "fleet.csv:3:" not in run.stderr:
        failures.append(f"batch: exit {run.returncode}, expected 1: {run.stderr}")
    else:
        manifest = json.loads(pathlib.Path("plans/manifest.json").read_text())
        for error in validators["manifest"].iter_errors(manifest):
            failures.append(f"manifest: {error.message} at {list(error.absolute_path)}")
        if [row["status"] for row in manifest["rows"]] != ["written", "failed"]:
            failures.append(f"manifest: rows {manifest['rows']}")
        checked += 1

print(f"{checked} outputs checked")
for failure in failures:
    print(failure, file=sys.stderr)
sys.exit(1 if failures else 0)
