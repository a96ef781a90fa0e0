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

	/** False with OutError set to one line naming the file and the problem; the world is then left
	 *  as it was. */
	bool LoadLevelFile(FEditorSession& Session, const FString& Path, FString& OutError);

	/** The same from JSON text; SourceName names it in errors. */
	bool LoadLevelFromString(FEditorSession& Session, const FString& JsonText, const FString& SourceName, FString& OutError);
}
