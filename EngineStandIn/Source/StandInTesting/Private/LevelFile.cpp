#include "StandInTesting/LevelFile.h"

#include "StandInTesting/EditorSession.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "StandIn/CoreUObjectHooks.h"

#include <nlohmann/json.hpp>

#include <string>

namespace StandIn
{
	namespace
	{
		using FJson = nlohmann::json;

		const TCHAR* const InactiveLevelName = TEXT("InactiveLevel");

		struct FFixtureTypeSpec
		{
			FString Name;
			TArray<FString> Modes;
			bool bDeleted = false;
		};

		struct FPatchSpec
		{
			int32 Universe = 0;
			int32 Channel = 0;
			FString FixtureType;
			int32 Mode = 0;
			FString Name;
			bool bDeleted = false;
		};

		enum class EPatchKind
		{
			None,
			Null,
			Patch
		};

		struct FActorSpec
		{
			FString Label;
			UClass* Class = nullptr;
			FVector Location = FVector::ZeroVector;
			FRotator Rotation = FRotator::ZeroRotator;
			FVector Scale = FVector::OneVector;
			bool bInactiveLevel = false;
			EPatchKind PatchKind = EPatchKind::None;
			FPatchSpec Patch;
		};

		FString ToFString(const std::string& Utf8)
		{
			return FString(UTF8_TO_TCHAR(Utf8.c_str()));
		}

		/** Reads the level description, reporting the first problem as "<where>: <what>". */
		class FLevelReader
		{
		public:
			TArray<FFixtureTypeSpec> FixtureTypes;
			TArray<FActorSpec> Actors;
			FString Error;

			bool Read(const FJson& Root)
			{
				if (!Root.is_object())
				{
					return Fail(TEXT("the top level"), FString::Printf(TEXT("expected a JSON object, found %s"), *Describe(Root)));
				}
				if (!CheckKeys(Root, TEXT("the top level"), {"fixtureTypes", "actors"}))
				{
					return false;
				}
				if (Root.contains("fixtureTypes") && !ReadFixtureTypes(Root["fixtureTypes"]))
				{
					return false;
				}
				if (Root.contains("actors") && !ReadActors(Root["actors"]))
				{
					return false;
				}
				return true;
			}

		private:
			bool Fail(const FString& Where, const FString& What)
			{
				Error = Where + TEXT(": ") + What;
				return false;
			}

			static FString Describe(const FJson& Value)
			{
				switch (Value.type())
				{
				case FJson::value_t::null: return TEXT("null");
				case FJson::value_t::boolean: return TEXT("a boolean");
				case FJson::value_t::string: return TEXT("a string");
				case FJson::value_t::array: return TEXT("an array");
				case FJson::value_t::object: return TEXT("an object");
				case FJson::value_t::number_float: return TEXT("a fractional number");
				default: return TEXT("a number");
				}
			}

			bool CheckKeys(const FJson& Object, const FString& Where, std::initializer_list<const char*> Known)
			{
				for (auto It = Object.begin(); It != Object.end(); ++It)
				{
					bool bKnown = false;
					for (const char* Key : Known)
					{
						bKnown = bKnown || It.key() == Key;
					}
					if (!bKnown)
					{
						return Fail(Where, FString::Printf(TEXT("unknown key \"%s\""), *ToFString(It.key())));
					}
				}
				return true;
			}

			bool ReadString(const FJson& Value, const FString& Where, FString& Out)
			{
				if (!Value.is_string())
				{
					return Fail(Where, FString::Printf(TEXT("expected a string, found %s"), *Describe(Value)));
				}
				Out = ToFString(Value.get<std::string>());
				return true;
			}

			bool ReadInt(const FJson& Value, const FString& Where, int32& Out)
			{
				if (!Value.is_number_integer())
				{
					return Fail(Where, FString::Printf(TEXT("expected a whole number, found %s"), *Describe(Value)));
				}
				const int64 Number = Value.get<int64>();
				if (Number < -2147483647LL || Number > 2147483647LL)
				{
					return Fail(Where, TEXT("the number is out of range"));
				}
				Out = static_cast<int32>(Number);
				return true;
			}

			bool ReadBool(const FJson& Value, const FString& Where, bool& Out)
			{
				if (!Value.is_boolean())
				{
					return Fail(Where, FString::Printf(TEXT("expected true or false, found %s"), *Describe(Value)));
				}
				Out = Value.get<bool>();
				return true;
			}

			bool ReadVector(const FJson& Value, const FString& Where, double& OutA, double& OutB, double& OutC)
			{
				if (!Value.is_array() || Value.size() != 3 || !Value[0].is_number() || !Value[1].is_number() || !Value[2].is_number())
				{
					return Fail(Where, FString::Printf(TEXT("expected an array of 3 numbers, found %s"),
						Value.is_array() ? *FString::Printf(TEXT("an array of %d elements"), static_cast<int32>(Value.size())) : *Describe(Value)));
				}
				OutA = Value[0].get<double>();
				OutB = Value[1].get<double>();
				OutC = Value[2].get<double>();
				return true;
			}

			bool ReadFixtureTypes(const FJson& Types)
			{
				if (!Types.is_array())
				{
					return Fail(TEXT("fixtureTypes"), FString::Printf(TEXT("expected an array, found %s"), *Describe(Types)));
				}
				for (size_t Index = 0; Index < Types.size(); ++Index)
				{
					const FString Where = FString::Printf(TEXT("fixtureTypes[%d]"), static_cast<int32>(Index));
					const FJson& Type = Types[Index];
					if (!Type.is_object())
					{
						return Fail(Where, FString::Printf(TEXT("expected an object, found %s"), *Describe(Type)));
					}
					if (!CheckKeys(Type, Where, {"name", "modes", "deleted"}))
					{
						return false;
					}
					FFixtureTypeSpec Desc;
					if (!Type.contains("name"))
					{
						return Fail(Where, TEXT("\"name\" is missing"));
					}
					if (!ReadString(Type["name"], Where + TEXT(".name"), Desc.Name))
					{
						return false;
					}
					if (FindFixtureType(Desc.Name) != nullptr)
					{
						return Fail(Where + TEXT(".name"), FString::Printf(TEXT("fixture type \"%s\" is defined twice"), *Desc.Name));
					}
					if (Type.contains("modes"))
					{
						const FJson& Modes = Type["modes"];
						if (!Modes.is_array())
						{
							return Fail(Where + TEXT(".modes"), FString::Printf(TEXT("expected an array of strings, found %s"), *Describe(Modes)));
						}
						for (size_t ModeIndex = 0; ModeIndex < Modes.size(); ++ModeIndex)
						{
							FString ModeName;
							if (!ReadString(Modes[ModeIndex], FString::Printf(TEXT("%s.modes[%d]"), *Where, static_cast<int32>(ModeIndex)), ModeName))
							{
								return false;
							}
							Desc.Modes.Add(ModeName);
						}
					}
					if (Type.contains("deleted") && !ReadBool(Type["deleted"], Where + TEXT(".deleted"), Desc.bDeleted))
					{
						return false;
					}
					FixtureTypes.Add(Desc);
				}
				return true;
			}

			const FFixtureTypeSpec* FindFixtureType(const FString& Name) const
			{
				return FixtureTypes.FindByPredicate([&Name](const FFixtureTypeSpec& Desc)
				{
					return Desc.Name.Equals(Name, ESearchCase::CaseSensitive);
				});
			}

			bool ReadClass(const FJson& Value, const FString& Where, UClass*& OutClass)
			{
				FString ClassName;
				if (!ReadString(Value, Where, ClassName))
				{
					return false;
				}
				const bool bKnownName = ClassName.Equals(TEXT("Actor"), ESearchCase::CaseSensitive)
					|| ClassName.Equals(TEXT("ZORFixtureActor"), ESearchCase::CaseSensitive)
					|| ClassName.Equals(TEXT("ZORFixtureActorStrip"), ESearchCase::CaseSensitive);
				if (!bKnownName)
				{
					return Fail(Where, FString::Printf(TEXT("unknown class \"%s\" (expected Actor, ZORFixtureActor or ZORFixtureActorStrip)"), *ClassName));
				}
				OutClass = ClassName.Equals(TEXT("Actor"), ESearchCase::CaseSensitive) ? AActor::StaticClass() : UE::StandIn::FindClassByName(ClassName);
				if (OutClass == nullptr || !OutClass->IsChildOf(AActor::StaticClass()))
				{
					return Fail(Where, FString::Printf(TEXT("class \"%s\" is not registered (the plug-in's ZORLight module is not loaded)"), *ClassName));
				}
				return true;
			}

			bool ReadPatch(const FJson& Value, const FString& Where, FActorSpec& Actor)
			{
				if (Value.is_null())
				{
					Actor.PatchKind = EPatchKind::Null;
					return true;
				}
				if (!Value.is_object())
				{
					return Fail(Where, FString::Printf(TEXT("expected an object or null, found %s"), *Describe(Value)));
				}
				if (!CheckKeys(Value, Where, {"universe", "channel", "fixtureType", "mode", "name", "deleted"}))
				{
					return false;
				}
				for (const char* Required : {"universe", "channel", "fixtureType"})
				{
					if (!Value.contains(Required))
					{
						return Fail(Where, FString::Printf(TEXT("\"%s\" is missing"), *ToFString(Required)));
					}
				}
				FPatchSpec& Patch = Actor.Patch;
				if (!ReadInt(Value["universe"], Where + TEXT(".universe"), Patch.Universe)
					|| !ReadInt(Value["channel"], Where + TEXT(".channel"), Patch.Channel)
					|| !ReadString(Value["fixtureType"], Where + TEXT(".fixtureType"), Patch.FixtureType))
				{
					return false;
				}
				if (Patch.Universe < 0)
				{
					return Fail(Where + TEXT(".universe"), FString::Printf(TEXT("universe %d is negative"), Patch.Universe));
				}
				if (Patch.Channel < 1 || Patch.Channel > 512)
				{
					return Fail(Where + TEXT(".channel"), FString::Printf(TEXT("channel %d is outside 1 to 512"), Patch.Channel));
				}
				if (FindFixtureType(Patch.FixtureType) == nullptr)
				{
					return Fail(Where + TEXT(".fixtureType"), FString::Printf(TEXT("unknown fixture type \"%s\""), *Patch.FixtureType));
				}
				if (Value.contains("mode") && !ReadInt(Value["mode"], Where + TEXT(".mode"), Patch.Mode))
				{
					return false;
				}
				if (Value.contains("name") && !ReadString(Value["name"], Where + TEXT(".name"), Patch.Name))
				{
					return false;
				}
				if (Value.contains("deleted") && !ReadBool(Value["deleted"], Where + TEXT(".deleted"), Patch.bDeleted))
				{
					return false;
				}
				Actor.PatchKind = EPatchKind::Patch;
				return true;
			}

			bool ReadActors(const FJson& ActorsJson)
			{
				if (!ActorsJson.is_array())
				{
					return Fail(TEXT("actors"), FString::Printf(TEXT("expected an array, found %s"), *Describe(ActorsJson)));
				}
				for (size_t Index = 0; Index < ActorsJson.size(); ++Index)
				{
					const FString Where = FString::Printf(TEXT("actors[%d]"), static_cast<int32>(Index));
					const FJson& ActorJson = ActorsJson[Index];
					if (!ActorJson.is_object())
					{
						return Fail(Where, FString::Printf(TEXT("expected an object, found %s"), *Describe(ActorJson)));
					}
					if (!CheckKeys(ActorJson, Where, {"label", "class", "location", "rotation", "scale", "level", "patch"}))
					{
						return false;
					}
					FActorSpec Desc;
					if (ActorJson.contains("label") && !ReadString(ActorJson["label"], Where + TEXT(".label"), Desc.Label))
					{
						return false;
					}
					if (!ActorJson.contains("class"))
					{
						return Fail(Where, TEXT("\"class\" is missing"));
					}
					if (!ReadClass(ActorJson["class"], Where + TEXT(".class"), Desc.Class))
					{
						return false;
					}
					if (ActorJson.contains("location") && !ReadVector(ActorJson["location"], Where + TEXT(".location"), Desc.Location.X, Desc.Location.Y, Desc.Location.Z))
					{
						return false;
					}
					if (ActorJson.contains("rotation") && !ReadVector(ActorJson["rotation"], Where + TEXT(".rotation"), Desc.Rotation.Pitch, Desc.Rotation.Yaw, Desc.Rotation.Roll))
					{
						return false;
					}
					if (ActorJson.contains("scale") && !ReadVector(ActorJson["scale"], Where + TEXT(".scale"), Desc.Scale.X, Desc.Scale.Y, Desc.Scale.Z))
					{
						return false;
					}
					if (ActorJson.contains("level"))
					{
						FString LevelName;
						if (!ReadString(ActorJson["level"], Where + TEXT(".level"), LevelName))
						{
							return false;
						}
						Desc.bInactiveLevel = LevelName.Equals(TEXT("inactive"), ESearchCase::CaseSensitive);
						if (!Desc.bInactiveLevel && !LevelName.Equals(TEXT("persistent"), ESearchCase::CaseSensitive))
						{
							return Fail(Where + TEXT(".level"), FString::Printf(TEXT("unknown level \"%s\" (expected persistent or inactive)"), *LevelName));
						}
					}
					if (ActorJson.contains("patch") && !ReadPatch(ActorJson["patch"], Where + TEXT(".patch"), Desc))
					{
						return false;
					}
					Actors.Add(Desc);
				}
				return true;
			}
		};

		/** Reports where the text stops being JSON, without exceptions. */
		struct FSyntaxCheck : nlohmann::json_sax<FJson>
		{
			FString Error;

			bool null() override { return true; }
			bool boolean(bool) override { return true; }
			bool number_integer(number_integer_t) override { return true; }
			bool number_unsigned(number_unsigned_t) override { return true; }
			bool number_float(number_float_t, const string_t&) override { return true; }
			bool string(string_t&) override { return true; }
			bool binary(binary_t&) override { return true; }
			bool start_object(std::size_t) override { return true; }
			bool key(string_t&) override { return true; }
			bool end_object() override { return true; }
			bool start_array(std::size_t) override { return true; }
			bool end_array() override { return true; }
			bool parse_error(std::size_t Position, const std::string& LastToken, const nlohmann::detail::exception&) override
			{
				Error = FString::Printf(TEXT("not valid JSON (syntax error at byte %d near '%s')"), static_cast<int32>(Position), *ToFString(LastToken));
				return false;
			}
		};
	}

	struct FLevelDescription
	{
		FString Prefix;
		TArray<FFixtureTypeSpec> FixtureTypes;
		TArray<FActorSpec> Actors;
	};

	TSharedPtr<const FLevelDescription> ReadLevel(const FString& JsonText, const FString& SourceName, FString& OutError)
	{
		const FString Prefix = FString::Printf(TEXT("Level file '%s': "), *SourceName);
		const std::string Utf8 = TCHAR_TO_UTF8(*JsonText);

		FSyntaxCheck SyntaxCheck;
		if (!FJson::sax_parse(Utf8, &SyntaxCheck, nlohmann::detail::input_format_t::json, true, true) || !SyntaxCheck.Error.IsEmpty())
		{
			OutError = Prefix + (SyntaxCheck.Error.IsEmpty() ? FString(TEXT("not valid JSON")) : SyntaxCheck.Error);
			return nullptr;
		}
		const FJson Root = FJson::parse(Utf8, nullptr, false, true);
		if (Root.is_discarded())
		{
			OutError = Prefix + TEXT("not valid JSON");
			return nullptr;
		}

		FLevelReader Reader;
		if (!Reader.Read(Root))
		{
			OutError = Prefix + Reader.Error;
			return nullptr;
		}
		const TSharedRef<FLevelDescription> Level = MakeShared<FLevelDescription>();
		Level->Prefix = Prefix;
		Level->FixtureTypes = MoveTemp(Reader.FixtureTypes);
		Level->Actors = MoveTemp(Reader.Actors);
		return Level;
	}

	bool PlaceLevel(FEditorSession& Session, const FLevelDescription& Level, FString& OutError)
	{
		const FString& Prefix = Level.Prefix;
		TMap<FString, UDMXEntityFixtureType*> Types;
		TArray<UDMXEntityFixtureType*> DeletedTypes;
		for (const FFixtureTypeSpec& Desc : Level.FixtureTypes)
		{
			UDMXEntityFixtureType* Type = Session.AddFixtureType(Desc.Name, Desc.Modes);
			// Mode names as the file writes them: a library made elsewhere may hold two that differ
			// only in letter case, which adding modes one by one would make unique.
			for (int32 ModeIndex = 0; ModeIndex < Desc.Modes.Num() && ModeIndex < Type->Modes.Num(); ++ModeIndex)
			{
				Type->Modes[ModeIndex].ModeName = Desc.Modes[ModeIndex];
			}
			Types.Add(Desc.Name, Type);
			if (Desc.bDeleted)
			{
				DeletedTypes.Add(Type);
			}
		}

		ULevel* InactiveLevel = nullptr;
		TMap<FString, UDMXEntityFixturePatch*> SharedPatches;
		TArray<UDMXEntityFixturePatch*> DeletedPatches;
		for (const FActorSpec& Desc : Level.Actors)
		{
			ULevel* Level = nullptr;
			if (Desc.bInactiveLevel)
			{
				if (InactiveLevel == nullptr)
				{
					InactiveLevel = Session.AddLevel(InactiveLevelName, false);
				}
				Level = InactiveLevel;
			}
			const FTransform Transform(Desc.Rotation, Desc.Location, Desc.Scale);
			AActor* Actor = Session.SpawnActor(Desc.Class, Desc.Label, Transform, Level);
			if (Actor == nullptr)
			{
				OutError = Prefix + FString::Printf(TEXT("the actor \"%s\" could not be spawned"), *Desc.Label);
				return false;
			}
			// Keep the rotator exactly as written.
			Actor->SetActorRotation(Desc.Rotation);

			if (Desc.PatchKind == EPatchKind::Null)
			{
				Session.AddDMXComponent(Actor, nullptr);
			}
			else if (Desc.PatchKind == EPatchKind::Patch)
			{
				const FPatchSpec& PatchSpec = Desc.Patch;
				const FString Key = FString::Printf(TEXT("%d|%d|%d|%s"), PatchSpec.Universe, PatchSpec.Channel, PatchSpec.Mode, *PatchSpec.FixtureType);
				UDMXEntityFixturePatch* Patch = SharedPatches.FindRef(Key);
				if (Patch == nullptr)
				{
					Patch = Session.AddFixturePatch(Types.FindRef(PatchSpec.FixtureType), PatchSpec.Universe, PatchSpec.Channel, PatchSpec.Mode, PatchSpec.Name);
					SharedPatches.Add(Key, Patch);
				}
				if (PatchSpec.bDeleted)
				{
					DeletedPatches.AddUnique(Patch);
				}
				Session.AddDMXComponent(Actor, Patch);
			}
		}

		for (UDMXEntityFixturePatch* Patch : DeletedPatches)
		{
			Session.DeleteFixturePatch(Patch);
		}
		for (UDMXEntityFixtureType* Type : DeletedTypes)
		{
			Session.DeleteFixtureType(Type);
		}
		return true;
	}
}
