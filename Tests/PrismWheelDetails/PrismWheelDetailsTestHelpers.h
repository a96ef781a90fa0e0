// A started plug-in, a prism wheel asset and its details panel as the prism wheel editor shows it.
#pragma once

#include "Editor.h"
#include "IDetailsView.h"
#include "PropertyHandle.h"
#include "StandIn/AssetRegistryHooks.h"
#include "StandIn/PropertyEditorHooks.h"
#include "StandInTesting/DetailsDriver.h"
#include "StandInTesting/DialogDriver.h"
#include "StandInTesting/EditorSession.h"
#include "UObject/Package.h"
#include "ZORPrismWheel.h"

#include "PrismWheelFacettes.h"
#include "ShownText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ZORTests
{
	class FPrismWheelDetailsTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Session = std::make_unique<StandIn::FEditorSession>();
			Session->StartPlugin();
			UE::StandIn::ClearAssetCreatedNotifications();
			// As the asset factory makes it: a standalone, transactional asset in its own package.
			Package = CreatePackage(TEXT("/Game/Wheels/PW_Details"));
			Wheel = NewObject<UZORPrismWheel>(Package, TEXT("PW_Details"), RF_Public | RF_Standalone | RF_Transactional);
			ASSERT_NE(Wheel, nullptr);
			OpenPanel();
		}

		void TearDown() override
		{
			DetailsView.Reset();
			Session.reset();
		}

		void OpenPanel()
		{
			DetailsView = StandIn::CreateDetailsView(Wheel);
		}

		void AddFacettes(int32 Count)
		{
			for (int32 Index = 0; Index < Count; ++Index)
			{
				Wheel->Facettes.Add(MakeFacette(0.2 + 0.1 * Index, 0.3, 0.05f));
			}
		}

		bool Click(const TCHAR* Text)
		{
			return StandIn::ClickDetailsButton(*DetailsView, Text);
		}

		bool Set(const TCHAR* Property, const TCHAR* Value)
		{
			FString Error;
			const bool bSet = StandIn::SetDetailsProperty(*DetailsView, Property, Value, Error);
			EXPECT_TRUE(bSet) << Utf8(Error);
			return bSet;
		}

		TArray<FString> UndoTitles() const
		{
			return Session->GetUndoTitles();
		}

		std::unique_ptr<StandIn::FEditorSession> Session;
		UPackage* Package = nullptr;
		UZORPrismWheel* Wheel = nullptr;
		TSharedPtr<IDetailsView> DetailsView;
	};
}
