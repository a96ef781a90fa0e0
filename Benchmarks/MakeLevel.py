#!/usr/bin/env python3
"""Writes a level file for the headless editor with N patched fixture actors (default 20000):
four fixture types of two modes each, 16-channel footprints over as many universes as needed,
every 50th address shared by two actors.

    python3 Benchmarks/MakeLevel.py 20000 > Build/Level20000.json
    time Build/Binaries/EditorHost --project Build/BigProject --level Build/Level20000.json --show-tool --export Build/BigShow
"""
import json
import sys

count = int(sys.argv[1]) if len(sys.argv) > 1 else 20000
types = [{"name": name, "modes": ["Standard", "Extended"]} for name in ("Spot 575", "Wash 1200", "Beam 230", "Strip 8")]
actors = []
for index in range(count):
    address = index - index // 50  # every 50th actor shares the address before it
    universe, slot = divmod(address, 32)
    kind = index % 4
    actors.append({
        "label": f"Fixture {index + 1}",
        "class": "ZORFixtureActorStrip" if kind == 3 else "ZORFixtureActor",
        "location": [100.0 * (index % 100), 150.0 * (index // 100), 600.0],
        "rotation": [0, (index * 7) % 360, 0],
        "scale": [1, 1, 1],
        "patch": {"universe": universe + 1, "channel": 1 + 16 * slot, "fixtureType": types[kind]["name"], "mode": (index // 4) % 2},
    })
json.dump({"fixtureTypes": types, "actors": actors}, sys.stdout)
