#include "UEtoGMA/MAXmlWriter.h"

#include "Math/UnrealMathUtility.h"

const TCHAR* const FMAXmlWriter::FilePrefix = TEXT("DO2VOR");
const TCHAR* const FMAXmlWriter::FileExtension = TEXT(".xml");

namespace
{
	const TCHAR* const MAXmlHead = TEXT("<?xml version=\"1.0\" encoding=\"utf-8\"?>")
		TEXT("<MA xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns=\"http://schemas.malighting.de/grandma2/xml/MA\"")
		TEXT(" xsi:schemaLocation=\"http://schemas.malighting.de/grandma2/xml/MA http://schemas.malighting.de/grandma2/xml/3.1.0/MA.xsd\"")
		TEXT(" major_vers=\"3\" minor_vers=\"1\" stream_vers=\"0\">");

	bool IsHighSurrogate(uint32 Code)
	{
		return Code >= 0xD800 && Code <= 0xDBFF;
	}

	bool IsLowSurrogate(uint32 Code)
	{
		return Code >= 0xDC00 && Code <= 0xDFFF;
	}

	FString MakeCompactMacroLine(int32 Index, const FString& Command)
	{
		return TEXT("<Macroline index=\"") + FMAXmlWriter::FormatInt(Index) + TEXT("\" delay=\"0.01\"><text>") + Command + TEXT("</text></Macroline>");
	}

	FString MakeSpacedMacroLine(int32 Index, const FString& Command)
	{
		return TEXT("<Macroline index=\"") + FMAXmlWriter::FormatInt(Index) + TEXT("\" delay = \"0.01\" > <text>") + Command + TEXT("</text></Macroline>");
	}
}

FString FMAXmlWriter::EscapeText(const FString& InText)
{
	FString Escaped;
	Escaped.Reserve(InText.Len());
	const int32 Length = InText.Len();
	for (int32 Index = 0; Index < Length; ++Index)
	{
		const uint32 Code = static_cast<uint32>(InText[Index]);
		if (IsHighSurrogate(Code))
		{
			const uint32 Next = Index + 1 < Length ? static_cast<uint32>(InText[Index + 1]) : 0;
			if (IsLowSurrogate(Next))
			{
				// A pair is one character; where a TCHAR holds a whole code point, it is written as one.
				if constexpr (sizeof(TCHAR) >= 4)
				{
					Escaped.AppendChar(static_cast<TCHAR>(0x10000 + ((Code - 0xD800) << 10) + (Next - 0xDC00)));
				}
				else
				{
					Escaped.AppendChar(InText[Index]);
					Escaped.AppendChar(InText[Index + 1]);
				}
				++Index;
			}
			continue;
		}
		switch (Code)
		{
		case '&': Escaped += TEXT("&amp;"); break;
		case '<': Escaped += TEXT("&lt;"); break;
		case '>': Escaped += TEXT("&gt;"); break;
		case '"': Escaped += TEXT("&quot;"); break;
		case '\'': Escaped += TEXT("&apos;"); break;
		// A reader normalises these three inside attribute values; as references they come back as written.
		case '\t': Escaped += TEXT("&#9;"); break;
		case '\n': Escaped += TEXT("&#10;"); break;
		case '\r': Escaped += TEXT("&#13;"); break;
		default:
			if (Code >= 0x20 && !IsLowSurrogate(Code) && Code != 0xFFFE && Code != 0xFFFF && Code <= 0x10FFFF)
			{
				Escaped.AppendChar(InText[Index]);
			}
			break;
		}
	}
	return Escaped;
}

FString FMAXmlWriter::MakeCommandName(const FString& InName)
{
	return InName.Replace(TEXT("\""), TEXT("'"), ESearchCase::CaseSensitive);
}

FString FMAXmlWriter::FormatInt(int32 Value)
{
	return FString::FromInt(Value);
}

FString FMAXmlWriter::FormatReal(double Value)
{
	return FString::Printf(TEXT("%.2f "), FMath::IsFinite(Value) ? Value : 0.0);
}

FString FMAXmlWriter::MakeLayerName(int32 LayerNumber)
{
	return FString(FilePrefix) + TEXT("-LAYER-") + FormatInt(LayerNumber);
}

FString FMAXmlWriter::MakeMacroFile(const TArray<FFixture>& InFixtures, int32 NumLayers)
{
	const int32 NumFixtures = InFixtures.Num();
	FString MacroFile;
	MacroFile.Reserve(1024 + NumFixtures * 320);

	// Import the layer files from the drive; the import commands stand in reverse order.
	MacroFile += MAXmlHead;
	MacroFile += TEXT("<Macro index=\"0\" name=\"DO2VOR import layers\">");
	MacroFile += MakeCompactMacroLine(0, TEXT("Menu On \"CommandlineResponse\""));
	TArray<FString> ImportCommands;
	ImportCommands.Add(TEXT("SelectDrive"));
	ImportCommands.Add(TEXT("SelectDrive (Import from drive? Int=1, USB=4)"));
	ImportCommands.Add(TEXT("ChangeDest \"EditSetup\""));
	ImportCommands.Add(TEXT("ChangeDest \"Layers"));
	ImportCommands.Add(TEXT("Menu Off \"CommandlineResponse\""));
	ImportCommands.Add(TEXT("ChangeDest /"));
	ImportCommands.Add(TEXT("Menu \"FixtureSchedule\""));
	for (int32 LayerNumber = 1; LayerNumber <= NumLayers; ++LayerNumber)
	{
		ImportCommands.Insert(TEXT("Import \"") + MakeLayerName(LayerNumber) + TEXT("\" At 1"), 4);
	}
	for (int32 Position = 0; Position < ImportCommands.Num(); ++Position)
	{
		MacroFile += MakeSpacedMacroLine(Position + 1, ImportCommands[Position]);
	}
	MacroFile += TEXT("</Macro>");

	// Patch each fixture ID to its DMX address.
	MacroFile += TEXT("<Macro index=\"1\" name=\"DO2VOR patch fixtures\">");
	MacroFile += MakeCompactMacroLine(0, TEXT("Menu On \"CommandlineResponse\""));
	for (int32 Index = 0; Index < NumFixtures; ++Index)
	{
		MacroFile += MakeCompactMacroLine(Index + 1, TEXT("Assign Fixture ") + FormatInt(InFixtures[Index].FixtureID) + TEXT(" At Dmx ")
			+ EscapeText(InFixtures[Index].PatchAddress) + TEXT("  /noconfirm"));
	}
	MacroFile += MakeCompactMacroLine(NumFixtures + 1, TEXT("Menu Off \"CommandlineResponse\""));
	MacroFile += TEXT("</Macro>");

	// Move and rotate each fixture.
	MacroFile += TEXT("<Macro index=\"2\" name=\"DO2VOR move fixtures\">");
	MacroFile += MakeCompactMacroLine(0, TEXT("ClearAll"));
	MacroFile += MakeCompactMacroLine(1, TEXT("Menu On \"CommandlineResponse\""));
	for (int32 Index = 0; Index < NumFixtures; ++Index)
	{
		const FFixture& Fixture = InFixtures[Index];
		MacroFile += MakeSpacedMacroLine(Index + 2, TEXT("Fixture ") + FormatInt(Fixture.FixtureID)
			+ TEXT(" ; Move3D At ") + FormatReal(Fixture.Location.X) + FormatReal(Fixture.Location.Y) + FormatReal(Fixture.Location.Z)
			+ TEXT("; Rotate3D At ") + FormatReal(Fixture.Rotation.Roll) + FormatReal(Fixture.Rotation.Pitch) + FormatReal(Fixture.Rotation.Yaw)
			+ TEXT("; ClearAll"));
	}
	MacroFile += MakeCompactMacroLine(NumFixtures + 2, TEXT("Menu Off \"CommandlineResponse\""));
	MacroFile += MakeCompactMacroLine(NumFixtures + 3, TEXT("ClearAll"));
	MacroFile += TEXT("</Macro>");

	// One group per fixture type and mode.
	MacroFile += TEXT("<Macro index=\"3\" name=\"DO2VOR create groups\">");
	MacroFile += MakeCompactMacroLine(0, TEXT("Menu On \"CommandlineResponse\""));
	MacroFile += MakeCompactMacroLine(1, TEXT("ClearAll"));
	for (int32 Index = 0; Index < NumFixtures; ++Index)
	{
		MacroFile += MakeCompactMacroLine(Index + 2, TEXT("Fixture ") + FormatInt(InFixtures[Index].FixtureID) + TEXT(" ; Store Group \"")
			+ EscapeText(MakeCommandName(InFixtures[Index].GroupName)) + TEXT("\" /merge"));
	}
	MacroFile += MakeCompactMacroLine(NumFixtures + 2, TEXT("Menu Off \"CommandlineResponse\""));
	MacroFile += MakeCompactMacroLine(NumFixtures + 3, TEXT("ClearAll"));
	MacroFile += TEXT("</Macro></MA>");
	return MacroFile;
}

FString FMAXmlWriter::MakeLayerFile(const FString& LayerName, int32 FixtureTypeNo, const TArray<const FFixture*>& InFixtures)
{
	const FString TypeNumber = FormatInt(FixtureTypeNo);
	FString LayerFile;
	LayerFile.Reserve(512 + InFixtures.Num() * 480);
	LayerFile += MAXmlHead;
	LayerFile += TEXT("<Layer index=\"0\" name=\"") + EscapeText(LayerName) + TEXT("\">");
	int32 LayerIndex = 0;
	for (const FFixture* Fixture : InFixtures)
	{
		if (!Fixture)
		{
			continue;
		}
		LayerFile += TEXT("<Fixture index=\"") + FormatInt(LayerIndex) + TEXT("\" name=\"") + EscapeText(Fixture->FixtureTypeName) + TEXT(" ") + FormatInt(LayerIndex + 1)
			+ TEXT("\" channel_id=\"0\" fixture_id=\"") + FormatInt(Fixture->FixtureID) + TEXT("\"> <FixtureType name=\"") + TypeNumber + TEXT("\"><No>") + TypeNumber
			+ TEXT("</No></FixtureType><SubFixture index=\"0\" react_to_grandmaster=\"true\" color=\"ffffff\"><Patch><Address>0</Address></Patch><AbsolutePosition>")
			+ TEXT("<Location x=\"") + FormatReal(Fixture->Location.X) + TEXT("\" y=\"") + FormatReal(Fixture->Location.Y) + TEXT("\" z=\"") + FormatReal(Fixture->Location.Z)
			+ TEXT("\" /><Rotation x=\"") + FormatReal(Fixture->Rotation.Roll) + TEXT("\" y=\"") + FormatReal(Fixture->Rotation.Pitch) + TEXT("\" z=\"") + FormatReal(Fixture->Rotation.Yaw)
			+ TEXT("\" /><Scaling x=\"1\" y=\"1\" z=\"1\" /></AbsolutePosition></SubFixture></Fixture>");
		++LayerIndex;
	}
	LayerFile += TEXT("</Layer></MA>");
	return LayerFile;
}
