#include "Interfaces/IMainFrameModule.h"

#include "StandIn/MainFrameHooks.h"

namespace
{
	TSharedPtr<SWindow>& GetMainWindow()
	{
		static TSharedPtr<SWindow>* Window = new TSharedPtr<SWindow>();
		return *Window;
	}

	class FMainFrameModule : public IMainFrameModule
	{
	public:
		virtual void ShutdownModule() override
		{
			// The main window goes with the editor session.
			GetMainWindow().Reset();
		}

		virtual TSharedPtr<SWindow> GetParentWindow() const override
		{
			return GetMainWindow();
		}

		virtual bool IsWindowInitialized() const override
		{
			return GetMainWindow().IsValid();
		}
	};
}

IMPLEMENT_MODULE(FMainFrameModule, MainFrame);

namespace UE::StandIn
{
	void SetMainFrameWindow(const TSharedPtr<SWindow>& Window)
	{
		GetMainWindow() = Window;
	}

	TSharedPtr<SWindow> GetMainFrameWindow()
	{
		return GetMainWindow();
	}
}
