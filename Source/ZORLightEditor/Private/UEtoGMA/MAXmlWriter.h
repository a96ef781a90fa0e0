#pragma once

#include "CoreMinimal.h"

/**
 * The text of the grandMA2 MA XML files the "UE to GMA Tool" exports: one macro file with the four
 * macros (import layers, patch, move, create groups) and one layer file per fixture type and mode.
 * Knows the console's format (escaping, number forms, macro lines) and nothing of the panel.
 */
class FMAXmlWriter
{
public:
	/** One fixture as the files address it. */
	struct FFixture
	{
		int32 FixtureID = 0;
		/** The DMX fixture type's name: the fixture's name in the layer file is this and its number in the layer. */
		FString FixtureTypeName;
		/** "<fixture type> <mode>": the group the fixture is stored in. */
		FString GroupName;
		/** "universe.channel" */
		FString PatchAddress;
		/** Metres on the console's stage. */
		FVector Location = FVector::ZeroVector;
		/** Written as x = Roll, y = Pitch, z = Yaw. */
		FRotator Rotation = FRotator::ZeroRotator;
	};

	/** "DO2VOR": the macro file's name and the start of every layer file's name. */
	static const TCHAR* const FilePrefix;
	static const TCHAR* const FileExtension;

	/**
	 * Text for an attribute value or element text. Characters XML 1.0 cannot hold (C0 controls other than
	 * tab, line feed and carriage return, U+FFFE, U+FFFF, unpaired surrogates) are left out; tab, line feed
	 * and carriage return are written as character references so that a reader gets them back unchanged.
	 */
	static FString EscapeText(const FString& InText);

	/** A name inside a quoted console command: a double quote would end the quotes, so it becomes '. */
	static FString MakeCommandName(const FString& InName);

	/** Integers as the console reads them: plain digits, no grouping. */
	static FString FormatInt(int32 Value);

	/** Coordinates and angles: two decimals and one blank ("12.50 "); a value that is not finite is 0. */
	static FString FormatReal(double Value);

	/** The macro file of these fixtures, importing NumLayers layer files. */
	static FString MakeMacroFile(const TArray<FFixture>& InFixtures, int32 NumLayers);

	/** One layer file: the layer's name, the grandMA2 fixture type number and its fixtures in order. */
	static FString MakeLayerFile(const FString& LayerName, int32 FixtureTypeNo, const TArray<const FFixture*>& InFixtures);

	/** The name the import macro gives layer file number LayerNumber ("DO2VOR-LAYER-3"). */
	static FString MakeLayerName(int32 LayerNumber);
};
