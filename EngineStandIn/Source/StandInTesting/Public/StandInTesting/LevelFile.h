// Level files: a JSON description of a stage (fixture types, actors, their DMX patches) loaded into a
// session's editor world.
//
// {"fixtureTypes": [{"name": "Spot 575", "modes": ["Standard", "Extended"]}],
//  "actors": [{"label": "Spot 1", "class": "ZORFixtureActor", "location": [100, 200, 300],
//              "rotation": [0, 90, 0], "scale": [1, 1, 1], "level": "inactive",
//              "patch": {"universe": 1, "channel": 1, "fixtureType": "Spot 575", "mode": 0}}]}
//
// "class" is "Actor", "ZORFixtureActor" or "ZORFixtureActorStrip" (the plug-in's classes need its
// ZORLight module loaded). rotation is pitch, yaw, roll in degrees. No "patch": no DMX component;
// "patch": null: a DMX component without a patch; actors with the same universe, channel, fixture type
// and mode share one patch object; "deleted": true on a patch or fixture type deletes it after setup.
#pragma once

#include "CoreMinimal.h"

namespace StandIn
{
	class FEditorSession;

	/** A level read and checked, not yet in a world. */
	struct FLevelDescription;

	/**
	 * Reads and checks a level from its JSON text; SourceName names it in errors. The classes it names must
	 * be registered (the plug-in's runtime module loaded). Null with OutError set to one line naming the
	 * source and the problem.
	 */
	TSharedPtr<const FLevelDescription> ReadLevel(const FString& JsonText, const FString& SourceName, FString& OutError);

	/** Puts a checked level into the session's editor world; false with OutError when an actor cannot be spawned. */
	bool PlaceLevel(FEditorSession& Session, const FLevelDescription& Level, FString& OutError);
}
