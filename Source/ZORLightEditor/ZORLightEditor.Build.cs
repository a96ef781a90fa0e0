using UnrealBuildTool;

public class ZORLightEditor : ModuleRules
{
	public ZORLightEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "ZORLight" });

		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"UnrealEd",
			"DMXRuntime",
			"InputCore",
			"Slate",
			"SlateCore",
			"ToolMenus",
			"LevelEditor",
			"Projects",
			"DesktopPlatform",
			"MainFrame",
			"PropertyEditor",
			"AssetRegistry"
		});
	}
}
