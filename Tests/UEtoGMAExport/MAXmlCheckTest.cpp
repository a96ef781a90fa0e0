// The schema check that the export tests rely on: it accepts the console's own exports and rejects
// the faults an export could make, so a passing export test means the console would read the file.

#include "MAXml.h"

#include <gtest/gtest.h>

namespace
{
	/** Files in the console's own export style: byte order mark, style sheet, Info, indentation, channels. */
	const std::string SamplesDir = std::string(ZOR_TEST_DATA_DIR) + "/";

	const std::string Head = "<?xml version=\"1.0\" encoding=\"utf-8\"?><MA xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
		"xmlns=\"http://schemas.malighting.de/grandma2/xml/MA\" xsi:schemaLocation=\"http://schemas.malighting.de/grandma2/xml/MA "
		"http://schemas.malighting.de/grandma2/xml/3.1.0/MA.xsd\" major_vers=\"3\" minor_vers=\"1\" stream_vers=\"0\">";

	std::string LayerWithFixture(const std::string& Name, const std::string& FixtureID, const std::string& Address)
	{
		return Head + "<Layer index=\"0\" name=\"L\"><Fixture index=\"0\" name=\"" + Name + "\" channel_id=\"0\" fixture_id=\"" + FixtureID
			+ "\"> <FixtureType name=\"7\"><No>7</No></FixtureType><SubFixture index=\"0\" react_to_grandmaster=\"true\" color=\"ffffff\">"
			"<Patch><Address>" + Address + "</Address></Patch><AbsolutePosition><Location x=\"1.00 \" y=\"2.00 \" z=\"3.00 \" />"
			"<Rotation x=\"0.00 \" y=\"0.00 \" z=\"0.00 \" /><Scaling x=\"1\" y=\"1\" z=\"1\" /></AbsolutePosition></SubFixture></Fixture></Layer></MA>";
	}
}

TEST(MAXmlCheck, ConsoleExportsAreValid)
{
	for (const char* Sample : {"ConsoleLayer.xml", "ConsoleMacro.xml"})
	{
		const ZorTest::FMAXmlCheck Check = ZorTest::CheckMAXmlFile(SamplesDir + Sample);
		EXPECT_TRUE(Check.bValid) << Sample << "\n" << Check.Report();
	}
}

TEST(MAXmlCheck, RejectsWhatABrokenExportWouldHold)
{
	const ZorTest::FMAXmlCheck Good = ZorTest::CheckMAXml(LayerWithFixture("Spot &amp; Wash 1", "1001", "0"));
	EXPECT_TRUE(Good.bValid) << Good.Report();

	const ZorTest::FMAXmlCheck BareAmpersand = ZorTest::CheckMAXml(LayerWithFixture("Spot & Wash 1", "1001", "0"));
	EXPECT_FALSE(BareAmpersand.bWellFormed);
	EXPECT_FALSE(BareAmpersand.Messages.empty());

	const ZorTest::FMAXmlCheck Grouped = ZorTest::CheckMAXml(LayerWithFixture("Spot 1", "1,001", "0"));
	EXPECT_TRUE(Grouped.bWellFormed);
	EXPECT_FALSE(Grouped.bValid) << "a grouped fixture_id is not an xs:int";

	const ZorTest::FMAXmlCheck BrokenAddress = ZorTest::CheckMAXml(LayerWithFixture("Spot 1", "1", "0\">0"));
	EXPECT_TRUE(BrokenAddress.bWellFormed) << "the schema, not the parser, must catch a text address";
	EXPECT_FALSE(BrokenAddress.bValid);

	const ZorTest::FMAXmlCheck Unsigned = ZorTest::CheckMAXml(LayerWithFixture("Spot 1", "2147483648", "0"));
	EXPECT_FALSE(Unsigned.bValid) << "a fixture_id past int32 is not an xs:int";

	// U+FFFE in UTF-8: no XML 1.0 character.
	const ZorTest::FMAXmlCheck NonCharacter = ZorTest::CheckMAXml(LayerWithFixture("Spot \xEF\xBF\xBE 1", "1", "0"));
	EXPECT_FALSE(NonCharacter.bWellFormed);

	const ZorTest::FMAXmlCheck MacroAndLayer = ZorTest::CheckMAXml(Head + "<Macro index=\"0\" name=\"M\"/><Layer index=\"0\" name=\"L\"/></MA>");
	EXPECT_TRUE(MacroAndLayer.bWellFormed);
	EXPECT_FALSE(MacroAndLayer.bValid) << "one file holds macros or layers, never both";
}

TEST(MAXmlCheck, ReadsMacroLinesAndAttributes)
{
	const ZorTest::FMADocument Doc = ZorTest::FMADocument::FromFile(FString(UTF8_TO_TCHAR((SamplesDir + "ConsoleMacro.xml").c_str())));
	ASSERT_TRUE(Doc.IsParsed());
	EXPECT_EQ(Doc.MacroNames(), std::vector<std::string>({"Park Truss", "Unpark Truss"}));
	// A line without text is skipped by the text list, not by the index list.
	EXPECT_EQ(Doc.MacroLines("Park Truss"), std::vector<std::string>({"SetVar $Truss=1", "Group \"Truss\" At 0", "Park Fixture 101 Thru 112"}));
	EXPECT_EQ(Doc.MacroLineIndices("Park Truss"), std::vector<std::string>({"0", "1", "2", "3"}));

	const ZorTest::FMADocument Layer(LayerWithFixture("Lyre &amp; Co 1", "12", "0"));
	EXPECT_EQ(Layer.String("//ma:Fixture/@name"), "Lyre & Co 1");
	EXPECT_EQ(Layer.String("//ma:Fixture/ma:FixtureType/ma:No"), "7");
	EXPECT_EQ(Layer.Count("//ma:Fixture"), 1);
}
