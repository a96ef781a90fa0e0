// The console's format on its own, without the panel: names that XML 1.0 or a console command cannot
// hold, the number forms, and whole files checked against the schema and read back as the console would.

#include "UEtoGMA/MAXmlWriter.h"

#include "MAXml.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ZorTest;

namespace
{
	FString FromCodes(std::initializer_list<uint32> Codes)
	{
		FString Text;
		for (const uint32 Code : Codes)
		{
			Text.AppendChar(static_cast<TCHAR>(Code));
		}
		return Text;
	}

	FMAXmlWriter::FFixture MakeFixture(int32 FixtureID, const FString& TypeName, const FString& GroupName)
	{
		FMAXmlWriter::FFixture Fixture;
		Fixture.FixtureID = FixtureID;
		Fixture.FixtureTypeName = TypeName;
		Fixture.GroupName = GroupName;
		Fixture.PatchAddress = TEXT("1.1");
		Fixture.Location = FVector(1.5, -2.0, 3.25);
		Fixture.Rotation = FRotator(90.0, -45.0, 180.0);
		return Fixture;
	}
}

TEST(MAXmlWriter, NamesThatXmlCannotHoldLoseOnlyWhatItCannotHold)
{
	// Tab, line feed and carriage return come back; C0 controls, U+FFFE, U+FFFF and lone surrogates do not.
	const FString Name = TEXT("A\tB\nC\rD") + FromCodes({0x01, 0x1F, 0xFFFE, 0xFFFF, 0xDC05, 0xD800}) + TEXT("E&<>\"'F") + FromCodes({0xD800});
	const FString Escaped = FMAXmlWriter::EscapeText(Name);
	EXPECT_TRUE(Escaped.Equals(TEXT("A&#9;B&#10;C&#13;D") TEXT("E&amp;&lt;&gt;&quot;&apos;F"), ESearchCase::CaseSensitive)) << ToUtf8(Escaped);

	TArray<const FMAXmlWriter::FFixture*> None;
	const FString Layer = FMAXmlWriter::MakeLayerFile(Name, 3, None);
	const FMAXmlCheck Check = CheckMAXml(Layer);
	ASSERT_TRUE(Check.bValid) << Check.Report();
	EXPECT_EQ(FMADocument(Layer).String("/ma:MA/ma:Layer/@name"), "A\tB\nC\rDE&<>\"'F");
}

TEST(MAXmlWriter, CharactersBeyondTheBasicPlaneSurvive)
{
	// U+1F600 as a surrogate pair (as a two-byte TCHAR holds it) and as one code point.
	const FString Pair = TEXT("Smile ") + FromCodes({0xD83D, 0xDE00});
	const FString Single = TEXT("Smile ") + FromCodes({0x1F600});
	for (const FString& Name : {Pair, Single})
	{
		const FString Layer = FMAXmlWriter::MakeLayerFile(Name, 1, TArray<const FMAXmlWriter::FFixture*>());
		const FMAXmlCheck Check = CheckMAXml(Layer);
		ASSERT_TRUE(Check.bValid) << Check.Report();
		EXPECT_EQ(FMADocument(Layer).String("/ma:MA/ma:Layer/@name"), "Smile \xF0\x9F\x98\x80");
	}
}

TEST(MAXmlWriter, QuotesInsideAConsoleCommandBecomeApostrophes)
{
	const TArray<FMAXmlWriter::FFixture> Fixtures = {MakeFixture(7, TEXT("Spot \"Pro\""), TEXT("Spot \"Pro\" Std"))};
	const FString Macro = FMAXmlWriter::MakeMacroFile(Fixtures, 1);
	const FMAXmlCheck Check = CheckMAXml(Macro);
	ASSERT_TRUE(Check.bValid) << Check.Report();
	const std::vector<std::string> Groups = FMADocument(Macro).MacroLines("DO2VOR create groups");
	ASSERT_EQ(Groups.size(), 5u);
	EXPECT_EQ(Groups[2], "Fixture 7 ; Store Group \"Spot 'Pro' Std\" /merge");

	// The layer file's names are no command: they keep the double quote.
	TArray<const FMAXmlWriter::FFixture*> InLayer = {&Fixtures[0]};
	const FString Layer = FMAXmlWriter::MakeLayerFile(TEXT("Spot \"Pro\" Std"), 12, InLayer);
	const FMADocument LayerDoc(Layer);
	EXPECT_EQ(LayerDoc.String("/ma:MA/ma:Layer/@name"), "Spot \"Pro\" Std");
	EXPECT_EQ(LayerDoc.String("//ma:Fixture/@name"), "Spot \"Pro\" 1");
}

TEST(MAXmlWriter, NumberFormsTheConsoleReads)
{
	EXPECT_EQ(ToUtf8(FMAXmlWriter::FormatInt(1234567)), "1234567");
	EXPECT_EQ(ToUtf8(FMAXmlWriter::FormatInt(MAX_int32)), "2147483647");
	EXPECT_EQ(ToUtf8(FMAXmlWriter::FormatReal(12.5)), "12.50 ");
	EXPECT_EQ(ToUtf8(FMAXmlWriter::FormatReal(-0.004)), "-0.00 ");
	// The console's xs:float has no "nan" or "inf".
	EXPECT_EQ(ToUtf8(FMAXmlWriter::FormatReal(std::numeric_limits<double>::quiet_NaN())), "0.00 ");
	EXPECT_EQ(ToUtf8(FMAXmlWriter::FormatReal(std::numeric_limits<double>::infinity())), "0.00 ");
	EXPECT_EQ(ToUtf8(FMAXmlWriter::MakeLayerName(1000)), "DO2VOR-LAYER-1000");
}

TEST(MAXmlWriter, LayerFileHoldsItsFixturesInOrder)
{
	const TArray<FMAXmlWriter::FFixture> Fixtures = {MakeFixture(2147483647, TEXT("Wash"), TEXT("Wash Std")), MakeFixture(5, TEXT("Wash"), TEXT("Wash Std"))};
	TArray<const FMAXmlWriter::FFixture*> InLayer = {&Fixtures[0], nullptr, &Fixtures[1]};
	const FString Layer = FMAXmlWriter::MakeLayerFile(TEXT("Wash Std"), 1001, InLayer);
	const FMAXmlCheck Check = CheckMAXml(Layer);
	ASSERT_TRUE(Check.bValid) << Check.Report();
	const FMADocument Doc(Layer);
	EXPECT_EQ(Doc.Strings("//ma:Fixture/@index"), std::vector<std::string>({"0", "1"}));
	EXPECT_EQ(Doc.Strings("//ma:Fixture/@name"), std::vector<std::string>({"Wash 1", "Wash 2"}));
	EXPECT_EQ(Doc.Strings("//ma:Fixture/@fixture_id"), std::vector<std::string>({"2147483647", "5"}));
	EXPECT_EQ(Doc.Strings("//ma:FixtureType/ma:No"), std::vector<std::string>({"1001", "1001"}));
	EXPECT_EQ(Doc.String("//ma:Fixture[1]//ma:Location/@y"), "-2.00 ");
	// x = Roll, y = Pitch, z = Yaw.
	EXPECT_EQ(Doc.String("//ma:Fixture[1]//ma:Rotation/@x"), "180.00 ");
	EXPECT_EQ(Doc.String("//ma:Fixture[1]//ma:Rotation/@y"), "90.00 ");
	EXPECT_EQ(Doc.String("//ma:Fixture[1]//ma:Rotation/@z"), "-45.00 ");
}
