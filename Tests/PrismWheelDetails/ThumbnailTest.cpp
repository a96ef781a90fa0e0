#include "ZORPrismWheelThumbnailRenderer.h"

#include "CanvasTypes.h"
#include "Materials/MaterialInterface.h"
#include "PrismWheelDetailsTestHelpers.h"
#include "StandInTesting/ThumbnailDriver.h"
#include "ThumbnailRendering/ThumbnailManager.h"

namespace
{
	class FPrismWheelThumbnailTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Session = std::make_unique<StandIn::FEditorSession>();
			Session->StartPlugin();
			UPackage* Package = CreatePackage(TEXT("/Game/Wheels/PW_Thumb"));
			Wheel = NewObject<UZORPrismWheel>(Package, TEXT("PW_Thumb"), RF_Public | RF_Standalone | RF_Transactional);
		}

		void ExpectTile(const StandIn::FThumbnailTile& Tile, double X, double Y, double W, double H, const TCHAR* Material, ESimpleElementBlendMode BlendMode)
		{
			EXPECT_EQ(Tile.Position.X, X);
			EXPECT_EQ(Tile.Position.Y, Y);
			EXPECT_EQ(Tile.Size.X, W);
			EXPECT_EQ(Tile.Size.Y, H);
			EXPECT_TRUE(Tile.MaterialName.Equals(Material, ESearchCase::CaseSensitive)) << Utf8(Tile.MaterialName);
			EXPECT_EQ(Tile.BlendMode, BlendMode);
		}

		std::unique_ptr<StandIn::FEditorSession> Session;
		UZORPrismWheel* Wheel = nullptr;
	};
}

TEST_F(FPrismWheelThumbnailTest, OneCentredFacetteOnA64Thumbnail)
{
	Wheel->Facettes.Add(MakeFacette(0.5, 0.5, 0.1f));
	const StandIn::FThumbnailDrawing Drawing = StandIn::DrawThumbnail(Wheel, 64, 64, 10, 20);
	ASSERT_TRUE(Drawing.bHasCustomRenderer);
	EXPECT_TRUE(Drawing.RendererClassName.Equals(TEXT("ZORPrismWheelThumbnailRenderer"), ESearchCase::CaseSensitive));
	ASSERT_TRUE(Drawing.bCanVisualize);
	ASSERT_EQ(Drawing.Tiles.Num(), 3);
	ExpectTile(Drawing.Tiles[0], 10.0, 20.0, 64.0, 64.0, TEXT("MI_ThumbnailBG"), SE_BLEND_Translucent);
	ExpectTile(Drawing.Tiles[1], double(10.0f + 5.12f), double(20.0f + 5.12f), double(64.0f - 10.24f), double(64.0f - 10.24f), TEXT("MI_ThumbnailBGCircle"), SE_BLEND_Translucent);
	EXPECT_NEAR(Drawing.Tiles[1].Size.X, 53.76, 1e-5);
	// Centred at (X + 32, Y + 32) with r = 4.096, all in single precision.
	const float R = 40.96f * 0.1f;
	ExpectTile(Drawing.Tiles[2], double(42.0f - R), double(52.0f - R), double(R + R), double(R + R), TEXT("MI_ThumbnailCircle"), SE_BLEND_Additive);
	EXPECT_NEAR(Drawing.Tiles[2].Position.X - 10.0, 27.904, 1e-5);
	EXPECT_NEAR(Drawing.Tiles[2].Size.X, 8.192, 1e-5);
}

TEST_F(FPrismWheelThumbnailTest, FacettesMapOntoTheMiddleOfTheThumbnailAndStayCircles)
{
	Wheel->Facettes.Add(MakeFacette(0.0, 0.0, 0.1f));
	Wheel->Facettes.Add(MakeFacette(1.0, 1.0, 0.1f));
	Wheel->Facettes.Add(MakeFacette(0.5, 0.5, 0.1f));
	Wheel->Facettes.Add(MakeFacette(0.25, 0.75, 0.1f));

	const StandIn::FThumbnailDrawing Square = StandIn::DrawThumbnail(Wheel, 100, 100);
	ASSERT_EQ(Square.Tiles.Num(), 6);
	// Centres at 18 % and 82 % of the sides.
	EXPECT_NEAR(Square.Tiles[2].Position.X + Square.Tiles[2].Size.X * 0.5, 18.0, 1e-4);
	EXPECT_NEAR(Square.Tiles[2].Position.Y + Square.Tiles[2].Size.Y * 0.5, 18.0, 1e-4);
	EXPECT_NEAR(Square.Tiles[3].Position.X + Square.Tiles[3].Size.X * 0.5, 82.0, 1e-4);
	EXPECT_NEAR(Square.Tiles[3].Position.Y + Square.Tiles[3].Size.Y * 0.5, 82.0, 1e-4);

	const StandIn::FThumbnailDrawing Wide = StandIn::DrawThumbnail(Wheel, 128, 64);
	ASSERT_EQ(Wide.Tiles.Num(), 6);
	ExpectTile(Wide.Tiles[0], 0.0, 0.0, 128.0, 64.0, TEXT("MI_ThumbnailBG"), SE_BLEND_Translucent);
	// The disc covers the middle 84 % of each side: at (10.24, 5.12), 107.52 x 53.76.
	ExpectTile(Wide.Tiles[1], double(128.0f * 0.08f), double(64.0f * 0.08f), double(128.0f - 2.0f * (128.0f * 0.08f)), double(64.0f - 2.0f * (64.0f * 0.08f)),
		TEXT("MI_ThumbnailBGCircle"), SE_BLEND_Translucent);
	EXPECT_NEAR(Wide.Tiles[1].Position.X, 10.24, 1e-5);
	EXPECT_NEAR(Wide.Tiles[1].Position.Y, 5.12, 1e-5);
	EXPECT_NEAR(Wide.Tiles[1].Size.X, 107.52, 1e-5);
	EXPECT_NEAR(Wide.Tiles[1].Size.Y, 53.76, 1e-5);
	const StandIn::FThumbnailTile& Centre = Wide.Tiles[4];
	// The radius comes from the inner width on both axes: a circle of radius 8.192, not an ellipse.
	EXPECT_EQ(Centre.Size.X, Centre.Size.Y);
	EXPECT_NEAR(Centre.Size.X, 2.0 * 8.192, 1e-4);
	EXPECT_NEAR(Centre.Position.X + Centre.Size.X * 0.5, 64.0, 1e-4);
	EXPECT_NEAR(Centre.Position.Y + Centre.Size.Y * 0.5, 32.0, 1e-4);
	// Each axis maps onto its own side: (0.25, 0.75) lands at 18 % + 64 % x 0.25 of 128 and 18 % + 64 % x 0.75 of 64.
	EXPECT_NEAR(Wide.Tiles[5].Position.X + Wide.Tiles[5].Size.X * 0.5, 43.52, 1e-4);
	EXPECT_NEAR(Wide.Tiles[5].Position.Y + Wide.Tiles[5].Size.Y * 0.5, 42.24, 1e-4);
	// Later facettes are drawn over earlier ones.
	EXPECT_TRUE(Wide.Tiles[2].MaterialName.Equals(TEXT("MI_ThumbnailCircle"), ESearchCase::CaseSensitive));
}

TEST_F(FPrismWheelThumbnailTest, AWheelWithoutFacettesHasNoCustomThumbnail)
{
	const StandIn::FThumbnailDrawing Drawing = StandIn::DrawThumbnail(Wheel, 64, 64);
	EXPECT_TRUE(Drawing.bHasCustomRenderer);
	EXPECT_FALSE(Drawing.bCanVisualize);
	EXPECT_EQ(UThumbnailManager::Get().GetRenderingInfo(Wheel), nullptr) << "the engine falls back to the default thumbnail";

	Wheel->Facettes.Add(MakeFacette(0.5, 0.5, 0.1f));
	EXPECT_NE(UThumbnailManager::Get().GetRenderingInfo(Wheel), nullptr);
}

TEST_F(FPrismWheelThumbnailTest, AnyMissingMaterialMeansNoCustomThumbnailAndNoDrawing)
{
	Wheel->Facettes.Add(MakeFacette(0.5, 0.5, 0.1f));
	UZORPrismWheelThumbnailRenderer* Renderer = NewObject<UZORPrismWheelThumbnailRenderer>();
	for (const TCHAR* Path : {TEXT("/ZORLight/Materials/MI_ThumbnailBG"), TEXT("/ZORLight/Materials/MI_ThumbnailBGCircle"), TEXT("/ZORLight/Materials/MI_ThumbnailCircle")})
	{
		SCOPED_TRACE(Utf8(Path));
		UMaterialInterface* Material = LoadObject<UMaterialInterface>(nullptr, Path);
		ASSERT_NE(Material, nullptr);
		Material->MarkAsGarbage();
		const StandIn::FThumbnailDrawing Drawing = StandIn::DrawThumbnail(Wheel, 64, 64);
		EXPECT_TRUE(Drawing.bHasCustomRenderer);
		EXPECT_FALSE(Drawing.bCanVisualize);

		// Asked to draw anyway, it draws nothing.
		FCanvas Canvas(nullptr, nullptr, nullptr, ERHIFeatureLevel::SM5);
		Renderer->Draw(Wheel, 0, 0, 64, 64, nullptr, &Canvas, false);
		EXPECT_TRUE(Canvas.GetStandInTiles().IsEmpty());
		Material->ClearGarbage();
	}
	EXPECT_TRUE(StandIn::DrawThumbnail(Wheel, 64, 64).bCanVisualize);
}

TEST_F(FPrismWheelThumbnailTest, OtherObjectsAndANullCanvasDrawNothing)
{
	UZORPrismWheelThumbnailRenderer* Renderer = NewObject<UZORPrismWheelThumbnailRenderer>();
	Wheel->Facettes.Add(MakeFacette(0.5, 0.5, 0.1f));
	UPackage* NotAWheel = CreatePackage(TEXT("/Game/NotAWheel"));
	EXPECT_FALSE(Renderer->CanVisualizeAsset(NotAWheel));
	EXPECT_FALSE(Renderer->CanVisualizeAsset(nullptr));
	EXPECT_TRUE(Renderer->CanVisualizeAsset(Wheel));

	FCanvas Canvas(nullptr, nullptr, nullptr, ERHIFeatureLevel::SM5);
	Renderer->Draw(NotAWheel, 0, 0, 64, 64, nullptr, &Canvas, false);
	Renderer->Draw(nullptr, 0, 0, 64, 64, nullptr, &Canvas, false);
	// A wheel without facettes gets no tile at all, not even the background.
	Renderer->Draw(NewObject<UZORPrismWheel>(), 0, 0, 64, 64, nullptr, &Canvas, false);
	EXPECT_TRUE(Canvas.GetStandInTiles().IsEmpty());
	Renderer->Draw(Wheel, 0, 0, 64, 64, nullptr, nullptr, false);

	uint32 Width = 0;
	uint32 Height = 0;
	Renderer->GetThumbnailSize(Wheel, 0.5f, Width, Height);
	EXPECT_EQ(Width, Height);
	EXPECT_GT(Width, 0u);
}
