#!/usr/bin/env python3
"""Writes sim/reference/catia_reference.json: the interfaces of CATIA V5's automation reference
that the simulated CATIA serves or may serve, with every ancestor, each member with its kind
(property, sub, func), read-only flag, arguments and type, exactly as the reference documents
them.

    tools/extract_catia_reference.py REFERENCE.json [OUT]

REFERENCE.json is a table of the whole reference (interfaces with "inherits" and "members").
The simulator checks every type name and member it serves against the written file, so a type
it starts to serve is added to SERVED below and the file written again.
"""
import json
import sys
from pathlib import Path

# CATIA's type names that the simulated CATIA hands out, and the ones a program may meet.
SERVED = """
Application Documents Document PartDocument ProductDocument DrawingDocument ProcessDocument
PPRDocument PPRProducts Selection SelectedElement Windows Window SpecsAndGeomWindow Viewer
Viewer2D Viewer3D SettingControllers SettingController CacheSettingAtt
Product Products Analyze Part Bodies Body AxisSystems AxisSystem
DrawingSheets DrawingSheet DrawingViews DrawingView DrawingViewGenerativeBehavior
DrawingViewGenerativeLinks DrawingTexts DrawingText DrawingTextProperties DrawingComponents
DrawingComponent DrawingTables DrawingTable Factory2D Line2D Circle2D Point2D
Activities Activity PPRActivity MfgActivities ManufacturingActivity ManufacturingSetup
ManufacturingProgram ManufacturingOperation ManufacturingTool ManufacturingToolAssembly
Parameters Parameter StrParam IntParam RealParam BoolParam Dimension Length Angle
""".split()

# COM's own interfaces at the root of every chain: no automation member of theirs is served.
COM_BASES = {"IUnknown", "IDispatch"}

# What the simulator reads of a member.
MEMBER_FIELDS = ("kind", "read_only", "write_only", "args", "type")


def closure(interfaces, names):
    """The named interfaces and all their documented ancestors."""
    wanted, todo = set(), list(names)
    while todo:
        name = todo.pop()
        if name in wanted:
            continue
        if name in COM_BASES:
            continue
        if name not in interfaces:
            sys.exit(f"the reference has no interface {name}")
        wanted.add(name)
        todo.extend(interfaces[name].get("inherits", []))
    return wanted


def member_facts(member):
    facts = {k: member[k] for k in MEMBER_FIELDS if k in member}
    facts["args"] = [{"name": a["name"], "type": a["type"], **({"optional": True} if a.get("optional") else {})}
                     for a in member.get("args", [])]
    return facts


def layout(table):
    """The table as JSON with one line per member, so that a change reads as one line."""
    def compact(value):
        return json.dumps(value, ensure_ascii=False, sort_keys=True, separators=(",", ":"))

    interfaces = []
    for name, interface in table.items():
        members = ",\n".join(f"   {compact(m)}: {compact(facts)}" for m, facts in interface["members"].items())
        interfaces.append(f' {compact(name)}: {{\n  "inherits": {compact(interface["inherits"])},\n'
                          f'  "members": {{' + (f"\n{members}\n  }}" if members else "}") + "\n }")
    return "{\n" + ",\n".join(interfaces) + "\n}\n"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    reference = json.loads(Path(sys.argv[1]).read_text(encoding="utf-8"))
    interfaces = reference["interfaces"]
    out = Path(sys.argv[2]) if len(sys.argv) == 3 else Path(__file__).resolve().parent.parent / "sim/reference/catia_reference.json"
    table = {
        name: {
            "inherits": interfaces[name].get("inherits", []),
            "members": {m: member_facts(facts) for m, facts in sorted(interfaces[name]["members"].items())},
        }
        for name in sorted(closure(interfaces, SERVED))
    }
    out.write_text(layout(table), encoding="utf-8")
    print(f"{out}: {len(table)} interfaces, {sum(len(t['members']) for t in table.values())} members")


if __name__ == "__main__":
    main()
